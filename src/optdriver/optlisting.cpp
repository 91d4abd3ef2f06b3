#include "optdriver/optlisting.h"

#include "optdriver/listinput.h"

namespace pm::optavin {

namespace {

constexpr std::size_t kSearchedLines = 1000;
constexpr std::size_t kSearchedColumns = 200;

std::string at(std::size_t line) {
  return std::string(kListingFile) + ", line " + std::to_string(line) + ": ";
}

}  // namespace

std::size_t FindMinimumLine(const std::vector<std::string>& lines) {
  const std::size_t count = lines.size() < kSearchedLines ? lines.size() : kSearchedLines;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t found = lines[i].substr(0, kSearchedColumns).find("Minimum");
    if (found != std::string::npos && found >= 1) return i;
  }
  return std::string::npos;
}

std::string ReadMinimumValues(const std::vector<std::string>& lines, std::size_t index,
                              std::vector<double>* values) {
  std::vector<double> read = *values;
  ListReader reader(lines, index);
  reader.BeginRead();
  const std::size_t items = 4 + read.size();
  for (std::size_t k = 0; k < items; ++k) {
    int whole = 0;
    double real = 0;
    ListReader::Item item;
    std::string expected;
    if (k < 3) {
      item = reader.ReadInteger(&whole);
      expected = "a whole number as item " + std::to_string(k + 1);
    } else if (k == 3) {
      item = reader.ReadReal(&real);
      expected = "a number as item 4";
    } else {
      item = reader.ReadReal(&read[k - 4]);
      expected = "a number for variable " + std::to_string(k - 3) + " of " + std::to_string(read.size());
    }
    if (item == ListReader::Item::EndOfFile)
      return at(reader.RecordNumber()) + "the file ends before the " + std::to_string(read.size()) +
             " values of the line with \"Minimum\" were read";
    if (item == ListReader::Item::Bad)
      return at(reader.RecordNumber()) + expected + " was expected, not \"" + reader.BadText() + "\"";
  }
  *values = std::move(read);
  return {};
}

}  // namespace pm::optavin
