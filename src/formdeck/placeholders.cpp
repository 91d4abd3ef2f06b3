// The element builders as the parse needs them before the element kinds get
// their controls: each makes a record with its kind, line number, name and
// texts, and consumes the lines the element owns.
#include "formdeck/choiceitems.h"
#include "formdeck/deckparser.h"
#include "formdeck/formbuilder.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/markuptext.h"

namespace pm {

namespace {

// The text between the first and the second "|".
std::string AfterBar(std::string_view text) {
  const size_t bar = text.find('|');
  return bar == std::string_view::npos ? std::string() : BeforeBar(text.substr(bar + 1));
}

}  // namespace

void FormBuilder::ClearModify() { Model().Changed = false; }

void FormBuilder::AddElement(DeckParser& parser) {
  ParseState& s = parser.State();
  ++s.ElementCounter;
  const ElementKind kind = InputKindOf(s.Line);
  TFormElement* e = parser.NewElement(kind, s.PreviousLineNumber);
  e->number = s.ElementCounter;
  e->deckLine = s.PreviousLine;
  e->markupLine = s.Line;
  e->fontSlot = 2;
  const size_t eq = e->deckLine.find('=');
  const size_t cut = eq != std::string::npos ? eq : e->deckLine.find(' ');
  e->name = e->deckLine.substr(0, cut);
  e->valueText = cut == std::string::npos ? std::string() : Trimmed(e->deckLine.substr(cut + 1));
  e->text = BeforeBar(FromColumn(s.Line, kind == ElementKind::NumericInput ? 3 : 4));
}

void FormBuilder::AddTextLine(DeckParser& parser, const std::string& line) {
  ParseState& s = parser.State();
  ++s.ElementCounter;
  TFormElement* e = parser.NewElement(ElementKind::TextLine, s.DeckLineNumber);
  e->number = s.ElementCounter;
  e->markupLine = line;
  e->fontSlot = 1;
  const TextLineMarkup m = ReadTextLineMarkup(line);
  e->text = m.label;
  e->valueText = m.inputText;
}

void FormBuilder::AddGroup(DeckParser& parser, const std::string& text, bool /*visible*/) {
  TFormElement* e = parser.NewElement(ElementKind::VisualGroup, parser.State().DeckLineNumber);
  e->markupLine = parser.State().Line;
  e->fontSlot = 1;
  e->name = TrimLeft(BeforeBar(text));
  e->text = AfterBar(text);
  parser.State().OpenGroup = e;
}

void FormBuilder::CloseGroup(DeckParser& /*parser*/, TFormElement* /*group*/) {}

void FormBuilder::AddChoiceGroup(DeckParser& parser, const std::string& text, bool checkBoxes) {
  TFormElement* e = parser.NewElement(checkBoxes ? ElementKind::CheckBoxGroup : ElementKind::RadioGroup,
                                      parser.State().DeckLineNumber);
  e->markupLine = parser.State().Line;
  e->fontSlot = 1;
  e->name = BeforeBar(text);
  const size_t bar = text.find('|');
  e->text = bar == std::string::npos ? std::string() : text.substr(bar + 1);
  std::vector<ChoiceItem> items;
  ReadChoiceItems(parser, checkBoxes, &items);
}

void FormBuilder::AddPicture(DeckParser& parser, const std::string& text, int linkIndex) {
  TFormElement* e = parser.NewElement(linkIndex == 0 ? ElementKind::Picture : ElementKind::LinkedPicture,
                                      parser.State().DeckLineNumber);
  e->markupLine = parser.State().Line;
  e->text = Trimmed(text);
}

void FormBuilder::AddImage(DeckParser& parser, const std::string& line) {
  const ParseState& s = parser.State();
  TFormElement* e = parser.NewElement(s.AppLinkIndex >= 1 ? ElementKind::LinkedPicture : ElementKind::Picture,
                                      s.DeckLineNumber);
  e->markupLine = line;
  e->text = Trimmed(FromColumn(line, 8));
}

void FormBuilder::StoreGroupCommand(TFormElement* /*group*/, bool /*before*/,
                                    const std::string& /*command*/) {}

void FormBuilder::FinishForm(DeckParser& /*parser*/) {}

void FormBuilder::LayoutPage(DeckParser& /*parser*/, int /*pageIndex*/) {}

int FormBuilder::FlowBottom(const TFormElement& /*element*/, int currentY) const { return currentY; }

}  // namespace pm
