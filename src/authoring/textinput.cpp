#include "authoring/textinput.h"

#include <algorithm>

#include "authoring/componentfile.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

SlotSettings CurrentTextSettings(const SourceLines& lines, int p) {
  SlotSettings settings;
  ReadSlotSettings(lines, p, 1, &settings);
  return settings;
}

std::string TextLine(const std::string& text) { return "*|*" + CleanedLabel(text); }

bool WriteTextItem(SourceLines& lines, int p, const TextItem& item) {
  const std::string line = TextLine(item.text);
  if (ClassifyMarkupLine(line) != MarkupKind::TextLine) return false;
  p = std::clamp(p, 0, lines.Count());
  const SlotSettings current = CurrentTextSettings(lines, p);
  const std::string font = Trimmed(item.font);
  const std::string size = std::to_string(item.size);
  const std::string style = Trimmed(item.style);
  const std::string color = Trimmed(item.color);
  const std::string align = Trimmed(item.align);
  // Font names compare without regard to case: the deck's are upper case.
  if (AsciiUpper(font) != AsciiUpper(current.font) || size != current.size)
    lines.Insert(p++, "*|<FONT1> " + QuotedFontName(font) + " " + size);
  if (AsciiUpper(style) != current.style) lines.Insert(p++, "*|<STYLE1> " + style);
  if (AsciiUpper(color) != current.color) lines.Insert(p++, "*|<COLOR1> " + color);
  if (AsciiUpper(align) != current.align) lines.Insert(p++, "*|<ALIGN1> " + align);
  lines.Insert(p, line);
  return true;
}

}  // namespace pm
