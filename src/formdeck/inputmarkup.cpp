#include "formdeck/inputmarkup.h"

#include <cmath>

#include "formdeck/inputtext.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

// The text after the n-th "|" (n from 1), or npos when there are fewer.
size_t afterBar(std::string_view text, int n) {
  size_t pos = 0;
  for (int i = 0; i < n; ++i) {
    const size_t bar = text.find('|', pos);
    if (bar == std::string_view::npos) return std::string_view::npos;
    pos = bar + 1;
  }
  return pos;
}

bool readField(const std::string& field, long double* value) {
  int errorPos = 0;
  const long double v = TextToNumberDot(Trimmed(field), &errorPos);
  if (errorPos != 0 || !std::isfinite(v)) return false;
  *value = v;
  return true;
}

// Help id and application link after `helpField` fields of the mark-up
// text: an empty help text gives 0.
bool readHelpAndLink(std::string_view text, int helpField, int* helpId, std::string* appLink) {
  const size_t start = afterBar(text, helpField);
  if (start == std::string_view::npos) return true;
  std::string_view rest = text.substr(start);
  const size_t bar = rest.find('|');
  const std::string help = Trimmed(rest.substr(0, bar));
  if (bar != std::string_view::npos) *appLink = Trimmed(rest.substr(bar + 1));
  if (help.empty()) return true;
  return ReadInteger(help, helpId);
}

std::string_view from(std::string_view line, size_t column) {
  return line.size() > column ? line.substr(column) : std::string_view();
}

bool beginsAssign(std::string_view line) {
  return line.size() >= 6 && AsciiUpper(line.substr(0, 6)) == "ASSIGN";
}

}  // namespace

ElementKind InputKindOf(std::string_view markupLine) {
  const char marker = markupLine.size() >= 3 ? markupLine[2] : '\0';
  return marker == '?'   ? ElementKind::FileInput
         : marker == '<' ? ElementKind::ListInput
                         : ElementKind::NumericInput;
}

bool SplitValueLine(std::string_view deckLine, std::string* name, std::string* value) {
  const size_t eq = deckLine.find('=');
  if (eq == std::string_view::npos) return false;
  *name = std::string(deckLine.substr(0, eq));
  *value = Trimmed(deckLine.substr(eq + 1));
  return true;
}

bool ReadAssignLine(std::string_view deckLine, AssignValue* out) {
  *out = {};
  if (!beginsAssign(deckLine)) return false;
  const size_t blank = deckLine.find(' ');
  if (blank == std::string_view::npos) {
    out->name = std::string(deckLine);
    return false;
  }
  out->name = std::string(deckLine.substr(0, blank));
  const std::string rest = Trimmed(deckLine.substr(blank + 1));
  std::string unit;
  if (!SplitAtBlankOutsideQuotes(rest, &out->file, &unit)) {
    out->file = rest;
    return false;
  }
  return ReadInteger(unit, &out->unit);
}

TNumberFormat FormatFromMaxText(std::string_view maxText) {
  TNumberFormat f;
  if (maxText.find_first_of("Ee") != std::string_view::npos) {
    f.Fixed = 0;
    f.Digits = 4;
    return f;
  }
  f.Fixed = 1;
  const size_t dot = maxText.find('.');
  f.Digits = static_cast<std::int16_t>(dot == std::string_view::npos ? 0 : maxText.size() - dot - 1);
  return f;
}

bool ReadNumericMarkup(std::string_view markupLine, NumericMarkup* out) {
  *out = {};
  const std::string_view text = from(markupLine, 2);
  const std::vector<std::string> parts = SplitBars(text);
  out->label = parts[0];
  if (parts.size() > 1) out->siUnit = Trimmed(parts[1]);
  if (parts.size() > 2) out->ipUnit = Trimmed(parts[2]);
  if (parts.size() < 7) return false;
  if (!readField(parts[3], &out->offset) || !readField(parts[4], &out->factor) ||
      !readField(parts[5], &out->min) || !readField(parts[6], &out->max))
    return false;
  // The write-back and the unit switch divide by the factor.
  if (out->factor == 0) return false;
  out->maxText = Trimmed(parts[6]);
  out->format = FormatFromMaxText(out->maxText);
  return readHelpAndLink(text, 7, &out->helpId, &out->appLink);
}

bool ReadListMarkup(std::string_view markupLine, ListMarkup* out) {
  *out = {};
  const std::string_view text = from(markupLine, 3);
  const std::vector<std::string> parts = SplitBars(text);
  out->label = parts[0];
  if (parts.size() > 1) out->listFile = Trimmed(parts[1]);
  if (parts.size() < 4) return false;
  if (!ReadInteger(parts[2], &out->displayColumn) || !ReadInteger(parts[3], &out->keyColumn)) return false;
  return readHelpAndLink(text, 4, &out->helpId, &out->appLink);
}

bool ReadListDeckLine(std::string_view deckLine, ListDeckValue* out) {
  *out = {};
  if (SplitValueLine(deckLine, &out->name, &out->value)) return true;
  if (!beginsAssign(deckLine)) return false;
  AssignValue assign;
  const bool ok = ReadAssignLine(deckLine, &assign);
  out->name = assign.name;
  out->value = assign.file;
  out->isAssign = true;
  out->unit = assign.unit;
  return ok;
}

bool ReadFileMarkup(std::string_view markupLine, FileMarkup* out) {
  *out = {};
  const std::string_view text = from(markupLine, 3);
  out->label = BeforeBar(text);
  std::string ignored;
  return readHelpAndLink(text, 1, &out->helpId, &ignored);
}

TextLineMarkup ReadTextLineMarkup(std::string_view markupLine) {
  TextLineMarkup m;
  const std::string_view text = from(markupLine, 3);
  m.label = BeforeBar(text);
  const size_t input = afterBar(text, 1);
  if (input == std::string_view::npos) return m;
  m.hasInput = true;
  const std::string_view rest = text.substr(input);
  const size_t bar = rest.find('|');
  m.inputText = std::string(rest.substr(0, bar));
  if (bar == std::string_view::npos) return m;
  m.hasHelp = true;
  m.helpText = std::string(rest.substr(bar + 1));
  if (!ReadInteger(m.helpText, &m.helpId)) m.helpId = 0;
  return m;
}

bool ReadAppLink(std::string_view text, AppLinkMarkup* out) {
  *out = {};
  if (AsciiUpper(text).find("APPLINK") == std::string::npos) return false;
  const size_t bar = text.find('|');
  const char digit = text.size() > 7 ? text[7] : '\0';
  out->linkIndex = (digit >= '1' && digit <= '4') ? digit - '0' : 0;
  if (out->linkIndex == 0) {
    const size_t slash = text.find('\\');
    if (slash != std::string_view::npos && (bar == std::string_view::npos || slash < bar))
      out->bitmap =
          std::string(text.substr(slash + 1, bar == std::string_view::npos ? bar : bar - slash - 1));
  }
  out->arguments = bar == std::string_view::npos ? std::string() : std::string(text.substr(bar + 1));
  return true;
}

long double ToDisplayUnits(long double si, long double offset, long double factor, int unitSystem) {
  return unitSystem == 1 ? si : (si + offset) * factor;
}

}  // namespace pm
