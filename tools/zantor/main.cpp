// Zantor stand-in, not the engine: reads a deck and writes beside it what
// the engine would, each named by the rule of the reader:
//   listing ".LST" and log ".LOG"    the deck's last extension replaced
//   plot data ".PLT"                 the file name up to its first "."
//   results "-RESULTS.TXT"           the deck name less 4 characters
//   "warnings.dat"                   in the current folder
// The numbers come from a year of hourly loop temperatures worked out from
// a few of the deck's constants (see plant.h). The "NAME = value" lines of
// each "INCLUDE file" count after the deck's own, so they win; the file is
// looked for beside the deck, then in the current folder, and one that is
// missing is named in the log.
//
//   Zantor <deck> [/H] [/N]     (switches in any case; /H hides nothing
//                                here, /N is a table run: both are logged)
//
// Environment, for tests:
//   ZANTOR_SLEEP_MS=<n>    sleep before doing anything else
//   ZANTOR_CRASH=1         then die by SIGABRT, writing nothing
//   ZANTOR_NO_WORK=1       then end at once, writing nothing (benchmarks)
//   ZANTOR_EXIT_CODE=<n>   exit with this code after the work
//   ZANTOR_TRACE=<file>    first of all append "pid <n>", "cwd <folder>" and
//                          one "arg <text>" line per argument to the file

#include <sys/resource.h>
#include <unistd.h>

#include <cctype>
#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "plant.h"
#include "standin/standin.h"

namespace {

bool isSwitch(std::string_view arg, char letter) {
  return arg.size() == 2 && arg[0] == '/' && (arg[1] == letter || arg[1] == letter + ('a' - 'A'));
}

// The deck name with its extension (from the last "." of the file name)
// replaced, or the extension appended when there is none.
std::string changeExtension(const std::string& deck, const char* extension) {
  const std::size_t slash = deck.find_last_of('/');
  const std::size_t dot = deck.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return deck + extension;
  return deck.substr(0, dot) + extension;
}

// The deck name up to the first "." of its file name, then extension.
std::string changeFirstExtension(const std::string& deck, const char* extension) {
  const std::size_t slash = deck.find_last_of('/');
  const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = deck.find('.', start);
  return (dot == std::string::npos ? deck : deck.substr(0, dot)) + extension;
}

std::string resultsName(const std::string& deck) {
  return deck.substr(0, deck.size() < 4 ? 0 : deck.size() - 4) + "-RESULTS.TXT";
}

// Plot data: a header of names, a units line, then one row per hour.
void writePlot(const std::string& name, const std::vector<zantor::Hour>& hours) {
  std::ofstream plt(name, std::ios::binary | std::ios::trunc);
  plt << "TIME TAMB LOAD TIN TOUT\r\n";
  plt << "h C kW C C\r\n";
  for (const zantor::Hour& r : hours) {
    plt << zantor::NumberText(r.time) << ' ' << zantor::NumberText(r.ambient) << ' ' << zantor::NumberText(r.load)
        << ' ' << zantor::NumberText(r.tin) << ' ' << zantor::NumberText(r.tout) << "\r\n";
  }
}

// A title line, then the 100 numbers on the last line.
void writeResults(const std::string& name, const std::string& deck, const std::vector<double>& numbers) {
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out << "Zantor stand-in results of " << deck << "\r\n";
  for (std::size_t i = 0; i < numbers.size(); ++i) out << (i ? " " : "") << zantor::NumberText(numbers[i]);
  out << "\r\n";
}

void writeWarnings(const std::vector<std::string>& warnings) {
  std::ofstream out("warnings.dat", std::ios::binary | std::ios::trunc);
  for (const std::string& w : warnings) out << w << "\r\n";
}

// The file named by an "INCLUDE name" line, or nothing.
std::string includedName(const std::string& line) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos || line.size() - i < 8) return {};
  std::string word = line.substr(i, 7);
  for (char& c : word) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (word != "INCLUDE" || (line[i + 7] != ' ' && line[i + 7] != '\t')) return {};
  i = line.find_first_not_of(" \t", i + 7);
  if (i == std::string::npos) return {};
  std::size_t end = line.find_last_not_of(" \t");
  if (line[i] == '"' && end > i && line[end] == '"') {
    ++i;
    --end;
  }
  return line.substr(i, end + 1 - i);
}

