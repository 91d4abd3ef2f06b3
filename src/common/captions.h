#pragma once

#include <QString>

namespace pm {

// Qt reads "&" in a caption as a mnemonic mark. A caption that shows a name
// or a text from a deck as written has every "&" doubled.
QString ShownAsWritten(const QString& text);

}  // namespace pm
