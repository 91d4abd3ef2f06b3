#include "common/filenames.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(ChangeExtTest, CutsTheFileNameAtItsFirstDotNeverAFolder) {
  struct Case {
    const char* name;
    const char* expected;
  } cases[] = {
      {"/d/X.PZD", "/d/X.TBL"},
      {"C:\\D\\X.PZD", "C:\\D\\X.TBL"},
      // A dotted folder stays whole: the table lies beside the deck.
      {"/w/W.1/X.PZD", "/w/W.1/X.TBL"},
      {"C:\\PROJ.V2\\SYS.PZD", "C:\\PROJ.V2\\SYS.TBL"},
      // Multi-dot decks keep the names stored tables already have.
      {"/d/plant.v2.pzd", "/d/plant.TBL"},
      // No dot in the file name: the extension is appended.
      {"/w/W.1/X", "/w/W.1/X.TBL"},
      {"X", "X.TBL"},
      {"C:X.PZD", "C:X.TBL"},
      {"/d/.hidden", "/d/.TBL"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChangeExt(QString::fromLatin1(c.name), QStringLiteral(".TBL")), QString::fromLatin1(c.expected))
        << c.name;
  }
}

TEST(WithoutLastExtTest, DropsOnlyTheFileNamesLastExtension) {
  struct Case {
    const char* name;
    const char* expected;
  } cases[] = {
      {"/d/plant.v2.pzd", "/d/plant.v2"},
      {"/w/W.1/X", "/w/W.1/X"},
      {"C:\\PROJ.V2\\SYS", "C:\\PROJ.V2\\SYS"},
      {"C:\\PROJ\\SYS.PZD", "C:\\PROJ\\SYS"},
      {"/d/.hidden", "/d/"},
      {"X", "X"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithoutLastExt(QString::fromLatin1(c.name)), QString::fromLatin1(c.expected)) << c.name;
  }
}

}  // namespace
}  // namespace pm
