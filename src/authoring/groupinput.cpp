#include "authoring/groupinput.h"

#include <algorithm>

#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"

namespace pm {

namespace {

std::string Bars(std::string text) {
  std::replace(text.begin(), text.end(), '|', '/');
  return text;
}

MarkupKind KindOf(const std::string& line) {
  const std::string_view body = WithoutHiddenPrefix(line);
  return StartsWith(body, "*|") ? ClassifyMarkupLine(body) : MarkupKind::Input;
}

}  // namespace

std::string GroupRefusalMessage(GroupRefusal refusal) {
  switch (refusal) {
    case GroupRefusal::Nested:
      return "A group cannot be placed inside another group.";
    case GroupRefusal::TabWindow:
      return "A group cannot hold a tab window.";
    default:
      return std::string();
  }
}

std::string GroupLine(const std::string& name, const std::string& descriptor, const std::string& colour) {
  std::string line = "*|[" + Bars(name) + "|" + Bars(descriptor);
  if (!colour.empty()) line += "|BACKGROUND=" + colour;
  return line;
}

GroupRefusal WriteGroup(SourceLines& lines, const std::string& name, const std::string& descriptor,
                        const std::string& colour) {
  const std::string line = GroupLine(name, descriptor, colour);
  if (ClassifyMarkupLine(line) != MarkupKind::OpenGroup) {
    return ClassifyMarkupLine(GroupLine("x", descriptor, colour)) == MarkupKind::OpenGroup
               ? GroupRefusal::Name
               : GroupRefusal::Descriptor;
  }
  const int count = lines.Count();
  const int a = std::clamp(lines.CaretLine(), 0, count);
  // The group closes before the line that holds the selection's end.
  const int end = std::clamp(lines.SelectionEndLine(), a, count);
  const int last = end - 1;
  bool open = false;
  for (int i = 0; i < a; ++i) {
    const MarkupKind kind = KindOf(lines.Get(i));
    if (kind == MarkupKind::OpenGroup) open = true;
    if (kind == MarkupKind::CloseGroup) open = false;
  }
  if (open) return GroupRefusal::Nested;
  for (int i = a; i <= last; ++i) {
    const MarkupKind kind = KindOf(lines.Get(i));
    if (kind == MarkupKind::OpenGroup || kind == MarkupKind::CloseGroup) return GroupRefusal::Nested;
    if (kind == MarkupKind::OpenTabWindow || kind == MarkupKind::CloseTabWindow)
      return GroupRefusal::TabWindow;
  }
  lines.Insert(a, line);
  lines.Insert(end + 1, "*|]");
  return GroupRefusal::None;
}

}  // namespace pm
