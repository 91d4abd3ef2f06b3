#include "formdeck/formslots.h"

#include <cmath>
#include <limits>

#include "common/lib1.h"
#include "formdeck/markupcolor.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

constexpr size_t kFontNameLength = 30;

// Splits off one token: a double-quoted text or the text up to the first
// blank. False for an opening quote without its closing one.
bool NextFontToken(std::string* rest, std::string* token) {
  *rest = TrimLeft(*rest);
  if (!rest->empty() && rest->front() == '"') {
    const size_t close = rest->find('"', 1);
    if (close == std::string::npos) return false;
    *token = rest->substr(1, close - 1);
    *rest = rest->substr(close + 1);
    return true;
  }
  const size_t blank = rest->find(' ');
  if (blank == std::string::npos) {
    *token = *rest;
    rest->clear();
  } else {
    *token = rest->substr(0, blank);
    *rest = rest->substr(blank + 1);
  }
  return true;
}

bool IsStyleWord(std::string_view token) {
  const std::string t = AsciiUpper(Trimmed(token));
  return Contains(t, "BOLD") || Contains(t, "ITALIC") || Contains(t, "UNDERLINE") || Contains(t, "NONE");
}

}  // namespace

FormSlots FormSlots::Defaults() {
  FormSlots s;
  for (FontSlot& f : s.fonts) {
    f.name = "Arial";
    f.size = 11;
    f.style = 0;
  }
  s.fonts[0].style = StyleBold;
  s.fonts[0].color = 0x0000FF;  // red
  s.fonts[1].color = 0x000000;
  s.fonts[2].color = 0xFF0000;  // blue
  s.align.fill(AlignLeft);
  s.tabs = {0, kTabUnset, kTabUnset, kTabUnset};
  return s;
}

bool ParseFont(FontSlot* slot, std::string_view arguments, int deckLineNumber) {
  std::string rest(arguments);
  for (;;) {
    rest = TrimLeft(rest);
    if (rest.empty()) return true;
    std::string token;
    if (!NextFontToken(&rest, &token)) return false;
    if (!token.empty() && token[0] >= '0' && token[0] <= '9') {
      int size = 0;
      if (!ReadInteger(token, &size)) return false;
      slot->size = size;
      continue;
    }
    ColorValue colour = 0;
    if (ParseColor(token, &colour, deckLineNumber)) {
      slot->color = colour;
    } else if (!IsStyleWord(token)) {
      slot->name = token.substr(0, kFontNameLength);
    }
  }
}

bool ParseTabStop(std::string_view arguments, int slot, int* value) {
  const std::string text = TrimLeft(arguments);
  const size_t numberEnd = text.find_first_not_of("-0123456789.");
  const std::string number = text.substr(0, numberEnd);
  const std::string unit = numberEnd == std::string::npos ? std::string() : text.substr(numberEnd);
  long double v = 0;
  if (AsciiUpper(unit.substr(0, 3)) == "DEF") {
    v = -1;
  } else if (!TextToNumber(number, &v)) {
    return false;
  }
  if (Contains(unit, "CM")) {
    v = v * 96 / 2.54L;
  } else if (Contains(unit, "IN")) {
    v = v * 96;
  }
  // Halves round to even.
  long double rounded = std::nearbyint(v);
  const long double lo = std::numeric_limits<int>::min();
  const long double hi = std::numeric_limits<int>::max();
  if (!(rounded >= lo)) rounded = lo;
  if (rounded > hi) rounded = hi;
  int result = static_cast<int>(rounded);
  if (slot == 0 && result < 0) result = 0;
  *value = result;
  return true;
}

void ParseAlign(std::string_view arguments, std::uint8_t* align) {
  if (Contains(arguments, "LEFT")) *align = AlignLeft;
  if (Contains(arguments, "RIGHT")) *align = AlignRight;
  if (Contains(arguments, "CENTER")) *align = AlignCenter;
}

std::uint8_t ParseStyle(std::string_view arguments) {
  std::uint8_t style = 0;
  if (Contains(arguments, "BOLD")) style |= StyleBold;
  if (Contains(arguments, "ITALIC")) style |= StyleItalic;
  if (Contains(arguments, "UNDERLINE")) style |= StyleUnderline;
  if (Contains(arguments, "NONE")) style = 0;
  return style;
}

}  // namespace pm
