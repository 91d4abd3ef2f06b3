#include "common/deckconstants.h"

#include "common/deckwords.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/textfile.h"

namespace pm {

namespace {

bool beginsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

// A numeric-input mark-up line: "*|" whose third character opens no other
// element.
bool isDescriptionLine(std::string_view line) {
  if (!beginsWith(line, "*|")) return false;
  if (line.size() < 3) return true;
  return std::string_view("*<[{(]})").find(line[2]) == std::string_view::npos;
}

// Comment lines between constants; blank lines count as nothing.
bool isSkippedBeforeConstant(std::string_view line) {
  return line.empty() || (beginsWith(line, "*") && !isDescriptionLine(line));
}

// The header the deck maker writes above each unit's section.
bool isUnitSectionHeader(std::string_view line) { return line.find("*|*     ***** UNIT") != std::string_view::npos; }

std::string trimmedLine(const std::string& line) {
  std::string s = line;
  TrimInPlace(s);
  return s;
}

// "*|*     ***** UNIT 5 TYPE 15 WEATHER DATA READER *****" gives
// "UNIT 5 WEATHER DATA".
std::string unitSectionLabel(const std::string& line) {
  const std::vector<std::string> w = Tokenize(line.size() > 14 ? std::string_view(line).substr(14) : "");
  auto word = [&w](size_t k) { return k <= w.size() ? w[k - 1] : std::string(); };
  std::string label = "UNIT " + word(2) + " " + word(5);
  if (w.size() >= 6 && !beginsWith(w[5], "*")) label += " " + w[5];
  return label;
}

// Reads one CONSTANTS block starting at lines[*at]; *at ends on the first
// line after it, which goes back to the caller.
void parseConstantsBlock(const std::vector<std::string>& lines, size_t* at, const std::string& label,
                         TConstList& list) {
  const std::int32_t n = IntToken(trimmedLine(lines[*at]), 2);
  size_t i = *at + 1;
  auto skipToConstant = [&]() {
    while (i < lines.size() && isSkippedBeforeConstant(trimmedLine(lines[i]))) ++i;
  };
  skipToConstant();
  for (std::int32_t k = 1; k <= n && i < lines.size(); ++k) {
    TConstItem item;
    SplitConstantLine(trimmedLine(lines[i]), &item.Name, &item.Value);
    ++i;
    while (i < lines.size()) {
      const std::string l = trimmedLine(lines[i]);
      if (!beginsWith(l, "*") || isDescriptionLine(l) || isUnitSectionHeader(l)) break;
      ++i;
    }
    const std::string desc = i < lines.size() ? trimmedLine(lines[i]) : std::string();
    if (i < lines.size() && isDescriptionLine(desc)) {
      const std::string r = desc.substr(2);
      const size_t bar = r.find('|');
      if (bar != std::string::npos) {
        item.Description = trimmedLine(r.substr(0, bar));
        const std::string t = r.substr(bar + 1);
        const size_t bar2 = t.find('|');
        // The stored values are in the SI unit, whatever the unit system.
        if (bar2 != std::string::npos) item.Units = "[" + t.substr(0, bar2) + "]";
      } else {
        item.Description = trimmedLine(r);
      }
      ++i;
    } else {
      item.Description = "No description available";
      item.Units = label;
    }
    AppendNumberedConstant(list, std::move(item));
    if (k < n) skipToConstant();
  }
  *at = i;
}

}  // namespace

const std::string& GetItemDescription(const TUnitItem& item) { return item.Description; }

void SplitConstantLine(std::string_view line, std::string* name, std::string* value) {
  const size_t eq = line.find('=');
  std::string n(line.substr(0, eq));
  const size_t first = n.find_first_not_of(' ');
  n.erase(0, first == std::string::npos ? n.size() : first);
  *name = AsciiUpper(n);
  *value = eq == std::string_view::npos ? std::string() : std::string(line.substr(eq + 1));
  if (value->empty()) *value = "?";
}

void AppendNumberedConstant(TConstList& list, TConstItem item) {
  item.Counter = 0;
  for (TConstItem& existing : list) {
    if (existing.Name != item.Name) continue;
    ++existing.Counter;
    item.Counter = existing.Counter;
    item.Name += std::to_string(existing.Counter);
    break;
  }
  list.push_back(std::move(item));
}

std::optional<TConstList> ParseDeckConstants(const std::vector<std::string>& lines) {
  std::optional<TConstList> list;
  std::string label = " ";
  size_t i = 0;
  while (i < lines.size()) {
    const std::string line = trimmedLine(lines[i]);
    if (isUnitSectionHeader(line)) label = unitSectionLabel(line);
    if (AsciiUpper(std::string_view(line).substr(0, 3)) == "CON") {
      if (!list) list.emplace();
      parseConstantsBlock(lines, &i, label, *list);
    } else {
      ++i;
    }
  }
  return list;
}

std::optional<TConstList>& PEQList() {
  static std::optional<TConstList> list;
  return list;
}

void ReadDeckConstants(const QString& FileName) {
  PEQList().reset();
  std::vector<std::string> lines;
  if (ReadTextLines(ResolveUnquoted(FileName), &lines) != 0) return;
  PEQList() = ParseDeckConstants(lines);
}

}  // namespace pm
