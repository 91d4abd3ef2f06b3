// The close question and the window's restore point.
#include <QCloseEvent>
#include <QMdiSubWindow>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

int TPlenzoForm::RefreshWorkingCopy() { return workingCopy_.Refresh(model_.FileName); }

void TPlenzoForm::RestoreOwnWorkingCopy() {
  int error = 0;
  switch (workingCopy_.RestoreTo(model_.FileName, &error)) {
    case WorkingCopy::Restore::Restored:
    case WorkingCopy::Restore::Missing:
      break;
    case WorkingCopy::Restore::NotOwn:
      ShowMessageKind(QStringLiteral("The working copy ") + workingCopy_.Path() +
                          QStringLiteral(" no longer holds the text of ") + model_.FileName +
                          QStringLiteral(" at opening.  The file was not restored."),
                      1, true);
      break;
    case WorkingCopy::Restore::Failed:
      ShowMessageKind(ErrorNumberText(error), 0, true);
      break;
  }
}

bool TPlenzoForm::FormCloseQuery() {
  // A form whose parse failed holds no values to write; only its Source
  // text, when it has one, can be saved.
  const bool parseFailed = model_.ParseFailed;
  if (parseFailed && !(hasSourceTab_ && editorLoaded_)) return true;
  if (!DCKChanged() && (!hasSourceTab_ || SourceSaved)) return true;
  const ModalResult answer =
      ShowMessageKind(model_.FileName + QStringLiteral(" has been changed.  Save it?"), 7, false);
  if (answer == ModalResult::Yes) {
    if (parseFailed || SourceShown) {
      const int error = SaveEditorLines(model_.FileName);
      SaveSucceeded = error == 0;
      if (error != 0) ShowMessageKind(SourceWriteMessage(error, model_.FileName), 0, true);
      if (SaveSucceeded) SourceSaved = true;
    } else {
      if (!CheckInputs()) return false;
      WriteDeck(model_.FileName);
    }
    return SaveSucceeded;
  }
  if (answer == ModalResult::No) {
    RestoreOwnWorkingCopy();
    return true;
  }
  return false;
}

bool TPlenzoForm::CloseAnswered() {
  closeAnswered_ = true;
  const bool closed = subWindow_ ? subWindow_->close() : close();
  closeAnswered_ = false;
  return closed;
}

void TPlenzoForm::closeEvent(QCloseEvent* event) {
  if (!closeAnswered_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  workingCopy_.Remove();
  if (PlenzoFormInstance() == this) PlenzoFormInstance() = nullptr;
}

}  // namespace pm
