#include "formdeck/inputtext.h"

#include "common/lib1.h"
#include "platform/cp1252.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace pm {

bool ReadIntegerText(std::string_view text, int* value) {
  const std::string t = TrimmedText(text);
  std::string_view digits(t);
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  if (digits.empty()) return false;
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (ec != std::errc() || end != digits.data() + digits.size()) return false;
  if (negative) v = -v;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  *value = static_cast<int>(v);
  return true;
}

std::string TrimmedText(std::string_view text) {
  std::string s(text);
  TrimInPlace(s);
  return s;
}

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
      *rest = TrimmedText(text.substr(i + 1));
      return true;
    }
  }
  return false;
}

}  // namespace pm
