// The change marks of a form: whether anything was changed since the last
// save, and clearing them.
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

namespace {

bool ElementChanged(const TFormElement& e) {
  switch (e.kind) {
    case ElementKind::TextLine:
    case ElementKind::NumericInput: {
      const auto* input = dynamic_cast<const TInput*>(e.valueInput);
      return input && input->Tracked && input->isModified();
    }
    case ElementKind::ListInput: {
      const auto* list = dynamic_cast<const TFileInput*>(e.listInput);
      return list && list->DisplayColumn >= 1 && list->currentIndex() != list->SavedIndex;
    }
    case ElementKind::FileInput: {
      const auto* file = dynamic_cast<const TOpenFile*>(e.fileInput);
      return file && file->Modified;
    }
    default:
      return false;
  }
}

}  // namespace

bool TPlenzoForm::DCKChanged() {
  bool changed = model_.Changed;
  for (int page = 0; page < kPageCount && !changed; ++page) {
    for (const TFormElement* e = model_.Elements.First(page); e && !changed; e = e->nextOnPage)
      changed = ElementChanged(*e);
  }
  // Results computed from the old values are stale.
  if (changed) CloseResultsReport();
  return changed;
}

void TPlenzoForm::ClearModify() {
  for (TFormElement* e = model_.Elements.Oldest(); e; e = e->newer) {
    if (auto* input = dynamic_cast<TInput*>(e->valueInput); input && input->Tracked)
      input->setModified(false);
    if (auto* list = dynamic_cast<TFileInput*>(e->listInput); list && list->DisplayColumn >= 1)
      list->SavedIndex = list->currentIndex();
    if (auto* file = dynamic_cast<TOpenFile*>(e->fileInput)) file->Modified = false;
  }
  FormBuilder::ClearModify();
}

}  // namespace pm
