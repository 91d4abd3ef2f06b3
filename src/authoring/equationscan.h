#pragma once

#include <string>
#include <vector>

#include "authoring/markuplines.h"

namespace pm {

// A variable of an EQUATIONS block: a positive index k says its input line
// belongs at k (directly after its equation), a negative -k that line k is
// its existing input line.
struct EquationVariable {
  std::string name;
  int index = 0;
};

// Which input the dialog writes: the value dialog lists the variables that
// have no input or a numeric one, the list dialog those with no input or a
// list one.
enum class EquationInput { Numeric, List };

struct EquationScan {
  std::vector<EquationVariable> variables;  // sorted by name, without regard to case
  std::string badCount;                     // a block count that is no integer: the scan stopped there
};
EquationScan ScanEquations(const SourceLines& lines, EquationInput input);

}  // namespace pm
