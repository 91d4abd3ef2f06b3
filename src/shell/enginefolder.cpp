#include "shell/enginefolder.h"

#include <QFileInfo>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "platform/pathresolver.h"
#include "platform/uiservice.h"

namespace pm {

QString StripTrailingBackslash(const QString& Path) {
  if (Path.endsWith(QLatin1Char('\\')) || Path.endsWith(QLatin1Char('/'))) return Path.left(Path.size() - 1);
  return Path;
}

QString EngineProgram(const QString& folder) {
  return ResolvePath(StripTrailingBackslash(folder) + QStringLiteral("/Zantor.exe"));
}

QString PickSettingsFolder(QWidget* parent, const QString& title, const QString& startFolder) {
  for (;;) {
    const QString picked = ui().folderName(parent, title, startFolder);
    if (picked.isEmpty()) return {};
    // The root folder keeps its only separator.
    const QString chosen = picked.size() > 1 ? StripTrailingBackslash(picked) : picked;
    const TextFit fit = CheckSettingsText(chosen);
    if (fit == TextFit::Fits) return chosen;
    // The name itself may be longer than a message shows.
    ShowMessageKind(fit == TextFit::TooLong
                        ? QStringLiteral("The name of the chosen folder is too long: the settings file holds "
                                         "at most 255 characters.")
                        : QStringLiteral("The name of the chosen folder holds characters that cannot be stored "
                                         "in the settings file."),
                    0, true);
  }
}

QString EnsureEngineFolder(QWidget* parent, const QString& startFolder, bool programFolderAlways) {
  QString& folder = DefaultSettings().EngineFolder;
  if (programFolderAlways || !QFileInfo(ResolveUnquoted(folder)).isDir()) folder = G().ProgramFolder;
  folder = StripTrailingBackslash(folder);
  QString exe = EngineProgram(folder);
  if (FileExistsUnquoted(exe)) return exe;
  const QString chosen = PickSettingsFolder(parent, QStringLiteral("Folder of the Quorvel engine"), startFolder);
  if (chosen.isEmpty()) return {};
  folder = chosen;
  // As chosen, without a second look for the engine: a wrong folder shows
  // the start failure of the engine itself.
  return EngineProgram(folder);
}

}  // namespace pm
