#include "shell/printlist.h"

#include "common/globals.h"

namespace pm {

QString PrintItemText(const QString& caption) {
  if (caption.contains(QLatin1String("Plot "))) {
    const qsizetype colon = caption.indexOf(QLatin1Char(':'));
    return colon >= 0 ? caption.left(colon) : caption;
  }
  // Searched from the next-to-last character, so a trailing separator
  // does not empty the text.
  const qsizetype from = caption.size() - 2;
  if (from < 0) return caption;
  const qsizetype cut = std::max(caption.lastIndexOf(QLatin1Char('/'), from),
                                 caption.lastIndexOf(QLatin1Char('\\'), from));
  return cut >= 0 ? caption.mid(cut + 1) : caption;
}

bool KindPrints(int kind) {
  switch (kind) {
    case KindResultsReport:
    case KindTextEditor:
    case KindFormPages:
    case KindFormSource:
    case KindListing:
    case KindLog:
    case KindOutputViewer:
    case KindOtherText:
    case KindDiagram:
    case KindTable:
    case KindPlot:
      return true;
    default:
      return false;
  }
}

}  // namespace pm
