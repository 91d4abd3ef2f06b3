#pragma once

#include <string>

#include "authoring/markuplines.h"
#include "authoring/slotsettings.h"

namespace pm {

// The text settings (slot 1) in force before line p, where the text dialog
// inserts its lines.
SlotSettings CurrentTextSettings(const SourceLines& lines, int p);

struct TextItem {
  std::string text;
  std::string font;
  int size = 10;
  std::string style;
  std::string color;
  std::string align;
};

// Inserts at p the FONT1, STYLE1, COLOR1 and ALIGN1 lines that differ from
// the settings in force, then the text line. False, writing nothing, when
// the text would make another kind of mark-up line.
bool WriteTextItem(SourceLines& lines, int p, const TextItem& item);

std::string TextLine(const std::string& text);

}  // namespace pm
