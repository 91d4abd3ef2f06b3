#pragma once

#include <QByteArray>
#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace pm {

// Walks the lines of bytes in place: LF, CRLF and a lone CR all end a line,
// the line ends are not part of a line, and a last line without a
// terminator counts.
class LineWalker {
 public:
  explicit LineWalker(std::string_view bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}
  bool Next(std::string_view* line) {
    if (p_ == end_) return false;
    const char* e = p_;
    while (e != end_ && *e != '\n' && *e != '\r') ++e;
    *line = std::string_view(p_, static_cast<size_t>(e - p_));
    if (e != end_) {
      if (*e == '\r' && e + 1 != end_ && e[1] == '\n') ++e;
      ++e;
    }
    p_ = e;
    return true;
  }

  // The bytes not walked yet.
  std::string_view Rest() const { return std::string_view(p_, static_cast<size_t>(end_ - p_)); }

 private:
  const char* p_;
  const char* end_;
};

// Lines as bytes, as LineWalker walks them.
std::vector<std::string> SplitLines(const QByteArray& bytes);

// Reads a whole file. Returns 0 or the errno of the failed step
// (2 for a missing file).
int ReadFileBytes(const QString& path, QByteArray* bytes);
int ReadTextLines(const QString& path, std::vector<std::string>* lines);

// Writes through a temporary file in the same folder renamed over the target,
// so a failure leaves the old file as it was. Returns 0 or an errno.
int WriteFileAtomic(const QString& path, const QByteArray& bytes);
// The same in two steps, for a writer that has more to do between writing
// and replacing (a backup): Prepare writes the bytes to a temporary file
// beside the target, Commit renames it over the target. Dropped without a
// Commit, the temporary file goes. Both return 0 or an errno.
class PreparedFile {
 public:
  PreparedFile() = default;
  ~PreparedFile() { Discard(); }
  PreparedFile(const PreparedFile&) = delete;
  PreparedFile& operator=(const PreparedFile&) = delete;
  int Prepare(const QString& path, const QByteArray& bytes);
  int Commit();
  void Discard();

 private:
  QByteArray temp_;
  QByteArray target_;
};
// Lines written with CRLF after each line.
int WriteTextLines(const QString& path, const std::vector<std::string>& lines);
QByteArray JoinLinesCrLf(const std::vector<std::string>& lines);

// Copies a file (the target is replaced). Returns 0 or an errno.
int CopyFileBytes(const QString& from, const QString& to);
// Removes a file; a missing file is no failure. Returns 0 or an errno.
int RemoveFile(const QString& path);

}  // namespace pm
