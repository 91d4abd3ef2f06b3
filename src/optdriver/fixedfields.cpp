#include "optdriver/fixedfields.h"

#include <charconv>

#include "optdriver/listinput.h"

namespace pm::optavin {

namespace {

std::string padLeft(std::string text, int width) {
  if (static_cast<int>(text.size()) < width)
    text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
  return text;
}

}  // namespace

bool ReadIntegerField(const std::string& record, int column, int width, int* value) {
  std::string digits;
  for (int c = column; c < column + width; ++c) {
    const std::size_t i = static_cast<std::size_t>(c - 1);
    if (i >= record.size()) break;
    if (record[i] != ' ') digits += record[i];
  }
  if (digits.empty()) {
    *value = 0;
    return true;
  }
  return ParseInteger(digits, value);
}

bool ReadIntegerFrom(const std::string& record, int column, int* value) {
  std::size_t i = static_cast<std::size_t>(column - 1);
  while (i < record.size() && (record[i] == ' ' || record[i] == '\t')) ++i;
  std::size_t end = i;
  while (end < record.size() && record[end] != ' ' && record[end] != '\t') ++end;
  if (i >= record.size()) {
    *value = 0;
    return true;
  }
  return ParseInteger(record.substr(i, end - i), value);
}

std::string FormatFixed(double value, int width, int decimals) {
  // Wide enough for the largest double in fixed notation.
  char buffer[400];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return padLeft("NaN", width);
  return padLeft(std::string(buffer, end), width);
}

std::string FormatInteger(long value, int width) { return padLeft(std::to_string(value), width); }

}  // namespace pm::optavin
