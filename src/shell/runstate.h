#pragma once

#include <sys/types.h>

#include <vector>

namespace pm {

// The run state of the main window (it owns one).
struct RunState {
  // The table-run command's own flags: TableRunning while a table runs;
  // StopRequested ends the wait of RunProgramOK (the program runs on).
  bool TableRunning = false;
  bool StopRequested = false;
  // A table run's stop keeps to flags of its own, so the waits of its form
  // commands are never cut: the stop request, and the index in
  // WaitedPrograms of the engine the table run waits for (-1: none).
  bool TableStopRequested = false;
  int TableEngineAt = -1;
  // The user chose to stop the waited-for programs and exit: RunProgramOK
  // returns false until the run commands in progress have ended (should the
  // exit itself be cancelled, later runs work again).
  bool ExitRequested = false;
  // Run commands and waits in progress (RunGuard), innermost last.
  int BusyDepth = 0;
  std::vector<pid_t> WaitedPrograms;
};

// Held for the whole of a run command and by every wait of RunProgramOK.
// While one is held, the commands that open, close or run do nothing, so no
// window is freed under a running command; program buttons stay live.
class RunGuard {
 public:
  explicit RunGuard(RunState& state) : state_(state) { ++state_.BusyDepth; }
  ~RunGuard() {
    if (--state_.BusyDepth == 0) state_.ExitRequested = false;
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  RunState& state_;
};

inline bool RunBusy(const RunState& state) { return state.BusyDepth > 0; }

}  // namespace pm
