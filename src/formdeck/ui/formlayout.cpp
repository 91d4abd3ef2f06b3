// The layout of the form pages: the shifts recorded while the initial group
// states were applied, the scroll range, and the inputs right-aligned to
// the content width.
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <algorithm>

#include "formdeck/formslots.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formfonts.h"
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
  if (e.unitsLabel && e.label) MoveBy(e.unitsLabel, e.label->y() - e.unitsLabel->y());
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

namespace {

// The right edge of what a control shows, in page coordinates: the label
// of a text line, which may span the row, counts as far as its text reaches.
int ShownRight(const QWidget* w, const TFormPage* page, bool textLineLabel) {
  const int left = w->mapTo(page->Content(), QPoint(0, 0)).x();
  const auto* label = textLineLabel ? qobject_cast<const QLabel*>(w) : nullptr;
  if (!label || (label->alignment() & Qt::AlignRight)) return left + w->width();
  return left + QFontMetrics(label->font()).horizontalAdvance(label->text());
}

}  // namespace

int TPlenzoForm::WidestShownRight() const {
  int widest = 0;
  for (int p = 0; p < kPageCount; ++p) {
    const TFormPage* page = Page(p);
    if (!page) continue;
    for (const TFormElement* e = model_.Elements.First(p); e; e = e->nextOnPage) {
      const QWidget* controls[] = {e->label,     e->unitsLabel, e->valueInput, e->listInput,
                                   e->fileInput, e->appButton,  e->image,      e->groupBox};
      for (const QWidget* w : controls) {
        if (w && ShownTo(w, page) && w->width() > 0 && w->height() > 0)
          widest = std::max(widest, ShownRight(w, page, e->kind == ElementKind::TextLine && w == e->label));
      }
    }
  }
  return widest;
}

int TPlenzoForm::ClientWidth() const {
  return FormClientWidth(model_.ContentWidth, WidthOf8, WidestShownRight());
}

void TPlenzoForm::FollowClientWidth(int clientWidth) {
  const int M = 2 * WidthOf8;
  // The right margin, inside the page's vertical scroll bar.
  const int right = clientWidth - M - style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  const int axis = M + 40 * WidthOf8;  // where a centred picture is centred
  for (int p = 0; p < kPageCount; ++p) {
    for (TFormElement* e = model_.Elements.First(p); e; e = e->nextOnPage) {
      auto* label = dynamic_cast<QLabel*>(e->label);
      if (e->kind != ElementKind::TextLine || !label || e->inGroup) continue;
      const Qt::Alignment align = label->alignment();
      // A right-aligned line gives the window its width; it keeps its own,
      // as does a label shrunk to its text with its input after it.
      if (align & Qt::AlignRight) continue;
      if (e->valueInput && label->x() + label->width() <= e->valueInput->x()) continue;
      const int text = QFontMetrics(label->font()).horizontalAdvance(label->text());
      if ((align & Qt::AlignHCenter) && !e->valueInput) {
        const int half = std::max((text + 1) / 2, std::min(axis - M, right - axis));
        if (axis + half <= right) {
          label->setGeometry(axis - half, label->y(), 2 * half, label->height());
        } else {
          label->setGeometry(M, label->y(), right - M - 1, label->height());
        }
        continue;
      }
      label->resize(std::max(text, right - label->x()), label->height());
    }
    // Labels are drawn by the page: it paints them again where they are now.
    if (TFormPage* page = Page(p)) page->Content()->update();
  }
}

void TPlenzoForm::LayoutPages() {
  for (int page = 0; page < kPageCount; ++page) {
    if (HasPage(page)) FitPageWidths(page);
  }
}

FitMeasures TPlenzoForm::PageFitMeasures(int PageIndex, int contentWidth) const {
  FitMeasures f{contentWidth, 2 * WidthOf8, WidthOf8, 0};
  for (const TFormElement* e = model_.Elements.First(PageIndex); e; e = e->nextOnPage) {
    if (e->tabStops[2] == kTabUnset && e->unitsLabel) f.widestUnits = std::max(f.widestUnits, e->unitsWidth);
  }
  return f;
}

namespace {

int LabelRight(const TFormElement& e) { return e.label ? e.label->x() + e.label->width() : 0; }

int LabelGap(const TFormElement& e) { return e.label ? aveCharWidth(e.label->font()) : 0; }

}  // namespace

int TPlenzoForm::ContentWidthClearOfLabels(int PageIndex) const {
  // Every fitted left is the content width plus a constant: measured at 0.
  const FitMeasures f = PageFitMeasures(PageIndex, 0);
  int needed = 0;
  for (const TFormElement* e = model_.Elements.First(PageIndex); e; e = e->nextOnPage) {
    if (e->tabStops[2] != kTabUnset) continue;
    int leftAtZero = 0;
    if (e->unitsLabel && e->valueInput) {
      leftAtZero = FitValueInputLeft(f, e->valueInput->width());
    } else if (const auto* list = dynamic_cast<const TFileInput*>(e->listInput); list && list->HasList) {
      leftAtZero = FitListLeft(f, list->width());
    } else if (e->fileInput) {
      leftAtZero = FitFileInput(f, e->fileInput->width(), e->inGroup, -1000000).left;
    } else {
      continue;
    }
    needed = std::max(needed, LabelRight(*e) + LabelGap(*e) - leftAtZero);
  }
  return needed;
}

void TPlenzoForm::FitPageWidths(int PageIndex) {
  const int cw = model_.ContentWidth;
  if (!HasPage(PageIndex) || !CanFitToContent(cw)) return;
  const std::vector<TFormElement*> elements = model_.Elements.OnPage(PageIndex);
  // The main page's link buttons keep their column, right of the inputs.
  const bool buttonsInColumn = PageIndex == 0 && ButtonColumn > 0;
  const FitMeasures f = PageFitMeasures(PageIndex, cw - (PageIndex == 0 ? ButtonColumn : 0));
  for (const TFormElement* e : elements) {
    if (auto* label = dynamic_cast<QLabel*>(e->label); label && (label->alignment() & Qt::AlignHCenter)) {
      label->resize(cw - label->x() - 1, label->height());
    }
    if (e->tabStops[2] != kTabUnset) continue;
    QWidget* anchor = nullptr;
    int anchorLeft = 0;
    if (e->unitsLabel) {
      e->unitsLabel->move(FitUnitsLeft(f), e->unitsLabel->y());
      if (QWidget* input = e->valueInput) {
        anchor = input;
        anchorLeft = input->x();
        input->move(FitValueInputLeft(f, input->width()), input->y());
      }
    }
    if (QWidget* list = e->listInput) {
      anchor = list;
      anchorLeft = list->x();
      list->move(FitListLeft(f, list->width()), list->y());
    }
    if (QWidget* file = e->fileInput) {
      const Span span = FitFileInput(f, file->width(), e->inGroup, LabelRight(*e));
      file->setGeometry(span.left, file->y(), span.width, file->height());
    }
    // Elsewhere a link button moves with the input it follows.
    if (e->appButton && anchor && !buttonsInColumn)
      e->appButton->move(e->appButton->x() + anchor->x() - anchorLeft, e->appButton->y());
  }
  Page(PageIndex)->Content()->update();
}

}  // namespace pm
