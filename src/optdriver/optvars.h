#pragma once

#include <string>
#include <vector>

namespace pm::optavin {

inline constexpr const char* kVariableFile = "optVars.dck";
// The arrays of the variable file hold this many variables at most.
inline constexpr int kMaxVariables = 10;

// The optimization variables as the variable file gives them.
struct OptVars {
  int OptavinKindCode = 0;            // the configuration, line 2
  int N = 0;                          // the count of variables, line 4
  std::vector<std::string> NAMEVARS;  // N names, trailing blanks removed
  std::vector<double> VARS;           // N values
};

// Reads the lines of the variable file. Returns an empty text, or what is
// wrong as "optVars.dck, line <n>: <what was expected>"; a count outside
// 0..10 is wrong too.
std::string ReadOptVars(const std::vector<std::string>& lines, OptVars* vars);

// The lines of the variable file for the values: three header lines naming
// the configuration, "EQUATIONS " with the count, and one assignment a
// variable.
std::vector<std::string> OptVarsLines(const OptVars& vars);

// One assignment: the name and " = " in 20 columns (a name too long for that
// keeps its "=" and is never cut), a blank, the value with 2 decimals in 9
// columns or more.
std::string VariableLine(const std::string& name, double value);

}  // namespace pm::optavin
