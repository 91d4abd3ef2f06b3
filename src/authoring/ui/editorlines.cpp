#include "authoring/ui/editorlines.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"

namespace pm {

EditorSourceLines::EditorSourceLines(QPlainTextEdit* editor) : editor_(editor), cursor_(editor->document()) {}

EditorSourceLines::~EditorSourceLines() {
  if (editing_) cursor_.endEditBlock();
}

void EditorSourceLines::Begin() {
  if (editing_) return;
  cursor_.beginEditBlock();
  editing_ = true;
}

int EditorSourceLines::Count() const { return editor_->document()->blockCount(); }

std::string EditorSourceLines::Get(int index) const {
  const QTextBlock block = editor_->document()->findBlockByNumber(index);
  if (!block.isValid()) return std::string();
  const std::string line = ToCp1252(block.text());
  return line.empty() ? std::string("*") : line;
}

void EditorSourceLines::Put(int index, const std::string& line) {
  const QTextBlock block = editor_->document()->findBlockByNumber(index);
  if (!block.isValid()) return;
  Begin();
  cursor_.setPosition(block.position());
  cursor_.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  cursor_.insertText(FromCp1252(line));
}

void EditorSourceLines::Insert(int index, const std::string& line) {
  QTextDocument* doc = editor_->document();
  if (index < 0 || index > doc->blockCount()) return;
  Begin();
  if (index < doc->blockCount()) {
    cursor_.setPosition(doc->findBlockByNumber(index).position());
    cursor_.insertText(FromCp1252(line) + QLatin1Char('\n'));
  } else {
    cursor_.movePosition(QTextCursor::End);
    cursor_.insertText(QLatin1Char('\n') + FromCp1252(line));
  }
}

void EditorSourceLines::Delete(int index) {
  QTextDocument* doc = editor_->document();
  const QTextBlock block = doc->findBlockByNumber(index);
  if (!block.isValid()) return;
  Begin();
  if (block.next().isValid()) {
    cursor_.setPosition(block.position());
    cursor_.setPosition(block.next().position(), QTextCursor::KeepAnchor);
  } else if (block.previous().isValid()) {
    const QTextBlock before = block.previous();
    cursor_.setPosition(before.position() + before.length() - 1);
    cursor_.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  } else {
    cursor_.setPosition(block.position());
    cursor_.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
  }
  cursor_.removeSelectedText();
}

int EditorSourceLines::CaretLine() const {
  return editor_->document()->findBlock(editor_->textCursor().selectionStart()).blockNumber();
}

int EditorSourceLines::SelectionEndLine() const {
  return editor_->document()->findBlock(editor_->textCursor().selectionEnd()).blockNumber();
}

QPlainTextEdit* AuthoringEditor() {
  TPlenzoForm* form = PlenzoFormInstance();
  if (!form || !form->HasSourceTab()) return nullptr;
  return form->Editor();
}

}  // namespace pm
