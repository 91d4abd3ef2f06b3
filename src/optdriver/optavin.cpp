#include "optdriver/optavin.h"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "optdriver/hostfiles.h"
#include "optdriver/optlisting.h"
#include "optdriver/optvars.h"

namespace pm::optavin {

namespace {

void banner(std::ostream& out) {
  const std::string stars(48, '*');
  out << ' ' << stars << '\n'
      << " Pelmark\n"
      << " Optimization driver: the last run with the best values\n"
      << ' ' << stars << '\n'
      << " \n"
      << " Performing last optimization run\n";
  out.flush();
}

}  // namespace

std::string FinalDeckFor(int optavinKindCode) {
  switch (optavinKindCode) {
    case 1:
      return "Pelmark_coDFC2.pzd";
    case 2:
      return "Pelmark_conv2.pzd";
    case 4:
      return "Pelmark_ghx2.pzd";
    case 5:
      return "Pelmark_hyDFC2.pzd";
    case 6:
      return "Pelmark_hybrid2.pzd";
    case 41:
      return "Pelmark_hySol2.pzd";
    case 42:
      return "Pelmark_hyboi2.pzd";
    default:
      return {};
  }
}

std::vector<std::string> EngineArguments(const std::string& quorvelFolder, int optavinKindCode) {
  const std::string folder = ResolveName(quorvelFolder);
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  std::vector<std::string> arguments{ResolveName(base + "Zantor")};
  const std::string deck = FinalDeckFor(optavinKindCode);
  if (deck.empty()) {
    arguments.push_back(base);
  } else {
    arguments.push_back(ResolveName(base + deck));
    arguments.push_back("/h");
    arguments.push_back("/n");
  }
  return arguments;
}

std::string OptavinEngineCommand(const std::vector<std::string>& arguments) {
  std::string line;
  for (const std::string& argument : arguments) {
    if (!line.empty()) line += ' ';
    line += argument.find(' ') == std::string::npos ? argument : '"' + argument + '"';
  }
  return line;
}

int OptavinMain(const std::string& quorvelFolder, std::ostream& out, std::ostream& err) {
  banner(out);

  const std::string variableFile = ResolveName(kVariableFile);
  std::vector<std::string> lines;
  if (const int e = ReadLines(variableFile, &lines); e != 0) {
    err << "Optavin: cannot open " << kVariableFile << ": " << std::strerror(e) << '\n';
    return kExitInput;
  }
  OptVars vars;
  if (const std::string problem = ReadOptVars(lines, &vars); !problem.empty()) {
    err << "Optavin: " << problem << '\n';
    return kExitInput;
  }

  // A missing listing, or one without a value line, leaves the values as the
  // variable file gives them.
  std::vector<std::string> listing;
  if (ReadLines(ResolveName(kListingFile), &listing) == 0) {
    const std::size_t index = FindMinimumLine(listing);
    if (index != std::string::npos) {
      if (const std::string problem = ReadMinimumValues(listing, index, &vars.VARS); !problem.empty()) {
        err << "Optavin: " << problem << '\n';
        return kExitInput;
      }
    }
  }

  // The final run must see the best values, so it does not start without them.
  if (const int e = WriteLinesAtomic(variableFile, OptVarsLines(vars)); e != 0) {
    err << "Optavin: cannot write " << kVariableFile << ": " << std::strerror(e) << '\n';
    return kExitInput;
  }

  const std::vector<std::string> arguments = EngineArguments(quorvelFolder, vars.OptavinKindCode);
  const CallResult call = CALLPROGRAM(arguments, -1);
  if (call.status != 0) {
    err << "Optavin: cannot start " << arguments.front() << ": " << std::strerror(call.error) << '\n';
    return kExitEngine;
  }
  return kExitDone;
}

}  // namespace pm::optavin
