#include "formdeck/choiceitems.h"

#include "formdeck/deckparser.h"
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
  size_t from = 0;
  for (;;) {
    const size_t next = rest.find('|', from);
    std::string name =
        Trimmed(rest.substr(from, next == std::string::npos ? std::string::npos : next - from));
    const bool plain = name.empty() || name.front() != '_';
    if (!plain) name = Trimmed(name.substr(1));
    item.names.push_back(name);
    item.plain.push_back(plain);
    if (next == std::string::npos) break;
    from = next + 1;
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
