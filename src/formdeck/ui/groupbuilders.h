#pragma once

#include <string>

namespace pm {

class DeckParser;
class TPlenzoForm;
struct TFormElement;

// The builders of the boxes of a form page: visual groups, which stack the
// elements up to their close, and check-box and radio groups, which read
// their own item lines from the deck.
void BuildVisualGroup(TPlenzoForm& form, DeckParser& parser, const std::string& text, bool visible);
// "*|]": an empty box disappears, any other grows by 5.
void CloseVisualGroup(TPlenzoForm& form, TFormElement* group);
void BuildChoiceGroup(TPlenzoForm& form, DeckParser& parser, const std::string& text, bool checkBoxes);

}  // namespace pm
