#pragma once

#include <QString>
#include <QUrl>

namespace pm {

// The address the Help menu's Website item opens: the main page of the
// program's own help.
QUrl WebsiteAddress(const QString& programFolder);

// Hands an address to the desktop's browser through the open action; a
// failure is not reported.
void OpenURLInBrowser(const QUrl& address);

}  // namespace pm
