#include "platform/ui/fonts.h"

#include <QFont>
#include <QFontInfo>
#include <QStringList>

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(Fonts, WindowsNamesFindDebianFonts) {
  RegisterFontSubstitutes();
  RegisterFontSubstitutes();  // twice adds nothing
  struct Case {
    const char* name;
    const char* family;
  } cases[] = {
      {"Arial", "Liberation Sans"},         {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},   {"MS Sans Serif", "DejaVu Sans"},
      {"MS LineDraw", "DejaVu Sans Mono"},  {"Terminal", "DejaVu Sans Mono"},
  };
  for (const Case& c : cases) {
    const QString name = QString::fromLatin1(c.name);
    const QString family = QString::fromLatin1(c.family);
    EXPECT_EQ(QFont::substitutes(name).filter(family, Qt::CaseInsensitive).size(), 1) << c.name;
    EXPECT_EQ(QFontInfo(QFont(name)).family(), family) << c.name;
  }
}

TEST(Fonts, PointsBecomePixelsAt96Dpi) {
  const int cases[][2] = {{8, 11}, {9, 12}, {10, 13}, {12, 16}, {0, 0}, {-8, -11}};
  for (const auto& c : cases) EXPECT_EQ(PointsToPixels(c[0]), c[1]) << c[0];
  QFont font(QStringLiteral("Arial"));
  SetPointSizeAt96Dpi(font, 10);
  EXPECT_EQ(font.pixelSize(), 13);
  SetPointSizeAt96Dpi(font, 0);
  EXPECT_EQ(font.pixelSize(), 1);
}

}  // namespace
}  // namespace pm
