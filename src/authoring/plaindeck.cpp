#include "authoring/plaindeck.h"

#include "authoring/componentfile.h"
#include "common/deckwords.h"
#include "common/lib1.h"
#include "platform/cp1252.h"
#include "platform/textfile.h"

#include <QDir>

#include <algorithm>

namespace pm {

namespace {

bool beginsWith(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() && s.substr(0, prefix.size()) == prefix;
}

std::string withoutLeadingBlanks(std::string_view s) {
  const size_t b = s.find_first_not_of(" \t");
  return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

std::string stored(const std::string& line) { return line.empty() ? std::string(" ") : line; }

std::string nameKey(const std::string& name) {
  std::string k = name;
  TrimInPlace(k);
  return AsciiUpper(k);
}

// The next line that is neither empty nor a comment, upper-cased and
// without leading blanks.
bool nextSignificant(LineCursor& deck, std::string* line) {
  std::string l;
  while (deck.Next(&l)) {
    l = withoutLeadingBlanks(l);
    if (l.empty() || l[0] == '*') continue;
    *line = AsciiUpper(l);
    return true;
  }
  return false;
}

bool isNumber(const std::string& word) {
  long double v = 0;
  return !word.empty() && TextToNumber(word, &v);
}

std::int32_t addCount(std::int32_t sum, std::int32_t n) {
  const std::int64_t s = std::int64_t{sum} + n;
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(s, INT32_MIN, INT32_MAX));
}

class UnitBlockReader {
 public:
  UnitBlockReader(LineCursor& deck, TUnitInfo& unit) : deck_(deck), u_(unit) {}
  // False when the deck ended inside a value list.
  bool Read(std::optional<std::string>* lookahead);

 private:
  void parametersMessage() {
    ShowMessageKind(QStringLiteral(" The parameters number for unit ") + FromCp1252(u_.TypeText) +
                        QStringLiteral(" is not defined correctly"),
                    0, false);
    u_.NoData = true;
  }
  void inputsMessage() {
    ShowMessageKind(QStringLiteral(" The inputs number for unit ") + FromCp1252(u_.TypeText) +
                        QStringLiteral(" is not defined correctly"),
                    0, false);
    u_.NoData = true;
  }
  void addParameterWords(const std::string& line);
  void addConnectionWords(const std::string& line);

