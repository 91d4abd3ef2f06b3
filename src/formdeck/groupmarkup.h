#pragma once

#include <string>
#include <string_view>

namespace pm {

// The opener of a visual group, "*|[" and one trailing "|" already removed:
// name|caption|BACKGROUND=colour, caption and colour optional.
struct VisualGroupMarkup {
  std::string name;     // trimmed on both sides
  std::string caption;  // as written
  std::string colour;   // the colour text, "BACKGROUND=" removed; empty when none
};
VisualGroupMarkup ReadVisualGroupMarkup(std::string_view text);

// The opener of a check-box or radio group, "*|{" or "*|(" removed:
// name|caption.
struct ChoiceGroupMarkup {
  std::string name;     // trimmed on both sides
  std::string caption;  // everything after the first "|"
};
ChoiceGroupMarkup ReadChoiceGroupMarkup(std::string_view text);

// Group names match trimmed and without regard to case: the Make Group
// dialog writes a blank after the name, and items name groups trimmed.
std::string GroupKey(std::string_view name);

}  // namespace pm
