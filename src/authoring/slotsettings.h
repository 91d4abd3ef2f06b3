#pragma once

#include <string>
#include <string_view>

#include "authoring/markuplines.h"

namespace pm {

// The settings of one mark-up slot as the Source lines leave them: the
// words as written in the deck, upper-cased, or the dialog's defaults.
struct SlotSettings {
  std::string font = "Arial";
  std::string size = "10";
  std::string style = "NONE";
  std::string color = "Black";
  std::string align = "Left";
};

// The FONTn words: split at blanks outside double quotes, one leading and
// one trailing quote dropped, upper-cased; a word beginning with a digit is
// the size, a style word the style, a colour the colour, any other the font
// name (so the last such word wins, as the parser reads it).
void ReadFontWords(std::string_view arguments, SlotSettings* settings);

// Applies the slot's commands of lines [0, end) in order, the last one
// winning, as the parser applies them from their line on.
void ReadSlotSettings(const SourceLines& lines, int end, int slot, SlotSettings* settings);

// A font line's name in double quotes, so a name of several words stays one.
std::string QuotedFontName(std::string_view name);

}  // namespace pm