// The deck's lines followed by the lines of the files it includes.
std::vector<std::string> withIncludes(const std::string& deck, const std::vector<std::string>& lines,
                                      std::ostream& log) {
  std::vector<std::string> all = lines;
  const std::size_t slash = deck.find_last_of('/');
  const std::string folder = slash == std::string::npos ? std::string() : deck.substr(0, slash + 1);
  for (const std::string& line : lines) {
    const std::string name = includedName(line);
    if (name.empty()) continue;
    std::ifstream in;
    if (name[0] != '/') in.open(folder + name, std::ios::binary);
    if (!in) in.open(name, std::ios::binary);
    if (!in) {
      log << "INCLUDE file not found: " << name << "\r\n";
      continue;
    }
    const std::vector<std::string> included = zantor::ReadLines(in);
    log << "INCLUDE " << name << ": " << included.size() << " lines read.\r\n";
    all.insert(all.end(), included.begin(), included.end());
  }
  return all;
}

}  // namespace

int main(int argc, char** argv) {
  standin::writeTrace("ZANTOR_TRACE", "pid " + std::to_string(::getpid()), argc, argv);

  const int sleepMs = standin::envNumber("ZANTOR_SLEEP_MS", 0);
  if (sleepMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(sleepMs));

  if (standin::envNumber("ZANTOR_CRASH", 0) == 1) {
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    std::abort();
  }

  if (standin::envNumber("ZANTOR_NO_WORK", 0) == 1) return standin::envNumber("ZANTOR_EXIT_CODE", 0);

  std::string deck;
  std::string switches;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    if (isSwitch(arg, 'H') || isSwitch(arg, 'N')) {
      switches += switches.empty() ? "" : " ";
      switches += arg;
    } else if (deck.empty()) {
      deck = arg;
    } else {
      std::cerr << "Zantor: extra argument ignored: " << arg << '\n';
    }
  }
  if (deck.empty()) {
    std::cerr << "usage: Zantor <deck> [/H] [/N]\n";
    return standin::envNumber("ZANTOR_EXIT_CODE", 2);
  }

  std::ifstream in(deck, std::ios::binary);
  std::ofstream log(changeExtension(deck, ".LOG"), std::ios::binary | std::ios::trunc);
  log << "Zantor stand-in run of " << deck << "\r\n";
  log << "Switches: " << (switches.empty() ? "none" : switches) << "\r\n";
  if (!in) {
    log << "Cannot read the deck.\r\n";
    return standin::envNumber("ZANTOR_EXIT_CODE", 1);
  }
  const std::vector<std::string> lines = zantor::ReadLines(in);

  std::ofstream listing(changeExtension(deck, ".LST"), std::ios::binary | std::ios::trunc);
  listing << "ZANTOR LISTING OF " << deck << "\r\n\r\n";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string number = std::to_string(i + 1);
    listing << std::string(number.size() < 5 ? 5 - number.size() : 0, ' ') << number << "  " << lines[i]
            << "\r\n";
  }
  log << lines.size() << " deck lines read.\r\n";

  const zantor::DeckConstants constants = zantor::ReadConstants(withIncludes(deck, lines, log));
  const std::vector<zantor::Hour> hours = zantor::SimulateYear(constants);
  writePlot(changeFirstExtension(deck, ".PLT"), hours);
  writeResults(resultsName(deck), deck, zantor::ResultNumbers(hours, constants));
  const std::vector<std::string> warnings = zantor::Warnings(hours);
  writeWarnings(warnings);
  log << constants.names.size() << " constants, " << hours.size() << " hours simulated, " << warnings.size()
      << " warnings.\r\n";
  log << "Run complete.\r\n";
  return standin::envNumber("ZANTOR_EXIT_CODE", 0);
}
