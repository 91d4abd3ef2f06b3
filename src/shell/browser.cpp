#include "shell/browser.h"

#include <QDesktopServices>
#include <QDir>

namespace pm {

QUrl WebsiteAddress(const QString& programFolder) {
  return QUrl::fromLocalFile(QDir(programFolder).filePath(QStringLiteral("help/index.html")));
}

void OpenURLInBrowser(const QUrl& address) { QDesktopServices::openUrl(address); }

}  // namespace pm
