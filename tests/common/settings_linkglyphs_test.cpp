#include "common/ui/linkglyphs.h"

#include "support/testfiles.h"

#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

// A bitmap whose left half is `left` and right half `right`; the bottom-left
// pixel is magenta, the colour that becomes transparent.
QString WriteBitmap(const QTemporaryDir& dir, const char* name, int width, QColor left, QColor right) {
  QImage image(width, 16, QImage::Format_RGB32);
  image.fill(left);
  for (int x = width / 2; x < width && width == 32; ++x)
    for (int y = 0; y < 16; ++y) image.setPixelColor(x, y, right);
  image.setPixelColor(0, 15, Qt::magenta);
  const QString path = dir.filePath(QLatin1String(name));
  EXPECT_TRUE(image.save(path, "BMP"));
  return path;
}

QImage Picture(const QIcon& icon, QIcon::Mode mode) { return icon.pixmap(QSize(16, 16), mode).toImage(); }

TEST(LinkGlyph, OneOrTwoGlyphsWithTheBottomLeftColourTransparent) {
  QTemporaryDir dir;
  LinkGlyph one;
  ASSERT_TRUE(LoadLinkGlyph(WriteBitmap(dir, "one.bmp", 16, Qt::blue, Qt::blue), &one));
  EXPECT_EQ(one.numGlyphs, 1);
  EXPECT_EQ(Picture(one.icon, QIcon::Normal).pixelColor(5, 5), QColor(Qt::blue));
  EXPECT_EQ(Picture(one.icon, QIcon::Normal).pixelColor(0, 15).alpha(), 0);

  LinkGlyph two;
  ASSERT_TRUE(LoadLinkGlyph(WriteBitmap(dir, "two.bmp", 32, Qt::green, Qt::gray), &two));
  EXPECT_EQ(two.numGlyphs, 2);
  EXPECT_EQ(Picture(two.icon, QIcon::Normal).pixelColor(5, 5), QColor(Qt::green));
  EXPECT_EQ(Picture(two.icon, QIcon::Disabled).pixelColor(5, 5), QColor(Qt::gray));

  const QString text = dir.filePath(QStringLiteral("not.bmp"));
  test::WriteBytes(text, "no picture");
  LinkGlyph untouched;
  EXPECT_FALSE(LoadLinkGlyph(text, &untouched));
  EXPECT_FALSE(LoadLinkGlyph(dir.filePath(QStringLiteral("missing.bmp")), &untouched));
  EXPECT_TRUE(untouched.icon.isNull());
}

TEST(LinkGlyphs, LoadTakesReadableBitmapsAndDefaultsTheRest) {
  QTemporaryDir dir;
  LinkBitmapNames names;
  names[2] = WriteBitmap(dir, "two.bmp", 32, Qt::green, Qt::gray);
  names[3] = dir.filePath(QStringLiteral("missing.bmp"));
  LinkGlyphs glyphs;
  glyphs.Load(names);
  EXPECT_EQ(glyphs.glyph(2).numGlyphs, 2);
  EXPECT_EQ(Picture(glyphs.icon(2), QIcon::Normal).pixelColor(5, 5), QColor(Qt::green));
  const QImage fallback = Picture(glyphs.icon(0), QIcon::Normal);
  EXPECT_FALSE(fallback.isNull());
  for (int k : {1, 3, 4, 7, -1}) EXPECT_EQ(Picture(glyphs.icon(k), QIcon::Normal), fallback) << k;
  glyphs.Load(LinkBitmapNames{});
  EXPECT_EQ(Picture(glyphs.icon(2), QIcon::Normal), fallback);
}

}  // namespace
}  // namespace pm
