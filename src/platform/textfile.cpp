#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pm {

std::vector<std::string> SplitLines(const QByteArray& bytes) {
  std::vector<std::string> lines;
  LineWalker walker(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  std::string_view line;
  while (walker.Next(&line)) lines.emplace_back(line);
  return lines;
}

int ReadFileBytes(const QString& path, QByteArray* bytes) {
  const QByteArray name = QFile::encodeName(path);
  const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  QByteArray out;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::close(fd);
      return err;
    }
    if (got == 0) break;
    out.append(buffer, got);
  }
  ::close(fd);
  if (QFileInfo(path).isDir()) return EISDIR;
  *bytes = std::move(out);
  return 0;
}

int ReadTextLines(const QString& path, std::vector<std::string>* lines) {
  QByteArray bytes;
  const int err = ReadFileBytes(path, &bytes);
  if (err != 0) return err;
  *lines = SplitLines(bytes);
  return 0;
}

namespace {

int writeAll(int fd, const char* data, qsizetype size) {
  while (size > 0) {
    const ssize_t put = ::write(fd, data, static_cast<size_t>(size));
    if (put < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += put;
    size -= put;
  }
  return 0;
}

}  // namespace

int PreparedFile::Prepare(const QString& path, const QByteArray& bytes) {
  Discard();
  const QFileInfo info(path);
  if (info.isDir()) return EISDIR;
  // A file without write permission is not replaced, although a rename
  // beside it would succeed (for root, a file with no write bit at all).
  {
    struct stat existing {};
    const QByteArray name = QFile::encodeName(info.absoluteFilePath());
    if (::stat(name.constData(), &existing) == 0 && S_ISREG(existing.st_mode)) {
      const bool writable =
          ::geteuid() == 0 ? (existing.st_mode & 0222) != 0 : ::access(name.constData(), W_OK) == 0;
      if (!writable) return EACCES;
    }
  }
  QByteArray temp = QFile::encodeName(info.absolutePath() + QStringLiteral("/.~") + info.fileName() +
                                      QStringLiteral(".XXXXXX"));
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  int err = writeAll(fd, bytes.constData(), bytes.size());
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  // Keep the permissions of the file being replaced, else the usual ones.
  struct stat st {};
  const QByteArray target = QFile::encodeName(info.absoluteFilePath());
  if (err == 0) {
    const mode_t mode = ::stat(target.constData(), &st) == 0 ? (st.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) err = errno;
  }
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) {
    ::unlink(temp.constData());
    return err;
  }
  temp_ = temp;
  target_ = target;
  return 0;
}

int PreparedFile::Commit() {
  if (temp_.isEmpty()) return EINVAL;
  const int err = ::rename(temp_.constData(), target_.constData()) != 0 ? errno : 0;
  if (err != 0) ::unlink(temp_.constData());
  temp_.clear();
  return err;
}

void PreparedFile::Discard() {
  if (!temp_.isEmpty()) ::unlink(temp_.constData());
  temp_.clear();
}

int WriteFileAtomic(const QString& path, const QByteArray& bytes) {
  PreparedFile file;
  const int err = file.Prepare(path, bytes);
  return err != 0 ? err : file.Commit();
}

QByteArray JoinLinesCrLf(const std::vector<std::string>& lines) {
  QByteArray out;
  qsizetype total = 0;
  for (const std::string& line : lines) total += static_cast<qsizetype>(line.size()) + 2;
  out.reserve(total);
  for (const std::string& line : lines) {
    out.append(line.data(), static_cast<qsizetype>(line.size()));
    out.append("\r\n", 2);
  }
  return out;
}

int WriteTextLines(const QString& path, const std::vector<std::string>& lines) {
  return WriteFileAtomic(path, JoinLinesCrLf(lines));
}

int CopyFileBytes(const QString& from, const QString& to) {
  QByteArray bytes;
  const int err = ReadFileBytes(from, &bytes);
  if (err != 0) return err;
  return WriteFileAtomic(to, bytes);
}

int RemoveFile(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  if (::unlink(name.constData()) != 0 && errno != ENOENT) return errno;
  return 0;
}

}  // namespace pm
