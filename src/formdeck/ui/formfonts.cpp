#include "formdeck/ui/formfonts.h"

#include <QFontMetrics>
#include <QHash>
#include <vector>

#include "platform/cp1252.h"
#include "platform/ui/fonts.h"

namespace pm {

QFont PixelFont(const QString& family, int pixels) {
  QFont font(family);
  font.setPixelSize(pixels > 0 ? pixels : 1);
  return font;
}

QFont SlotFont(const FontSlot& slot) {
  // A form asks for the same few slots thousands of times.
  struct Made {
    FontSlot slot;
    QFont font;
  };
  static std::vector<Made> made;
  for (const Made& m : made) {
    if (m.slot.name == slot.name && m.slot.size == slot.size && m.slot.style == slot.style) return m.font;
  }
  QFont font(FromCp1252(slot.name));
  SetPointSizeAt96Dpi(font, slot.size);
  font.setBold((slot.style & StyleBold) != 0);
  font.setItalic((slot.style & StyleItalic) != 0);
  font.setUnderline((slot.style & StyleUnderline) != 0);
  if (made.size() >= 32) made.erase(made.begin());
  made.push_back({slot, font});
  return font;
}

int GetHeight(const QFont& font) {
  // Asked several times for every input, for the same few fonts.
  static QHash<QFont, int> measured;
  if (const auto found = measured.constFind(font); found != measured.constEnd()) return *found;
  const int height = QFontMetrics(font).height();
  measured.insert(font, height);
  return height;
}

int GetWidth(const QFont& font, const QString& text) {
  return QFontMetrics(font).horizontalAdvance(text + QStringLiteral("  "));
}

int aveCharWidth(const QFont& font) {
  // Every input asks again; shaping the alphabet each time is most of the
  // cost of a big form. The font substitutes are set before any form.
  static QHash<QFont, int> measured;
  if (const auto found = measured.constFind(font); found != measured.constEnd()) return *found;
  const int width = QFontMetrics(font).horizontalAdvance(
                        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                    52;
  measured.insert(font, width);
  return width;
}

}  // namespace pm
