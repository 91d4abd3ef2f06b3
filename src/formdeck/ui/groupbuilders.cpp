#include "formdeck/ui/groupbuilders.h"

#include <QFontMetrics>
#include <QSignalBlocker>
#include <algorithm>

#include "common/captions.h"
#include "formdeck/choiceitems.h"
#include "formdeck/deckparser.h"
#include "formdeck/groupmarkup.h"
#include "formdeck/markupcolor.h"
#include "formdeck/pagelayout.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/formfonts.h"
#include "formdeck/ui/inputbuilders.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"
#include "platform/ui/accessiblecache.h"

namespace pm {

namespace {

QString Caption(const std::string& bytes) { return ShownAsWritten(FromCp1252(bytes)); }

// CurrentY below the page's last element E, for a new group.
void FlowBeforeGroup(const TFormElement* E, int L, ParseState& s) {
  if (!E || E->kind == ElementKind::VisualGroup || !LabelCounts(E->label)) return;
  s.CurrentY = E->label->y() + L + L / 2;
  if (E->inGroup && E->groupBox) s.CurrentY += E->groupBox->y() + L / 2;
}

Tmygroupbox* MakeBox(QWidget* parent, const std::string& name, const std::string& caption,
                     const FontSlot& slot) {
  auto* box = new Tmygroupbox(parent);
  box->GroupName = FromCp1252(name);
  box->setTitle(Caption(caption));
  box->setFlat(true);
  ApplyFontSlot(box, slot);
  DropUnheardAccessible(box);
  return box;
}

// The invisible label whose top marks the bottom of a group for the flow.
void AddPlaceholder(TFormElement* e, QWidget* parent, const FontSlot& slot, int top) {
  auto* label = new TDescriptor(parent);
  ApplyFontSlot(label, slot);
  label->setText(QStringLiteral("x"));
  label->Element = e;
  label->setGeometry(-100, top, 2 * aveCharWidth(label->font()), GetHeight(label->font()));
  GeometryFromBuilder(label);
  DropUnheardAccessible(label);
  e->label = label;
}

}  // namespace

void BuildVisualGroup(TPlenzoForm& form, DeckParser& parser, const std::string& text, bool visible) {
  ParseState& s = parser.State();
  FormModel& m = form.Model();
  TFormElement* previous = nullptr;
  TFormElement* e = parser.NewElement(ElementKind::VisualGroup, s.DeckLineNumber, &previous);
  e->markupLine = s.Line;
  e->fontSlot = 1;
  s.OpenGroup = e;
  const VisualGroupMarkup markup = ReadVisualGroupMarkup(text);
  e->name = markup.name;
  e->text = markup.caption;
  const int L = form.LineHeight;
  FlowBeforeGroup(previous, L, s);

  QWidget* page = form.CurrentContainer();
  Tmygroupbox* box = MakeBox(page, markup.name, markup.caption, m.Slots.Font(1));
  ColorValue colour = m.Background;
  if (!markup.colour.empty()) {
    ColorValue parsed = 0;
    if (ParseColor(markup.colour, &parsed, s.DeckLineNumber)) colour = parsed;
  }
  box->SetBackground(colour);
  box->setGeometry(2 * form.WidthOf8, s.CurrentY + L / 2,
                   m.ContentWidth > 0 ? m.ContentWidth : 80 * form.WidthOf8, 24);
  box->Shown = visible;
  box->show();
  e->groupBox = box;
  AddPlaceholder(e, page, m.Slots.Font(1), box->y() + box->height() - L);
  form.SetCurrentContainer(box);
}

void CloseVisualGroup(TPlenzoForm& form, TFormElement* group) {
  auto* box = group ? dynamic_cast<Tmygroupbox*>(group->groupBox) : nullptr;
  if (!box) return;
  if (box->height() == 24) {
    box->hide();
    box->resize(box->width(), 0);
  } else {
    box->resize(box->width(), box->height() + 5);
  }
  FormModel& m = form.Model();
  m.ContentWidth = std::max(m.ContentWidth, box->width());
  TFormElement* first = group->nextOnPage;
  box->FirstElement = first && first->group == group ? first : nullptr;
}

void BuildChoiceGroup(TPlenzoForm& form, DeckParser& parser, const std::string& text, bool checkBoxes) {
  ParseState& s = parser.State();
  FormModel& m = form.Model();
  TFormElement* previous = nullptr;
  TFormElement* e = parser.NewElement(checkBoxes ? ElementKind::CheckBoxGroup : ElementKind::RadioGroup,
                                      s.DeckLineNumber, &previous);
  e->markupLine = s.Line;
  e->fontSlot = 1;
  const ChoiceGroupMarkup markup = ReadChoiceGroupMarkup(text);
  e->name = markup.name;
  e->text = markup.caption;
  const int L = form.LineHeight;
  const int M = 2 * form.WidthOf8;
  FlowBeforeGroup(previous, L, s);

  // Inside an open visual group the box is stacked at the bottom of that
  // group's box, like every other element there.
  TFormElement* outer = s.GroupOpen ? s.OpenGroup : nullptr;
  QWidget* outerBox = outer ? outer->groupBox : nullptr;
  e->group = outerBox ? outer : nullptr;
  QWidget* container = form.CurrentContainer();
  Tmygroupbox* box = MakeBox(container, markup.name, markup.caption, m.Slots.Font(1));
  box->Shown = true;
  const int lift = std::max(0, 2 * (box->font().pixelSize() - L));
  const int width = outerBox              ? NestedBoxWidth(outerBox->width(), M)
                    : m.ContentWidth >= 1 ? m.ContentWidth
                                          : 80 * form.WidthOf8;
  box->setGeometry(M, (outerBox ? outerBox->height() : s.CurrentY) + lift, width, 24);
  box->show();
  e->groupBox = box;

  std::vector<ChoiceItem> items;
  if (!ReadChoiceItems(parser, checkBoxes, &items)) return;

  const FontSlot& itemSlot = m.Slots.Font(2);
  const QFont itemFont = SlotFont(itemSlot);
  QFont measure = box->font();
  measure.setPixelSize(itemFont.pixelSize());
  const int h = QFontMetrics(measure).height() + 6;
  const int points = m.Slots.Font(1).size;
  const int A = aveCharWidth(itemFont);
  int n = 0;
  for (const ChoiceItem& item : items) {
    QAbstractButton* button = nullptr;
    ChoiceGroupNames* names = nullptr;
    if (checkBoxes) {
      auto* c = new TGCheckBox(Caption(item.caption), box);
      button = c;
      names = c;
    } else {
      auto* r = new TGRadioButton(Caption(item.caption), box);
      r->CheckedMark = item.checked;
      button = r;
      names = r;
    }
    for (size_t i = 0; i < item.names.size(); ++i)
      names->AddGroupName(FromCp1252(item.names[i]), item.plain[i]);
    ApplyFontSlot(button, itemSlot);
    ++n;
    const int itemWidth = (static_cast<int>(FromCp1252(item.caption).size()) + 5) * A;
    button->setGeometry(10, ChoiceItemTop(points, n, h), itemWidth, h);
    if (box->width() < itemWidth + 20) box->resize(itemWidth + 20, box->height());
    {
      // Checked before any handler may run: the groups it names may not be
      // read yet.
      const QSignalBlocker quiet(button);
      button->setChecked(true);
    }
    box->Items.append(button);
    button->show();
  }
  box->resize(box->width(), ChoiceBoxHeight(points, h, n));

  if (outerBox) {
    outerBox->resize(std::max(outerBox->width(), box->x() + box->width() + 20),
                     box->y() + box->height() + L / 2);
    // The mark of the group's bottom is the visual group's bottom, in page
    // coordinates, so the flow continues below that group once it closes.
    AddPlaceholder(e, outerBox->parentWidget(), itemSlot, outerBox->y() + outerBox->height());
  } else {
    m.ContentWidth = std::max(m.ContentWidth, box->width());
    AddPlaceholder(e, container, itemSlot, box->y() + box->height() - L);
  }
}

}  // namespace pm
