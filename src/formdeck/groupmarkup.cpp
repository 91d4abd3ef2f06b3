#include "formdeck/groupmarkup.h"

#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

VisualGroupMarkup ReadVisualGroupMarkup(std::string_view text) {
  VisualGroupMarkup out;
  const size_t bar = text.find('|');
  out.name = Trimmed(text.substr(0, bar));
  if (bar == std::string_view::npos) return out;
  const std::string_view rest = text.substr(bar + 1);
  const size_t second = rest.find('|');
  out.caption = std::string(rest.substr(0, second));
  if (second == std::string_view::npos) return out;
  std::string colour = TrimLeft(rest.substr(second + 1));
  if (AsciiUpper(colour.substr(0, 11)) == "BACKGROUND=") colour = TrimLeft(colour.substr(11));
  out.colour = colour;
  return out;
}

ChoiceGroupMarkup ReadChoiceGroupMarkup(std::string_view text) {
  ChoiceGroupMarkup out;
  const size_t bar = text.find('|');
  out.name = Trimmed(text.substr(0, bar));
  if (bar != std::string_view::npos) out.caption = std::string(text.substr(bar + 1));
  return out;
}

std::string GroupKey(std::string_view name) { return AsciiUpper(Trimmed(name)); }

}  // namespace pm
