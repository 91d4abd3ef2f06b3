#include "optdriver/listinput.h"

#include <charconv>
#include <climits>
#include <string_view>

namespace pm::optavin {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool endsBare(char c) { return isBlank(c) || c == ',' || c == '/'; }

}  // namespace

bool ParseInteger(const std::string& text, int* value) {
  std::string_view s(text);
  const bool plus = !s.empty() && s.front() == '+';
  if (plus) s.remove_prefix(1);
  if (s.empty() || s.front() == '+' || (plus && s.front() == '-')) return false;
  int v = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size()) return false;
  *value = v;
  return true;
}

bool ParseFortranReal(const std::string& text, double* value) {
  // Rewrite into the form from_chars reads: [-]digits[.digits][e[-]digits].
  std::string plain;
  std::size_t i = 0;
  const std::size_t n = text.size();
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') plain += '-';
    ++i;
  }
  std::size_t digits = 0;
  // The power of ten of the first digit that is not zero, before the
  // exponent: it tells an underflow from an overflow.
  bool nonZero = false;
  long wholeDigits = 0;
  while (i < n && isDigit(text[i])) {
    if (text[i] != '0') nonZero = true;
    if (nonZero) ++wholeDigits;
    plain += text[i++];
    ++digits;
  }
  long lead = wholeDigits - 1;
  if (i < n && text[i] == '.') {
    plain += text[i++];
    long fraction = 0;
    while (i < n && isDigit(text[i])) {
      --fraction;
      if (!nonZero && text[i] != '0') {
        nonZero = true;
        lead = fraction;
      }
      plain += text[i++];
      ++digits;
    }
  }
  if (digits == 0) return false;
  long exponent = 0;
  bool negativeExponent = false;
  if (i < n) {
    const char c = text[i];
    const bool letter = c == 'e' || c == 'E' || c == 'd' || c == 'D' || c == 'q' || c == 'Q';
    if (!letter && c != '+' && c != '-') return false;
    if (letter) ++i;
    plain += 'e';
    if (i < n && (text[i] == '+' || text[i] == '-')) {
      negativeExponent = text[i] == '-';
      if (negativeExponent) plain += '-';
      ++i;
    } else if (!letter) {
      return false;
    }
    std::size_t expDigits = 0;
    while (i < n && isDigit(text[i])) {
      if (exponent < 100000) exponent = exponent * 10 + (text[i] - '0');
      plain += text[i++];
      ++expDigits;
    }
    if (expDigits == 0 || i != n) return false;
  }
  double v = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), v);
  if (end != plain.data() + plain.size()) return false;
  if (ec == std::errc::result_out_of_range) {
    // Too small for a double reads as zero, as a Fortran run-time reads it;
    // too large stays refused, so no infinity reaches a deck.
    if (lead + (negativeExponent ? -exponent : exponent) >= 0) return false;
    v = plain.front() == '-' ? -0.0 : 0.0;
  } else if (ec != std::errc()) {
    return false;
  }
  *value = v;
  return true;
}

ListReader::ListReader(const std::vector<std::string>& records, std::size_t first)
    : records_(records), record_(first) {}

void ListReader::BeginRead() {
  pos_ = 0;
  separated_ = true;
  slashed_ = false;
  repeatLeft_ = 0;
}

void ListReader::EndRead() {
  if (record_ < records_.size()) ++record_;
  pos_ = 0;
}

bool ListReader::readQuoted(std::string* text) {
  const char quote = records_[record_][pos_++];
  for (;;) {
    if (record_ >= records_.size()) return false;
    const std::string& s = records_[record_];
    if (pos_ >= s.size()) {
      // A quoted text goes on in the next record; the record end is no part of it.
      ++record_;
      pos_ = 0;
      continue;
    }
    const char c = s[pos_++];
    if (c != quote) {
      *text += c;
    } else if (pos_ < s.size() && s[pos_] == quote) {
      *text += quote;
      ++pos_;
    } else {
      return true;
    }
  }
}

std::string ListReader::readBare() {
  const std::string& s = records_[record_];
  const std::size_t begin = pos_;
  while (pos_ < s.size() && !endsBare(s[pos_])) ++pos_;
  return s.substr(begin, pos_ - begin);
}

ListReader::Token ListReader::next() {
  if (slashed_) return Token{Token::Slash, {}, false};
  if (repeatLeft_ > 0) {
    --repeatLeft_;
    return repeated_;
  }
  for (;;) {
    if (record_ >= records_.size()) return Token{};
    const std::string& s = records_[record_];
    if (pos_ >= s.size()) {
      ++record_;
      pos_ = 0;
      continue;
    }
    const char c = s[pos_];
    if (isBlank(c)) {
      ++pos_;
    } else if (c == ',') {
      ++pos_;
      if (separated_) return Token{Token::Null, {}, false};
      separated_ = true;
    } else if (c == '/') {
      ++pos_;
      slashed_ = true;
      return Token{Token::Slash, {}, false};
    } else {
      break;
    }
  }
  const std::string& s = records_[record_];
  // A repeat count: digits and "*" in front of a value or of nothing.
  std::size_t k = pos_;
  while (k < s.size() && isDigit(s[k])) ++k;
  long repeat = 1;
  bool starred = false;
  if (k > pos_ && k < s.size() && s[k] == '*') {
    starred = true;
    repeat = 0;
    for (std::size_t d = pos_; d < k && repeat < INT_MAX; ++d) repeat = repeat * 10 + (s[d] - '0');
    pos_ = k + 1;
  }
  Token token;
  if (starred && (pos_ >= s.size() || endsBare(s[pos_]))) {
    token.kind = Token::Null;
  } else if (s[pos_] == '\'' || s[pos_] == '"') {
    const char quote = s[pos_];
    token.kind = Token::Value;
    token.quoted = true;
    if (!readQuoted(&token.text)) return Token{};
    const std::string& rest = records_[record_];
    if (pos_ < rest.size() && !endsBare(rest[pos_])) {
      // Text running on after the closing quote belongs to no value.
      token.kind = Token::Bad;
      token.text = quote + token.text + quote + readBare();
    }
  } else {
    token.kind = Token::Value;
    token.text = readBare();
  }
  separated_ = false;
  if (repeat < 1) {
    // "0*" repeats nothing: no variable can take it.
    token.kind = Token::Bad;
    token.text = "0*" + token.text;
    return token;
  }
  repeatLeft_ = repeat - 1;
  repeated_ = token;
  return token;
}

// One item: the next token, whose value parse takes (false: it does not
// fit the variable).
template <typename Parse>
ListReader::Item ListReader::readItem(Parse parse) {
  const Token t = next();
  switch (t.kind) {
    case Token::Eof:
      return Item::EndOfFile;
    case Token::Null:
    case Token::Slash:
      return Item::Unchanged;
    case Token::Bad:
      badText_ = t.text;
      return Item::Bad;
    case Token::Value:
      break;
  }
  if (!parse(t)) {
    badText_ = t.text;
    return Item::Bad;
  }
  return Item::Read;
}

ListReader::Item ListReader::ReadText(std::string* value) {
  return readItem([value](const Token& t) {
    *value = t.text;
    return true;
  });
}

ListReader::Item ListReader::ReadInteger(int* value) {
  return readItem([value](const Token& t) { return !t.quoted && ParseInteger(t.text, value); });
}

ListReader::Item ListReader::ReadReal(double* value) {
  return readItem([value](const Token& t) { return !t.quoted && ParseFortranReal(t.text, value); });
}

}  // namespace pm::optavin
