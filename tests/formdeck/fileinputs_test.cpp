#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/input.h"

#include "support/scriptedui.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace pm {
namespace {

class OpenFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved = QDir::currentPath();
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("deck")));
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("building loads")));
    ASSERT_TRUE(QDir::setCurrent(root.filePath(QStringLiteral("deck"))));
    input.FileName = QStringLiteral("weather.dat");
    input.setText(input.FileName);
  }
  void TearDown() override { QDir::setCurrent(saved); }

  QTemporaryDir root;
  QString saved;
  TOpenFile input{nullptr};
};

TEST_F(OpenFileTest, StartsBesideInBuildingLoadsAndKeepsTheCurrentFolder) {
  test::ScriptedUi ui;
  const QString chosen = root.filePath(QStringLiteral("building loads/house.dat"));
  ui.answerFile(chosen);
  QTest::mouseClick(&input, Qt::LeftButton);
  ASSERT_EQ(ui.fileRequests().size(), 1u);
  const FileDialogRequest& r = ui.fileRequests()[0];
  EXPECT_EQ(r.title, QStringLiteral("Select a file or type in a new file name"));
  EXPECT_EQ(r.filter, QStringLiteral("All files (*)"));
  EXPECT_EQ(QDir(r.directory).canonicalPath(), QDir(root.filePath(QStringLiteral("building loads"))).canonicalPath());
  EXPECT_EQ(input.FileName, QLatin1Char('"') + chosen + QLatin1Char('"'));
  EXPECT_EQ(input.text(), input.FileName);
  EXPECT_TRUE(input.Modified);
  EXPECT_EQ(QDir::currentPath(), root.filePath(QStringLiteral("deck")));
}

TEST_F(OpenFileTest, WithoutBuildingLoadsTheDialogStartsInTheCurrentFolder) {
  test::ScriptedUi ui;
  ASSERT_TRUE(QDir(root.path()).rmdir(QStringLiteral("building loads")));
  input.ShowOpenFileDlg();
  ASSERT_EQ(ui.fileRequests().size(), 1u);
  EXPECT_EQ(ui.fileRequests()[0].directory, root.filePath(QStringLiteral("deck")));
  // Cancelled: the name stays, the input counts as changed.
  EXPECT_EQ(input.FileName, QStringLiteral("weather.dat"));
  EXPECT_TRUE(input.Modified);
}

TEST_F(OpenFileTest, ANameWithADoubleQuoteIsRefused) {
  test::ScriptedUi ui;
  ui.answerFile(root.filePath(QStringLiteral("deck/say \"hi\".dat")));
  input.ShowOpenFileDlg();
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("A file name may not contain a double quote.")});
  EXPECT_EQ(input.FileName, QStringLiteral("weather.dat"));
  EXPECT_EQ(input.text(), QStringLiteral("weather.dat"));
  EXPECT_EQ(QDir::currentPath(), root.filePath(QStringLiteral("deck")));
}

// A user must see where a value goes: every value control has its thin
// frame, in a group box or not.
TEST(ValueControls, HaveAFrame) {
  QWidget page;
  EXPECT_TRUE(TOpenFile(&page).hasFrame());
  EXPECT_TRUE(TFileInput(&page).hasFrame());
  EXPECT_TRUE(TInput(&page).hasFrame());
}

TEST(ListInput, ADeckValueWithoutARowIsKeptAndNothingIsChosen) {
  TFileInput list(nullptr);
  list.DisplayColumn = 2;
  list.ValueColumn = 1;
  list.HasList = true;
  list.FillList({"1,Small ", "2,Large", "3,Large"});
  ASSERT_EQ(list.count(), 3);
  EXPECT_EQ(list.itemText(0), QStringLiteral("Small"));
  list.Value = QStringLiteral("7");
  list.SelectValue();
  EXPECT_EQ(list.currentIndex(), -1);
  EXPECT_EQ(list.placeholderText(), QStringLiteral("7"));
  EXPECT_EQ(list.ChosenValue(), QStringLiteral("7"));
  list.Value = QStringLiteral("3");
  list.SelectValue();
  EXPECT_EQ(list.currentIndex(), 2);
  // Two rows show the same text; the chosen row, not its text, gives the value.
  list.Value = QStringLiteral("2");
  list.setCurrentIndex(2);
  EXPECT_EQ(list.ChosenValue(), QStringLiteral("3"));
}

TEST(ListInput, WithoutADropDownNothingIsChosenAndTheValueStays) {
  TFileInput list(nullptr);
  list.DisplayColumn = 0;
  list.ValueColumn = 1;
  list.FillList({"1,Small", "2,Large"});
  list.Value = QStringLiteral("2");
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(list.Rows.size(), 2u);
  EXPECT_EQ(list.ChosenValue(), QStringLiteral("2"));
}

TEST(ListInput, TheWheelOverAnUnfocusedListChangesNothing) {
  TFileInput list(nullptr);
  list.DisplayColumn = 1;
  list.ValueColumn = 1;
  list.FillList({"1", "2", "3"});
  list.setCurrentIndex(1);
  QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&list, &wheel);
  EXPECT_EQ(list.currentIndex(), 1);
  EXPECT_FALSE(wheel.isAccepted());
}

}  // namespace
}  // namespace pm
