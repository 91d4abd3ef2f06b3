#include "platform/pathresolver.h"

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace pm {

namespace {

QString join(const QString& folder, const QString& name) {
  if (folder.isEmpty()) return name;
  if (folder.endsWith(QLatin1Char('/'))) return folder + name;
  return folder + QLatin1Char('/') + name;
}

// Finds one component in a folder without regard to case.
QString matchComponent(const QString& folder, const QString& component) {
  const QString exact = join(folder, component);
  if (QFileInfo::exists(exact)) return exact;
  if (component == QLatin1String(".") || component == QLatin1String("..")) return {};
  const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
  const QStringList entries =
      dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
  for (const QString& entry : entries) {
    if (entry.compare(component, Qt::CaseInsensitive) == 0) return join(folder, entry);
  }
  return {};
}

QString resolveCaseless(const QString& path) {
  if (path.isEmpty()) return {};
  if (QFileInfo::exists(path)) return path;
  const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QString current = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
  for (const QString& part : parts) {
    current = matchComponent(current, part);
    if (current.isEmpty()) return {};
  }
  return current;
}

}  // namespace

QString CleanPathText(const QString& name) {
  QString s = name;
  if (s.size() >= 1 && s.front() == QLatin1Char('"')) {
    s.remove(0, 1);
    if (!s.isEmpty() && s.back() == QLatin1Char('"')) s.chop(1);
  }
  s.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (s.size() >= 2 && s.at(1) == QLatin1Char(':') && s.at(0).isLetter()) s.remove(0, 2);
  return s;
}

QString ResolvePath(const QString& name) {
  const QString clean = CleanPathText(name);
  if (clean.isEmpty()) return clean;
  QString found = resolveCaseless(clean);
  if (!found.isEmpty()) return found;
  if (clean.endsWith(QLatin1String(".exe"), Qt::CaseInsensitive)) {
    found = resolveCaseless(clean.left(clean.size() - 4));
    if (!found.isEmpty()) return found;
  }
  return clean;
}

bool ResolvedFileExists(const QString& name) {
  const QString clean = CleanPathText(name);
  if (clean.isEmpty()) return false;
  return QFileInfo(ResolvePath(clean)).isFile();
}

QString FindProgram(const QString& name, const QString& programFolder) {
  const QString clean = CleanPathText(name);
  if (clean.isEmpty()) return {};
  if (clean.contains(QLatin1Char('/'))) {
    const QString found = ResolvePath(clean);
    return QFileInfo(found).isFile() ? found : QString();
  }
  QStringList folders;
  if (!programFolder.isEmpty()) folders << programFolder;
  folders << QDir::currentPath();
  folders << qEnvironmentVariable("PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
  for (const QString& folder : folders) {
    const QString found = ResolvePath(folder + QLatin1Char('/') + clean);
    if (QFileInfo(found).isFile()) return found;
  }
  return {};
}

QString ExtensionKey(const QString& fileName) {
  const QString clean = CleanPathText(fileName);
  const int slash = clean.lastIndexOf(QLatin1Char('/'));
  const int dot = clean.lastIndexOf(QLatin1Char('.'));
  if (dot < 0 || dot < slash) return {};
  return clean.mid(dot, 4).toUpper();
}

QString ResolveNewFileName(const QString& name) {
  const QString clean = CleanPathText(name);
  const qsizetype slash = clean.lastIndexOf(QLatin1Char('/'));
  if (slash < 0 || QFileInfo::exists(clean)) return clean;
  if (slash == 0) return clean;
  QString folder = ResolvePath(clean.left(slash));
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder + clean.mid(slash + 1);
}

bool SameExistingFile(const QString& a, const QString& b) {
  struct stat sa {};
  struct stat sb {};
  if (::stat(QFile::encodeName(a).constData(), &sa) != 0) return false;
  if (::stat(QFile::encodeName(b).constData(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

}  // namespace pm
