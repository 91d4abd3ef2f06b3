#include "formdeck/inputtext.h"

#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

std::vector<std::string> SplitBars(std::string_view text) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t bar = text.find('|', start);
    if (bar == std::string_view::npos) {
      parts.emplace_back(text.substr(start));
      return parts;
    }
    parts.emplace_back(text.substr(start, bar - start));
    start = bar + 1;
  }
}

bool SameTextNoCase(std::string_view a, std::string_view b) { return AsciiUpper(a) == AsciiUpper(b); }

bool SplitAtBlankOutsideQuotes(std::string_view text, std::string* first, std::string* rest) {
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') quoted = !quoted;
    if (c == ' ' && !quoted) {
      *first = std::string(text.substr(0, i));
      *rest = Trimmed(text.substr(i + 1));
      return true;
    }
  }
  return false;
}

}  // namespace pm
