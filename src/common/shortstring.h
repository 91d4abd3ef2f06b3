#pragma once

#include "common/binaryfields.h"
#include "common/settings.h"
#include "platform/cp1252.h"

#include <QString>

#include <algorithm>
#include <string>
#include <string_view>

namespace pm {

// A length-prefixed Windows-1252 string of a fixed capacity, kept as its
// whole field: the length byte, the characters and whatever bytes follow
// them, so a field read from a file goes back to it as read. A value that
// does not fit is refused, never cut.
template <int Capacity>
struct ShortString {
  static_assert(Capacity > 0 && Capacity <= 255);
  static constexpr int kCapacity = Capacity;
  static constexpr int kFieldSize = Capacity + 1;

  RawBytes<kFieldSize> Bytes{};

  // A length byte above the capacity (a damaged field) is not a value.
  bool Valid() const { return Bytes[0] <= Capacity; }
  std::string_view Text() const {
    const int length = std::min<int>(Bytes[0], Capacity);
    return {reinterpret_cast<const char*>(Bytes.data()) + 1, static_cast<size_t>(length)};
  }
  QString Shown() const { return FromCp1252(Text()); }

  // The bytes after the new text keep what they held.
  TextFit Set(std::string_view text) {
    if (text.size() > static_cast<size_t>(Capacity)) return TextFit::TooLong;
    Bytes[0] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), reinterpret_cast<char*>(Bytes.data()) + 1);
    return TextFit::Fits;
  }
  TextFit Set(const QString& text) {
    bool ok = true;
    const std::string bytes = ToCp1252(text, &ok);
    if (!ok) return TextFit::NotStorable;
    return Set(std::string_view(bytes));
  }

  friend bool operator==(const ShortString&, const ShortString&) = default;
};

}  // namespace pm
