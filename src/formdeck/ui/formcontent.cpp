// The content of the pages: freeing it, the scroll range, the input check.
#include <QStackedWidget>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/formcontrol.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

void TPlenzoForm::DisposeContent() {
  formBuilt_ = false;
  for (TFormPage* page : pages_) {
    if (!page) continue;
    const QList<QWidget*> children = page->Content()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (auto it = children.rbegin(); it != children.rend(); ++it) delete *it;
  }
  model_.Elements.Clear();
  currentContainer_ = pages_[0]->Content();
}

void TPlenzoForm::RemoveTabWindows() {
  for (int i = tabControl_->count() - 1; i >= 0; --i) {
    if (!(hasSourceTab_ && i == 0)) tabControl_->removeTab(i);
  }
  if (tabControl_->count() == 0) tabControl_->hide();
  for (size_t i = 1; i < pages_.size(); ++i) {
    if (!pages_[i]) continue;
    stack_->removeWidget(pages_[i]);
    delete pages_[i];
    pages_[i] = nullptr;
  }
  CurrentPage = 0;
  currentContainer_ = pages_[0]->Content();
}

void TPlenzoForm::SetScrollBar(int PageIndex) {
  TFormPage* page = Page(PageIndex);
  if (page) page->SetRange(ScrollRange(PageExtents(PageIndex)));
}

void TPlenzoForm::CheckactiveInput() {
  // A check failed as the focus left its input for this very command (a
  // click moves the focus before the click is handled): it still holds.
  if (InputCheckRunning) {
    G().ParseErrorState = 100;
    return;
  }
  G().ParseErrorState = 0;
  QWidget* focused = window()->focusWidget();
  if (!focused || !isAncestorOf(focused)) return;
  if (auto* control = dynamic_cast<FormControl*>(focused); control && control->ControlTag() == 21)
    control->ExitV();
}

bool TPlenzoForm::CheckInputs() {
  CheckactiveInput();
  if (G().ParseErrorState != 0) return false;
  TInput* input = FailingEditedInput();
  if (!input) return true;
  // The input comes into view and shows its own message.
  if (IsSourceTabCurrent()) {
    G().ParseErrorState = 100;
    ShowMessageKind(input->CheckMessage(UnitSystem()), 4, true);
    return false;
  }
  for (int i = 0; i < kPageCount; ++i) {
    const TFormPage* page = Page(i);
    if (!page || !page->isAncestorOf(input)) continue;
    if (i != CurrentPage) ShowTab(i + (hasSourceTab_ ? 1 : 0));
    break;
  }
  input->setFocus(Qt::OtherFocusReason);
  input->ExitV();
  return false;
}

TInput* TPlenzoForm::FailingEditedInput() const {
  for (TFormElement* e = model_.Elements.Oldest(); e; e = e->newer) {
    auto* input = e->kind == ElementKind::NumericInput ? dynamic_cast<TInput*>(e->valueInput) : nullptr;
    if (input && input->IsNumeric && input->isModified() && !input->CheckMessage(UnitSystem()).isEmpty())
      return input;
  }
  return nullptr;
}

}  // namespace pm
