#pragma once

#include "platform/cp1252.h"

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace pm {

// A fixed array indexed 1..N, as the settings name their entries (link 1 is
// AppLinkPaths[1]). An index outside 1..N is a programming error and stops
// the program instead of touching memory it does not own.
template <typename T, int N>
class Array1 {
 public:
  static constexpr int size() { return N; }
  T& operator[](int k) {
    check(k);
    return items_[static_cast<size_t>(k - 1)];
  }
  const T& operator[](int k) const {
    check(k);
    return items_[static_cast<size_t>(k - 1)];
  }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  friend bool operator==(const Array1&, const Array1&) = default;

 private:
  static void check(int k);
  std::array<T, N> items_{};
};

void FailSettingsIndex(int k, int n);

template <typename T, int N>
void Array1<T, N>::check(int k) {
  if (k < 1 || k > N) FailSettingsIndex(k, N);
}

// Raw bytes of the areas that nothing reads; they go back to the file as read.
template <int N>
using RawBytes = std::array<std::uint8_t, N>;

class Writer {
 public:
  explicit Writer(QByteArray* bytes) : bytes_(bytes) {}
  void int32(int at, std::int32_t v) { qToLittleEndian<std::int32_t>(v, ptr(at)); }
  void uint32(int at, std::uint32_t v) { qToLittleEndian<std::uint32_t>(v, ptr(at)); }
  void int16(int at, std::int16_t v) { qToLittleEndian<std::int16_t>(v, ptr(at)); }
  void byte(int at, std::uint8_t v) { *ptr(at) = static_cast<char>(v); }
  template <size_t N>
  void raw(int at, const std::array<std::uint8_t, N>& v) {
    std::copy(v.begin(), v.end(), reinterpret_cast<std::uint8_t*>(ptr(at)));
  }
  // The caller has checked that the text fits; the bytes after it stay zero.
  void string(int at, const QString& text) {
    const std::string b = ToCp1252(text);
    byte(at, static_cast<std::uint8_t>(b.size()));
    std::copy(b.begin(), b.end(), ptr(at + 1));
  }

 private:
  char* ptr(int at) { return bytes_->data() + at; }
  QByteArray* bytes_;
};

// Reads a field only when all of its bytes are present.
class Reader {
 public:
  static constexpr int kStringSize = 256;  // length byte and 255 bytes
  explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
  bool has(qint64 at, qint64 length) const { return at >= 0 && at + length <= bytes_.size(); }
  template <typename T>
  void integer(qint64 at, T* v) const {
    if (has(at, sizeof(T))) *v = qFromLittleEndian<T>(ptr(at));
  }
  template <size_t N>
  void raw(qint64 at, std::array<std::uint8_t, N>* v) const {
    if (!has(at, N)) return;
    const auto* p = reinterpret_cast<const std::uint8_t*>(ptr(at));
    std::copy(p, p + N, v->begin());
  }
  void string(qint64 at, QString* text) const {
    if (!has(at, kStringSize)) return;
    const auto length = static_cast<unsigned char>(*ptr(at));
    *text = FromCp1252(std::string_view(ptr(at + 1), length));
  }

 private:
  const char* ptr(qint64 at) const { return bytes_.constData() + at; }
  const QByteArray& bytes_;
};

}  // namespace pm
