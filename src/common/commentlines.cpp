#include "common/commentlines.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace pm {

bool LineAtIsCommented(const QTextDocument& doc, int pos) {
  return doc.findBlock(pos).text().startsWith(CommentPrefix());
}

void ToggleCommentLines(QTextDocument* doc, int selectionStart, int selectionEnd) {
  const QTextBlock first = doc->findBlock(selectionStart);
  const QTextBlock last = doc->findBlock(selectionEnd);
  if (!first.isValid() || !last.isValid()) return;
  const bool removing = first.text().startsWith(CommentPrefix());
  QTextCursor cursor(doc);
  cursor.beginEditBlock();
  for (QTextBlock block = first; block.isValid() && block.blockNumber() <= last.blockNumber();
       block = block.next()) {
    cursor.setPosition(block.position());
    if (!removing) {
      cursor.insertText(CommentPrefix());
    } else if (block.text().startsWith(CommentPrefix())) {
      cursor.setPosition(block.position() + CommentPrefix().size(), QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
    }
  }
  cursor.endEditBlock();
}

}  // namespace pm
