#include "formdeck/ui/formfonts.h"

#include <QFontMetrics>

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
  return QFontMetrics(font).horizontalAdvance(
             QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
         52;
}

}  // namespace pm
