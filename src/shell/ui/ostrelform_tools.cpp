// The launchers of the outside tools: each starts its program in its own
// folder without waiting, asking for the folder when it is not there.
#include "shell/ui/ostrelform.h"

#include <QDir>
#include <QFileInfo>

#include "common/lib1.h"
#include "common/settings.h"
#include "platform/pathresolver.h"
#include "shell/enginefolder.h"
#include "shell/runprogram.h"
#include "shell/toollaunch.h"

namespace pm {

namespace {

// False when the tool could not be started (its message was shown) or the
// user cancelled the folder dialog.
bool LaunchTool(TOSTRELFORM& main, const OutsideTool& tool) {
  const QString saved = QDir::currentPath();
  QString& folder = DefaultSettings().ToolPaths[tool.PathIndex];
  if (!QFileInfo(ResolveUnquoted(folder)).isDir()) {
    const QString picked =
        PickSettingsFolder(&main, QStringLiteral("Folder of ") + QLatin1String(tool.Name), saved);
    if (picked.isEmpty()) return false;
    // Kept for this session; the settings file changes only through Setup.
    folder = picked;
  }
  // Absolute before the folder becomes current, so a relative entry still
  // names the program.
  const QString place = QFileInfo(ResolveUnquoted(folder)).absoluteFilePath();
  QDir::setCurrent(place);
  const StartResult start = StartProgramNoWait(ToolCommandLine(place, QLatin1String(tool.Executable)));
  QDir::setCurrent(saved);
  if (start.started) return true;
  ShowMessageKind(QStringLiteral("Error ") + QString::number(start.error) + QLatin1String(tool.ErrorText), 0,
                  true);
  return false;
}

}  // namespace

void TOSTRELFORM::Savrel1Click() {
  LaunchTool(*this, Tool(1));
  UpdateMenu();
}

void TOSTRELFORM::Tembril1Click() {
  LaunchTool(*this, Tool(2));
  UpdateMenu();
}

void TOSTRELFORM::Lomira1Click() {
  LaunchTool(*this, Tool(3));
  UpdateMenu();
}

void TOSTRELFORM::Dolvane1Click() {
  if (!LaunchTool(*this, Tool(4))) UpdateMenu();
}

void TOSTRELFORM::DEBUG1Click() {
  LaunchTool(*this, Tool(5));
  UpdateMenu();
}

}  // namespace pm
