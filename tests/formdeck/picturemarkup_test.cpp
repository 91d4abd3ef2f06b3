#include "formdeck/picturemarkup.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace pm {
namespace {

struct PictureCase {
  const char* text;
  bool appLink;
  const char* name;
  int alignment;
  const char* arguments;
};

TEST(PictureMarkup, NamesAlignmentsAndArguments) {
  const PictureCase cases[] = {
      {"plant.bmp RIGHT", false, "plant.bmp", 2, ""},
      {"plant.bmp", false, "plant.bmp", 1, ""},
      {"plant.bmp   ", false, "plant.bmp", 1, ""},
      {"\"my plant.jpg\" LEFT", false, "my plant.jpg", 0, ""},
      {"\"my plant.jpg\" left", false, "my plant.jpg", 0, ""},
      {"plant.bmp Left", false, "plant.bmp", 0, ""},
      {"plant.bmp RIGHT /NT", false, "plant.bmp", 2, ""},
      {"chart.bmp CENTER -open data.txt", true, "chart.bmp", 1, "-open data.txt"},
      {"\"a b.bmp\" CENTER -x", true, "a b.bmp", 1, "-x"},
      {"chart.bmp -open BRIGHTNESS.DAT", true, "chart.bmp", 1, "-open BRIGHTNESS.DAT"},
      {"chart.bmp CENTER", true, "chart.bmp", 1, ""},
      {"chart.bmp left -x", true, "chart.bmp", 0, "-x"},
      {"chart.bmp -open data.txt RIGHT", true, "chart.bmp", 1, "-open data.txt"},
      {"chart.bmp RIGHT", true, "chart.bmp", 2, ""},
  };
  for (const PictureCase& c : cases) {
    SCOPED_TRACE(c.text);
    const PictureMarkup m = ReadPictureMarkup(c.text, c.appLink);
    EXPECT_FALSE(m.unclosedQuote);
    EXPECT_EQ(m.fileName, c.name);
    EXPECT_EQ(m.alignment, c.alignment);
    EXPECT_EQ(m.arguments, c.arguments);
  }
}

TEST(PictureMarkup, UnclosedQuoteKeepsTheTextAfterIt) {
  const PictureMarkup m = ReadPictureMarkup("\"my plant.jpg LEFT", false);
  EXPECT_TRUE(m.unclosedQuote);
  EXPECT_EQ(m.error, "my plant.jpg LEFT");
}

TEST(ImgAttributes, KeysAnyCaseUnknownOnesSkipped) {
  const auto a = ReadAttributes(
      R"(*|<IMG src="house.jpg" Width="40" UseMap="house.map" hint="says HREF=" ALIGN="right">)");
  ASSERT_NE(FindAttribute(a, "SRC"), nullptr);
  EXPECT_EQ(FindAttribute(a, "SRC")->value, "house.jpg");
  EXPECT_EQ(FindAttribute(a, "USEMAP")->value, "house.map");
  EXPECT_EQ(FindAttribute(a, "HINT")->value, "says HREF=");
  EXPECT_EQ(FindAttribute(a, "HREF"), nullptr);
  EXPECT_EQ(FindAttribute(a, "ALIGN")->value, "right");
  EXPECT_EQ(FindAttribute(ReadAttributes("*|<IMG SRC=house.jpg>"), "SRC"), nullptr);
  const auto open = ReadAttributes(R"(*|<IMG SRC="a.bmp" HREF="#Pumps)");
  ASSERT_NE(FindAttribute(open, "HREF"), nullptr);
  EXPECT_FALSE(FindAttribute(open, "HREF")->closed);
  EXPECT_TRUE(FindAttribute(open, "SRC")->closed);
}

TEST(ImgAttributes, OpaqueMarkerOnlyBeforeABlankOrTheEnd) {
  struct {
    const char* source;
    const char* name;
    bool opaque;
  } cases[] = {
      {"house.jpg/NT", "house.jpg", true},     {"/NT house.jpg", "house.jpg", true},
      {" house.jpg", "house.jpg", false},      {"pics/NTplant.jpg", "pics/NTplant.jpg", false},
      {"pics/NT/x.jpg", "pics/NT/x.jpg", false}, {"house.jpg /nt", "house.jpg", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.source);
    bool opaque = !c.opaque;
    EXPECT_EQ(StripOpaqueMarker(c.source, &opaque), c.name);
    EXPECT_EQ(opaque, c.opaque);
  }
  EXPECT_EQ(AlignmentOf(" left "), 0);
  EXPECT_EQ(AlignmentOf("RIGHT"), 2);
  EXPECT_EQ(AlignmentOf("middle"), 1);
}

TEST(ImageMapCoords, NumbersSeparatedByCommasOrBlanks) {
  struct {
    const char* text;
    bool ok;
    QRect rect;
  } cases[] = {
      {"10,20,110,80", true, QRect(10, 20, 100, 60)},
      {" 10 20 110 80 ", true, QRect(10, 20, 100, 60)},
      {"10 , 20 ,110, 80", true, QRect(10, 20, 100, 60)},
      {"0,0,5,5 extra", true, QRect(0, 0, 5, 5)},
      {"10,20,110", false, QRect()},
      {"10,,20,110,80", false, QRect()},
      {"10,x,110,80", false, QRect()},
      {"", false, QRect()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    QRect rect(1, 2, 3, 4);
    EXPECT_EQ(ParseCoords(c.text, &rect), c.ok);
    EXPECT_EQ(rect, c.ok ? c.rect : QRect(1, 2, 3, 4));
  }
}

TEST(ImageMapFile, AreasTargetsHintsAndRectangles) {
  const ImageMap map = ReadImageMap({
      R"(HINT="before any area" COORDS="1,1,2,2")",
      R"(<area shape="rect" href="#Pumps" hint="Pump data" coords="10,20,110,80">)",
      R"(HREF=" help.chm@12 ")",
      R"(  HINT="Help on HREF=x")",
      R"(COORDS="0 0 5 5")",
      R"(HREF="-open data.txt" COORDS="1,2,x,4")",
      R"(HREF="#Tanks")",
  });
  EXPECT_EQ(map.unclosedLine, 0);
  ASSERT_EQ(map.areas.size(), 4u);
  EXPECT_EQ(map.areas[0].href, "#Pumps");
  EXPECT_EQ(map.areas[0].hint, "Pump data");
  EXPECT_EQ(map.areas[0].rect, QRect(10, 20, 100, 60));
  EXPECT_EQ(map.areas[1].href, "help.chm@12");
  EXPECT_EQ(map.areas[1].hint, "Help on HREF=x");
  EXPECT_EQ(map.areas[1].rect, QRect(0, 0, 5, 5));
  EXPECT_TRUE(map.areas[2].rect.isNull());
  EXPECT_TRUE(map.areas[2].hasCoords);
  EXPECT_EQ(map.areas[2].badCoordsLine, 6);
  ASSERT_EQ(map.badCoords.size(), 1u);
  EXPECT_EQ(map.badCoords[0].first, 6);
  EXPECT_FALSE(map.areas[3].hasCoords);
}

TEST(ImageMapFile, MoreThanTwentyAreas) {
  std::vector<std::string> lines;
  for (int i = 0; i < 30; ++i)
    lines.push_back("HREF=\"#T" + std::to_string(i) + "\" COORDS=\"" + std::to_string(i) + ",0," +
                    std::to_string(i + 1) + ",1\"");
  const ImageMap map = ReadImageMap(lines);
  ASSERT_EQ(map.areas.size(), 30u);
  EXPECT_EQ(map.areas[29].rect, QRect(29, 0, 1, 1));
}

TEST(ImageMapFile, MissingQuoteStopsReading) {
  const ImageMap map = ReadImageMap({R"(HREF="#A")", R"(HINT="no end)", R"(HREF="#B")"});
  EXPECT_EQ(map.unclosedLine, 2);
  EXPECT_EQ(map.areas.size(), 1u);
}

TEST(PictureFile, DecodedBySignature) {
  QTemporaryDir dir;
  QImage image(7, 5, QImage::Format_RGB32);
  image.fill(Qt::red);
  const QString bmp = dir.filePath(QStringLiteral("p.jpg"));  // a bitmap whatever its name
  ASSERT_TRUE(image.save(bmp, "BMP"));
  EXPECT_EQ(LoadPictureFile(bmp).size(), QSize(7, 5));
  const QString png = dir.filePath(QStringLiteral("p.bmp"));
  ASSERT_TRUE(image.save(png, "PNG"));
  EXPECT_TRUE(LoadPictureFile(png).isNull());
  QFile bad(dir.filePath(QStringLiteral("bad.jpg")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("\xFF\xD8\xFF\xE0 damaged");
  bad.close();
  EXPECT_TRUE(LoadPictureFile(bad.fileName()).isNull());
  QFile truncated(dir.filePath(QStringLiteral("short.bmp")));
  ASSERT_TRUE(truncated.open(QIODevice::WriteOnly));
  truncated.write("BM\x10\x00");
  truncated.close();
  EXPECT_TRUE(LoadPictureFile(truncated.fileName()).isNull());
  EXPECT_TRUE(LoadPictureFile(dir.filePath(QStringLiteral("none.bmp"))).isNull());
  // A device or a folder is refused at once, never read.
  EXPECT_TRUE(LoadPictureFile(QStringLiteral("/dev/zero")).isNull());
  EXPECT_TRUE(LoadPictureFile(dir.path()).isNull());
  ImageMap map;
  EXPECT_FALSE(ReadImageMapFile(QStringLiteral("/dev/zero"), &map));
  QFile big(dir.filePath(QStringLiteral("big.map")));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  ASSERT_TRUE(big.resize(kMapFileLimit + 1));
  big.close();
  EXPECT_FALSE(ReadImageMapFile(big.fileName(), &map));
}

TEST(ImageMapFile, ReadWholeFromDisk) {
  QTemporaryDir dir;
  QFile f(dir.filePath(QStringLiteral("a.map")));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("HREF=\"#A\" COORDS=\"1,2,3,4\"\r\nHREF=\"#B\"\r");
  f.close();
  ImageMap map;
  ASSERT_TRUE(ReadImageMapFile(f.fileName(), &map));
  ASSERT_EQ(map.areas.size(), 2u);
  EXPECT_EQ(map.areas[0].rect, QRect(1, 2, 2, 2));
  EXPECT_EQ(map.areas[1].href, "#B");
}

}  // namespace
}  // namespace pm
