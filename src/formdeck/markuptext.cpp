#include "formdeck/markuptext.h"

#include <charconv>

#include "common/lib1.h"

namespace pm {

std::string FromColumn(std::string_view s, size_t column) {
  const size_t from = column == 0 ? 0 : column - 1;
  return from >= s.size() ? std::string() : std::string(s.substr(from));
}

std::string TrimLeft(std::string_view s) {
  size_t b = 0;
  while (b < s.size() && static_cast<unsigned char>(s[b]) <= 32) ++b;
  return std::string(s.substr(b));
}

std::string Trimmed(std::string_view s) {
  std::string t(s);
  TrimInPlace(t);
  return t;
}

bool ReadInteger(std::string_view text, int* value) {
  const std::string t = Trimmed(text);
  if (t.empty()) return false;
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (*first == '+') {
    ++first;
    if (first == last || *first == '-') return false;
  }
  int v = 0;
  const auto [end, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || end != last) return false;
  *value = v;
  return true;
}

}  // namespace pm
