#pragma once

#include <QString>

namespace pm {

// The name of a file that belongs to a deck (its table, plot data file,
// diagram, backup): the folder, the file name up to its first ".", and
// NewExt (".TBL"). A "." in a folder name never cuts; a file name without
// "." gets NewExt appended. Stored tables and plots are named this way, so
// every user of the rule goes through here.
QString ChangeExt(const QString& Name, const QString& NewExt);

// The name without the last extension of its file name (an output file of
// the engine, "***." in an ASSIGN line): "/d/plant.v2.pzd" gives
// "/d/plant.v2". "/" and "\" both end a folder.
QString WithoutLastExt(const QString& Name);

}  // namespace pm
