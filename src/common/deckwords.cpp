#include "common/deckwords.h"

#include <limits>

namespace pm {

namespace {

bool isSeparator(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::vector<std::string> Tokenize(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isSeparator(line[i])) ++i;
    const size_t start = i;
    while (i < line.size() && !isSeparator(line[i])) ++i;
    if (i > start) words.emplace_back(line.substr(start, i - start));
  }
  return words;
}

std::int32_t IntToken(std::string_view line, int n) {
  const std::vector<std::string> words = Tokenize(line);
  if (n < 1 || static_cast<size_t>(n) > words.size()) return 0;
  const std::string& w = words[static_cast<size_t>(n) - 1];
  size_t i = 0;
  bool negative = false;
  if (i < w.size() && (w[i] == '+' || w[i] == '-')) negative = w[i++] == '-';
  std::int64_t v = 0;
  constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
  for (; i < w.size() && w[i] >= '0' && w[i] <= '9'; ++i) {
    v = v * 10 + (w[i] - '0');
    if (v > kLimit) v = kLimit;
  }
  if (negative) v = -v;
  if (v > std::numeric_limits<std::int32_t>::max()) v = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(v);
}

QString FormatIntArgs(const QString& Format, const std::array<std::int32_t, 10>& Values) {
  QString out;
  size_t next = 0;
  for (qsizetype i = 0; i < Format.size(); ++i) {
    if (Format[i] == QLatin1Char('%') && i + 1 < Format.size() && Format[i + 1] == QLatin1Char('d') &&
        next < Values.size()) {
      out += QString::number(Values[next++]);
      ++i;
    } else {
      out += Format[i];
    }
  }
  return out;
}

}  // namespace pm
