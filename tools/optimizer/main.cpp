// Optimizer stand-in: evaluates a few points of the optimization variables
// with the engine and leaves what the optimization driver reads in the
// current folder.
//
//   Optimizer <configuration code> <run deck> [NAME=start ...]
//
// The run deck is the one the shell wrote ("\" is taken as "/"); the engine
// is "Zantor" in the run deck's folder. Each evaluation writes "optVars.dck"
// (the code in line 2, the variables as an EQUATIONS block) and runs the
// engine on the run deck with "/h". The made-up objective has its minimum at
// 1.2 times each start value plus 1. "OutputListingMain.txt" gets one line
// per evaluation, "iteration evaluations flag objective values...", and then
// the best one again, ending in "Minimum". "optVars.dck" is left with the
// last evaluated point, which is not the best.
//
// Environment, for tests:
//   OPTIMIZER_TRACE=<file>     first append "optimizer", "cwd <folder>" and one
//                              "arg <text>" line per argument to the file
//   OPTIMIZER_EXIT_CODE=<n>    exit with this code after the work

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "standin/standin.h"

extern char** environ;

namespace {

struct Variable {
  std::string name;
  double start = 0;
};

std::string number(double v) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
  return ec == std::errc() ? std::string(buffer, end) : std::string("0");
}

bool writeVariables(int code, const std::vector<Variable>& vars, const std::vector<double>& x) {
  std::ofstream out("optVars.dck", std::ios::binary | std::ios::trunc);
  const std::string stars(30, '*');
  out << stars << "\r\n* Device " << (code >= 0 && code < 10 ? " " : "") << code << "\r\n" << stars << "\r\n";
  out << "EQUATIONS " << vars.size() << "\r\n";
  for (std::size_t i = 0; i < vars.size(); ++i) out << vars[i].name << " = " << number(x[i]) << "\r\n";
  return static_cast<bool>(out);
}

int runEngine(const std::string& engine, const std::string& deck) {
  std::vector<std::string> args{engine, deck, "/h"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::cout.flush();
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
  if (rc != 0) return rc;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  standin::writeTrace("OPTIMIZER_TRACE", "optimizer", argc, argv);
  if (argc < 3) {
    std::cerr << "usage: Optimizer <configuration code> <run deck> [NAME=start ...]\n";
    return 2;
  }
  int code = 0;
  const std::string_view codeText(argv[1]);
  if (std::from_chars(codeText.data(), codeText.data() + codeText.size(), code).ec != std::errc()) {
    std::cerr << "Optimizer: the configuration code must be a whole number: " << codeText << '\n';
    return 2;
  }
  std::string deck = argv[2];
  for (char& c : deck)
    if (c == '\\') c = '/';
  const std::size_t slash = deck.rfind('/');
  const std::string engine =
      (slash == std::string::npos ? std::string(".") : deck.substr(0, slash)) + "/Zantor";
  if (!std::ifstream(deck)) {
    std::cerr << "Optimizer: cannot read the run deck " << deck << '\n';
    return 1;
  }

  std::vector<Variable> vars;
  for (int i = 3; i < argc; ++i) {
    const std::string_view arg(argv[i]);
    const std::size_t eq = arg.find('=');
    Variable v;
    v.name = std::string(arg.substr(0, eq));
    const std::string_view value = eq == std::string_view::npos ? std::string_view() : arg.substr(eq + 1);
    if (v.name.empty() ||
        std::from_chars(value.data(), value.data() + value.size(), v.start).ptr !=
            value.data() + value.size() ||
        value.empty()) {
      std::cerr << "Optimizer: a variable must be given as NAME=start: " << arg << '\n';
      return 2;
    }
    vars.push_back(v);
  }

  std::ofstream listing("OutputListingMain.txt", std::ios::binary | std::ios::trunc);
  listing << " Optimizer stand-in listing\r\n Run deck: " << deck << "  Configuration: " << code << "\r\n";
  listing << " Iter Evals Flag Objective";
  for (const Variable& v : vars) listing << ' ' << v.name;
  listing << "\r\n";

  // Fractions of the way from the start to the minimum, in the order tried.
  const double steps[] = {0.0, 1.0, 1.0 / 3.0, 2.0 / 3.0};
  std::vector<double> best;
  double bestObjective = 0;
  int bestEvaluation = 0;
  int evaluation = 0;
  for (const double step : steps) {
    ++evaluation;
    std::vector<double> x;
    double objective = 0;
    for (const Variable& v : vars) {
      const double target = v.start * 1.2 + 1.0;
      x.push_back(v.start + (target - v.start) * step);
      objective += (x.back() - target) * (x.back() - target);
    }
    if (!writeVariables(code, vars, x)) {
      std::cerr << "Optimizer: cannot write optVars.dck\n";
      return 1;
    }
    if (const int rc = runEngine(engine, deck); rc != 0) {
      std::cerr << "Optimizer: cannot start the engine " << engine << '\n';
      return 1;
    }
    listing << "  " << evaluation << ' ' << evaluation << " 0 " << number(objective);
    for (const double value : x) listing << ' ' << number(value);
    listing << "\r\n";
    if (evaluation == 1 || objective < bestObjective) {
      best = x;
      bestObjective = objective;
      bestEvaluation = evaluation;
    }
  }
  listing << "  " << bestEvaluation << ' ' << evaluation << " 1 " << number(bestObjective);
  for (const double value : best) listing << ' ' << number(value);
  listing << "  Minimum\r\n";
  return standin::envNumber("OPTIMIZER_EXIT_CODE", 0);
}
