#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/cp1252.h"
#include "platform/textfile.h"
#include "tables/tabledeck.h"

// The per-run line work on any deck, names and values; no file is written.
// Input: a header, a NUL, then the deck. The header's first line is the
// deck's base name, its second the run number, and each further line a
// column: its name, a tab, its value's text.
namespace {

std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  if (start != text.size()) lines.push_back(text.substr(start));
  return lines;
}

// The line with the run number put in after the base name, before a ".",
// in a line that begins "ASS".
bool IsAssignWithRun(const std::string& in, const std::string& out, const std::string& base,
                     const std::string& run) {
  if (out.size() != in.size() + run.size() || !pm::AsciiUpper(in).starts_with("ASS")) return false;
  const std::string upperBase = pm::AsciiUpper(base);
  for (size_t at = base.size(); at + run.size() <= out.size(); ++at) {
    if (out.compare(at, run.size(), run) != 0) continue;
    if (out.substr(0, at) + out.substr(at + run.size()) != in) continue;
    if (at < base.size() + 4 || at >= in.size() || in[at] != '.') continue;
    if (pm::AsciiUpper(in.substr(at - base.size(), base.size())) == upperBase) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const size_t nul = input.find('\0');
  if (nul == std::string::npos) return 0;
  const std::vector<std::string> header = pm::SplitLines(QByteArray::fromStdString(input.substr(0, nul)));
  if (header.size() < 2) return 0;
  const std::string& base = header[0];
  const std::string run = header[1].empty() ? std::string("1") : header[1];
  std::vector<std::string> names;
  std::vector<std::string> values;
  for (size_t i = 2; i < header.size(); ++i) {
    const size_t tab = header[i].find('\t');
    names.push_back(header[i].substr(0, tab));
    long double value = 0;
    if (tab == std::string::npos || !pm::TextToNumber(header[i].substr(tab + 1), &value) ||
        pm::UndefinedRunValue(value))
      value = 0;
    values.push_back(pm::RunValueText(pm::TNumberFormat{2, 4}, value));
  }
  const std::vector<std::string> lines = pm::SplitLines(QByteArray::fromStdString(input.substr(nul + 1)));
  const pm::RunDeckLines work(lines, base, names);
  (void)work.UnmatchedColumn();
  std::string out;
  work.AppendDeck(run, values, &out);
  const std::vector<std::string> written = SplitCrLf(out);
  if (written.size() != lines.size()) __builtin_trap();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (written[i] == lines[i] || IsAssignWithRun(lines[i], written[i], base, run)) continue;
    bool replaced = false;
    for (size_t k = 0; k < names.size() && !replaced; ++k) {
      replaced = !work.Name(k).empty() && written[i] == work.Name(k) + "=" + values[k];
    }
    if (!replaced) __builtin_trap();
  }
  return 0;
}
