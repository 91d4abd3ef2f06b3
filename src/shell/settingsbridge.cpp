#include "shell/settingsbridge.h"

#include "common/lib1.h"

#include <QDir>

namespace pm {

namespace {
// Stand-in for DefaultSettings().UnitSystem until the settings record lands.
int g_unitSystem = 2;
}  // namespace

bool ReadStartupSettings(const QString& programFolder) {
  // Stand-in for ReadDFT: only the existence test and its message.
  const QString name = QDir(programFolder).filePath(QStringLiteral("Mivaro.DFT"));
  if (!FileExistsUnquoted(name)) {
    ShowMessageKind(QStringLiteral("Please copy the Mivaro.DFT file into the ") + programFolder +
                        QStringLiteral(" directory."),
                    0, true);
    return false;
  }
  g_unitSystem = 2;
  return true;
}

int UnitSystemSetting() { return g_unitSystem; }

void StoreUnitSystemSetting(int system) { g_unitSystem = system; }

bool ShowSetupDialog(QWidget*) {
  // Stand-in: the Setup dialog is not wired in yet.
  return false;
}

}  // namespace pm
