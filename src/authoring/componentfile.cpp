#include "authoring/componentfile.h"

#include "authoring/linecursor.h"
#include "common/deckwords.h"
#include "common/lib1.h"
#include "formdeck/inputmarkup.h"
#include "platform/cp1252.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <QDir>

#include <algorithm>
#include <cmath>

namespace pm {

namespace {

bool contains(std::string_view upper, std::string_view key) { return upper.find(key) != std::string_view::npos; }

QString text(std::string_view bytes) { return FromCp1252(bytes); }

void showError(const QString& message) { ShowMessageKind(message, 0, false); }

// "MODE 3-12" must not pick the section "MODE 3-125".
bool holdsSection(std::string_view upper, std::string_view header) {
  for (size_t pos = upper.find(header); pos != std::string_view::npos; pos = upper.find(header, pos + 1)) {
    const size_t end = pos + header.size();
    if (end == upper.size() || upper[end] < '0' || upper[end] > '9') return true;
  }
  return false;
}

bool readNumber(const std::string& word, long double* value) {
  std::string s = word;
  TrimInPlace(s);
  return !s.empty() && TextToNumber(s, value);
}

class ComponentReader {
 public:
  ComponentReader(TUnitInfo& unit, const std::vector<std::string>& lines, const TConstList& constants)
      : u_(unit), in_(lines), constants_(constants) {}

  bool ReadTypeHeader();
  bool ReadGeneralItems();
  bool ReadType4Items();

 private:
  // Parameter value k (from 1) as a number: the word itself, or the value
  // of the deck constant it names.
  bool parameterNumber(size_t k, long double* value) const;
  bool readItem(std::string name, TUnitItem* item);
  bool findInputLine();
  void parameterMessage(int i, int type) const {
    showError(FormatIntArgs(QStringLiteral("Parameter %d for type %d isn't defined correctly"), {i, type}));
  }
  void inputMessage(int j) const {
    showError(FormatIntArgs(QStringLiteral("Input %d for type %d isn't defined correctly"), {j, u_.TypeNumber}));
  }
  void type4InputMessage(int j) const {
    showError(QStringLiteral("Input ") + QString::number(j) + QStringLiteral(" for Type ") + text(u_.TypeText) +
              QStringLiteral(" isn't defined correctly "));
  }
  void sectionMissing(const std::string& header) const {
    showError(QStringLiteral("  Error in Type ") + text(u_.TypeText) + QStringLiteral(" ! ") + text(header) +
              QStringLiteral(" can not be found"));
  }

