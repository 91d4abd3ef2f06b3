#pragma once

#include <QElapsedTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QShowEvent;

namespace pm {

// The progress window of long operations (deck parsing, table runs). It is
// repainted directly by its caller at most once per 100 ms, takes no input
// and never becomes active.
class TCompiling final : public QWidget {
  Q_OBJECT

 public:
  // Milliseconds from a monotonic clock.
  using Clock = std::function<qint64()>;

  explicit TCompiling(QWidget* parent = nullptr);

  // n > 0: "Reading line " n; n < 0: "Quorvel Run " -n; 0: "Loading... ".
  // Calls within 100 ms of the last refresh change nothing.
  void Update(int n);
  // The next Update refreshes at once (the original's LastProgressTick := 0).
  void ResetProgressTick();
  // An empty clock gives the window's own back.
  void SetClock(Clock clock);

  // Shows the window and lets the window system expose it, without any user
  // input, so that the caller's repaints draw it while the event loop is busy.
  void ShowExposed();

  void FormActivate();
  void FormDeactivate();

  QLabel* label1 = nullptr;
  QLabel* LineL = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QElapsedTimer timer_;
  Clock clock_;
  std::optional<qint64> lastProgressTick_;
  bool wasActive_ = false;
};

}  // namespace pm
