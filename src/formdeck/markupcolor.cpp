#include "formdeck/markupcolor.h"

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/markuptext.h"
#include "platform/cp1252.h"

namespace pm {

bool ParseColor(std::string_view text, ColorValue* colour, int deckLineNumber) {
  const std::string upper = AsciiUpper(Trimmed(text));
  switch (ParseColorText(upper, colour)) {
    case RgbResult::Ok:
      return true;
    case RgbResult::NotRgb:
      return false;
    case RgbResult::Malformed:
      G().ParseErrorState = 100;
      ShowMessageKind(QStringLiteral("Syntax error in line ") + QString::number(deckLineNumber) +
                          QStringLiteral(": ") + FromCp1252(upper),
                      1, true);
      return true;
  }
  return false;
}

}  // namespace pm
