#pragma once

#include <QString>
#include <QStringList>

namespace pm {

// The recent-file list, oldest first, as kept in "Mivaro.FNL" in the program
// folder. Paths are file-system names: they are read and written as raw
// bytes, compared exactly (two names that differ in case are two files).
class RecentFileList {
 public:
  static constexpr int kMaxEntries = 8;

  const QStringList& Items() const { return items_; }
  int Count() const { return static_cast<int>(items_.size()); }
  QString At(int index) const { return items_.value(index); }

  // A path already listed moves to the end (newest); a path of 3 characters
  // or fewer is only removed, never added; the oldest entries go while more
  // than kMaxEntries remain.
  void Add(const QString& path);
  bool RemoveAt(int index);
  void Clear() { items_.clear(); }

  // Reads the file, one path per line, any line end: at most kMaxEntries
  // absolute paths, skipping empty lines and lines that are no path (not
  // absolute, or longer than the system's path limit). A missing or
  // unreadable file gives an empty list. Returns 0 or an errno.
  int Load(const QString& file);
  // Writes every entry with CRLF after it. Returns 0 or an errno.
  int Save(const QString& file) const;

 private:
  QStringList items_;
};

// Where the list is kept: "Mivaro.FNL" in the program folder.
QString RecentFileListPath(const QString& programFolder);

// The caption of recent item number (1 = newest): "1. " and the path, with
// "&" doubled so that the menu shows it rather than taking it as a mnemonic.
QString RecentItemCaption(int number, const QString& path);

// Deletes "~temp.pzd" beside every listed file; files that are gone and
// entries that are no absolute paths are passed over, and so is a
// "~temp.pzd" that is itself listed.
void RemoveWorkingCopies(const QStringList& paths);

}  // namespace pm
