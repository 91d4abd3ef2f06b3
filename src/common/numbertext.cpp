// Number text of the program: formatting by significant digits and reading
// by one fixed syntax. Independent of the locale: the conversions are
// std::to_chars / std::from_chars, which always use ".".
#include "common/lib1.h"

#include "platform/cp1252.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace pm {

namespace {

constexpr int kMaxDigits = 17;
constexpr int kMaxSignificant = 18;
// Values this large do not fit the fixed field and go scientific.
constexpr long double kFixedLimit = 1e36L;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// "d.ddd" + "E" + sign + the exponent with at least minExponentDigits digits.
std::string Scientific(long double X, int precision, int minExponentDigits) {
  char buf[64];
  const auto r = std::to_chars(buf, buf + sizeof buf, X, std::chars_format::scientific, precision);
  const std::string text(buf, r.ptr);
  const size_t e = text.find('e');
  std::string out = text.substr(0, e);
  out += 'E';
  out += text[e + 1];  // to_chars always writes the exponent's sign
  std::string digits = text.substr(e + 2);
  while (digits.size() > 1 && digits.front() == '0') digits.erase(0, 1);
  if (digits.size() < static_cast<size_t>(minExponentDigits))
    digits.insert(0, static_cast<size_t>(minExponentDigits) - digits.size(), '0');
  return out + digits;
}

// An extended real carries about 19 significant decimal digits. Where the
// fixed text would show more than 18, it is rounded once to 18 and padded
// with zeros, so no binary noise appears in the low digits.
std::string Fixed(long double X, int decimals) {
  char buf[128];  // |X| < 1e36 with at most 17 decimals
  auto r = std::to_chars(buf, buf + sizeof buf, X, std::chars_format::scientific, kMaxSignificant - 1);
  const std::string sci(buf, r.ptr);
  const size_t e = sci.find('e');
  int exponent = 0;
  std::from_chars(sci.data() + e + (sci[e + 1] == '+' ? 2 : 1), sci.data() + sci.size(), exponent);
  if (exponent + 1 + decimals <= kMaxSignificant) {
    r = std::to_chars(buf, buf + sizeof buf, X, std::chars_format::fixed, decimals);
    return std::string(buf, r.ptr);
  }
  // Here exponent >= 1, as decimals <= 17: every digit lands in the text.
  std::string digits;
  for (size_t i = 0; i < e; ++i)
    if (IsDigit(sci[i])) digits += sci[i];
  const auto digitAt = [&digits](int i) { return i < static_cast<int>(digits.size()) ? digits[i] : '0'; };
  std::string out = std::signbit(X) ? "-" : "";
  for (int i = 0; i <= exponent; ++i) out += digitAt(i);
  if (decimals > 0) out += '.';
  for (int i = 1; i <= decimals; ++i) out += digitAt(exponent + i);
  return out;
}

// The number syntax split into its parts; nothing is converted yet.
struct NumberParts {
  bool negative = false;
  std::string_view intDigits;
  std::string_view fracDigits;
  bool expNegative = false;
  std::string_view expDigits;
};

// Returns 0 when the whole text follows the syntax, else the 1-based
// position of the first character that does not (one past the end when the
// text stops too early).
size_t ParseSyntax(std::string_view text, NumberParts* parts) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    parts->negative = text[i] == '-';
    ++i;
  }
  if (i == n) return i + 1;  // nothing after the blanks and the sign
  size_t start = i;
  while (i < n && IsDigit(text[i])) ++i;
  parts->intDigits = text.substr(start, i - start);
  if (i < n && text[i] == '.') {
    start = ++i;
    while (i < n && IsDigit(text[i])) ++i;
    parts->fracDigits = text.substr(start, i - start);
  }
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      parts->expNegative = text[i] == '-';
      ++i;
    }
    start = i;
    while (i < n && IsDigit(text[i])) ++i;
    if (i == start) return i + 1;
    parts->expDigits = text.substr(start, i - start);
  }
  return i == n ? 0 : i + 1;
}

