#include "common/commentlines.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace pm {

namespace {

const QLatin1String kPrefix(kCommentPrefix);

bool Commented(const QTextBlock& block) { return block.text().startsWith(kPrefix); }

}  // namespace

SelectedLines SelectedLinesOf(const QTextCursor& selection) {
  const QTextDocument* doc = selection.document();
  return {doc->findBlock(selection.selectionStart()).blockNumber(),
          doc->findBlock(selection.selectionEnd()).blockNumber()};
}

bool SelectionStartsCommented(const QTextCursor& selection) {
  return Commented(selection.document()->findBlock(selection.selectionStart()));
}

void CommentSelectedLines(QTextCursor* selection) {
  if (!selection->hasSelection()) return;
  QTextDocument* doc = selection->document();
  const SelectedLines lines = SelectedLinesOf(*selection);
  const bool removing = SelectionStartsCommented(*selection);
  QTextCursor edit(doc);
  edit.beginEditBlock();
  for (int n = lines.first; n <= lines.last; ++n) {
    const QTextBlock block = doc->findBlockByNumber(n);
    edit.setPosition(block.position());
    if (!removing) {
      edit.insertText(kPrefix);
    } else if (Commented(block)) {
      edit.setPosition(block.position() + 2, QTextCursor::KeepAnchor);
      edit.removeSelectedText();
    }
  }
  edit.endEditBlock();
  const int start = doc->findBlockByNumber(lines.first).position();
  const QTextBlock lastBlock = doc->findBlockByNumber(lines.last);
  selection->setPosition(start);
  selection->setPosition(lastBlock.position() + lastBlock.length() - 1, QTextCursor::KeepAnchor);
}

}  // namespace pm
