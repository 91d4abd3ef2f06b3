#include "common/captions.h"

namespace pm {

QString ShownAsWritten(const QString& text) {
  QString shown = text;
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  return shown;
}

}  // namespace pm
