#include "authoring/valueinput.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "authoring/componentfile.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/markupkind.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

std::string UnitText(std::string text) {
  std::replace(text.begin(), text.end(), '|', '/');
  return text;
}

bool IsNumberField(const std::string& text) {
  int errorPos = 0;
  const long double v = TextToNumberDot(Trimmed(text), &errorPos);
  return errorPos == 0 && std::isfinite(v);
}

bool ReadsAsNumeric(const std::string& line) {
  NumericMarkup markup;
  return InputLineKindOf(line) == InputLineKind::Numeric &&
         ReadNumericMarkup(WithoutHiddenPrefix(line), &markup);
}

std::string FontLine(const std::string& name, const std::string& size, const std::string& style,
                     const std::string& color) {
  return "*|<FONT2> " + QuotedFontName(name) + " " + size + " " + style + " " + color;
}

}  // namespace

ValueFont CurrentValueFont(const SourceLines& lines, int index) {
  ValueFont font;
  const int equationLine = std::abs(index) - 1;
  ReadSlotSettings(lines, equationLine, 2, &font.label);
  SlotSettings value;
  value.color = font.valueColor;
  ReadSlotSettings(lines, equationLine, 3, &value);
  font.valueColor = value.color;
  return font;
}

bool LoadValueLine(const SourceLines& lines, int index, ValueFields* fields, std::string* badInteger) {
  *fields = ValueFields();
  if (index >= 0) return true;
  const std::string line = lines.Get(-index);
  if (InputLineKindOf(line) != InputLineKind::Numeric) return true;
  const std::string_view body = WithoutHiddenPrefix(line);
  fields->prefix = line.substr(0, line.size() - body.size());
  std::vector<std::string> parts = SplitMarkupFields(body.substr(2), 8, &fields->tail);
  for (std::string& part : parts) part = TrimLeft(part);
  fields->label = parts[0];
  fields->primaryUnit = parts[1];
  fields->secondaryUnit = parts[2];
  fields->offset = parts[3];
  fields->factor = parts[4];
  fields->minimum = parts[5];
  fields->maximum = parts[6];
  const std::string help = Trimmed(parts[7]);
  if (!help.empty() && !ReadInteger(help, &fields->help)) {
    *badInteger = help;
    return false;
  }
  return true;
}

std::string ValueLine(const ValueFields& f) {
  const std::string offset = Trimmed(f.offset).empty() ? std::string("0") : f.offset;
  const std::string factor = Trimmed(f.factor).empty() ? std::string("1") : f.factor;
  return f.prefix + "*|" + CleanedLabel(f.label) + "|" + UnitText(f.primaryUnit) + "|" +
         UnitText(f.secondaryUnit) + "|" + offset + "|" + factor + "|" + f.minimum + "|" + f.maximum + "|" +
         std::to_string(f.help) + f.tail;
}

ValueField WriteValueInput(SourceLines& lines, int index, const ValueInput& input) {
  const ValueFields& f = input.fields;
  if (index == 0 || std::abs(index) > lines.Count()) return ValueField::Label;
  if (Trimmed(f.minimum).empty()) return ValueField::Minimum;
  if (Trimmed(f.maximum).empty()) return ValueField::Maximum;
  // The line must read back as the numeric input it stands for.
  if (!Trimmed(f.offset).empty() && !IsNumberField(f.offset)) return ValueField::Offset;
  if (!Trimmed(f.factor).empty()) {
    int errorPos = 0;
    if (!IsNumberField(f.factor) || TextToNumberDot(Trimmed(f.factor), &errorPos) == 0)
      return ValueField::Factor;
  }
  if (!IsNumberField(f.minimum)) return ValueField::Minimum;
  if (!IsNumberField(f.maximum)) return ValueField::Maximum;
  const std::string line = ValueLine(f);
  if (!ReadsAsNumeric(line)) {
    ValueFields probe = f;
    probe.label = "x";
    if (ReadsAsNumeric(ValueLine(probe))) return ValueField::Label;
    probe.primaryUnit.clear();
    if (ReadsAsNumeric(ValueLine(probe))) return ValueField::PrimaryUnit;
    return ValueField::SecondaryUnit;
  }

  const ValueFont current = CurrentValueFont(lines, index);
  const SlotSettings& was = current.label;
  const std::string name = Trimmed(input.fontName);
  const std::string size = std::to_string(input.fontSize);
  const std::string style = Trimmed(input.fontStyle);
  const std::string color = Trimmed(input.fontColor);
  const std::string valueColor = Trimmed(input.valueColor);
  const bool styleChanged = AsciiUpper(style) != was.style;
  const bool fontChanged =
      AsciiUpper(name) != was.font || size != was.size || styleChanged || AsciiUpper(color) != was.color;
  const bool colorChanged = AsciiUpper(valueColor) != current.valueColor;

  int i = index;
  auto insertBefore = [&](const std::string& text) {
    lines.Insert(std::abs(i) - 1, text);
    i += i < 0 ? -1 : 1;
  };
  if (fontChanged) {
    insertBefore(FontLine(name, size, style, color));
    // The parser takes the style from STYLE2 only.
    if (styleChanged) insertBefore("*|<STYLE2> " + style);
  }
  if (colorChanged) insertBefore("*|<COLOR3> " + valueColor);
  int after;
  if (i < 0) {
    lines.Put(-i, line);
    after = -i + 1;
  } else {
    lines.Insert(i, line);
    after = i + 1;
  }
  if (!input.sameFont) {
    if (colorChanged) lines.Insert(after++, "*|<COLOR3> " + current.valueColor);
    if (fontChanged) {
      lines.Insert(after++, FontLine(was.font, was.size, was.style, was.color));
      if (styleChanged) lines.Insert(after++, "*|<STYLE2> " + was.style);
    }
  }
  return ValueField::None;
}

}  // namespace pm
