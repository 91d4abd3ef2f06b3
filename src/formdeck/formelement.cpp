#include "formdeck/formelement.h"

namespace pm {

TFormElement* ElementStore::Create(int page, const std::array<int, 4>& tabStops) {
  owned_.push_back(std::make_unique<TFormElement>());
  TFormElement* e = owned_.back().get();
  e->page = page;
  e->tabStops = tabStops;
  e->older = newest_;
  if (newest_) newest_->newer = e;
  newest_ = e;
  return e;
}

void ElementStore::LinkOnPage(TFormElement* element, TFormElement* last) {
  if (element->page < 0 || element->page >= kPageCount) return;
  if (!last) last = Last(element->page);  // a page's chain never loses an element
  if (last) {
    last->nextOnPage = element;
  } else {
    first_[element->page] = element;
  }
}

TFormElement* ElementStore::First(int page) const {
  return page >= 0 && page < kPageCount ? first_[page] : nullptr;
}

TFormElement* ElementStore::Last(int page) const {
  TFormElement* e = First(page);
  while (e && e->nextOnPage) e = e->nextOnPage;
  return e;
}

TFormElement* ElementStore::Oldest() const { return owned_.empty() ? nullptr : owned_.front().get(); }

std::vector<TFormElement*> ElementStore::OnPage(int page) const {
  std::vector<TFormElement*> out;
  for (TFormElement* e = First(page); e; e = e->nextOnPage) out.push_back(e);
  return out;
}

void ElementStore::Clear() {
  owned_.clear();
  first_.fill(nullptr);
  newest_ = nullptr;
}

const char* ElementKindName(ElementKind kind) {
  switch (kind) {
    case ElementKind::TextLine:
      return "text";
    case ElementKind::NumericInput:
      return "numeric";
    case ElementKind::ListInput:
      return "list";
    case ElementKind::FileInput:
      return "file";
    case ElementKind::Picture:
      return "picture";
    case ElementKind::VisualGroup:
      return "group";
    case ElementKind::CheckBoxGroup:
      return "checkboxes";
    case ElementKind::RadioGroup:
      return "radios";
    case ElementKind::LinkedPicture:
      return "linkedpicture";
  }
  return "?";
}

}  // namespace pm
