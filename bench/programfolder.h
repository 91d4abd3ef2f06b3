#pragma once

// A program folder for a benchmark of the main window: a blank settings
// file there, and the globals pointing at it as after a start from it.
#include <QByteArray>
#include <QFile>
#include <QString>

#include "common/globals.h"
#include "common/settings.h"

namespace pm {

inline bool MakeProgramFolder(const QString& folder) {
  QFile dft(folder + QStringLiteral("/Mivaro.DFT"));
  if (!dft.open(QIODevice::WriteOnly) || dft.write(QByteArray(kSettingsFileSize, '\0')) != kSettingsFileSize)
    return false;
  dft.close();
  Globals& g = G();
  g = Globals();
  g.ProgramFolder = folder;
  g.ProgramPath = folder + QStringLiteral("/mivaro");
  return true;
}

}  // namespace pm
