#include "formdeck/markupkind.h"

#include <algorithm>
#include <string>

#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

MarkupKind ClassifyMarkupLine(std::string_view line) {
  const std::string u = AsciiUpper(line);
  const bool f = Contains(line, ">");  // the line holds arguments
  if (Contains(line, "*|{")) return MarkupKind::CheckBoxGroup;
  if (Contains(line, "*|(")) return MarkupKind::RadioGroup;
  if (Contains(line, "*|[")) return MarkupKind::OpenGroup;
  if (StartsWith(line, "*|]") || line.substr(std::min<size_t>(3, line.size()), 3) == "*|]")
    return MarkupKind::CloseGroup;
  if (Contains(u, "*|<FONT") && f) return MarkupKind::Font;
  if (Contains(u, "*|<TABWINDOW")) return MarkupKind::OpenTabWindow;
  if (Contains(u, "*|</TABWINDOW")) return MarkupKind::CloseTabWindow;
  if (Contains(u, "*|<ALIGN") && f) return MarkupKind::Align;
  if (Contains(u, "*|<TAB") && f) return MarkupKind::Tab;
  if (Contains(u, "*|<SIZE") && f) return MarkupKind::Size;
  if (Contains(u, "*|<STYLE") && f) return MarkupKind::Style;
  if (Contains(u, "*|<COLOR") && f) return MarkupKind::Color;
  if (StartsWith(u, "*|<APPLINK") && f) return MarkupKind::AppLink;
  if (StartsWith(u, "*|<IMG ")) return MarkupKind::Img;
  if (StartsWith(u, "*|<PICTURE>")) return MarkupKind::Picture;
  if (CharAt(line, 3) == '*') return MarkupKind::TextLine;
  const std::string c = FromColumn(u, 3);
  if (StartsWith(c, "<BACKGROUND>")) return MarkupKind::Background;
  if (StartsWith(c, "<BEFORE>")) return MarkupKind::Before;
  if (StartsWith(c, "<AFTER>")) return MarkupKind::After;
  if (StartsWith(c, "<BEFORE1>")) return MarkupKind::Before1;
  if (StartsWith(c, "<AFTER1>")) return MarkupKind::After1;
  if (StartsWith(c, "<WINDOWSIZE")) return MarkupKind::WindowSize;
  return MarkupKind::Input;
}

std::string_view WithoutHiddenPrefix(std::string_view line) {
  return StartsWith(line, "*|#") ? line.substr(3) : line;
}

int SlotColumnOf(MarkupKind kind) {
  switch (kind) {
    case MarkupKind::Font:
    case MarkupKind::Size:
      return 8;
    case MarkupKind::Align:
    case MarkupKind::Style:
    case MarkupKind::Color:
      return 9;
    case MarkupKind::Tab:
      return 7;
    default:
      return 0;
  }
}

}  // namespace pm
