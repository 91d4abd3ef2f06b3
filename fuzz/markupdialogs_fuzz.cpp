#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "authoring/assigninput.h"
#include "authoring/equationscan.h"
#include "authoring/listinput.h"
#include "authoring/textinput.h"
#include "authoring/valueinput.h"
#include "formdeck/markupkind.h"

namespace {

// Source lines as the editor gives them: split at LF, CR LF or a lone CR.
std::vector<std::string> SplitLines(const uint8_t* data, size_t size) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < size; ++i) {
    const char c = static_cast<char>(data[i]);
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
      lines.emplace_back();
    } else {
      lines.back() += c;
    }
  }
  return lines;
}

}  // namespace

// Source text in; every loader of the mark-up dialogs runs over it without
// widgets. A line the value or list dialog writes must read back as the
// input it stands for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const pm::VectorSourceLines lines(SplitLines(data, size));
  for (int i = 0; i < lines.Count(); ++i) {
    const std::string line = lines.Get(i);
    if (line.rfind("*|", 0) == 0) (void)pm::ClassifyMarkupLine(line);
  }
  std::string bad;
  const pm::EquationScan values = pm::ScanEquations(lines, pm::EquationInput::Numeric);
  for (const pm::EquationVariable& v : values.variables) {
    (void)pm::CurrentValueFont(lines, v.index);
    pm::ValueFields fields;
    (void)pm::LoadValueLine(lines, v.index, &fields, &bad);
  }
  if (!values.variables.empty()) {
    pm::VectorSourceLines copy(lines.Lines());
    pm::ValueInput input;
    std::string ignored;
    (void)pm::LoadValueLine(copy, values.variables[0].index, &input.fields, &ignored);
    input.fields.minimum = "0";
    input.fields.maximum = "1";
    input.fields.offset = "0";
    input.fields.factor = "1";
    input.fontName = "Arial";
    input.fontStyle = "None";
    input.fontColor = "BLACK";
    input.valueColor = "BLUE";
    if (pm::WriteValueInput(copy, values.variables[0].index, input) == pm::ValueField::None &&
        pm::ScanEquations(copy, pm::EquationInput::Numeric).variables.size() != values.variables.size())
      __builtin_trap();
  }
  const pm::EquationScan lists = pm::ScanEquations(lines, pm::EquationInput::List);
  for (const pm::EquationVariable& v : lists.variables) {
    pm::ListFields fields;
    if (!pm::LoadListLine(lines, v.index, &fields, &bad)) continue;
    pm::VectorSourceLines copy(lines.Lines());
    if (fields.fileName.empty()) fields.fileName = "list.dat";
    if (pm::WriteListInput(copy, v.index, fields) == pm::ListField::None &&
        pm::InputLineKindOf(copy.Get(v.index < 0 ? -v.index : v.index)) != pm::InputLineKind::List)
      __builtin_trap();
  }
  (void)pm::CurrentTextSettings(lines, lines.Count());
  for (const pm::AssignStatement& s : pm::ScanAssignStatements(lines)) {
    pm::AssignFields fields;
    (void)pm::LoadAssign(lines, s, &fields, &bad);
  }
  return 0;
}
