#include "common/ui/linkglyphs.h"

#include "common/lib1.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace pm {

namespace {

constexpr int kGlyphSize = 16;

// A small program window with an arrow: "start this application".
QImage DrawDefaultGlyph(bool enabled) {
  QImage image(kGlyphSize, kGlyphSize, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const QColor frame = enabled ? QColor(64, 64, 64) : QColor(160, 160, 160);
  const QColor title = enabled ? QColor(0, 0, 128) : QColor(176, 176, 176);
  const QColor arrow = enabled ? QColor(0, 128, 0) : QColor(150, 150, 150);
  p.fillRect(1, 2, 12, 10, Qt::white);
  p.fillRect(1, 2, 12, 3, title);
  p.setPen(frame);
  p.drawRect(1, 2, 11, 9);
  p.setPen(Qt::NoPen);
  p.setBrush(arrow);
  const QPoint head[] = {QPoint(15, 8), QPoint(15, 15), QPoint(8, 15)};
  p.drawPolygon(head, 3);
  p.fillRect(7, 10, 3, 3, arrow);
  p.end();
  return image;
}

}  // namespace

bool LoadLinkGlyph(const QString& fileName, LinkGlyph* glyph) {
  if (!FileExistsUnquoted(fileName)) return false;
  QImage image(ResolveUnquoted(fileName));
  if (image.isNull()) return false;
  image = image.convertToFormat(QImage::Format_ARGB32);
  // Glyph bitmaps carry no alpha: the bottom-left pixel's colour marks the
  // transparent area.
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == key) image.setPixel(x, y, qRgba(0, 0, 0, 0));
    }
  }
  LinkGlyph result;
  if (image.width() == 2 * kGlyphSize) {
    result.numGlyphs = 2;
    result.icon.addPixmap(QPixmap::fromImage(image.copy(0, 0, kGlyphSize, image.height())), QIcon::Normal);
    result.icon.addPixmap(QPixmap::fromImage(image.copy(kGlyphSize, 0, kGlyphSize, image.height())),
                          QIcon::Disabled);
  } else {
    result.icon.addPixmap(QPixmap::fromImage(image), QIcon::Normal);
  }
  *glyph = result;
  return true;
}

LinkGlyph DefaultLinkGlyph() {
  LinkGlyph glyph;
  glyph.numGlyphs = 2;
  glyph.icon.addPixmap(QPixmap::fromImage(DrawDefaultGlyph(true)), QIcon::Normal);
  glyph.icon.addPixmap(QPixmap::fromImage(DrawDefaultGlyph(false)), QIcon::Disabled);
  return glyph;
}

LinkGlyphs::LinkGlyphs() { glyphs_.fill(DefaultLinkGlyph()); }

const LinkGlyph& LinkGlyphs::glyph(int k) const {
  if (k < 0 || k >= static_cast<int>(glyphs_.size())) k = 0;
  return glyphs_[static_cast<size_t>(k)];
}

void LinkGlyphs::Load(const LinkBitmapNames& bitmaps) {
  for (int k = 1; k <= 4; ++k) {
    LinkGlyph loaded;
    glyphs_[static_cast<size_t>(k)] =
        !bitmaps[k].isEmpty() && LoadLinkGlyph(bitmaps[k], &loaded) ? loaded : glyphs_[0];
  }
}

LinkGlyphs& LinkGlyphStore() {
  static LinkGlyphs glyphs;
  return glyphs;
}

}  // namespace pm
