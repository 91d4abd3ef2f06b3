#pragma once

#include <QColor>
#include <QStringList>

#include <array>
#include <cstdint>
#include <string_view>

namespace pm {

// A colour value holds red in the low byte, then green, then blue.
using ColorValue = std::uint32_t;

struct ColorName {
  std::string_view name;
  ColorValue value;
};

// The 14 colour words of the mark-up, searched in this order.
extern const std::array<ColorName, 14> ColorNames;

enum class RgbResult {
  NotRgb,     // the text does not begin "RGB("
  Ok,
  Malformed,  // a separator is missing or a component is no integer
};

// "RGB(r,g,b)": components out of 0..255 are clamped. A missing separator
// gives that component 255 and a non-integer one 0; both are Malformed but
// still give a colour.
RgbResult ParseRGB(std::string_view text, ColorValue* colour);

// A colour word (compared after trimming and upper-casing) or the RGB form,
// without any message: the caller decides what a Malformed text shows.
RgbResult ParseColorText(std::string_view text, ColorValue* colour);

QColor ToQColor(ColorValue value);
ColorValue FromQColor(const QColor& color);

// The 14 colour words as the custom colours of the colour dialog, in order.
QStringList ColorDialogCustomColors();

}  // namespace pm
