#pragma once

#include <QString>
#include <QTextCursor>

class QTextDocument;

namespace pm {

// The options of the Find and Replace dialogs. The search always runs
// forward, from a start position to the end of the text, without wrapping.
struct SearchOptions {
  bool matchCase = false;
  bool wholeWord = false;
};

// The first match of what at or after position from, as a cursor selecting
// it; a null cursor when there is none. An empty find text finds nothing.
QTextCursor FindForward(const QTextDocument& doc, const QString& what, int from, SearchOptions options);

// Whether a selected text is the find text, by the match-case option.
bool SameSearchText(const QString& selected, const QString& what, bool matchCase);

struct ReplaceRequest {
  QString what;
  QString with;
  SearchOptions options;
  bool all = false;  // Replace All
};

struct ReplaceOutcome {
  // The match the last search found, selected; otherwise the caret.
  QTextCursor cursor;
  bool found = false;  // the last search found a match
  int replaced = 0;
};

// One Replace or Replace All on the document of the editor cursor `at`: a
// selection that is the find text becomes the replace text; then the text
// from the caret to its end is searched, and with all every match found is
// replaced in turn. Matches before the caret stay. One undo step.
ReplaceOutcome ReplaceForward(QTextDocument* doc, const QTextCursor& at, const ReplaceRequest& request);

}  // namespace pm
