#include "shell/ui/windowhelpers.h"

#include "common/globals.h"

#include <QMdiSubWindow>

namespace pm {

namespace {
constexpr char kHelpContext[] = "pelmarkHelpContext";
}  // namespace

int KindOfChild(const QMdiSubWindow* child) {
  if (!child) return KindNone;
  const int own = ChildKindOf(child);
  return own != KindNone ? own : ChildKindOf(child->widget());
}

QString FileOfChild(const QMdiSubWindow* child) {
  if (!child) return {};
  if (child->widget() && !child->widget()->windowFilePath().isEmpty()) return child->widget()->windowFilePath();
  return child->windowFilePath();
}

void SetHelpContext(QObject* window, int context) {
  if (window) window->setProperty(kHelpContext, context);
}

int HelpContextOf(const QObject* window) { return window ? window->property(kHelpContext).toInt() : 0; }

}  // namespace pm
