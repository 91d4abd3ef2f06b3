#include "shell/recentfiles.h"

#include "common/captions.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <string>
#include <vector>

namespace pm {

void RecentFileList::Add(const QString& path) {
  items_.removeAll(path);
  if (path.size() <= 3) return;
  items_.append(path);
  while (items_.size() > kMaxEntries) items_.removeFirst();
}

bool RecentFileList::RemoveAt(int index) {
  if (index < 0 || index >= items_.size()) return false;
  items_.removeAt(index);
  return true;
}

int RecentFileList::Load(const QString& file) {
  items_.clear();
  QByteArray bytes;
  const int rc = ReadFileBytes(file, &bytes);
  if (rc != 0) return rc;
  // A damaged file gives no junk items: only lines that can be paths count.
  for (const std::string& line : SplitLines(bytes)) {
    if (items_.size() >= kMaxEntries) break;
    if (line.empty() || line.front() != '/' || line.size() >= PATH_MAX || line.find('\0') != std::string::npos)
      continue;
    items_.append(QFile::decodeName(QByteArray(line.data(), static_cast<qsizetype>(line.size()))));
  }
  return 0;
}

int RecentFileList::Save(const QString& file) const {
  std::vector<std::string> lines;
  lines.reserve(static_cast<size_t>(items_.size()));
  for (const QString& path : items_) lines.push_back(QFile::encodeName(path).toStdString());
  return WriteTextLines(file, lines);
}

QString RecentFileListPath(const QString& programFolder) {
  return QDir(programFolder).filePath(QStringLiteral("Mivaro.FNL"));
}

QString RecentItemCaption(int number, const QString& path) {
  return QString::number(number) + QLatin1String(". ") + ShownAsWritten(path);
}

void RemoveWorkingCopies(const QStringList& paths) {
  for (const QString& path : paths) {
    const QFileInfo info(path);
    if (!info.isAbsolute()) continue;
    const QString copy = info.absolutePath() + QStringLiteral("/~temp.pzd");
    // A deck the user named "~temp.pzd" is a document, not a copy.
    if (paths.contains(copy)) continue;
    if (QFileInfo(copy).isFile()) RemoveFile(copy);
  }
}

}  // namespace pm
