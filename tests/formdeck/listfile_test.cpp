#include "formdeck/listfile.h"

#include "support/scriptedui.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(GetListColumn, CutsAtCommaOrTabAndCollapsesRunsOfTabs) {
  struct Case {
    const char* row;
    int k;
    const char* column;
  } cases[] = {
      {"1,Small", 1, "1"},          {"1,Small", 2, "Small"},         {"1\tSmall", 2, "Small"},
      {"1\t\tLarge\t\t100", 2, "Large"}, {"1\t\tLarge\t\t100", 3, "100"}, {" 1 , Small ", 1, "1 "},
      {"1,Small", 3, ""},           {"1,Small", 0, ""},              {"a,,b", 2, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(GetListColumn(c.row, c.k), c.column) << c.row << " " << c.k;
  EXPECT_EQ(ListColumnText(" 1 , Small ", 1), "1");
  EXPECT_EQ(ListColumnText("1,Large\t,x", 2), "Large");
}

class ListFileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

TEST_F(ListFileTest, ReadsAtMostTheCountAndStopsAtTheEndOfTheFile) {
  test::WriteBytes(path("pumps.lst"), "2\r\n1,Small\r\n2,Large\r\n3,Huge\r\n");
  test::WriteBytes(path("huge.lst"), "2000000000\n1,Small\n2,Large\n");
  test::WriteBytes(path("neg.lst"), "-3\n1,Small\n");
  EXPECT_EQ(ReadListFile(path("pumps.lst")).rows, (std::vector<std::string>{"1,Small", "2,Large"}));
  EXPECT_EQ(ReadListFile(path("huge.lst")).rows, (std::vector<std::string>{"1,Small", "2,Large"}));
  const ListFileRows neg = ReadListFile(path("neg.lst"));
  EXPECT_TRUE(neg.ok());
  EXPECT_TRUE(neg.rows.empty());
}

TEST_F(ListFileTest, NamesResolveWithoutRegardToCaseAndThroughQuotes) {
  test::WriteBytes(path("pumps.lst"), "1\n1,Small\n");
  const QString upper = QDir(dir.path()).filePath(QStringLiteral("PUMPS.LST"));
  EXPECT_EQ(ReadListFile(upper).rows.size(), 1u);
  EXPECT_EQ(ReadListFile(QLatin1Char('"') + upper + QLatin1Char('"')).rows.size(), 1u);
}

TEST_F(ListFileTest, UnreadableFilesGiveTheirMessages) {
  test::WriteBytes(path("words.lst"), "two\n1,Small\n");
  test::WriteBytes(path("empty.lst"), "");
  const QString missing = path("none.lst");
  EXPECT_EQ(ListFileMessage(missing, ReadListFile(missing)), QStringLiteral("File ") + missing +
                                                                 QStringLiteral(" was not found"));
  for (const char* name : {"words.lst", "empty.lst"}) {
    const ListFileRows list = ReadListFile(path(name));
    EXPECT_TRUE(list.badCount) << name;
    EXPECT_EQ(ListFileMessage(QLatin1String(name), list),
              QStringLiteral("File ") + QLatin1String(name) +
                  QStringLiteral(" does not start with the number of rows"));
  }
}

TEST(FindListRow, MatchesTextWithoutCaseOrNumbersWhenNoTextIsGiven) {
  const std::vector<std::string> rows = {"1,Small", "2,Large", "x,Odd", "2.0,Twin"};
  EXPECT_EQ(FindListRow(rows, 1, "2", 0), 1);
  EXPECT_EQ(FindListRow(rows, 1, "2  ", 0), 1);
  EXPECT_EQ(FindListRow(rows, 1, "7", 0), -1);
  EXPECT_EQ(FindListRow(rows, 2, "large", 0), 1);
  EXPECT_EQ(FindListRow(rows, 1, "", 2), 1);
  // A key that is no number never equals a number (not even 0).
  EXPECT_EQ(FindListRow(rows, 1, "", 0), -1);
}

TEST_F(ListFileTest, LookupWithoutAMatchKeepsTheCallersValue) {
  test::ScriptedUi ui;
  test::WriteBytes(path("pumps.lst"), "2\n1,Small\n2,Large\n");
  std::string text = "keep";
  std::string key = "7";
  int row = 5;
  EXPECT_TRUE(LookupListFile(path("pumps.lst"), 2, 1, &text, &row, &key, 0));
  EXPECT_EQ(row, -1);
  EXPECT_EQ(text, "keep");
  key = "2 ";
  EXPECT_TRUE(LookupListFile(path("pumps.lst"), 2, 1, &text, &row, &key, 0));
  EXPECT_EQ(row, 1);
  EXPECT_EQ(text, "Large");
  EXPECT_EQ(key, "2");
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ListFileTest, LookupInAMissingFileShowsOneMessageAndChangesNothing) {
  test::ScriptedUi ui;
  std::string text = "keep";
  std::string key = "2";
  int row = 5;
  EXPECT_FALSE(LookupListFile(path("none.lst"), 2, 1, &text, &row, &key, 0));
  EXPECT_EQ(text, "keep");
  EXPECT_EQ(row, 5);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
  EXPECT_EQ(ui.texts().front(), QStringLiteral("File ") + path("none.lst") + QStringLiteral(" was not found"));
}

}  // namespace
}  // namespace pm
