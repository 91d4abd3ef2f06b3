#include "formdeck/ui/inputbuilders.h"

#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <cmath>
#include <vector>

#include "common/colors.h"
#include "common/globals.h"
#include "common/lib1.h"
#include "common/ui/linkglyphs.h"
#include "formdeck/deckparser.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/listfile.h"
#include "formdeck/markuptext.h"
#include "formdeck/ui/appbutton.h"
#include "formdeck/ui/controlsizes.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formfonts.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"
#include "formdeck/ui/wholepalette.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/ui/accessiblecache.h"
#include "platform/ui/fonts.h"
#include "platform/ui/plainhint.h"

namespace pm {

namespace {

int TextWidth(const QFont& font, const QString& text) { return QFontMetrics(font).horizontalAdvance(text); }

// Units and values repeat over a deck ("m", "0"): their widths are measured
// once per font instead of shaping the same text for every input.
int RepeatedTextWidth(const QFont& font, const QString& text) {
  struct Measured {
    QFont font;
    int width;
  };
  static QHash<QString, Measured> measured;
  const auto it = measured.constFind(text);
  if (it != measured.cend() && it->font == font) return it->width;
  if (measured.size() >= 4096) measured.clear();
  const int width = TextWidth(font, text);
  measured.insert(text, Measured{font, width});
  return width;
}

QString Text(std::string_view bytes) { return FromCp1252(bytes); }

QWidget* BoxOf(const TFormElement* e) { return e->inGroup ? e->groupBox : nullptr; }

void WidenBox(QWidget* box, int right) {
  if (box && box->width() < right + 20) box->resize(right + 20, box->height());
}

// Inside an open visual group a label sits at the bottom of the box, which
// grows by grow.
void StackInBox(QWidget* box, QWidget* label, int grow) {
  box->resize(box->width(), box->height() + grow);
  label->move(label->x(), box->height() - grow);
  WidenBox(box, label->x() + label->width());
}

// CurrentY below the page's last element E; extra is what a label inside a
// group box adds besides the box's top.
void FlowBelow(const TFormElement* E, int extra, ParseState& s) {
  if (!E || !LabelCounts(E->label)) return;
  const QWidget* N = E->label;
  const int H = GetHeight(N->font());
  s.CurrentY = N->y() + (H * 5) / 4;
  // A drop-down taller than its row pushes the rows below down.
  if (const auto* list = dynamic_cast<const TFileInput*>(E->listInput); list && list->HasList)
    s.CurrentY = std::max(s.CurrentY, list->y() + list->height() + H / 4);
  if (E->inGroup && E->kind != ElementKind::VisualGroup && E->groupBox)
    s.CurrentY += E->groupBox->y() + extra;
}

TDescriptor* MakeLabel(TPlenzoForm& form, TFormElement* e, int slot, const QString& text) {
  auto* label = new TDescriptor(form.CurrentContainer());
  ApplyFontSlot(label, form.Model().Slots.Font(slot));
  label->setText(text);
  label->Element = e;
  label->Printable = true;
  GeometryFromBuilder(label);
  DropUnheardAccessible(label);
  return label;
}

// The value control of an element, in the form's current container and the
// font of slot 2.
template <typename Control>
Control* MakeInput(TPlenzoForm& form, QWidget*& field) {
  auto* control = new Control(form.CurrentContainer());
  field = control;
  ApplyFontSlot(control, form.Model().Slots.Font(2));
  GeometryFromBuilder(control);
  return control;
}

// The label of an input: left M + tab0, top Y, or stacked in the open group.
TDescriptor* InputLabel(TPlenzoForm& form, DeckParser& parser, TFormElement* e, const QString& text,
                        int heightExtra, int growNum, int growDen) {
  TDescriptor* label = MakeLabel(form, e, 2, text);
  const int h = GetHeight(label->font()) + heightExtra;
  label->setGeometry(2 * form.WidthOf8 + e->tabStops[0], parser.State().CurrentY,
                     TextWidth(label->font(), text), h);
  if (QWidget* box = BoxOf(e)) StackInBox(box, label, (h * growNum) / growDen);
  e->label = label;
  return label;
}

// Where an input starts: where the builder puts it, but never inside its
// own label.
int ClearOfLabel(int left, const QWidget* label, int A) {
  return std::max(left, label->x() + label->width() + A);
}

// A line edit wide enough for its text, showing it from the first character.
void FitLineEdit(QLineEdit* edit, int textWidth, bool mayNarrow = false) {
  edit->resize(LineEditWidth(edit, textWidth), edit->height());
  // Only an edit that may be narrowed later needs its start in view.
  if (mayNarrow) edit->setCursorPosition(0);
}

// The button's place: left is given without the button's own character
// width, which numeric inputs add.
void PlaceAppButton(TPlenzoForm& form, TFormElement* e, const std::string& text, int left, int top,
                    bool addCharWidth) {
  TAppButton* button = BuildAppButton(form, e, text);
  if (!button) return;
  button->move(left + (addCharWidth ? form.aveCharWidth(button->font()) : 0), top);
  WidenBox(BoxOf(e), button->x() + button->width());
}

void BuildNumericInput(TPlenzoForm& form, DeckParser& parser, TFormElement* e) {
  std::string value;
  const bool hasValue = SplitValueLine(e->deckLine, &e->name, &value);
  e->valueText = value;
  auto* input = MakeInput<TInput>(form, e->valueInput);
  int errorPos = 1;
  const long double si = hasValue ? TextToNumberDot(value, &errorPos) : 0;
  // A value that is no number (an expression, a trailing note) stays text:
  // shown and written back as the deck has it.
  input->IsNumeric = hasValue && errorPos == 0 && std::isfinite(si);
  input->Tracked = true;
  input->SetMaxLength(input->IsNumeric ? 25 : 0);
  input->Value = input->IsNumeric ? si : 0;
  // A number gets its text once its format is known.
  if (!input->IsNumeric) input->setText(Text(value));
  input->show();

  NumericMarkup nm;
  const bool markupOk = ReadNumericMarkup(e->markupLine, &nm);
  e->text = nm.label;
  const QString labelText = Text(nm.label);
  TDescriptor* label = InputLabel(form, parser, e, labelText, 0, 5, 4);
  if (!hasValue || !markupOk) {
    input->setText(Text(value));
    parser.ReportElementError(e->deckLine, e->markupLine);
    return;
  }
  e->siUnit = nm.siUnit;
  e->englishUnit = nm.ipUnit;
  e->helpId = nm.helpId;
  input->HelpId = nm.helpId;
  input->Offset = nm.offset;
  input->Factor = nm.factor;
  input->Min = nm.min;
  input->Max = nm.max;
  input->Format = nm.format;
  input->MaxTextLength = static_cast<int>(nm.maxText.size());

  const int A = form.aveCharWidth(label->font());
  const int tab2 = e->tabStops[2];
  const int left = tab2 < 0 ? (static_cast<int>(labelText.size()) + 1) * A : tab2;
  const int units = form.UnitSystem();
  if (input->IsNumeric) {
    input->setText(
        QString::fromStdString(FormatNumber(nm.format, ToDisplayUnits(si, nm.offset, nm.factor, units))));
    input->ValueText = input->text();
  }
  input->setGeometry(ClearOfLabel(left, label, A), label->y(), 0, form.GetHeight(input->font()) + 2);
  FitLineEdit(input, std::max(10 * A, RepeatedTextWidth(input->font(), input->text())));

  // A value kept as text is SI: it is never converted.
  const std::string& unitText = units == 1 || !input->IsNumeric ? nm.siUnit : nm.ipUnit;
  TDescriptor* unitsLabel = MakeLabel(form, e, 3, Text(unitText));
  const int unitsWidth = RepeatedTextWidth(unitsLabel->font(), unitsLabel->text());
  unitsLabel->setGeometry(input->x() + input->width() + form.aveCharWidth(unitsLabel->font()), label->y(),
                          unitsWidth, form.GetHeight(unitsLabel->font()) + 2);
  e->unitsLabel = unitsLabel;
  e->unitsWidth = unitsWidth;
  WidenBox(BoxOf(e), unitsLabel->x() + unitsLabel->width());
  DropUnheardAccessible(input);

  if (!nm.appLink.empty()) {
    PlaceAppButton(form, e, nm.appLink, input->x() + input->width() + unitsWidth + 10, label->y() - 1, true);
  }
}

void BuildListInput(TPlenzoForm& form, DeckParser& parser, TFormElement* e) {
  ParseState& s = parser.State();
  auto* list = MakeInput<TFileInput>(form, e->listInput);
  ListDeckValue deck;
  const bool deckOk = ReadListDeckLine(e->deckLine, &deck);
  e->name = deck.name;
  e->valueText = deck.value;
  list->IsAssign = deck.isAssign;
  list->Value = Text(deck.value);
  list->UnitNumber = deck.unit;
  if (!deckOk) {
    parser.ReportElementError(e->deckLine, e->markupLine);
    return;
  }
  ListMarkup lm;
  const bool markupOk = ReadListMarkup(e->markupLine, &lm);
  e->text = lm.label;
  e->siUnit = " ";
  e->englishUnit = " ";
  const QString labelText = Text(lm.label);
  TDescriptor* label = MakeLabel(form, e, 2, labelText);
  // The row is as high as the drop-down its style draws, the label centred on it.
  label->setGeometry(2 * form.WidthOf8 + e->tabStops[0], s.CurrentY, TextWidth(label->font(), labelText),
                     std::max(GetHeight(label->font()) + 4, DropDownSize(list).height()));
  e->label = label;
  if (!markupOk) {
    parser.ReportElementError(e->deckLine, e->markupLine);
    return;
  }
  list->ListFile = Text(lm.listFile);
  list->DisplayColumn = lm.displayColumn;
  list->ValueColumn = lm.keyColumn;
  list->HelpId = lm.helpId;
  list->HasList = lm.displayColumn >= 1;
  e->helpId = lm.helpId;
  QWidget* box = BoxOf(e);
  if (!list->HasList) {
    // No drop-down: the element only carries a value that follows the row
    // chosen in another list input of the same file.
    label->setText(QString());
    label->HasPosition = false;
    label->resize(label->width(), 0);
    if (box) label->move(label->x(), box->height());
  } else if (box) {
    StackInBox(box, label, (label->height() * 4) / 3);
  }

  if (!FileExistsUnquoted(list->ListFile)) {
    parser.Stop(list->ListFile + QStringLiteral(" was not found"));
    return;
  }
  ListFileRows rows = ReadListFile(list->ListFile);
  if (!rows.ok()) {
    parser.Stop(ListFileMessage(list->ListFile, rows));
    return;
  }
  list->FillList(std::move(rows.rows));
  int widest = 0;
  for (int i = 0; i < list->count(); ++i)
    widest = std::max(widest, TextWidth(label->font(), list->itemText(i)));
  const int A = form.aveCharWidth(label->font());
  const int tab2 = e->tabStops[2];
  const int left = tab2 < 0 ? (static_cast<int>(labelText.size()) + 2) * A : tab2;
  const QSize styled = DropDownSize(list);
  list->setGeometry(ClearOfLabel(left, label, A), label->y() + (label->height() - styled.height()) / 2,
                    std::max(widest + 20, styled.width()), styled.height());
  if (list->HasList) {
    WidenBox(box, list->x() + list->width());
    list->SelectValue();
    list->show();
  } else {
    --s.ElementCounter;
    list->hide();
  }
  if (!lm.appLink.empty())
    PlaceAppButton(form, e, lm.appLink, list->x() + list->width() + 10, list->y(), false);
}

void BuildFileInput(TPlenzoForm& form, DeckParser& parser, TFormElement* e) {
  auto* input = MakeInput<TOpenFile>(form, e->fileInput);
  AssignValue assign;
  const bool deckOk = ReadAssignLine(e->deckLine, &assign);
  e->name = assign.name;
  e->valueText = assign.file;
  input->FileName = Text(assign.file);
  input->UnitNumber = assign.unit;
  input->setText(input->FileName);
  input->show();
  FileMarkup fm;
  const bool markupOk = ReadFileMarkup(e->markupLine, &fm);
  e->text = fm.label;
  e->helpId = fm.helpId;
  e->siUnit = " ";
  e->englishUnit = " ";
  const QString labelText = Text(fm.label);
  TDescriptor* label = InputLabel(form, parser, e, labelText, 2, 5, 4);
  if (!deckOk || !markupOk) {
    parser.ReportElementError(e->deckLine, e->markupLine);
    return;
  }
  const int tab2 = e->tabStops[2];
  const int left = tab2 < 0 ? label->x() + label->width() : tab2;
  input->setGeometry(ClearOfLabel(left, label, form.aveCharWidth(label->font())), label->y(), 0,
                     GetHeight(label->font()) + 2);
  FitLineEdit(input, TextWidth(input->font(), input->FileName), true);
}

}  // namespace

void GeometryFromBuilder(QWidget* control) {
  // Shown before it is placed, a control would first size itself to its
  // hint, laying its text out once more for nothing.
  control->setAttribute(Qt::WA_Resized);
}

namespace {

// A label without frame or background paints its text alone, and an input
// takes nothing from its parent but the background the page may get later
// (which the page passes on): they hold whole palettes.
bool HoldsWholePalette(const QWidget* control) {
  if (qobject_cast<const QLineEdit*>(control)) return true;
  const auto* label = qobject_cast<const QLabel*>(control);
  return label && !label->autoFillBackground() && label->frameShape() == QFrame::NoFrame;
}

}  // namespace

void ApplyFontSlot(QWidget* control, const FontSlot& slot) {
  control->setFont(SlotFont(slot));
  QPalette p = control->palette();
  const QColor colour = ToQColor(slot.color);
  const bool whole = HoldsWholePalette(control);
  // Most slots keep the text colour the control has: nothing to set.
  if (!whole && p.color(QPalette::WindowText) == colour && p.color(QPalette::Text) == colour &&
      p.color(QPalette::ButtonText) == colour)
    return;
  // The controls of a form share a few palettes: each is made once. A new
  // control's palette is its class's, inheriting from its parent's: those
  // and the colour find it (the control holds a copy of its own, so its own
  // cache key is new each time).
  const QWidget* parent = control->parentWidget();
  struct Made {
    const QMetaObject* kind;
    qint64 parentKey;
    QColor colour;
    QPalette made;
  };
  static std::vector<Made> made;
  const qint64 parentKey = parent ? parent->palette().cacheKey() : 0;
  for (const Made& m : made) {
    if (m.kind == control->metaObject() && m.parentKey == parentKey && m.colour == colour) {
      control->setPalette(m.made);
      return;
    }
  }
  Made m{control->metaObject(), parentKey, colour, p};
  m.made.setColor(QPalette::WindowText, colour);
  m.made.setColor(QPalette::Text, colour);
  m.made.setColor(QPalette::ButtonText, colour);
  if (whole) SetEveryRole(m.made);
  if (made.size() >= 16) made.erase(made.begin());
  made.push_back(m);
  control->setPalette(m.made);
}

void BuildInputElement(TPlenzoForm& form, DeckParser& parser) {
  ParseState& s = parser.State();
  ++s.ElementCounter;
  const ElementKind kind = InputKindOf(s.Line);
  TFormElement* previous = nullptr;
  TFormElement* e = parser.NewElement(kind, s.PreviousLineNumber, &previous);
  e->number = s.ElementCounter;
  e->deckLine = s.PreviousLine;
  e->markupLine = s.Line;
  e->fontSlot = 2;
  if (G().ParseErrorState != 0) return;
  FlowBelow(previous, form.LineHeight, s);
  switch (kind) {
    case ElementKind::FileInput:
      BuildFileInput(form, parser, e);
      break;
    case ElementKind::ListInput:
      BuildListInput(form, parser, e);
      break;
    default:
      BuildNumericInput(form, parser, e);
      break;
  }
}

void BuildTextLine(TPlenzoForm& form, DeckParser& parser, const std::string& line) {
  ParseState& s = parser.State();
  FormModel& m = form.Model();
  ++s.ElementCounter;
  TFormElement* previous = nullptr;
  TFormElement* e = parser.NewElement(ElementKind::TextLine, s.DeckLineNumber, &previous);
  e->number = s.ElementCounter;
  e->markupLine = line;
  e->fontSlot = 1;
  e->helpId = 0;
  FlowBelow(previous, form.LineHeight / 2, s);

  const TextLineMarkup tm = ReadTextLineMarkup(line);
  e->text = tm.label;
  e->valueText = tm.inputText;
  e->hasHelpText = tm.hasHelp;
  e->helpText = tm.helpText;
  const QString labelText = Text(tm.label);
  TDescriptor* label = MakeLabel(form, e, 1, labelText);
  e->label = label;
  const std::uint8_t align = m.Slots.align[0];
  const int W8 = form.WidthOf8;
  const int M = 2 * W8;
  int left = align != AlignLeft ? M : M + e->tabStops[0];
  int width = 80 * W8 - left;
  if (align == AlignCenter && !tm.hasInput) {
    left = M;
    width = form.width() - M - 1;
  }
  const int h = GetHeight(label->font());
  label->setGeometry(left, s.CurrentY, width, h);
  label->setAlignment((align == AlignRight    ? Qt::AlignRight
                       : align == AlignCenter ? Qt::AlignHCenter
                                              : Qt::AlignLeft) |
                      Qt::AlignVCenter);
  QWidget* box = BoxOf(e);
  if (box) {
    label->resize(TextWidth(label->font(), labelText), h);
    StackInBox(box, label, (h * 5) / 4);
  }
  if (!tm.hasInput) return;

  auto* input = new TInput(form.CurrentContainer());
  e->valueInput = input;
  ApplyFontSlot(input, m.Slots.Font(1));
  GeometryFromBuilder(input);
  input->Tracked = true;
  input->HelpId = tm.helpId;
  input->RejectBars();
  const QString inputText = Text(tm.inputText);
  input->SetMaxLength(2 * static_cast<int>(inputText.size()));
  input->setText(inputText);
  input->setGeometry(0, label->y(), 0, GetHeight(input->font()) + 2);
  FitLineEdit(input, TextWidth(input->font(), inputText));
  const int inputWidth = input->width();
  input->show();
  DropUnheardAccessible(input);
  const int tab1 = e->tabStops[1];
  const int A = form.aveCharWidth(label->font());
  // Where the label's text ends: the label itself may span the row.
  const int textRight = label->x() + TextWidth(label->font(), labelText);
  if (tab1 >= 0) {
    input->move(std::max(tab1, textRight + A), label->y());
  } else if (align == AlignLeft) {
    input->move(std::max((static_cast<int>(labelText.size()) + 1) * A + M + e->tabStops[0], textRight + A),
                label->y());
  } else {
    // The label shrinks to its text and the input follows it.
    const int labelWidth = TextWidth(label->font(), labelText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->resize(labelWidth, label->height());
    const int labelLeft = std::max(
        0, align == AlignRight ? 80 * W8 - labelWidth - inputWidth : (80 * W8 - labelWidth - inputWidth) / 2);
    label->move(labelLeft, label->y());
    input->move(M + labelLeft + labelWidth, label->y());
  }
  WidenBox(box, input->x() + input->width());
}

TAppButton* BuildAppButton(TPlenzoForm& form, TFormElement* element, const std::string& text) {
  AppLinkMarkup link;
  if (!ReadAppLink(text, &link)) return nullptr;
  auto* button = new TAppButton(form.CurrentContainer());
  // Its own font, not the page's: the 8-point face of a plain control.
  button->setFont(PixelFont(QStringLiteral("Arial"), PointsToPixels(8)));
  button->LinkIndex = link.linkIndex;
  button->Arguments = Text(link.arguments);
  button->setToolTip(PlainHint(button->Arguments));
  LinkGlyph glyph = LinkGlyphStore().glyph(link.linkIndex);
  if (link.linkIndex == 0) {
    LinkGlyph own;
    const QString bitmap = Text(link.bitmap);
    if (!bitmap.isEmpty() && ResolvedFileExists(bitmap) && LoadLinkGlyph(ResolvePath(bitmap), &own))
      glyph = own;
  }
  button->setIcon(glyph.icon);
  button->resize(button->sizeHint());
  button->show();
  element->appButton = button;
  return button;
}

}  // namespace pm
