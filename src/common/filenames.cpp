#include "common/filenames.h"

#include <algorithm>

namespace pm {

QString ChangeExt(const QString& Name, const QString& NewExt) {
  // Names from decks may use "\" and a drive letter, names of this system "/".
  qsizetype start = 0;
  for (qsizetype i = Name.size() - 1; i >= 0; --i) {
    const QChar c = Name.at(i);
    if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':')) {
      start = i + 1;
      break;
    }
  }
  const qsizetype dot = Name.indexOf(QLatin1Char('.'), start);
  return (dot < 0 ? Name : Name.left(dot)) + NewExt;
}

QString WithoutLastExt(const QString& Name) {
  const qsizetype slash = std::max(Name.lastIndexOf(QLatin1Char('/')), Name.lastIndexOf(QLatin1Char('\\')));
  const qsizetype dot = Name.lastIndexOf(QLatin1Char('.'));
  return dot > slash ? Name.left(dot) : Name;
}

}  // namespace pm
