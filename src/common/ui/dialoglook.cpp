#include "common/ui/dialoglook.h"

#include <QScreen>
#include <QWidget>

namespace pm {

QFont DialogFont(bool bold) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);  // 8 points at 96 pixels per inch
  font.setBold(bold);
  return font;
}

void CentreOnScreen(QWidget* window) {
  if (const QScreen* s = window ? window->screen() : nullptr) {
    window->move(s->availableGeometry().center() - window->rect().center());
  }
}

}  // namespace pm
