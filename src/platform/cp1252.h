#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace pm {

// Deck text is Windows-1252 bytes; the model keeps bytes and decodes only
// for display.
QString FromCp1252(std::string_view bytes);

// Encodes back with the same table. Characters that have no Windows-1252
// byte make ok false and come out as "?".
std::string ToCp1252(const QString& text, bool* ok = nullptr);

// ASCII-only upper case: bytes of 0x80 and above stay as they are.
std::string AsciiUpper(std::string_view text);

}  // namespace pm
