#pragma once

#include "common/deckconstants.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pm {

// One value word of a UNIT block. A parameter value is eligible for a
// constant when it is a plain number; an input when it is unconnected
// (",0"), not "-1,0", and its initial value is a plain number.
struct Word {
  std::string text;
  bool eligible = false;
};

// One UNIT block of a plain engine deck, with the component data that its
// description file gives. Texts are the deck's bytes.
struct TUnitInfo {
  std::string UnitLine;  // trimmed, upper-cased
  std::string Header;    // the unit's line in the deck maker's list
  bool NoData = false;   // written back as read, without constants
  std::int32_t NParams = 0;
  std::int32_t NInputs = 0;
  std::int32_t NParamsRead = 0;
  std::int32_t NInputsRead = 0;
  // A statement with the count 0 is kept apart from no statement at all,
  // so the unit can be written back with it.
  bool HasParameters = false;
  bool HasInputs = false;
  bool HasDerivatives = false;
  std::int32_t TypeNumber = 0;
  std::string TypeText;
  std::int32_t ParamConstFirst = 0;
  std::int32_t ParamConstEnd = 0;
  std::int32_t InputConstFirst = 0;
  std::int32_t InputConstEnd = 0;
  std::vector<Word> ParamValues;
  std::vector<Word> InputConnections;  // eligible marks the input
  std::vector<Word> InitialValues;
  std::vector<Word> DerivativeValues;  // every word of the value lines
  std::uint16_t NDerivatives = 0;
  std::optional<std::string> TraceLine;
  std::vector<std::string> ParamsLines;
  std::vector<std::string> ConnectionsLines;
  std::vector<std::string> InitialValuesLines;
  std::vector<TUnitItem> ParamItems;
  std::vector<TUnitItem> InputItems;
};

}  // namespace pm
