#include "formdeck/workingcopy.h"

#include <QCryptographicHash>
#include <QFileInfo>

#include "common/lib1.h"
#include "platform/textfile.h"

namespace pm {

namespace {

QByteArray HashOf(const QString& path) {
  QByteArray bytes;
  if (ReadFileBytes(path, &bytes) != 0) return {};
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

}  // namespace

void WorkingCopy::Set(const QString& path) {
  path_ = path;
  hash_ = path.isEmpty() ? QByteArray() : HashOf(path);
}

bool WorkingCopy::IsOwn() const {
  return !path_.isEmpty() && !hash_.isEmpty() && QFileInfo(path_).isFile() && HashOf(path_) == hash_;
}

int WorkingCopy::Refresh(const QString& deckPath) {
  if (path_.isEmpty()) return 0;
  const int err = CopyFileBytes(ResolveUnquoted(deckPath), path_);
  hash_ = err == 0 ? HashOf(path_) : QByteArray();
  return err;
}

WorkingCopy::Restore WorkingCopy::RestoreTo(const QString& deckPath, int* error) const {
  *error = 0;
  if (path_.isEmpty() || !QFileInfo(path_).isFile()) return Restore::Missing;
  if (!IsOwn()) return Restore::NotOwn;
  *error = CopyFileBytes(path_, ResolveUnquoted(deckPath));
  return *error == 0 ? Restore::Restored : Restore::Failed;
}

void WorkingCopy::Remove() {
  if (IsOwn()) RemoveFile(path_);
  path_.clear();
  hash_.clear();
}

}  // namespace pm
