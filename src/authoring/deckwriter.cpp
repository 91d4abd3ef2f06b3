#include "authoring/deckwriter.h"

#include "common/lib1.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"

#include <QDir>

#include <algorithm>

namespace pm {

namespace {

constexpr size_t kDescriptionWidth = 63;
constexpr size_t kValuesPerLine = 10;
// The bar after a simulation-card label stands in column 46.
constexpr size_t kCardLabelEnd = 45;

// n right-aligned in a field of width characters; a longer number keeps
// all its digits.
std::string Field(long long n, size_t width) {
  std::string s = std::to_string(n);
  if (s.size() < width) s.insert(0, width - s.size(), ' ');
  return s;
}

std::string Padded(std::string text, size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

// Each value followed by one blank, ten to a line; a line break after the
// last value as well, so a multiple of ten ends in an empty line.
void WriteValueLines(const std::vector<Word>& values, std::vector<std::string>& out) {
  std::string line;
  for (size_t k = 0; k < values.size(); ++k) {
    line += values[k].text + ' ';
    if ((k + 1) % kValuesPerLine == 0) {
      out.push_back(line);
      line.clear();
    }
  }
  out.push_back(line);
}

// All values on one line, each followed by a blank.
std::string OneLine(std::vector<Word>::const_iterator first, std::vector<Word>::const_iterator last) {
  std::string line;
  for (; first != last; ++first) line += first->text + ' ';
  return line;
}

void WriteConstantBlock(const char* banner, std::int32_t first, std::int32_t end, const TConstList& list,
                        std::vector<std::string>& out) {
  const std::int32_t count = end - first;
  if (count <= 0 || first < 0 || static_cast<size_t>(end) > list.size()) return;
  out.emplace_back(banner);
  out.push_back("CONSTANTS" + Field(count, 3));
  for (std::int32_t k = first; k < end; ++k) WriteConstant(list[static_cast<size_t>(k)], out);
  out.emplace_back("*|*");
}

void WriteInputs(const TUnitInfo& u, std::vector<std::string>& out) {
  if (u.NoData) {
    if (u.NInputsRead == 0 && !u.HasInputs) return;
    out.push_back("INPUTS " + Field(u.NInputsRead, 2));
    out.insert(out.end(), u.ConnectionsLines.begin(), u.ConnectionsLines.end());
    out.insert(out.end(), u.InitialValuesLines.begin(), u.InitialValuesLines.end());
    return;
  }
  if (u.NInputsRead == 0) {
    if (u.HasInputs) out.push_back("INPUTS " + Field(0, 2));
    return;
  }
  const auto& c = u.InputConnections;
  const auto& v = u.InitialValues;
  const size_t m = c.size();
  if (m <= kValuesPerLine) {
    out.push_back("INPUTS " + Field(u.NInputsRead, 2));
    out.push_back(OneLine(c.begin(), c.end()));
    out.push_back(OneLine(v.begin(), v.end()));
    return;
  }
  const auto ten = static_cast<std::ptrdiff_t>(kValuesPerLine);
  const auto vTen = std::min(ten, static_cast<std::ptrdiff_t>(v.size()));
  out.push_back("INPUTS " + Field(static_cast<long long>(kValuesPerLine), 2));
  out.push_back(OneLine(c.begin(), c.begin() + ten));
  out.push_back(OneLine(v.begin(), v.begin() + vTen));
  out.push_back("INPUTS " + Field(static_cast<long long>(m - kValuesPerLine), 2));
  out.push_back(OneLine(c.begin() + ten, c.end()));
  out.push_back(OneLine(v.begin() + vTen, v.end()));
}

}  // namespace

void MakeConstants(TUnitInfo& unit, TConstList& ConstantsList) {
  if (unit.NoData) return;
  auto make = [&ConstantsList](std::vector<TUnitItem>& items, std::vector<Word>& names,
                               const std::vector<Word>& values, std::int32_t* first, std::int32_t* end) {
    *first = static_cast<std::int32_t>(ConstantsList.size());
    const size_t n = std::min({items.size(), names.size(), values.size()});
    for (size_t k = 0; k < n; ++k) {
      TUnitItem& item = items[k];
      if (!names[k].eligible) item.Selected = false;
      if (!item.Selected) continue;
      TConstItem c;
      c.Name = item.Name;
      c.Description = item.Description;
      c.Units = item.Units;
      c.Value = values[k].text.empty() ? std::string("?") : values[k].text;
      AppendUniqueConstant(ConstantsList, std::move(c));
      // The statement now names the constant; a name is no plain value.
      names[k] = Word{ConstantsList.back().Name, false};
    }
    *end = static_cast<std::int32_t>(ConstantsList.size());
  };
  if (!unit.ParamItems.empty()) {
    make(unit.ParamItems, unit.ParamValues, unit.ParamValues, &unit.ParamConstFirst, &unit.ParamConstEnd);
  }
  if (!unit.InputItems.empty()) {
    make(unit.InputItems, unit.InputConnections, unit.InitialValues, &unit.InputConstFirst, &unit.InputConstEnd);
  }
}

void WriteConstant(const TConstItem& item, std::vector<std::string>& out) {
  out.push_back(item.Name + "=" + item.Value);
  if (item.Selected) out.push_back("*|" + Padded(item.Description, kDescriptionWidth) + item.Units);
}

void WriteUnitSection(const TUnitInfo& u, const TConstList& ConstantsList, std::vector<std::string>& out) {
  out.emplace_back();
  out.push_back("*|*     ***** " + u.UnitLine + " *****");
  out.emplace_back("*|*");
  if (!u.NoData) {
    WriteConstantBlock("*|*           PARAMETERS       ", u.ParamConstFirst, u.ParamConstEnd, ConstantsList, out);
    WriteConstantBlock("*|*             INPUTS         ", u.InputConstFirst, u.InputConstEnd, ConstantsList, out);
  }
  out.push_back(u.UnitLine);
  if (u.NParamsRead != 0 || u.HasParameters) {
    out.push_back("PARAMETERS " + Field(u.NParamsRead, 2));
    if (u.NoData) {
      out.insert(out.end(), u.ParamsLines.begin(), u.ParamsLines.end());
    } else if (u.NParamsRead != 0) {
      WriteValueLines(u.ParamValues, out);
    }
  }
  WriteInputs(u, out);
  if (u.NDerivatives != 0 || u.HasDerivatives) {
    out.push_back("DERIVATIVES " + Field(u.NDerivatives, 2));
    if (u.NDerivatives != 0) WriteValueLines(u.DerivativeValues, out);
  }
  if (u.TraceLine) out.push_back(*u.TraceLine);
}

void WriteSimulationCard(std::vector<std::string>& out) {
  auto input = [](const char* start, const char* label, const char* tail) {
    return Padded(std::string(start) + label, kCardLabelEnd) + tail;
  };
  out.insert(out.end(), {
                            "*|*",
                            "*|*              ***** Simulation Parameters *****",
                            "*|*",
                            "EQUATIONS 8",
                            "MONTH=0",
                            input("*|<", "Month of the simulation", "|\\Halvik\\Month1.dat|1|2|0"),
                            "DAY1=  1.0000E+0000",
                            input("*|", "Day of Month for Simulation Start", "|||0|1|1|31|0"),
                            "DAY=MONTH/24+DAY1",
                            "STEP=  1.0000E+0000",
                            input("*|", "Timestep for Simulation", "|h|h|0|1|0.01|1.00|0"),
                            "LENGTH=  2.8000E+0001",
                            input("*|<", "Length of Simulation", "|\\Halvik\\Length.dat|2|1|0"),
                            "START=24*(DAY-1)+1",
                            "STOP=START+LENGTH*24-1",
                            "PLOTS=INT(((STOP-START)/168.0)+0.5)",
                            "*|*",
                            "SIMULATION START STOP STEP",
                        });
}

void CopyHeaderFile(const QString& EngineFolder, std::vector<std::string>& out) {
  const QString path = ResolvePath(EngineFolder + QStringLiteral("/Header.txt"));
  std::vector<std::string> lines;
  if (const int err = ReadTextLines(path, &lines); err != 0) {
    ShowMessageKind(QStringLiteral("Error ") + QString::number(err) + QStringLiteral(" while reading file ") +
                        QDir::toNativeSeparators(path),
                    0, false);
    return;
  }
  out.emplace_back("*|*");
  for (const std::string& l : lines) out.push_back("*|*" + l);
  out.emplace_back("*|*");
}

std::vector<std::string> MakePlenzoDeck(PlainDeck& deck, const QString& EngineFolder, const DeckIncludes& includes) {
  for (TUnitInfo& u : deck.UnitsList) MakeConstants(u, deck.ConstantsList);
  std::vector<std::string> out{"*PLENZO"};
  out.insert(out.end(), deck.AssignLines.begin(), deck.AssignLines.end());
  if (includes.Header) CopyHeaderFile(EngineFolder, out);
  if (includes.SimulationCard) {
    WriteSimulationCard(out);
  } else {
    out.push_back(deck.SimulationLine);
  }
  out.insert(out.end(), deck.OtherLines.begin(), deck.OtherLines.end());
  for (const TUnitInfo& u : deck.UnitsList) WriteUnitSection(u, deck.ConstantsList, out);
  out.emplace_back();
  out.emplace_back("END");
  return out;
}

int WritePlenzoDeck(const QString& path, PlainDeck& deck, const QString& EngineFolder, const DeckIncludes& includes) {
  return WriteTextLines(path, MakePlenzoDeck(deck, EngineFolder, includes));
}

}  // namespace pm
