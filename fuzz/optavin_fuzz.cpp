#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "optdriver/optlisting.h"
#include "optdriver/optvars.h"
#include "platform/textfile.h"

// Optavin's readers on outside data: the bytes up to the first NUL are the
// variable file, the rest the optimizer's listing. What was read is written
// and must read back with the same code, count and names.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::size_t split = bytes.find('\0');
  const std::vector<std::string> variables = pm::SplitLines(QByteArray::fromStdString(bytes.substr(0, split)));
  const std::vector<std::string> listing = pm::SplitLines(
      QByteArray::fromStdString(split == std::string::npos ? std::string() : bytes.substr(split + 1)));

  pm::optavin::OptVars vars;
  if (!pm::optavin::ReadOptVars(variables, &vars).empty()) return 0;
  const std::size_t index = pm::optavin::FindMinimumLine(listing);
  if (index != std::string::npos && !pm::optavin::ReadMinimumValues(listing, index, &vars.VARS).empty())
    return 0;

  pm::optavin::OptVars back;
  if (!pm::optavin::ReadOptVars(pm::optavin::OptVarsLines(vars), &back).empty()) {
    // Names with blanks, commas, slashes or quotes do not read back; all else must.
    for (const std::string& name : vars.NAMEVARS)
      if (name.empty() || name.find_first_of(" \t,/'\"*") != std::string::npos) return 0;
    std::abort();
  }
  if (back.OptavinKindCode != vars.OptavinKindCode || back.N != vars.N) std::abort();
  return 0;
}
