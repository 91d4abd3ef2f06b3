// The layout of the form pages: the shifts recorded while the initial group
// states were applied, the scroll range, and the inputs right-aligned to
// the content width.
#include <QLabel>

#include "formdeck/formslots.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

void TPlenzoForm::LayoutPage(DeckParser& /*parser*/, int pageIndex) { LayoutPage(pageIndex); }

// Applies each shift once: a second layout of the page moves nothing.
void TPlenzoForm::LayoutPage(int PageIndex) {
  TFormPage* page = Page(PageIndex);
  if (!page) return;
  page->setUpdatesEnabled(false);
  for (TFormElement* e = model_.Elements.First(PageIndex); e; e = e->nextOnPage) {
    if (IsGroupKind(e->kind)) {
      auto* box = dynamic_cast<Tmygroupbox*>(e->groupBox);
      // A choice group inside a visual group moves with that group's box.
      if (!box || e->group) continue;
      MoveBy(box, box->StoredTop);
      box->StoredTop = 0;
      continue;
    }
    if (e->inGroup) continue;
    MoveElementControls(*e, e->shift);
    e->shift = 0;
  }
  page->setUpdatesEnabled(true);
  SetScrollBar(PageIndex);
}

void TPlenzoForm::MoveElementControls(TFormElement& e, int shift) {
  MoveBy(e.label, shift);
  if (e.unitsLabel && e.label) e.unitsLabel->move(e.unitsLabel->x(), e.label->y());
  auto* list = dynamic_cast<TFileInput*>(e.listInput);
  if (list && list->HasList) MoveBy(list, shift);
  for (QWidget* w : {e.valueInput, e.fileInput, e.image, e.appButton}) MoveBy(w, shift);
}

std::vector<Extent> TPlenzoForm::PageExtents(int PageIndex) const {
  std::vector<Extent> extents;
  const TFormPage* page = Page(PageIndex);
  if (!page) return extents;
  for (const TFormElement* e = model_.Elements.First(PageIndex); e; e = e->nextOnPage) {
    const QWidget* measured = e->label;
    if (e->inGroup || e->kind == ElementKind::CheckBoxGroup || e->kind == ElementKind::RadioGroup) {
      // The box's own state: the whole form is hidden while it is built.
      const QWidget* box = e->groupBox;
      if (!IsGroupKind(e->kind) || !box || !box->isVisibleTo(page->Content()) || box->height() <= 0) continue;
      measured = box;
    }
    if (measured) extents.push_back({page->TopInPage(measured), measured->height()});
  }
  return extents;
}

int TPlenzoForm::FlowBottom(const TFormElement& element, int currentY) const {
  const TFormElement* outer = element.kind == ElementKind::VisualGroup ? &element : element.group;
  const QWidget* control = outer                       ? outer->groupBox
                           : IsGroupKind(element.kind) ? element.groupBox
                           : element.image             ? element.image
                                                       : element.label;
  if (!control) return currentY;
  return control->y() + control->height();
}

void TPlenzoForm::LayoutPages() {
  for (int page = 0; page < kPageCount; ++page) {
    if (HasPage(page)) FitPageWidths(page);
  }
}

void TPlenzoForm::FitPageWidths(int PageIndex) {
  const int cw = model_.ContentWidth;
  if (!HasPage(PageIndex) || !CanFitToContent(cw)) return;
  const std::vector<TFormElement*> elements = model_.Elements.OnPage(PageIndex);
  FitMeasures f{cw, 2 * WidthOf8, WidthOf8, 0};
  for (const TFormElement* e : elements) {
    if (e->tabStops[2] == kTabUnset && e->unitsLabel) f.widestUnits = std::max(f.widestUnits, e->unitsWidth);
  }
  for (const TFormElement* e : elements) {
    if (auto* label = dynamic_cast<QLabel*>(e->label); label && (label->alignment() & Qt::AlignHCenter)) {
      label->resize(cw - label->x() - 1, label->height());
    }
    if (e->tabStops[2] != kTabUnset) continue;
    if (e->unitsLabel) {
      e->unitsLabel->move(FitUnitsLeft(f), e->unitsLabel->y());
      if (QWidget* input = e->valueInput) input->move(FitValueInputLeft(f, input->width()), input->y());
    }
    if (QWidget* list = e->listInput) list->move(FitListLeft(f, list->width()), list->y());
    if (QWidget* file = e->fileInput) {
      const int labelRight = e->label ? e->label->x() + e->label->width() : 0;
      const Span span = FitFileInput(f, file->width(), e->inGroup, labelRight);
      file->setGeometry(span.left, file->y(), span.width, file->height());
    }
  }
}

}  // namespace pm
