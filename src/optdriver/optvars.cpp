#include "optdriver/optvars.h"

#include "optdriver/fixedfields.h"
#include "optdriver/listinput.h"

namespace pm::optavin {

namespace {

std::string at(std::size_t line) {
  return std::string(kVariableFile) + ", line " + std::to_string(line) + ": ";
}

std::string trimRight(std::string text) {
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.pop_back();
  return text;
}

}  // namespace

std::string ReadOptVars(const std::vector<std::string>& lines, OptVars* vars) {
  if (lines.size() < 4) return at(lines.size() + 1) + "the file ends before the count of variables in line 4";
  OptVars read;
  if (!ReadIntegerField(lines[1], 10, 2, &read.OptavinKindCode))
    return at(2) + "a configuration code was expected in columns 10 to 11";
  if (!ReadIntegerFrom(lines[3], 10, &read.N))
    return at(4) + "a whole count of variables was expected from column 10";
  if (read.N < 0 || read.N > kMaxVariables)
    return at(4) + "the count of variables must be 0 to " + std::to_string(kMaxVariables) + ", not " +
           std::to_string(read.N);
  read.NAMEVARS.assign(static_cast<std::size_t>(read.N), std::string());
  read.VARS.assign(static_cast<std::size_t>(read.N), 0.0);

  ListReader reader(lines, 4);
  for (int i = 0; i < read.N; ++i) {
    const std::string which = "variable " + std::to_string(i + 1) + " of " + std::to_string(read.N);
    reader.BeginRead();
    std::string name;
    std::string separator;
    // An empty name or "=" leaves that item as it was; the value is still read.
    const auto going = [](ListReader::Item item) {
      return item == ListReader::Item::Read || item == ListReader::Item::Unchanged;
    };
    ListReader::Item item = reader.ReadText(&name);
    if (going(item)) item = reader.ReadText(&separator);
    const bool textRead = going(item);
    if (textRead) item = reader.ReadReal(&read.VARS[static_cast<std::size_t>(i)]);
    if (item == ListReader::Item::EndOfFile)
      return at(reader.RecordNumber()) + "the file ends before the name, \"=\" and value of " + which;
    if (item == ListReader::Item::Bad && !textRead)
      return at(reader.RecordNumber()) + "a name and \"=\" were expected for " + which + ", not \"" +
             reader.BadText() + "\"";
    if (item == ListReader::Item::Bad)
      return at(reader.RecordNumber()) + "a number was expected for the value of " + which + ", not \"" +
             reader.BadText() + "\"";
    read.NAMEVARS[static_cast<std::size_t>(i)] = trimRight(name);
    reader.EndRead();
  }
  *vars = std::move(read);
  return {};
}

std::string VariableLine(const std::string& name, double value) {
  std::string text = name + " = ";
  if (text.size() <= 20)
    text.resize(20, ' ');
  else
    text = name + " =";
  return text + ' ' + FormatFixed(value, 9, 2);
}

std::vector<std::string> OptVarsLines(const OptVars& vars) {
  const std::string stars(30, '*');
  std::vector<std::string> lines;
  lines.push_back(stars);
  lines.push_back("* Device " + FormatInteger(vars.OptavinKindCode, 2));
  lines.push_back(stars);
  lines.push_back("EQUATIONS " + FormatInteger(vars.N, 1));
  for (int i = 0; i < vars.N; ++i)
    lines.push_back(
        VariableLine(vars.NAMEVARS[static_cast<std::size_t>(i)], vars.VARS[static_cast<std::size_t>(i)]));
  return lines;
}

}  // namespace pm::optavin
