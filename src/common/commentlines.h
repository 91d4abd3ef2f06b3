#pragma once

#include <QString>

class QTextDocument;

namespace pm {

// The prefix that comments a deck line out.
inline const QString& CommentPrefix() {
  static const QString prefix = QStringLiteral("*\\");
  return prefix;
}

// Whether the line of the document at position pos begins with the prefix.
bool LineAtIsCommented(const QTextDocument& doc, int pos);

// Comments or uncomments the lines from the one holding selectionStart to
// the one holding selectionEnd (a selection that ends at the start of a
// line takes that line too). When the first line begins with the prefix,
// every line that has it loses it; otherwise every line gets it. One undo
// step; editor cursors move with the text.
void ToggleCommentLines(QTextDocument* doc, int selectionStart, int selectionEnd);

}  // namespace pm
