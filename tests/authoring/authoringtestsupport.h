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
