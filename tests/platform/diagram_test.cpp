#include "platform/diagram.h"

#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QBuffer>
#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

namespace pm {
namespace {

QByteArray Fixture(const char* name) {
  return test::ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/diagrams/") + QLatin1String(name));
}

TEST(Diagram, WmfOfOurOwnIsDrawnThroughSvg) {
  QByteArray svg;
  ASSERT_TRUE(WmfToSvg(Fixture("plant.wmf"), &svg));
  EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
  const QImage image = DecodeDiagram(Fixture("plant.wmf"), true);
  ASSERT_FALSE(image.isNull());
  // One inch by half an inch at 72 points per inch.
  EXPECT_EQ(image.size(), QSize(72, 36));
  // The rectangle's green fill shows inside it, white paper outside.
  EXPECT_EQ(QColor(image.pixel(10, 15)).green(), 255);
  EXPECT_EQ(QColor(image.pixel(10, 15)).red(), 0);
  EXPECT_EQ(image.pixel(71, 0), QColor(Qt::white).rgb());
}

TEST(Diagram, BrokenEmptyOrHugeWmfGivesNoPicture) {
  QByteArray svg;
  EXPECT_FALSE(WmfToSvg(Fixture("broken.wmf"), &svg));
  EXPECT_TRUE(DecodeDiagram(Fixture("broken.wmf"), true).isNull());
  EXPECT_TRUE(DecodeDiagram(QByteArray(), true).isNull());
  EXPECT_TRUE(DecodeDiagram(QByteArray("not a metafile at all"), true).isNull());
  EXPECT_TRUE(DecodeDiagram(QByteArray(17 * 1024 * 1024, '\0'), true).isNull());
}

TEST(Diagram, BitmapThroughQImage) {
  QImage picture(30, 20, QImage::Format_RGB32);
  picture.fill(QColor(0, 0, 255));
  QByteArray bmp;
  QBuffer buffer(&bmp);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(picture.save(&buffer, "BMP"));
  const QImage image = DecodeDiagram(bmp, false);
  ASSERT_EQ(image.size(), QSize(30, 20));
  EXPECT_EQ(QColor(image.pixel(5, 5)), QColor(0, 0, 255));
  EXPECT_TRUE(DecodeDiagram(bmp.left(20), false).isNull());
}

}  // namespace
}  // namespace pm