// Converts parts that passed the syntax. Underflow reads as 0; overflow is
// no number.
bool ConvertParts(const NumberParts& p, long double* value) {
  std::string s;
  s.reserve(p.intDigits.size() + p.fracDigits.size() + p.expDigits.size() + 4);
  if (p.negative) s += '-';
  s += p.intDigits.empty() ? std::string_view("0") : p.intDigits;
  if (!p.fracDigits.empty()) {
    s += '.';
    s += p.fracDigits;
  }
  if (!p.expDigits.empty()) {
    s += 'e';
    if (p.expNegative) s += '-';
    s += p.expDigits;
  }
  long double v = 0;
  const auto r = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
  if (r.ec == std::errc() && r.ptr == s.data() + s.size()) {
    *value = v;
    return true;
  }
  if (r.ec != std::errc::result_out_of_range) return false;
  // Out of range either way: the sign of the decimal exponent tells which.
  // Every such number is more than 4000 decades away from 1, so a rough
  // estimate (saturated) is enough.
  long long exponent = 0;
  for (char c : p.expDigits) {
    exponent = exponent * 10 + (c - '0');
    if (exponent > 1'000'000'000LL) break;
  }
  if (p.expNegative) exponent = -exponent;
  const std::string digits = std::string(p.intDigits) + std::string(p.fracDigits);
  const size_t firstNonZero = digits.find_first_not_of('0');
  if (firstNonZero == std::string::npos) {
    *value = 0;
    return true;
  }
  const long long magnitude =
      exponent + static_cast<long long>(p.intDigits.size()) - 1 - static_cast<long long>(firstNonZero);
  if (magnitude < 0) {
    *value = 0;
    return true;
  }
  return false;
}

}  // namespace

TNumberFormat ChooseNumberFormat(int Sig, long double X) {
  TNumberFormat f;  // fixed, one decimal
  if (X == 0) return f;
  const long double a = std::fabs(X);
  const std::int16_t sigLess1 = CheckedTruncInt16(static_cast<long double>(Sig) - 1);
  if (a <= 1e-5L) {
    f.Fixed = 0;
    f.Digits = sigLess1;
    return f;
  }
  const std::int16_t D = CheckedTruncInt16(static_cast<long double>(Sig) - std::log(a) / 2.3025L);
  // At the end of int's range both powers of ten are 0 anyway.
  const int sigBelow = Sig > std::numeric_limits<int>::min() ? Sig - 1 : Sig;
  if (D >= 0 && D <= Sig) {
    f.Digits = D;
  } else if (a > RaiseToPower(Sig, 10)) {
    f.Digits = 0;
  } else if (a > RaiseToPower(sigBelow, 10)) {
    f.Digits = CheckedTruncInt16(static_cast<long double>(Sig));
  } else {
    f.Fixed = 0;
    f.Digits = sigLess1;
  }
  return f;
}

std::string FormatNumber(TNumberFormat F, long double X) {
  if (std::isnan(X)) return "nan";
  if (std::isinf(X) || std::fabs(X) == InfiniteValue) return std::signbit(X) ? "-inf" : "inf";
  if (X == 0) X = 0;  // an exact -0 prints without its sign
  const int digits = F.Digits < 0 ? 0 : (F.Digits > kMaxDigits ? kMaxDigits : F.Digits);
  if (F.Fixed == 1) {
    if (std::fabs(X) >= kFixedLimit) return Scientific(X, 12, 4);
    return Fixed(X, digits);
  }
  // Digits 0 rounds once to one significant digit ("2E+00" for 1.94 would
  // otherwise be the truncation of a rounding).
  return Scientific(X, digits, 2);
}

std::string FormatNumberOutward(TNumberFormat F, long double X, bool up) {
  std::string text = FormatNumber(F, X);
  // A text rounded the wrong way moves one unit of its last digit.
  for (int tries = 0; tries < 3; ++tries) {
    long double shown = 0;
    if (!TextToNumber(text, &shown) || !std::isfinite(X)) return text;
    if (up ? shown >= X : shown <= X) return text;
    const size_t e = text.find_first_of("eE");
    const std::string mantissa = text.substr(0, e);
    const size_t dot = mantissa.find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(mantissa.size() - dot - 1);
    long double exponent = 0;
    if (e != std::string::npos && !TextToNumber(text.substr(e + 1), &exponent)) return text;
    const long double step = RaiseToPower(static_cast<int>(exponent) - decimals, 10);
    text = FormatNumber(F, up ? shown + step : shown - step);
  }
  return text;
}

long double RaiseToPower(int N, long double X) {
  long double r = 1;
  const bool divide = N < 0;
  long long count = divide ? -static_cast<long long>(N) : N;
  while (count > 0) {
    r = divide ? r / X : r * X;
    --count;
    // Once 0, infinite or NaN, further steps change at most the sign.
    if (r == 0 || !std::isfinite(r)) {
      if (std::signbit(X) && count % 2 == 1) r = -r;
      break;
    }
  }
  return r;
}

// Callers pass X > 0; for X <= 0 the result is -inf or NaN, which the
// checked conversions below turn into defined integers.
long double DecimalLog(long double X) { return std::log(X) / 2.3025851L; }

