#include "optdriver/optavin.h"

#include <QFile>
#include <cstring>
#include <ostream>

#include "optdriver/optlisting.h"
#include "optdriver/optvars.h"
#include "platform/pathresolver.h"
#include "platform/process.h"
#include "platform/textfile.h"

namespace pm::optavin {

namespace {

QString fileName(const std::string& name) { return QFile::decodeName(QByteArray::fromStdString(name)); }

std::string resolve(const std::string& name) {
  return QFile::encodeName(ResolvePath(fileName(name))).toStdString();
}

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
  const std::string folder = resolve(quorvelFolder);
  const std::string base = folder.empty() || folder.back() == '/' ? folder : folder + '/';
  std::vector<std::string> arguments{resolve(base + "Zantor")};
  const std::string deck = FinalDeckFor(optavinKindCode);
  if (deck.empty()) {
    arguments.push_back(base);
  } else {
    arguments.push_back(resolve(base + deck));
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

  const QString variableFile = ResolvePath(QString::fromLatin1(kVariableFile));
  std::vector<std::string> lines;
  if (const int e = ReadTextLines(variableFile, &lines); e != 0) {
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
  if (ReadTextLines(ResolvePath(QString::fromLatin1(kListingFile)), &listing) == 0) {
    const std::size_t index = FindMinimumLine(listing);
    if (index != std::string::npos) {
      if (const std::string problem = ReadMinimumValues(listing, index, &vars.VARS); !problem.empty()) {
        err << "Optavin: " << problem << '\n';
        return kExitInput;
      }
    }
  }

  // The final run must see the best values, so it does not start without them.
  if (const int e = WriteTextLines(variableFile, OptVarsLines(vars)); e != 0) {
    err << "Optavin: cannot write " << kVariableFile << ": " << std::strerror(e) << '\n';
    return kExitInput;
  }

  const std::vector<std::string> arguments = EngineArguments(quorvelFolder, vars.OptavinKindCode);
  // The words are apart already: no quoting, and a folder is no program.
  ProgramCall call{FindProgram(fileName(arguments.front()), QString()), {}};
  for (std::size_t i = 1; i < arguments.size(); ++i) call.arguments << fileName(arguments[i]);
  const StartResult started = StartProgramCall(call);
  if (!started.started) {
    err << "Optavin: cannot start " << arguments.front() << ": " << std::strerror(started.error) << '\n';
    return kExitEngine;
  }
  WaitForProgram(started.pid, nullptr, nullptr);
  return kExitDone;
}

}  // namespace pm::optavin
