#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/colors.h"

namespace pm {

enum FontStyleBits : std::uint8_t { StyleBold = 1, StyleItalic = 2, StyleUnderline = 4 };
enum SlotAlignment : std::uint8_t { AlignLeft = 0, AlignRight = 1, AlignCenter = 2 };

// Tab stops 1 to 3 start unset.
inline constexpr int kTabUnset = -999;

struct FontSlot {
  std::string name;  // at most 30 characters; as the mark-up wrote it (upper case)
  int size = 11;     // points
  std::uint8_t style = 0;
  ColorValue color = 0;
  friend bool operator==(const FontSlot&, const FontSlot&) = default;
};

// The mark-up slots every command changes from its line on, for all elements
// that follow. Index 0 of fonts and align is slot 1.
struct FormSlots {
  std::array<FontSlot, 3> fonts;
  std::array<std::uint8_t, 3> align{};
  std::array<int, 4> tabs{};

  // The form window's defaults at creation.
  static FormSlots Defaults();
  FontSlot& Font(int slot) { return fonts[static_cast<size_t>(slot - 1)]; }
  const FontSlot& Font(int slot) const { return fonts[static_cast<size_t>(slot - 1)]; }
  friend bool operator==(const FormSlots&, const FormSlots&) = default;
};

// Arguments of the slot commands, upper-cased by the caller. Each returns
// false for a malformed argument (the caller reports it).
bool ParseFont(FontSlot* slot, std::string_view arguments, int deckLineNumber);
bool ParseTabStop(std::string_view arguments, int slot, int* value);
void ParseAlign(std::string_view arguments, std::uint8_t* align);
std::uint8_t ParseStyle(std::string_view arguments);

}  // namespace pm
