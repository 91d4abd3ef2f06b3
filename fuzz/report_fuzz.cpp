#include "fuzzsupport.h"
#include "shell/resultsreport.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// A results file and a template of any bytes: the numbers are read and the
// placeholders filled without a crash or a hang, and no "%%" is left.
// The input is the results file up to the first NUL, then the template.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t split = input.find('\0');
  const std::string results = input.substr(0, split);
  std::string text = split == std::string::npos ? std::string() : input.substr(split + 1);
  const QString path = pm::fuzz::ScratchFolder() + QStringLiteral("/RUN-RESULTS.TXT");
  if (!pm::fuzz::WriteInput(path, reinterpret_cast<const uint8_t*>(results.data()), results.size())) return 0;
  std::array<long double, 100> values{};
  pm::ReportFill fill;
  if (pm::ReadResultsValues(path, &values)) fill.Slots = pm::FillSlots(values, size % 2 == 0);
  fill.Warnings = {results};
  fill.Optimization = size % 3 == 0;
  pm::FillReportPlaceholders(text, fill);
  if (text.find("%%") != std::string::npos) __builtin_trap();
  return 0;
}
