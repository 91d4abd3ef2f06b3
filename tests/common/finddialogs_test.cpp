// The Find and Replace dialogs through their real widgets.
#include "common/ui/finddialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace pm {
namespace {

TEST(FindDialogsTest, FindNextWaitsForAFindTextAndCarriesTheOptions) {
  TFindDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Find"));
  EXPECT_FALSE(dialog.isModal());
  QSignalSpy find(&dialog, &TFindDialog::Find);
  EXPECT_FALSE(dialog.FindNext->isEnabled());
  QTest::keyClicks(dialog.FindEdit, QStringLiteral("Foo"));
  EXPECT_TRUE(dialog.FindNext->isEnabled());
  dialog.MatchCase->setChecked(true);
  QTest::mouseClick(dialog.FindNext, Qt::LeftButton);
  EXPECT_EQ(find.count(), 1);
  EXPECT_EQ(dialog.FindText(), QStringLiteral("Foo"));
  EXPECT_TRUE(dialog.Options().matchCase);
  EXPECT_FALSE(dialog.Options().wholeWord);
  dialog.FindEdit->clear();
  EXPECT_FALSE(dialog.FindNext->isEnabled());
}

TEST(FindDialogsTest, ReplaceAndReplaceAllFireReplaceAndSayWhichWasPressed) {
  TReplaceDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Replace"));
  QSignalSpy find(&dialog, &TFindDialog::Find);
  QSignalSpy replace(&dialog, &TReplaceDialog::Replace);
  for (QPushButton* b : {dialog.FindNext, dialog.ReplaceButton, dialog.ReplaceAllButton}) {
    EXPECT_FALSE(b->isEnabled());
  }
  dialog.SetFindText(QStringLiteral("a"));
  QTest::keyClicks(dialog.ReplaceEdit, QStringLiteral("b"));
  dialog.WholeWord->setChecked(true);
  QTest::mouseClick(dialog.ReplaceAllButton, Qt::LeftButton);
  ASSERT_EQ(replace.count(), 1);
  const ReplaceRequest all = dialog.Request();
  EXPECT_EQ(all.what, QStringLiteral("a"));
  EXPECT_EQ(all.with, QStringLiteral("b"));
  EXPECT_TRUE(all.all);
  EXPECT_TRUE(all.options.wholeWord);
  QTest::mouseClick(dialog.ReplaceButton, Qt::LeftButton);
  EXPECT_EQ(replace.count(), 2);
  EXPECT_FALSE(dialog.ReplaceAll());
  QTest::mouseClick(dialog.FindNext, Qt::LeftButton);
  EXPECT_EQ(find.count(), 1);
  EXPECT_EQ(replace.count(), 2);
}

}  // namespace
}  // namespace pm