bool TextToNumber(std::string_view text, long double* value) {
  NumberParts parts;
  if (ParseSyntax(text, &parts) != 0) return false;
  long double v = 0;
  if (!ConvertParts(parts, &v)) return false;
  if (value) *value = v;
  return true;
}

bool TextToDouble(std::string_view text, double* value) {
  NumberParts parts;
  if (ParseSyntax(text, &parts) != 0) return false;
  // The mantissa's digits begin after the blanks and the sign; with none
  // the value is 0 whatever the exponent.
  if (parts.intDigits.empty() && parts.fracDigits.empty()) {
    if (value) *value = parts.negative ? -0.0 : 0.0;
    return true;
  }
  const char* begin = parts.intDigits.empty() ? parts.fracDigits.data() - 1 : parts.intDigits.data();
  const char* end = text.data() + text.size();
  double v = 0;
  const auto r = std::from_chars(begin, end, v, std::chars_format::general);
  if (r.ec == std::errc() && r.ptr == end) {
    if (value) *value = parts.negative ? -v : v;
    return true;
  }
  // Out of the range of double: too small reads as 0, too large is no
  // number; the extended reading tells which.
  long double wide = 0;
  if (!ConvertParts(parts, &wide)) return false;
  if (std::fabs(wide) > std::numeric_limits<double>::max()) return false;
  if (value) *value = static_cast<double>(wide);
  return true;
}

long double TextToNumberDot(std::string_view text, int* errorPos) {
  std::string s(text);
  if (!s.empty() && s.back() == '.') s += '0';
  NumberParts parts;
  size_t pos = ParseSyntax(s, &parts);
  long double v = 0;
  if (pos == 0 && !ConvertParts(parts, &v)) pos = 1;  // overflow: the number as a whole
  if (pos != 0) v = 0;
  if (errorPos) *errorPos = pos > static_cast<size_t>(std::numeric_limits<int>::max())
                                ? std::numeric_limits<int>::max()
                                : static_cast<int>(pos);
  return v;
}

long double TextToValue(std::string_view text, bool* ok) {
  const std::string upper = AsciiUpper(text);
  long double v = 0;
  bool good = true;
  if (upper == "INF") {
    v = InfiniteValue;
  } else if (upper == "-INF") {
    v = -InfiniteValue;
  } else {
    good = TextToNumber(upper, &v);
    if (!good) v = 0;
  }
  if (ok) *ok = good;
  return v;
}

bool NumberInRange(int kind, long double V, long double Low, long double High) {
  switch (kind) {
    case 1:
      return V > Low;
    case 2:
      return V >= Low;
    case 3:
    case 6:
      return Low <= V && V <= High;
    case 4:
      return V <= High;
    case 5:
      return Low < V && V < High;
    case 65:
      return Low <= V && V < High;
    default:
      return kind >= 0;
  }
}

std::int64_t CheckedTrunc(long double X) {
  constexpr long double kTop = 9223372036854775808.0L;  // 2^63
  if (std::isnan(X)) return 0;
  if (X >= kTop) return std::numeric_limits<std::int64_t>::max();
  if (X < -kTop) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(X);
}

// Halves go to the even neighbour, as the x87 rounds by default. rint gives
// the same as nearbyint in that mode without saving the floating-point
// environment, which made a plot's point mapping several times slower.
std::int64_t CheckedRound(long double X) {
  if (std::isnan(X)) return 0;
  return CheckedTrunc(std::rint(X));
}

std::int16_t CheckedTruncInt16(long double X) {
  const std::int64_t t = CheckedTrunc(X);
  if (t > std::numeric_limits<std::int16_t>::max()) return std::numeric_limits<std::int16_t>::max();
  if (t < std::numeric_limits<std::int16_t>::min()) return std::numeric_limits<std::int16_t>::min();
  return static_cast<std::int16_t>(t);
}

bool ReadInteger(std::string_view text, int* value) {
  std::string t(text);
  TrimInPlace(t);
  if (t.empty()) return false;
  const char* first = t.data();
  const char* last = t.data() + t.size();
  if (*first == '+') {
    ++first;
    if (first == last || *first == '-') return false;
  }
  int v = 0;
  const auto [end, ec] = std::from_chars(first, last, v);
  if (ec != std::errc() || end != last) return false;
  *value = v;
  return true;
}

QString NotIntegerMessage(const QString& text) {
  return QStringLiteral("'") + text + QStringLiteral("' is not a valid integer value");
}

}  // namespace pm
