// The Source editor's text as the window loads and saves it.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/sourcelines.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

namespace pm {

void TPlenzoForm::LoadEditor(const QString& fileName) {
  std::vector<std::string> lines;
  ReadTextLines(ResolveUnquoted(fileName), &lines);
  loadingEditor_ = true;
  editor_->setPlainText(LinesToEditorText(lines));
  editor_->document()->setModified(false);
  loadingEditor_ = false;
  editorLoaded_ = true;
  // After a parse that stopped, the text opens on the line at fault.
  if (model_.ParseFailed && ErrorLine > 0) {
    const QTextBlock block = editor_->document()->findBlockByNumber(ErrorLine - 1);
    if (block.isValid()) {
      QTextCursor cursor(block);
      cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      editor_->setTextCursor(cursor);
    }
  }
  sourceChanged_ = false;
}

int TPlenzoForm::SaveEditorLines(const QString& name, bool asGiven) {
  // An editor that was never loaded holds no deck text to save.
  if (!editorLoaded_) return 0;
  const QString path = asGiven ? ResolveNewFileName(name) : ResolveUnquoted(name);
  const int error = SaveSourceText(path, editor_->toPlainText());
  if (error == 0) sourceChanged_ = false;
  return error;
}

void TPlenzoForm::EditorChange() {
  if (loadingEditor_) return;
  SourceSaved = false;
  sourceChanged_ = true;
}

}  // namespace pm
