#pragma once

#include <QUrl>

namespace pm {

// The desktop's "open" action: a document or folder goes to the program the
// desktop associates with it, a web address to the browser. Tests install a
// fake; until the program installs the real one, every open is refused.
class OpenAction {
 public:
  virtual ~OpenAction() = default;
  // True when the desktop took the request.
  virtual bool open(const QUrl& target) = 0;
};

OpenAction& openAction();
// Installs an open action (not owned; nullptr: refuse every open) and
// returns the previous one.
OpenAction* setOpenAction(OpenAction* action);

// The real one (xdg-open through QDesktopServices).
class DesktopOpenAction final : public OpenAction {
 public:
  bool open(const QUrl& target) override;
};

}  // namespace pm