  LineCursor& deck_;
  TUnitInfo& u_;
};

void UnitBlockReader::addParameterWords(const std::string& line) {
  for (const std::string& w : Tokenize(line)) {
    if (static_cast<std::int64_t>(u_.ParamValues.size()) >= u_.NParams) {
      parametersMessage();
      return;
    }
    u_.ParamValues.push_back({w, isNumber(w)});
  }
}

void UnitBlockReader::addConnectionWords(const std::string& line) {
  const std::vector<std::string> words = Tokenize(line);
  for (size_t k = 0; k < words.size(); ++k) {
    if (static_cast<std::int64_t>(u_.InputConnections.size()) >= u_.NInputs) {
      inputsMessage();
      return;
    }
    std::string w = words[k];
    // "3, 1" is the one connection "3,1".
    if (w.find(',') == w.size() - 1 && k + 1 < words.size()) w += words[++k];
    u_.InputConnections.push_back({w, false});
  }
}

bool UnitBlockReader::Read(std::optional<std::string>* lookahead) {
  lookahead->reset();
  std::string L;
  bool have = nextSignificant(deck_, &L);
  while (have && beginsWith(L, "PAR")) {
    u_.HasParameters = true;
    u_.NParams = addCount(u_.NParams, IntToken(L, 2));
    while (static_cast<std::int64_t>(u_.ParamValues.size()) < u_.NParams) {
      if (!nextSignificant(deck_, &L)) {
        parametersMessage();
        return false;
      }
      u_.ParamsLines.push_back(L);
      addParameterWords(L);
    }
    have = nextSignificant(deck_, &L);
  }
  while (have && beginsWith(L, "INP")) {
    u_.HasInputs = true;
    u_.NInputs = addCount(u_.NInputs, IntToken(L, 2));
    while (static_cast<std::int64_t>(u_.InputConnections.size()) < u_.NInputs) {
      if (!nextSignificant(deck_, &L)) {
        inputsMessage();
        return false;
      }
      u_.ConnectionsLines.push_back(L);
      addConnectionWords(L);
    }
    while (static_cast<std::int64_t>(u_.InitialValues.size()) < u_.NInputs) {
      if (!nextSignificant(deck_, &L)) {
        inputsMessage();
        return false;
      }
      u_.InitialValuesLines.push_back(L);
      for (const std::string& w : Tokenize(L)) u_.InitialValues.push_back({w, isNumber(w)});
    }
    have = nextSignificant(deck_, &L);
  }
  const size_t n = std::min(u_.InputConnections.size(), u_.InitialValues.size());
  for (size_t i = 0; i < n; ++i) {
    Word& c = u_.InputConnections[i];
    c.eligible = c.text.size() >= 2 && c.text.compare(c.text.size() - 2, 2, ",0") == 0 && c.text != "-1,0" &&
                 u_.InitialValues[i].eligible;
  }
  if (have && beginsWith(L, "DER")) {
    u_.HasDerivatives = true;
    u_.NDerivatives = static_cast<std::uint16_t>(IntToken(L, 2));
    // Every word is kept, so the unit can be written back whole.
    while (u_.DerivativeValues.size() < u_.NDerivatives) {
      if (!nextSignificant(deck_, &L)) return true;
      for (const std::string& w : Tokenize(L)) u_.DerivativeValues.push_back({w, isNumber(w)});
    }
    have = nextSignificant(deck_, &L);
  }
  if (have && beginsWith(L, "TRA")) {
    u_.TraceLine = L;
    have = nextSignificant(deck_, &L);
  }
  if (have) *lookahead = L;
  return true;
}

}  // namespace

bool IsVerbatimType(std::int32_t type) {
  static constexpr std::int32_t kTypes[] = {9, 14, 15, 17, 19, 24, 25, 26, 27, 28, 29, 40, 41, 55, 56, 65};
  return std::find(std::begin(kTypes), std::end(kTypes), type) != std::end(kTypes);
}

void AppendUniqueConstant(TConstList& list, TConstItem item) {
  TrimInPlace(item.Name);
  item.Counter = 0;
  const std::string key = nameKey(item.Name);
  auto taken = [&list](const std::string& k) {
    return std::any_of(list.begin(), list.end(), [&k](const TConstItem& e) { return nameKey(e.Name) == k; });
  };
  for (TConstItem& first : list) {
    if (nameKey(first.Name) != key) continue;
    std::int32_t c = first.Counter + 1;
    while (taken(key + std::to_string(c))) ++c;
    first.Counter = c;
    item.Name += std::to_string(c);
    item.Counter = c;
    break;
  }
  list.push_back(std::move(item));
}

void ReadUnitBlock(const std::string& unitLine, LineCursor& deck, TUnitInfo* unit,
                   std::optional<std::string>* lookahead) {
  *unit = TUnitInfo{};
  std::string line = unitLine;
  TrimInPlace(line);
  unit->UnitLine = AsciiUpper(line);
  unit->TypeNumber = IntToken(unit->UnitLine, 4);
  unit->TypeText = std::to_string(unit->TypeNumber);
  UnitBlockReader(deck, *unit).Read(lookahead);
}

std::optional<std::string> ReadConstantBlock(const std::string& line, LineCursor& deck, PlainDeck& out) {
  out.OtherLines.push_back(stored(line));
  const std::int32_t n = IntToken(line, 2);
  for (std::int32_t k = 0; k < n; ++k) {
    std::string l;
    std::string bare;
    do {
      if (!deck.Next(&l)) {
        out.OtherLines.push_back("*|*");
        return std::nullopt;
      }
      out.OtherLines.push_back(stored(l));
      bare = withoutLeadingBlanks(l);
      // Blank lines and comments are no equations.
    } while (bare.empty() || bare[0] == '*');
    TConstItem item;
    SplitConstantLine(l, &item.Name, &item.Value);
    item.Description = "0";
    item.Units = "0";
    AppendUniqueConstant(out.ConstantsList, std::move(item));
  }
  std::string l;
  bool have = deck.Next(&l);
  while (have && beginsWith(withoutLeadingBlanks(l), "*")) {
    out.OtherLines.push_back(l);
    have = deck.Next(&l);
  }
  out.OtherLines.push_back("*|*");
  return have ? std::optional<std::string>(l) : std::nullopt;
}

bool MakeDeck(const QString& FileName, const QString& EngineFolder, PlainDeck* out) {
  *out = PlainDeck{};
  out->InfoFolder = EngineFolder + QStringLiteral("/INFO");
  const QString path = ResolveUnquoted(FileName);
  std::vector<std::string> lines;
  const int err = ReadTextLines(path, &lines);
  if (err != 0) {
    ShowMessageKind(OpenErrorMessage(err, QDir::toNativeSeparators(path)), 0, true);
    return false;
  }
  LineCursor deck(lines);
  std::optional<std::string> current;
  if (std::string first; deck.Next(&first)) current = first;
  while (current) {
    std::string line = std::move(*current);
    current.reset();
    TrimInPlace(line);
    const std::string key = AsciiUpper(std::string_view(line).substr(0, 3));
    if (key == "UNI" && !IsVerbatimType(IntToken(line, 4))) {
      TUnitInfo unit;
      ReadUnitBlock(line, deck, &unit, &current);
      ReadComponentData(unit, out->InfoFolder, out->ConstantsList);
      out->UnitsList.push_back(std::move(unit));
      continue;
    }
    if (key == "EQU" || key == "EQN" || key == "CON") {
      current = ReadConstantBlock(line, deck, *out);
      continue;
    }
    if (key == "UNI") {
      out->OtherLines.push_back("  ");
      out->OtherLines.push_back(line);
    } else if (beginsWith(line, "*")) {
      // Comments stay where they are, whatever words they hold.
      out->OtherLines.push_back(line);
    } else {
      const std::vector<std::string> words = Tokenize(line);
      const std::string first = words.empty() ? std::string() : AsciiUpper(words[0]);
      const std::string_view start = std::string_view(first).substr(0, 3);
      if (start == "SIM") {
        out->SimulationLine = line;
      } else if (start == "ASS") {
        out->AssignLines.push_back(line);
      } else if (first != "END") {
        out->OtherLines.push_back(stored(line));
      }
    }
    if (std::string next; deck.Next(&next)) current = next;
  }
  return true;
}

}  // namespace pm
