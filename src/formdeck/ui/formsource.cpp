// The Source editor's text: loading, colouring, the font and saving.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/textprint.h"
#include "common/ui/sourcefont.h"
#include "formdeck/sourcecolors.h"
#include "formdeck/sourcelines.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <cerrno>

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
  const int error = SaveSourceText(path, editor_->toPlainText(), &unencodableLine_);
  if (error == 0) sourceChanged_ = false;
  return error;
}

QString TPlenzoForm::SourceWriteMessage(int error, const QString& name) const {
  if (error == EILSEQ && unencodableLine_ > 0) return UnencodableLineMessage(unencodableLine_, StripQuotes(name));
  return SaveErrorMessage(error, StripQuotes(name));
}

void TPlenzoForm::EditorChange() {
  if (loadingEditor_ || colouring_) return;
  SourceSaved = false;
  sourceChanged_ = true;
}

void TPlenzoForm::Colorize() {
  // A new font and new formats re-lay the text and tell the editor so; that
  // is no edit.
  const bool modified = editor_->document()->isModified();
  colouring_ = true;
  ApplySourceFont(editor_);
  highlighter_->SetStyles(SourceStylesFromSettings());
  highlighter_->rehighlight();
  colouring_ = false;
  editor_->document()->setModified(modified);
}

void TPlenzoForm::FormPaint() {
  if (ChildKindOf(this) != KindFormSource) return;
  colouring_ = true;
  const bool fontChanged = ApplySourceFont(editor_);
  colouring_ = false;
  if (fontChanged || !(highlighter_->Styles() == SourceStylesFromSettings())) Colorize();
}

bool TPlenzoForm::Save(bool asGiven) {
  QTextDocument* doc = editor_->document();
  if (doc->isModified()) {
    if (const int error = SaveEditorLines(model_.FileName, asGiven); error != 0) {
      ShowMessageKind(SourceWriteMessage(error, model_.FileName), 0, true);
      return false;
    }
    DisposeContent();
    // A form whose last read failed has lost its pages, and with them every
    // tab to leave the Source tab by: it is read again too, or a second
    // save after a failed one could never bring the form back.
    if (G().ParseErrorState != 0 || model_.ParseFailed) {
      // The re-read's own failure marks the form, which keeps the write-back
      // away from it; the window stays on its Source tab.
      G().ParseErrorState = 0;
      ReadDeck(model_.FileName);
      if (model_.ParseFailed) Show();
    }
    G().ParseErrorState = 0;
  }
  doc->setModified(false);
  ClearModify();
  return true;
}

void TPlenzoForm::SourcePrint() {
  if (const TextLinesPrinter& print = PrintTextLines()) print(editor_->toPlainText().split(QLatin1Char('\n')));
}

}  // namespace pm
