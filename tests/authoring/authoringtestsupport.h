#pragma once

#include "authoring/unitinfo.h"
#include "common/deckwords.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QString>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace pm::test {

inline QString FixtureEngine() { return QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/engine"); }
inline QString FixtureInfo() { return FixtureEngine() + QStringLiteral("/INFO"); }

// A unit as the deck reader leaves it: the UNIT line and the parameter
// values (a plain number is eligible).
inline TUnitInfo MakeUnit(const std::string& unitLine, std::vector<std::string> params, int nInputs = 0,
                          int nDerivatives = 0) {
  TUnitInfo u;
  u.UnitLine = unitLine;
  u.TypeNumber = IntToken(unitLine, 4);
  u.TypeText = std::to_string(u.TypeNumber);
  u.NParams = static_cast<std::int32_t>(params.size());
  for (std::string& p : params) u.ParamValues.push_back({p, true});
  u.NInputs = nInputs;
  u.NDerivatives = static_cast<std::uint16_t>(nDerivatives);
  return u;
}

// Lines joined with CRLF, as the engine's files come.
inline QByteArray Crlf(std::initializer_list<const char*> lines) {
  QByteArray out;
  for (const char* l : lines) out += QByteArray(l) + "\r\n";
  return out;
}

}  // namespace pm::test

#include "authoring/plaindeck.h"
#include "support/scriptedui.h"

namespace pm::test {

// A plain deck as the deck maker read it, one fact a line, for golden
// files: the messages first, then the sorted lines, constants and units.
inline std::string DumpPlainDeck(const PlainDeck& d, const ScriptedUi& ui) {
  std::string out;
  auto words = [](const std::vector<Word>& ws) {
    std::string s;
    for (const Word& w : ws) s += " " + w.text + (w.eligible ? "+" : "");
    return s;
  };
  for (const ScriptedUi::Message& m : ui.messages()) {
    out += std::string("message") + (m.beepBefore ? " (beep)" : "") + ": " + m.text.toStdString() + "\n";
  }
  out += "simulation: " + d.SimulationLine + "\n";
  for (const std::string& l : d.AssignLines) out += "assign: " + l + "\n";
  for (const std::string& l : d.OtherLines) out += "other: [" + l + "]\n";
  for (const TConstItem& c : d.ConstantsList) {
    out += "constant: " + c.Name + " = " + c.Value + " (" + std::to_string(c.Counter) + ")\n";
  }
  for (const TUnitInfo& u : d.UnitsList) {
    out += "unit: " + u.UnitLine + "\n";
    out += "  header: " + u.Header + "\n";
    out += "  type " + u.TypeText + (u.NoData ? ", no data" : "") + "; parameters " + std::to_string(u.NParams) +
           " (read " + std::to_string(u.NParamsRead) + "), inputs " + std::to_string(u.NInputs) + " (read " +
           std::to_string(u.NInputsRead) + "), derivatives " + std::to_string(u.NDerivatives) + "\n";
    out += std::string("  statements:") + (u.HasParameters ? " PARAMETERS" : "") + (u.HasInputs ? " INPUTS" : "") +
           (u.HasDerivatives ? " DERIVATIVES" : "") + (u.TraceLine ? " TRACE" : "") + "\n";
    out += "  parameter values:" + words(u.ParamValues) + "\n";
    out += "  connections:" + words(u.InputConnections) + "\n";
    out += "  initial values:" + words(u.InitialValues) + "\n";
    out += "  derivative values:" + words(u.DerivativeValues) + "\n";
    if (u.TraceLine) out += "  trace: " + *u.TraceLine + "\n";
    for (const std::string& l : u.ParamsLines) out += "  parameters line: " + l + "\n";
    for (const std::string& l : u.ConnectionsLines) out += "  connections line: " + l + "\n";
    for (const std::string& l : u.InitialValuesLines) out += "  initial values line: " + l + "\n";
    for (const TUnitItem& i : u.ParamItems) {
      out += "  parameter item: " + i.Name + " | " + i.Description + " | " + i.Units + "\n";
    }
    for (const TUnitItem& i : u.InputItems) {
      out += "  input item: " + i.Name + " | " + i.Description + " | " + i.Units + "\n";
    }
  }
  return out;
}

}  // namespace pm::test