  TUnitInfo& u_;
  LineCursor in_;
  const TConstList& constants_;
};

bool ComponentReader::parameterNumber(size_t k, long double* value) const {
  if (k < 1 || k > u_.ParamValues.size()) return false;
  const std::string& word = u_.ParamValues[k - 1].text;
  if (readNumber(word, value)) return true;
  for (const TConstItem& c : constants_) {
    std::string name = c.Name;
    TrimInPlace(name);
    if (name == word) return readNumber(c.Value, value);
  }
  return false;
}

bool ComponentReader::ReadTypeHeader() {
  std::string line;
  for (;;) {
    if (!in_.Next(&line)) {
      showError(QStringLiteral("Type ") + text(u_.TypeText) + QStringLiteral(" can not be found"));
      return false;
    }
    const std::string up = AsciiUpper(line);
    if (contains(up, "TYPE") && IntToken(up, 2) == u_.TypeNumber) break;
  }
  std::string L;
  bool haveL = in_.Next(&L);
  while (haveL && contains(AsciiUpper(L), "PARMOD")) {
    const std::string up = AsciiUpper(L);
    const std::vector<std::string> words = Tokenize(L);
    const std::string P = words.size() >= 2 ? words[1] : std::string();
    const std::int32_t p = IntToken(up, 2);
    if (p < 1 || static_cast<size_t>(p) > u_.ParamValues.size()) {
      ShowMessageKind(QStringLiteral("Incorrect number of parameters"), 0, true);
      return false;
    }
    // A value that is no number, or too large for an integer, names no
    // section: it is reported as the section of its text.
    long double x = 0;
    constexpr long double kInt64End = 9223372036854775808.0L;
    if (!parameterNumber(static_cast<size_t>(p), &x) || !(x > -kInt64End - 1) || !(x < kInt64End)) {
      sectionMissing("MODE " + P + "-" + u_.ParamValues[static_cast<size_t>(p) - 1].text);
      return false;
    }
    const std::int64_t v = CheckedTrunc(x);
    std::string H;
    if (contains(up, "ZERO")) {
      H = "MODE " + P + (v > 0 ? " POS" : " NEG");
    } else {
      H = "MODE " + P + "-" + std::to_string(v);
    }
    const std::string key = AsciiUpper(H);
    std::string cur = L;
    while (!holdsSection(AsciiUpper(cur), key)) {
      if (!in_.Next(&cur)) {
        sectionMissing(H);
        return false;
      }
    }
    haveL = in_.Next(&L);
  }
  // L, the line after the header or the chosen section, is free text.
  return true;
}

bool ComponentReader::readItem(std::string name, TUnitItem* item) {
  std::string description;
  std::string values;
  if (!in_.Next(&description) || !in_.Next(&values)) return false;
  if (!ValueDescriptionToMarkup(values)) return false;
  TrimInPlace(name);
  item->Name = AsciiUpper(name);
  item->Description = ItemDescriptionLabel(description);
  item->Units = values;
  item->Selected = true;
  return true;
}

bool ComponentReader::findInputLine() {
  std::string line;
  while (in_.Next(&line)) {
    if (contains(AsciiUpper(line), "INP")) return true;
  }
  return false;
}

bool ComponentReader::ReadGeneralItems() {
  for (std::int32_t i = 1; i <= u_.NParams; ++i) {
    std::string name;
    if (!in_.Next(&name)) {
      parameterMessage(i, u_.TypeNumber);
      return false;
    }
    const std::string up = AsciiUpper(name);
    if (contains(up, "INP")) {
      parameterMessage(i, u_.TypeNumber);
      return false;
    }
    const bool repeat = contains(up, "REP");
    TUnitItem item;
    if ((repeat && !in_.Next(&name)) || !readItem(name, &item)) {
      parameterMessage(i, u_.TypeNumber);
      return false;
    }
    // Copies: each parameter keeps its own choice.
    const std::int32_t times = repeat ? u_.NParams - i + 1 : 1;
    for (std::int32_t k = 0; k < times; ++k) u_.ParamItems.push_back(item);
    if (repeat) break;
  }
  if (u_.NInputs <= 0) return true;
  if (!findInputLine()) {
    inputMessage(1);
    return false;
  }
  for (std::int32_t j = 1; j <= u_.NInputs; ++j) {
    std::string name;
    if (!in_.Next(&name)) {
      inputMessage(j);
      return false;
    }
    const bool repeat = contains(AsciiUpper(name), "REP");
    TUnitItem item;
    if ((repeat && !in_.Next(&name)) || !readItem(name, &item)) {
      inputMessage(j);
      return false;
    }
    const std::int32_t times = repeat ? u_.NInputs - j + 1 : 1;
    for (std::int32_t k = 0; k < times; ++k) u_.InputItems.push_back(item);
    if (repeat) break;
  }
  return true;
}

bool ComponentReader::ReadType4Items() {
  if (u_.NParams != 0) {
    if (u_.ParamValues.size() < 6) {
      ShowMessageKind(QStringLiteral("Incorrect number of parameters"), 0, true);
      return false;
    }
    long double p[7] = {};
    for (size_t k : {1, 5, 6}) {
      if (!parameterNumber(k, &p[k])) {
        parameterMessage(static_cast<int>(k), 4);
        return false;
      }
    }
    const int D = u_.NDerivatives;
    for (int k = 1; k <= 23; ++k) {
      std::string name;
      TUnitItem item;
      if (!in_.Next(&name) || !readItem(name, &item)) {
        parameterMessage(k, 4);
        return false;
      }
      int times = 1;
      if (k == 6 && p[6] > 0 && D > 1) times = D;
      if (k == 21 || k == 22) times = p[1] == 3 ? 1 : 0;
      if (k == 23) times = p[5] < 0 && D > 1 ? D : 0;
      for (int t = 0; t < times; ++t) u_.ParamItems.push_back(item);
    }
    // Item k goes with parameter value k: the counts must agree.
    const std::int64_t count = static_cast<std::int64_t>(u_.ParamItems.size());
    if (count != u_.NParams) {
      parameterMessage(static_cast<int>(std::min<std::int64_t>(count, u_.NParams)) + 1, 4);
      return false;
    }
  }
  if (u_.NInputs <= 0) return true;
  if (!findInputLine()) {
    type4InputMessage(1);
    return false;
  }
  for (std::int32_t j = 1; j <= u_.NInputs; ++j) {
    std::string name;
    TUnitItem item;
    if (!in_.Next(&name) || !readItem(name, &item)) {
      type4InputMessage(j);
      return false;
    }
    u_.InputItems.push_back(item);
  }
  return true;
}

void MakeNoData(TUnitInfo& unit) {
  unit.NParamsRead = unit.NParams;
  unit.NInputsRead = unit.NInputs;
  unit.NParams = 0;
  unit.NInputs = 0;
  unit.ParamItems.clear();
  unit.InputItems.clear();
  // The unit's own number, whatever its width.
  const std::vector<std::string> words = Tokenize(unit.UnitLine);
  unit.Header = "UNIT " + (words.size() >= 2 ? words[1] : std::string()) + " - NO DATA AVAILABLE";
}

}  // namespace

bool ValueDescriptionToMarkup(std::string& text) {
  const std::vector<std::string> w = Tokenize(text);
  if (w.empty()) return false;
  std::string tail;
  size_t next = 0;
  if (w[0] == "none" || w[0] == "None" || w[0] == "NONE") {
    tail = "|||0|1|";
    next = 1;
  } else {
    if (w.size() < 4) return false;
    tail = "|";
    for (; next < 4; ++next) tail += w[next] + "|";
  }
  if (w.size() < next + 2) return false;
  for (size_t i = 0; i < next + 2; ++i) {
    if (w[i].find('|') != std::string::npos) return false;
  }
  tail += w[next] + "|" + w[next + 1] + "|";
  // The written line must open as a numeric input.
  NumericMarkup check;
  if (!ReadNumericMarkup("*|x" + tail, &check)) return false;
  text = tail;
  return true;
}

std::string CleanedLabel(std::string_view line) {
  std::string d(line);
  d.erase(0, std::min(d.size(), d.find_first_not_of(" \t")));
  std::replace(d.begin(), d.end(), '|', '/');
  if (!d.empty() && std::string_view("*<?[]{}()#").find(d[0]) != std::string_view::npos) d.insert(0, " ");
  return d;
}

std::string ItemDescriptionLabel(std::string_view line) {
  std::string d = CleanedLabel(line);
  if (d.size() > 60) d.resize(60);
  return d;
}

QString ComponentFilePath(const QString& InfoFolder, const std::string& TypeText) {
  return ResolvePath(InfoFolder + QStringLiteral("/TYPE") + text(TypeText) + QStringLiteral(".INF"));
}

void ReadComponentData(TUnitInfo& unit, const QString& InfoFolder, const TConstList& ConstantsList) {
  // A block already found faulty keeps its one message.
  if (!unit.NoData) {
    const QString path = ComponentFilePath(InfoFolder, unit.TypeText);
    std::vector<std::string> lines;
    const int err = ReadTextLines(path, &lines);
    if (err != 0) {
      ShowMessageKind(OpenErrorMessage(err, QDir::toNativeSeparators(path)), 0, true);
      MakeNoData(unit);
      return;
    }
    ComponentReader reader(unit, lines, ConstantsList);
    if (reader.ReadTypeHeader() && (unit.TypeNumber == 4 ? reader.ReadType4Items() : reader.ReadGeneralItems())) {
      unit.NParamsRead = unit.NParams;
      unit.NInputsRead = unit.NInputs;
      unit.Header = unit.UnitLine;
      return;
    }
    unit.NoData = true;
  }
  MakeNoData(unit);
}

}  // namespace pm
