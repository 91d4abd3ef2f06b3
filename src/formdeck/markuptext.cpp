#include "formdeck/markuptext.h"

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

}  // namespace pm
