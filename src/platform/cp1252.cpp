#include "platform/cp1252.h"

#include <array>

namespace pm {

namespace {

// 0x80..0x9F; 0 marks the five bytes Windows-1252 leaves undefined, which
// are kept as the control character of the same value so they round-trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

QString FromCp1252(std::string_view bytes) {
  QString out;
  out.reserve(static_cast<qsizetype>(bytes.size()));
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && b <= 0x9F)
      out.append(QChar(kHigh[b - 0x80]));
    else
      out.append(QChar(static_cast<char16_t>(b)));
  }
  return out;
}

std::string ToCp1252(const QString& text, bool* ok) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  bool good = true;
  for (const QChar ch : text) {
    const char16_t u = ch.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
      out.push_back(static_cast<char>(u));
      continue;
    }
    bool found = false;
    for (size_t i = 0; i < kHigh.size(); ++i) {
      if (kHigh[i] == u) {
        out.push_back(static_cast<char>(0x80 + i));
        found = true;
        break;
      }
    }
    if (!found) {
      out.push_back('?');
      good = false;
    }
  }
  if (ok) *ok = good;
  return out;
}

std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace pm
