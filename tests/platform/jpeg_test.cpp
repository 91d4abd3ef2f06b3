#include "platform/jpeg.h"

#include "support/testfiles.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace pm {
namespace {

// A small picture, left half red and right half blue.
QByteArray GoodJpeg(QImage::Format format = QImage::Format_RGB32) {
  QImage image(16, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) image.setPixelColor(x, y, x < 8 ? QColor(255, 0, 0) : QColor(0, 0, 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.convertToFormat(format).save(&buffer, "JPG", 95)) << "Qt's JPEG writer is missing";
  return bytes;
}

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
         std::abs(a.blue() - b.blue()) < 40;
}

TEST(Jpeg, DecodesAGoodPicture) {
  const JpegResult r = DecodeJpeg(GoodJpeg());
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_TRUE(r.error.isEmpty());
  EXPECT_EQ(r.image.size(), QSize(16, 8));
  EXPECT_TRUE(Near(r.image.pixelColor(2, 4), QColor(255, 0, 0)));
  EXPECT_TRUE(Near(r.image.pixelColor(13, 4), QColor(0, 0, 255)));
}

TEST(Jpeg, DecodesAGreyPictureToColour) {
  const JpegResult r = DecodeJpeg(GoodJpeg(QImage::Format_Grayscale8));
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(r.image.size(), QSize(16, 8));
  const QColor c = r.image.pixelColor(2, 4);
  EXPECT_EQ(c.red(), c.green());
  EXPECT_EQ(c.green(), c.blue());
}

// Four channels as print programs store them: inverted, with the Adobe
// marker that libjpeg writes for CMYK.
QByteArray InvertedCmykJpeg(const unsigned char cmyk[4]) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = 8;
  cinfo.image_height = 8;
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<unsigned char> row(8 * 4);
  for (int x = 0; x < 8; ++x)
    for (int i = 0; i < 4; ++i) row[x * 4 + i] = cmyk[i];
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  const QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
  std::free(out);
  return bytes;
}

TEST(Jpeg, DecodesInvertedCmyk) {
  const unsigned char red[4] = {255, 0, 0, 255};  // no cyan, full magenta and yellow, no black
  const JpegResult r = DecodeJpeg(InvertedCmykJpeg(red));
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_TRUE(Near(r.image.pixelColor(3, 3), QColor(255, 0, 0)));
}

TEST(Jpeg, DamagedDataGivesAMessageAndTheProgramGoesOn) {
  const QByteArray good = GoodJpeg();
  const int sof = good.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  QByteArray precision = good;
  precision[sof + 4] = '\x0C';  // 12-bit samples
  QByteArray zeroSize = good;
  zeroSize[sof + 5] = zeroSize[sof + 6] = zeroSize[sof + 7] = zeroSize[sof + 8] = '\0';
  const QByteArray cases[] = {
      QByteArray("this is no picture"),
      good.left(good.size() / 2),  // cut in the tables
      good.left(good.size() - 12),  // cut in the picture data
      good.left(20),
      precision,
      zeroSize,
      QByteArray(),
  };
  for (const QByteArray& bytes : cases) {
    const JpegResult r = DecodeJpeg(bytes);
    EXPECT_FALSE(r.ok()) << bytes.size();
    EXPECT_TRUE(r.image.isNull());
    EXPECT_FALSE(r.error.isEmpty()) << bytes.size();
  }
  EXPECT_TRUE(DecodeJpeg(good).ok());  // nothing of the failures stays behind
}

TEST(Jpeg, AHugePictureIsRefusedBeforeMemoryRunsOut) {
  QByteArray bytes = GoodJpeg();
  const int sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
  ASSERT_GT(sof, 0);
  bytes[sof + 5] = bytes[sof + 7] = '\x4E';  // 20000 x 20000
  bytes[sof + 6] = bytes[sof + 8] = '\x20';
  const JpegResult r = DecodeJpeg(bytes);
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.error.contains(QStringLiteral("too large"))) << r.error.toStdString();
}

// Stray bytes between segments are common in pictures that show well.
TEST(Jpeg, ToleratesStrayBytesBeforeAMarker) {
  QByteArray bytes = GoodJpeg();
  bytes[2] = '\x00';
  const JpegResult r = DecodeJpeg(bytes);
  ASSERT_TRUE(r.ok()) << r.error.toStdString();
  EXPECT_EQ(r.image.size(), QSize(16, 8));
}

TEST(Jpeg, ReadsFilesThroughTheResolver) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  test::WriteBytes(dir.path() + QStringLiteral("/photo.jpg"), GoodJpeg());
  EXPECT_TRUE(DecodeJpegFile(dir.path() + QStringLiteral("/PHOTO.JPG")).ok());
  const JpegResult missing = DecodeJpegFile(dir.path() + QStringLiteral("/none.jpg"));
  EXPECT_FALSE(missing.ok());
  EXPECT_FALSE(missing.error.isEmpty());
}

}  // namespace
}  // namespace pm
