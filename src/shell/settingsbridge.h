#pragma once

// The main window's only ways into the settings record and the Setup dialog.
// TODO(lead): the settings record (common/settings.h) is being written in
// parallel. When it lands, make these call ReadDFT, DefaultSettings().
// UnitSystem and the Setup dialog, and delete the stand-ins in the .cpp.

#include <QString>

class QWidget;

namespace pm {

// Reads "Mivaro.DFT" from the program folder. A missing file shows "Please
// copy the Mivaro.DFT file into the <folder> directory." and returns false:
// the program must then end. Afterwards the unit system is 2 (inch-pound).
bool ReadStartupSettings(const QString& programFolder);

// The unit system of the settings record: 1 SI, 2 inch-pound.
int UnitSystemSetting();
void StoreUnitSystemSetting(int system);

// Shows the Setup dialog modally; true when it closed with OK.
bool ShowSetupDialog(QWidget* parent);

}  // namespace pm
