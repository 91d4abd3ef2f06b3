#include "shell/rundeck.h"

#include "platform/textfile.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A deck of any content: its run-deck name and the three copies. Only the
// line work: a fuzzed "**FILE" name must never become a file written here.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const std::vector<std::string> lines = pm::SplitLines(bytes);
  (void)pm::RunDeckName(lines);
  const std::vector<std::string> single = pm::RunDeckLines(lines, "*#2", "*#3");
  const std::vector<std::string> optimization = pm::RunDeckLines(lines, "*#1", "*#2");
  const std::vector<std::string> loads = pm::BuildingLoadsLines(lines);
  if (single.size() != lines.size() || optimization.size() != lines.size() || loads.size() != lines.size())
    __builtin_trap();
  (void)pm::JoinLinesCrLf(single);
  return 0;
}
