// Switching between the form pages and the Source tab.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTextBlock>
#include <algorithm>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "formdeck/formhost.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

void TPlenzoForm::ShowTab(int index) {
  if (index >= 0 && index < tabControl_->count()) tabControl_->setCurrentIndex(index);
  TabControlChange();
}

void TPlenzoForm::UserSelectsTab(int index) {
  if (index < 0 || index >= tabControl_->count() || index == tabControl_->currentIndex()) return;
  const QString name = tabControl_->TabName(index);
  if (!TabControlChanging()) return;
  // Entering the Source tab writes the form's values: typed text that fails
  // its check must not be replaced by the old value.
  if (hasSourceTab_ && index == 0 && !CheckInputs()) return;
  int target = tabControl_->FindTab(name);
  if (target < 0) target = tabControl_->FindTab(QStringLiteral("Main"));
  if (target >= 0) tabControl_->setCurrentIndex(target);
  TabControlChange();
}

bool TPlenzoForm::TabControlChanging() {
  SourceShown = IsSourceTabCurrent();
  if (!SourceShown) {
    if (TFormPage* page = Page(CurrentPage)) page->ScrollToTop();
  }
  if (hasSourceTab_) {
    SourceFirstLine = editor_->verticalScrollBar()->value();
    SourceCaret = editor_->textCursor().position();
  }
  if (SourceShown) return LeaveSourceTab();
  CheckactiveInput();
  return G().ParseErrorState == 0;
}

// The deck text as edited becomes the deck, and the form is read from it
// again; a deck that does not parse gets its text at opening back. Text
// that was not changed is not written again. Text that cannot be written
// keeps the window on the Source tab with the form as it was: building it
// from the old file would let a later save write the form over the edits.
// The form built from unchanged text in the same units stays as it is, so
// nothing its reading said is said again.
bool TPlenzoForm::LeaveSourceTab() {
  if (formBuilt_ && !sourceChanged_ && !model_.ParseFailed && G().ParseErrorState == 0 &&
      builtUnits_ == UnitSystem())
    return true;
  if (const int error = sourceChanged_ ? SaveEditorLines(model_.FileName) : 0; error != 0) {
    ShowMessageKind(SourceWriteMessage(error, model_.FileName), 0, true);
    return false;
  }
  DisposeContent();
  G().ParseErrorState = 0;
  ReadDeck(model_.FileName);
  if (G().ParseErrorState > 0) {
    RestoreOwnWorkingCopy();
    // The file holds the text at opening again, no longer the editor's.
    sourceChanged_ = true;
  }
  setWindowTitle(model_.FileName);
  return true;
}

void TPlenzoForm::TabControlChange() {
  if (G().ParseErrorState != 0 && hasSourceTab_) tabControl_->setCurrentIndex(0);
  SourceShown = IsSourceTabCurrent();
  if (SourceShown) {
    if (G().ParseErrorState == 0 && DCKChanged()) {
      WriteDeck(model_.FileName);
      // A deck that could not be written would show without the values,
      // and leaving the tab would read them away: the page stays.
      if (!SaveSucceeded) {
        tabControl_->setCurrentIndex(CurrentPage + 1);
        TabControlChange();
        return;
      }
      LoadEditor(model_.FileName);
      model_.Changed = true;
    }
    stack_->setCurrentWidget(editor_);
    // Coloured also after a failed parse: the colouring keeps the selection
    // of the line in error.
    Colorize();
    Show();
    editor_->raise();
    SetKind(KindFormSource);
    if (G().ParseErrorState == 0) {
      QTextCursor cursor = editor_->textCursor();
      cursor.setPosition(0);
      editor_->setTextCursor(cursor);
      editor_->verticalScrollBar()->setValue(SourceFirstLine);
      cursor.setPosition(std::min(SourceCaret, editor_->document()->characterCount() - 1));
      editor_->setTextCursor(cursor);
    }
    if (host_) host_->UpdateMenu();
    if (DefaultSettings().SourceFontSize < 1) DefaultSettings().SourceFontSize = 10;
    if (host_) host_->SetUndoEnabled(editor_->document()->isUndoAvailable());
  } else {
    const int base = hasSourceTab_ ? 1 : 0;
    CurrentPage = tabControl_->count() > 0 ? tabControl_->currentIndex() - base : 0;
    if (!Page(CurrentPage)) CurrentPage = 0;
    Page(CurrentPage)->ScrollToTop();
    SetKind(KindFormPages);
    if (host_) host_->UpdateMenu();
    Page(CurrentPage)->ShowIn(stack_);
    if (host_) host_->SetUndoEnabled(false);
    if (tabControl_->count() > 0 && G().ParseErrorState == 0) SetScrollBar(CurrentPage);
  }
  tabControl_->update();
}

void TPlenzoForm::SelectSourceLine(int line) {
  if (!hasSourceTab_) return;
  ErrorLine = line;
  // During a parse the window stays hidden; the opener shows the tab.
  if (parsing_) {
    tabControl_->setCurrentIndex(0);
  } else {
    ShowTab(0);
  }
  const QTextBlock block = editor_->document()->findBlockByNumber(line - 1);
  if (block.isValid()) {
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
  }
}

}  // namespace pm
