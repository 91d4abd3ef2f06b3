#include "platform/openaction.h"

#include <QDesktopServices>

namespace pm {

namespace {

class RefusingOpenAction final : public OpenAction {
 public:
  bool open(const QUrl&) override { return false; }
};

RefusingOpenAction g_refusing;
OpenAction* g_current = &g_refusing;

}  // namespace

OpenAction& openAction() { return *g_current; }

OpenAction* setOpenAction(OpenAction* action) {
  OpenAction* previous = g_current;
  g_current = action ? action : &g_refusing;
  return previous;
}

bool DesktopOpenAction::open(const QUrl& target) { return QDesktopServices::openUrl(target); }

}  // namespace pm
