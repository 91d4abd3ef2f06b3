#include "platform/programidentity.h"

#include "platform/pathresolver.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace pm {

namespace {

QString absoluteIn(const QString& folder, const QString& name) {
  return QDir::cleanPath(QDir(folder).absoluteFilePath(name));
}

}  // namespace

QString AbsoluteProgramPath(const QString& argv0, const QString& currentFolder, const QString& pathVariable) {
  if (argv0.isEmpty()) return {};
  if (!argv0.contains(QLatin1Char('/'))) {
    // An empty PATH entry means the current folder, as for the shell.
    const QStringList folders = pathVariable.split(QLatin1Char(':'));
    for (const QString& entry : folders) {
      const QString folder = entry.isEmpty() ? currentFolder : absoluteIn(currentFolder, entry);
      const QFileInfo candidate(folder + QLatin1Char('/') + argv0);
      if (candidate.isFile() && candidate.isExecutable()) return absoluteIn(folder, argv0);
    }
  }
  return absoluteIn(currentFolder, argv0);
}

int RuntimeModeForName(const QString& fileName) {
  const QString upper = fileName.toUpper();
  if (upper.startsWith(QLatin1String("OSTREL")) || upper.startsWith(QLatin1String("MIVARO"))) return 0;
  return 1;
}

ProgramIdentity IdentifyProgram(const QString& argv0, const QString& currentFolder,
                                const QString& pathVariable) {
  ProgramIdentity id;
  id.ProgramPath = AbsoluteProgramPath(argv0, currentFolder, pathVariable);
  const int slash = id.ProgramPath.lastIndexOf(QLatin1Char('/'));
  id.FileName = id.ProgramPath.mid(slash + 1);
  id.ProgramFolder = slash > 0 ? id.ProgramPath.left(slash) : QStringLiteral("/");
  id.RuntimeMode = RuntimeModeForName(id.FileName);
  return id;
}

QString StartupBase(const QString& programPath) {
  if (programPath.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) return programPath.chopped(4);
  return programPath;
}

QString FindStartupFile(const QString& programPath, const QString& extension) {
  if (programPath.isEmpty()) return {};
  const QString name = StartupBase(programPath) + extension;
  return ResolvedFileExists(name) ? ResolvePath(name) : QString();
}

QString AbsoluteArgument(const QString& argument, const QString& startFolder) {
  const QString clean = CleanPathText(argument);
  if (clean.isEmpty()) return {};
  return absoluteIn(startFolder, clean);
}

}  // namespace pm
