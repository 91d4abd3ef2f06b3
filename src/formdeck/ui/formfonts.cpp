#include "formdeck/ui/formfonts.h"

#include <QFontMetrics>
#include <QHash>

#include "platform/cp1252.h"
#include "platform/ui/fonts.h"

namespace pm {

QFont PixelFont(const QString& family, int pixels) {
  QFont font(family);
  font.setPixelSize(pixels > 0 ? pixels : 1);
  return font;
}

QFont SlotFont(const FontSlot& slot) {
  QFont font(FromCp1252(slot.name));
  SetPointSizeAt96Dpi(font, slot.size);
  font.setBold((slot.style & StyleBold) != 0);
  font.setItalic((slot.style & StyleItalic) != 0);
  font.setUnderline((slot.style & StyleUnderline) != 0);
  return font;
}

int GetHeight(const QFont& font) { return QFontMetrics(font).height(); }

int GetWidth(const QFont& font, const QString& text) {
  return QFontMetrics(font).horizontalAdvance(text + QStringLiteral("  "));
}

int aveCharWidth(const QFont& font) {
  // Every input asks again; shaping the alphabet each time is most of the
  // cost of a big form. The font substitutes are set before any form.
  static QHash<QString, int> measured;
  const QString key = font.key();
  if (const auto found = measured.constFind(key); found != measured.constEnd()) return *found;
  const int width = QFontMetrics(font).horizontalAdvance(
                        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                    52;
  measured.insert(key, width);
  return width;
}

}  // namespace pm
