#include "shell/toollaunch.h"

#include <array>

#include "shell/enginefolder.h"

namespace pm {

const OutsideTool& Tool(int index) {
  static const std::array<OutsideTool, 5> kTools{{
      {1, "SAVREL40.exe", " encountered while trying to call SAVREL", "SAVREL"},
      {2, "TEMBRIL.exe", " encountered while trying to call TEMBRIL", "TEMBRIL"},
      {3, "LOMIRA.exe", " encountered while trying to call LOMIRA", "LOMIRA"},
      {4, "DOLVANE.exe", " encountered while trying to call DOLVANE", "DOLVANE"},
      {5, "Grenlo.exe", " encountered while trying to call GRENLO", "GRENLO"},
  }};
  return kTools.at(static_cast<size_t>(index - 1));
}

QString ToolCommandLine(const QString& folder, const QString& executable) {
  if (folder.isEmpty()) return executable;
  return StripTrailingBackslash(folder) + QLatin1Char('/') + executable;
}

}  // namespace pm
