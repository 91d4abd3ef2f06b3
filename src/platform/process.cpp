#include "platform/process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QPointer>
#include <QTimer>
#include <cerrno>
#include <csignal>
#include <map>
#include <set>
#include <thread>
#include <vector>

#include "platform/pathresolver.h"

namespace pm {

namespace {

struct Word {
  QString text;
  qsizetype begin = 0;  // span in the line, quotes included
  qsizetype end = 0;
  bool quoted = false;
};

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

std::vector<Word> splitWords(const QString& line) {
  std::vector<Word> words;
  Word word;
  bool inWord = false;
  bool inQuote = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line.at(i);
    if (!inQuote && isBlank(c)) {
      if (inWord) {
        word.end = i;
        words.push_back(word);
        word = Word{};
        inWord = false;
      }
      continue;
    }
    if (!inWord) {
      word.begin = i;
      inWord = true;
    }
    if (c == QLatin1Char('"')) {
      inQuote = !inQuote;
      word.quoted = true;
    } else {
      word.text += c;
    }
  }
  if (inWord) {
    word.end = line.size();
    words.push_back(word);
  }
  return words;
}

WaitResult fromStatus(int status) {
  WaitResult result;
  result.ended = true;
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  return result;
}

// One look at a child (or a blocking wait); true when it has ended and is
// reaped. ECHILD counts as ended: there is nothing left to wait for.
bool reap(pid_t pid, bool block, WaitResult* result) {
  for (;;) {
    int status = 0;
    const pid_t r = ::waitpid(pid, &status, block ? 0 : WNOHANG);
    if (r == pid) {
      *result = fromStatus(status);
      return true;
    }
    if (r == 0) return false;
    if (errno == EINTR) continue;
    *result = WaitResult{true, -1, 0};
    return true;
  }
}

// Programs a wait is in progress for, and those of them reaped by
// TerminateProgram inside that wait (the wait picks the result up).
std::set<pid_t> g_waiting;
std::map<pid_t, WaitResult> g_reapedForWaiter;
std::vector<pid_t> g_abandoned;

bool ended(pid_t pid, WaitResult* result) {
  const auto it = g_reapedForWaiter.find(pid);
  if (it != g_reapedForWaiter.end()) {
    *result = it->second;
    g_reapedForWaiter.erase(it);
    return true;
  }
  return reap(pid, false, result);
}

void startReaper() {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;  // without an event loop the next start reaps
  static QPointer<QTimer> timer;
  if (!timer) {
    timer = new QTimer(app);
    timer->setInterval(200);
    QObject::connect(timer.data(), &QTimer::timeout, [] {
      if (ReapAbandonedPrograms() == 0) timer->stop();
    });
  }
  if (!timer->isActive()) timer->start();
}

}  // namespace

QStringList SplitCommandLine(const QString& commandLine) {
  QStringList result;
  for (const Word& word : splitWords(commandLine)) result << word.text;
  return result;
}

ProgramCall FindCommandProgram(const QString& commandLine, const QString& programFolder) {
  const std::vector<Word> words = splitWords(commandLine);
  if (words.empty()) return {};
  ProgramCall call;
  std::size_t last = 0;  // the word the program name ends with
  call.program = FindProgram(words[0].text, programFolder);
  if (call.program.isEmpty() && !words[0].quoted) {
    for (std::size_t k = 1; k < words.size() && !words[k].quoted; ++k) {
      const QString joined = commandLine.mid(words[0].begin, words[k].end - words[0].begin);
      call.program = FindProgram(joined, programFolder);
      if (!call.program.isEmpty()) {
        last = k;
        break;
      }
    }
  }
  if (call.program.isEmpty()) return {};
  for (std::size_t k = last + 1; k < words.size(); ++k) call.arguments << words[k].text;
  return call;
}

StartResult StartProgram(const QString& commandLine, const QString& programFolder, const QString& errorFile) {
  return StartProgramCall(FindCommandProgram(commandLine, programFolder), errorFile);
}

StartResult StartProgramCall(const ProgramCall& call, const QString& errorFile) {
  ReapAbandonedPrograms();
  if (call.program.isEmpty()) return StartResult{false, ENOENT, -1};

  std::vector<QByteArray> bytes;
  bytes.push_back(QFile::encodeName(call.program));
  for (const QString& argument : call.arguments) bytes.push_back(QFile::encodeName(argument));
  std::vector<char*> argv;
  for (QByteArray& b : bytes) argv.push_back(b.data());
  argv.push_back(nullptr);

  // The child starts with no blocked signals and SIGPIPE at its default,
  // whatever this process has set up.
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

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const QByteArray errorPath = QFile::encodeName(errorFile);
  if (!errorPath.isEmpty())
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errorPath.constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);

  pid_t pid = -1;
  const int rc = posix_spawn(&pid, argv[0], &actions, &attr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attr);
  if (rc != 0) return StartResult{false, rc, -1};
  return StartResult{true, 0, pid};
}

WaitResult WaitForProgram(pid_t pid, const std::function<void()>& pump,
                          const std::function<bool()>& stopRequested) {
  struct Waiting {
    explicit Waiting(pid_t p) : pid(p) { g_waiting.insert(pid); }
    ~Waiting() { g_waiting.erase(pid); }
    pid_t pid;
  } waiting(pid);
  for (;;) {
    if (pump) pump();
    WaitResult result;
    if (ended(pid, &result)) return result;
    std::this_thread::sleep_for(kWaitPoll);
    if (ended(pid, &result)) return result;
    if (stopRequested && stopRequested()) {
      AbandonProgram(pid);
      return WaitResult{};
    }
  }
}

WaitResult TerminateProgram(pid_t pid, std::chrono::milliseconds grace) {
  WaitResult result;
  if (!ended(pid, &result)) {
    ::kill(pid, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + grace;
    bool done = false;
    while (!done && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(kWaitPoll);
      done = reap(pid, false, &result);
    }
    if (!done) {
      ::kill(pid, SIGKILL);
      reap(pid, true, &result);
    }
  }
  std::erase(g_abandoned, pid);
  if (g_waiting.count(pid) != 0) g_reapedForWaiter[pid] = result;
  return result;
}

void AbandonProgram(pid_t pid) {
  if (pid <= 0) return;
  g_abandoned.push_back(pid);
  startReaper();
}

int ReapAbandonedPrograms() {
  std::erase_if(g_abandoned, [](pid_t pid) {
    WaitResult result;
    return reap(pid, false, &result);
  });
  return static_cast<int>(g_abandoned.size());
}

}  // namespace pm
