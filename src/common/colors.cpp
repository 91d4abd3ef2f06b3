#include "common/colors.h"

#include "common/lib1.h"
#include "platform/cp1252.h"

#include <charconv>
#include <string>

namespace pm {

namespace {

constexpr ColorValue rgb(int r, int g, int b) {
  return static_cast<ColorValue>(r) + 256u * static_cast<ColorValue>(g) + 65536u * static_cast<ColorValue>(b);
}

// Reads one component; false when the text is no integer.
bool readComponent(std::string_view text, int* value) {
  std::string s(text);
  TrimInPlace(s);
  if (s.empty()) return false;
  const char* first = s.data();
  if (*first == '+') ++first;
  long long v = 0;
  const auto [end, ec] = std::from_chars(first, s.data() + s.size(), v);
  if (ec == std::errc::result_out_of_range) {
    *value = (s[0] == '-') ? 0 : 255;
    return true;
  }
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  *value = v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v));
  return true;
}

}  // namespace

const std::array<ColorName, 14> ColorNames = {{
    {"BLACK", rgb(0, 0, 0)},
    {"RED", rgb(255, 0, 0)},
    {"BLUE", rgb(0, 0, 255)},
    {"GREEN", rgb(0, 128, 0)},
    {"GRAY", rgb(128, 128, 128)},
    {"PURPLE", rgb(128, 0, 128)},
    {"AQUA", rgb(0, 255, 255)},
    {"YELLOW", rgb(255, 255, 0)},
    {"SILVER", rgb(192, 192, 192)},
    {"NAVY", rgb(0, 0, 128)},
    {"FUCHSIA", rgb(255, 0, 255)},
    {"LIME", rgb(0, 255, 0)},
    {"WHITE", rgb(255, 255, 255)},
    {"DEF", rgb(255, 255, 255)},
}};

RgbResult ParseRGB(std::string_view text, ColorValue* colour) {
  if (text.substr(0, 4) != "RGB(") return RgbResult::NotRgb;
  std::string_view rest = text.substr(4);
  bool malformed = false;
  int parts[3] = {0, 0, 0};
  const char separators[3] = {',', ',', ')'};
  for (int i = 0; i < 3; ++i) {
    const size_t at = rest.find(separators[i]);
    if (at == std::string_view::npos) {
      // The component takes the rest of the text; it is read as 255.
      malformed = true;
      parts[i] = 255;
      rest = {};
      continue;
    }
    if (!readComponent(rest.substr(0, at), &parts[i])) {
      malformed = true;
      parts[i] = 0;
    }
    rest = rest.substr(at + 1);
  }
  *colour = rgb(parts[0], parts[1], parts[2]);
  return malformed ? RgbResult::Malformed : RgbResult::Ok;
}

RgbResult ParseColorText(std::string_view text, ColorValue* colour) {
  std::string s(text);
  TrimInPlace(s);
  s = AsciiUpper(s);
  for (const ColorName& c : ColorNames) {
    if (s == c.name) {
      *colour = c.value;
      return RgbResult::Ok;
    }
  }
  return ParseRGB(s, colour);
}

QColor ToQColor(ColorValue value) {
  return QColor(static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                static_cast<int>((value >> 16) & 0xFF));
}

ColorValue FromQColor(const QColor& color) { return rgb(color.red(), color.green(), color.blue()); }

QStringList ColorDialogCustomColors() {
  QStringList colours;
  for (const ColorName& c : ColorNames) colours.append(ToQColor(c.value).name());
  return colours;
}

}  // namespace pm
