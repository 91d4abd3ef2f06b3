// The link-button pictures named in the settings file show from start-up.
#include <QImage>
#include <QProcess>

#include "common/ui/linkglyphs.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class LinkGlyphsStartupTest : public ProgramFolderTest {
 protected:
  void TearDown() override {
    ProgramFolderTest::TearDown();
    LinkGlyphStore().Load(LinkBitmapNames{});
  }
};

TEST_F(LinkGlyphsStartupTest, BitmapsFromTheSettingsFileShowWithoutSetup) {
  QImage image(32, 16, QImage::Format_RGB32);
  image.fill(Qt::green);
  image.setPixelColor(0, 15, Qt::magenta);  // the transparent colour
  const QString bitmap = folder_ + QStringLiteral("/pump.bmp");
  ASSERT_TRUE(image.save(bitmap, "BMP"));
  QProcess mkdft;
  mkdft.start(QStringLiteral(PELMARK_BIN_DIR "/mkdft"),
              {QStringLiteral("--link"), QStringLiteral("2=/bin/true"), QStringLiteral("--link-bitmap"),
               QStringLiteral("2=") + bitmap, folder_ + QStringLiteral("/Mivaro.DFT")});
  ASSERT_TRUE(mkdft.waitForFinished(10000));
  ASSERT_EQ(mkdft.exitCode(), 0);
  LinkGlyphStore().Load(LinkBitmapNames{});
  const auto pixel = [](int k) { return LinkGlyphStore().icon(k).pixmap(QSize(16, 16)).toImage().pixelColor(5, 5); };
  const QColor fallback = pixel(2);
  ASSERT_NE(fallback, QColor(Qt::green));

  Start();
  EXPECT_EQ(pixel(2), QColor(Qt::green));
  EXPECT_EQ(pixel(3), fallback);
}

}  // namespace
}  // namespace pm::test
