#include "authoring/equationscan.h"

#include <algorithm>

#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

EquationScan ScanEquations(const SourceLines& lines, EquationInput input) {
  EquationScan scan;
  const int count = lines.Count();
  int i = 0;
  while (i < count) {
    const std::string header = lines.Get(i++);
    if (!StartsWith(AsciiUpper(header), "EQUATIONS ")) continue;
    const std::string countText = TrimLeft(FromColumn(header, 10));
    int equations = 0;
    if (!ReadInteger(countText, &equations)) {
      scan.badCount = countText;
      break;
    }
    for (int e = 0; e < equations && i < count;) {
      const std::string line = TrimLeft(lines.Get(i++));
      if (StartsWith(line, "*")) continue;
      ++e;
      const size_t eq = line.find('=');
      EquationVariable v{Trimmed(line.substr(0, eq)), i};
      // The line after the equation is the variable's input when the parser
      // reads it as one; other mark-up there is left alone.
      const InputLineKind kind = i < count ? InputLineKindOf(lines.Get(i)) : InputLineKind::None;
      const InputLineKind own =
          input == EquationInput::Numeric ? InputLineKind::Numeric : InputLineKind::List;
      if (kind == own) {
        v.index = -i;
      } else if (kind != InputLineKind::None) {
        continue;  // another kind of input: not this dialog's
      }
      scan.variables.push_back(std::move(v));
    }
  }
  std::stable_sort(scan.variables.begin(), scan.variables.end(),
                   [](const EquationVariable& a, const EquationVariable& b) {
                     return AsciiUpper(a.name) < AsciiUpper(b.name);
                   });
  return scan;
}

}  // namespace pm
