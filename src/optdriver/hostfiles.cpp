#include "optdriver/hostfiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

extern char** environ;

namespace pm::optavin {

namespace {

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

bool isFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isFolder(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  if (folder.back() == '/') return folder + name;
  return folder + '/' + name;
}

bool sameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           const auto lower = [](char c) {
             return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
           };
           return lower(x) == lower(y);
         });
}

std::string matchComponent(const std::string& folder, const std::string& component) {
  const std::string exact = join(folder, component);
  if (exists(exact)) return exact;
  if (component == "." || component == "..") return {};
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return {};
  std::vector<std::string> entries;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") entries.push_back(name);
  }
  ::closedir(dir);
  std::sort(entries.begin(), entries.end());
  for (const std::string& entry : entries)
    if (sameIgnoringCase(entry, component)) return join(folder, entry);
  return {};
}

std::string resolveCaseless(const std::string& path) {
  if (path.empty()) return {};
  if (exists(path)) return path;
  std::string current = path.front() == '/' ? "/" : "";
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    if (end > begin) {
      current = matchComponent(current, path.substr(begin, end - begin));
      if (current.empty()) return {};
    }
    begin = end + 1;
  }
  return current;
}

std::string cleanName(std::string s) {
  if (!s.empty() && s.front() == '"') {
    s.erase(0, 1);
    if (!s.empty() && s.back() == '"') s.pop_back();
  }
  std::replace(s.begin(), s.end(), '\\', '/');
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (s.size() >= 2 && s[1] == ':' && letter(s[0])) s.erase(0, 2);
  return s;
}

// "." and ".." taken out of an absolute path without looking at the disk.
std::string cleanAbsolute(const std::string& path) {
  std::vector<std::string> parts;
  std::size_t begin = 0;
  while (begin <= path.size()) {
    std::size_t end = path.find('/', begin);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(begin, end - begin);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    begin = end + 1;
  }
  std::string out;
  for (const std::string& part : parts) out += '/' + part;
  return out.empty() ? "/" : out;
}

std::string absoluteIn(const std::string& folder, const std::string& name) {
  return cleanAbsolute(!name.empty() && name.front() == '/' ? name : folder + '/' + name);
}

int writeAll(int fd, const std::string& bytes) {
  const char* data = bytes.data();
  std::size_t size = bytes.size();
  while (size > 0) {
    const ssize_t put = ::write(fd, data, size);
    if (put < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    data += put;
    size -= static_cast<std::size_t>(put);
  }
  return 0;
}

}  // namespace

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c == '\n' || c == '\r') {
      lines.push_back(bytes.substr(start, i - start));
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
      start = ++i;
    } else {
      ++i;
    }
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

int ReadLines(const std::string& path, std::vector<std::string>* lines) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  std::string bytes;
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
    bytes.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  *lines = SplitLines(bytes);
  return 0;
}

int WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines) {
  if (isFolder(path)) return EISDIR;
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  const std::size_t slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  std::string temp = join(folder, ".~" + file + ".XXXXXX");
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) return errno;
  int err = writeAll(fd, bytes);
  if (err == 0 && ::fsync(fd) != 0) err = errno;
  // Keep the permissions of the file being replaced, else the usual ones.
  struct stat st {};
  if (err == 0 && ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644) != 0)
    err = errno;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0) err = errno;
  if (err != 0) ::unlink(temp.c_str());
  return err;
}

std::string ResolveName(const std::string& name) {
  const std::string clean = cleanName(name);
  if (clean.empty()) return clean;
  std::string found = resolveCaseless(clean);
  if (!found.empty()) return found;
  if (clean.size() > 4 && sameIgnoringCase(clean.substr(clean.size() - 4), ".exe")) {
    found = resolveCaseless(clean.substr(0, clean.size() - 4));
    if (!found.empty()) return found;
  }
  return clean;
}

std::string ProgramFolderOf(const std::string& argv0, const std::string& currentFolder,
                            const std::string& pathVariable) {
  std::string path = absoluteIn(currentFolder, argv0);
  if (argv0.find('/') == std::string::npos) {
    // An empty PATH entry means the current folder, as for the shell.
    std::size_t begin = 0;
    while (begin <= pathVariable.size()) {
      std::size_t end = pathVariable.find(':', begin);
      if (end == std::string::npos) end = pathVariable.size();
      const std::string entry = pathVariable.substr(begin, end - begin);
      const std::string folder = entry.empty() ? currentFolder : absoluteIn(currentFolder, entry);
      const std::string candidate = join(folder, argv0);
      if (isFile(candidate) && ::access(candidate.c_str(), X_OK) == 0) {
        path = absoluteIn(folder, argv0);
        break;
      }
      begin = end + 1;
    }
  }
  const std::size_t slash = path.rfind('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

CallResult CALLPROGRAM(const std::vector<std::string>& arguments, int mode) {
  if (arguments.empty()) return CallResult{1, ENOENT};
  std::vector<std::string> copies = arguments;
  std::vector<char*> argv;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);

  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t none;
  sigemptyset(&none);
  posix_spawnattr_setsigmask(&attr, &none);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGPIPE);
  posix_spawnattr_setsigdefault(&attr, &defaults);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  std::fflush(nullptr);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, argv[0], nullptr, &attr, argv.data(), environ);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) {
    const bool notFound =
        rc == ENOENT || rc == ENOTDIR || rc == EISDIR || (rc == EACCES && isFolder(arguments[0]));
    return CallResult{notFound ? 1 : 2, rc};
  }
  if ((mode & 1) == 0) return CallResult{0, 0};
  for (;;) {
    int status = 0;
    if (::waitpid(pid, &status, 0) == pid) return CallResult{0, 0};
    if (errno != EINTR) return CallResult{1, errno};
  }
}

}  // namespace pm::optavin
