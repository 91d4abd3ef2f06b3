#pragma once

#include <QString>
#include <QUrl>

namespace pm {

// The address the Help menu's Website item opens: the main page of the
// program's own help.
QUrl WebsiteAddress(const QString& programFolder);

// Hands an address to the desktop's browser; a failure is not reported.
// TODO(lead): route through the open action (platform/openaction.h) once it
// lands; this is the only caller-facing function to switch.
void OpenURLInBrowser(const QUrl& address);

}  // namespace pm
