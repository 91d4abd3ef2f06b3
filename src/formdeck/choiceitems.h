#pragma once

#include <string>
#include <vector>

namespace pm {

class DeckParser;

// One item line of a check-box or radio group: caption|name1|name2|...
struct ChoiceItem {
  std::string caption;
  std::vector<std::string> names;  // without a leading "_"
  std::vector<bool> plain;         // true: show the group when on; false ("_"): hide it
  bool checked = false;            // radio items: "//checked"
};

// Reads the item lines of a choice group from the deck, up to its closing
// line or the end of the deck. False after an error, which is reported.
bool ReadChoiceItems(DeckParser& parser, bool checkBoxes, std::vector<ChoiceItem>* items);

// The fields of one item line, "*|" already removed.
ChoiceItem ParseChoiceItem(const std::string& text, bool checkBoxes);

}  // namespace pm
