#pragma once
// What the stand-ins for the outside programs share: numbers from the
// environment and the trace file the tests read.
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

namespace standin {

// The whole value of the variable as an integer, else the fallback.
inline int envNumber(const char* name, int fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr) return fallback;
  int value = fallback;
  const std::string_view view(text);
  const auto [end, ec] = std::from_chars(view.data(), view.data() + view.size(), value);
  return ec == std::errc() && end == view.data() + view.size() ? value : fallback;
}

// When the variable names a file, appends first, "cwd <folder>" and one
// "arg <text>" line per argument to it.
inline void writeTrace(const char* variable, std::string_view first, int argc, char** argv) {
  const char* file = std::getenv(variable);
  if (file == nullptr || *file == '\0') return;
  std::ofstream out(file, std::ios::binary | std::ios::app);
  out << first << '\n';
  std::vector<char> cwd(4096);
  out << "cwd " << (::getcwd(cwd.data(), cwd.size()) ? cwd.data() : "") << '\n';
  for (int i = 1; i < argc; ++i) out << "arg " << argv[i] << '\n';
}

}  // namespace standin
