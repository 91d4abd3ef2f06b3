#include "platform/pathresolver.h"

#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

class ResolverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path();
    test::WriteBytes(root_ + QStringLiteral("/Data/pumps.lst"), {});
    test::WriteBytes(root_ + QStringLiteral("/Data/engine"), {});
  }
  QTemporaryDir dir_;
  QString root_;
};

TEST_F(ResolverTest, ResolvesNamesAsWindowsDecksWriteThem) {
  const QString expected = root_ + QStringLiteral("/Data/pumps.lst");
  struct Case {
    QString input;
    QString expected;
  } cases[] = {
      {root_ + QStringLiteral("/Data/pumps.lst"), expected},
      {root_ + QStringLiteral("/DATA/PUMPS.LST"), expected},
      {QStringLiteral("\"") + root_ + QStringLiteral("/data/Pumps.lst\""), expected},
      {QStringLiteral("C:") + QString(root_).replace(QLatin1Char('/'), QLatin1Char('\\')) +
           QStringLiteral("\\DATA\\PUMPS.LST"),
       expected},
      {root_ + QStringLiteral("/Data/ENGINE.EXE"), root_ + QStringLiteral("/Data/engine")},
      {QStringLiteral("\"C:") + root_ + QStringLiteral("\\DATA\\Engine.exe\""), root_ + QStringLiteral("/Data/engine")},
      {root_ + QStringLiteral("/DATA/"), root_ + QStringLiteral("/Data")},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolvePath(c.input), c.expected) << c.input.toStdString();
}

TEST_F(ResolverTest, MissingComponentGivesTheCleanedName) {
  const QString name = root_ + QStringLiteral("/Nowhere/pumps.lst");
  EXPECT_EQ(ResolvePath(QStringLiteral("\"") + name + QStringLiteral("\"")), name);
  EXPECT_FALSE(ResolvedFileExists(name));
  EXPECT_FALSE(ResolvedFileExists(root_ + QStringLiteral("/data")));  // a folder is no file
  EXPECT_TRUE(ResolvedFileExists(root_ + QStringLiteral("/data/pumps.LST")));
}

TEST_F(ResolverTest, RelativeNamesResolveAgainstTheCurrentFolder) {
  const QString old = QDir::currentPath();
  QDir::setCurrent(root_);
  EXPECT_EQ(ResolvePath(QStringLiteral("DATA\\PUMPS.LST")), QStringLiteral("Data/pumps.lst"));
  QDir::setCurrent(old);
}

TEST_F(ResolverTest, ANewNameKeepsItsLastComponentAsGiven) {
  struct Case {
    QString input;
    QString expected;
  } cases[] = {
      {root_ + QStringLiteral("/DATA/PUMPS.LST"), root_ + QStringLiteral("/Data/PUMPS.LST")},
      {root_ + QStringLiteral("/Data/pumps.lst"), root_ + QStringLiteral("/Data/pumps.lst")},
      {QLatin1Char('"') + root_ + QStringLiteral("/data/New.pzd\""), root_ + QStringLiteral("/Data/New.pzd")},
      {root_ + QStringLiteral("/none/x.pzd"), root_ + QStringLiteral("/none/x.pzd")},
  };
  for (const Case& c : cases) EXPECT_EQ(ResolveNewFileName(c.input), c.expected) << c.input.toStdString();
}

TEST(ExtensionKey, FirstFourCharactersUpperCased) {
  EXPECT_EQ(ExtensionKey(QStringLiteral("/a/b/plant.pzd")), QStringLiteral(".PZD"));
  EXPECT_EQ(ExtensionKey(QStringLiteral("plant.Dck2")), QStringLiteral(".DCK"));
  EXPECT_EQ(ExtensionKey(QStringLiteral("/a.b/plant")), QString());
  EXPECT_EQ(ExtensionKey(QStringLiteral("\"C:\\x\\deck.o01\"")), QStringLiteral(".O01"));
}

}  // namespace
}  // namespace pm
