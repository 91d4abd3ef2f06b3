#include "formdeck/choiceitems.h"

#include "formdeck/deckparser.h"
#include "formdeck/inputtext.h"
#include "formdeck/markuptext.h"

namespace pm {

ChoiceItem ParseChoiceItem(const std::string& text, bool checkBoxes) {
  ChoiceItem item;
  const size_t bar = text.find('|');
  item.caption = text.substr(0, bar);
  std::string rest = bar == std::string::npos ? std::string() : text.substr(bar + 1);
  if (!checkBoxes) {
    const size_t mark = rest.find("//checked");
    if (mark != std::string::npos) {
      item.checked = true;
      rest = rest.substr(0, mark);
    }
  }
  for (const std::string& field : SplitBars(rest)) {
    std::string name = Trimmed(field);
    const bool plain = name.empty() || name.front() != '_';
    if (!plain) name = Trimmed(name.substr(1));
    item.names.push_back(name);
    item.plain.push_back(plain);
  }
  return item;
}

bool ReadChoiceItems(DeckParser& parser, bool checkBoxes, std::vector<ChoiceItem>* items) {
  const char closer = checkBoxes ? '}' : ')';
  std::string read;
  while (parser.ReadDeckLine(&read)) {
    if (StartsWith(read, "**")) continue;
    // An empty line counts as "*". An item line may come with the "*|#" of
    // a hidden group; a caption may begin with "#" ("*|#1 pump|G").
    const std::string line = StartsWith(read, "*|#*|") ? FromColumn(read, 4)
                             : read.empty()            ? std::string("*")
                                                       : read;
    const int n = parser.State().DeckLineNumber;
    if (!StartsWith(line, "*|")) {
      parser.Stop(QStringLiteral("Error in line ") + QString::number(n) +
                  QStringLiteral(".  Checkbox command expected."));
      return false;
    }
    const std::string text = FromColumn(line, 3);
    if (!text.empty() && text.front() == closer) return true;
    if (!Contains(text, "|")) continue;
    if (!text.empty() && (text.front() == '(' || text.front() == '[' || text.front() == '{')) {
      parser.Stop(QStringLiteral("Error in line ") + QString::number(n) +
                  QStringLiteral(".  Groups cannot be nested."));
      return false;
    }
    items->push_back(ParseChoiceItem(text, checkBoxes));
  }
  return true;
}

}  // namespace pm
