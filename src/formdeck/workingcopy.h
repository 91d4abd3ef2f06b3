#pragma once

#include <QByteArray>
#include <QString>

namespace pm {

// The restore point of one form window: the copy of its deck made beside it
// when it was opened ("~temp.pzd"). The window records what it holds, so a
// copy made later from another deck of the same folder is never copied back.
class WorkingCopy {
 public:
  enum class Restore { Restored, Missing, NotOwn, Failed };

  // Records the copy as it is now. An empty path: none.
  void Set(const QString& path);
  const QString& Path() const { return path_; }
  // The file still holds what was recorded.
  bool IsOwn() const;
  // Copies the deck over the copy and records it. Returns 0 or an errno.
  int Refresh(const QString& deckPath);
  // Copies the copy back over the deck when it is still this window's.
  Restore RestoreTo(const QString& deckPath, int* error) const;
  // Deletes the copy when it is still this window's, and forgets it.
  void Remove();

 private:
  QString path_;
  QByteArray hash_;
};

}  // namespace pm
