#pragma once

#include <QString>

namespace pm {

// One of the five outside tools: its entry of DefaultSettings().ToolPaths,
// its program, and the text that follows the error number of a failed start.
struct OutsideTool {
  int PathIndex;
  const char* Executable;
  const char* ErrorText;
  const char* Name;  // in the folder dialog's title
};

// Tools 1 to 5: SAVREL, TEMBRIL, LOMIRA, DOLVANE, GRENLO.
const OutsideTool& Tool(int index);

// The command of a tool: the folder, one separator unless the folder is
// empty or already ends with one ("\" or "/"), then the executable.
QString ToolCommandLine(const QString& folder, const QString& executable);

}  // namespace pm
