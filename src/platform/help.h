#pragma once

#include <QHash>
#include <QString>

namespace pm {

// Shows one page of the program's own help. The real one is an in-program
// help window (platform/ui/helpviewer.h); tests install a fake.
class HelpService {
 public:
  virtual ~HelpService() = default;
  // The page is an existing file; returns false when it cannot be shown.
  virtual bool showPage(const QString& path) = 0;
  // Closes what showPage opened; harmless when nothing is open.
  virtual void closeViewer() {}
};

// The service in use; until one is installed, nothing is shown.
HelpService& help();
// Installs a service (not owned) and returns the previous one.
HelpService* setHelp(HelpService* service);

// Help lives in the folder "help" of the program folder: "index.html" is the
// main topic and "context.map" maps context ids to pages ("120=pumps.html").
// Binds the help commands to that folder; repeated calls are harmless.
void LoadHelpControl(const QString& programFolder);
// Closes the help window and unbinds; repeated calls are harmless.
void UnloadHelpControl();
// The bound help folder, or an empty string.
QString HelpFolder();

// "id=page" lines; blank lines, lines without "=" and ids that are not
// whole numbers are skipped. The first mapping of an id wins.
QHash<int, QString> ParseContextMap(const QByteArray& bytes);

// The main topic. False when there is no help to show (then nothing shows).
bool HtmlHelpTopic();
// The page of a context id. False when the id has no page.
bool HtmlHelpContext(int id);
// The page of id when 0 < id < upperBound and it has one, else the main
// topic. The callers differ in their bound (9999 for the Help menu).
void ShowContextHelp(int id, int upperBound);

}  // namespace pm
