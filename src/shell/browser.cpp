#include "shell/browser.h"

#include "platform/openaction.h"

#include <QDir>

namespace pm {

QUrl WebsiteAddress(const QString& programFolder) {
  return QUrl::fromLocalFile(QDir(programFolder).filePath(QStringLiteral("help/index.html")));
}

void OpenURLInBrowser(const QUrl& address) { openAction().open(address); }

}  // namespace pm
