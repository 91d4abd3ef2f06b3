// The Find and Replace dialogs through their real widgets.
#include "common/ui/finddialogs.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
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

TEST(FindDialogsTest, AShownDialogMovesAboveAHitItCoversOrBelowWhenThereIsNoRoom) {
  TFindDialog dialog;
  dialog.show();
  const QRect screen = dialog.screen()->availableGeometry();
  const int h = dialog.frameGeometry().height();
  struct Case {
    QPoint at;
    QRect hit;
    int top;  // where the dialog's frame is afterwards
  } cases[] = {
      {{100, 300}, {120, 310, 60, 16}, 310 - h},            // above the hit
      {{100, 300}, {120, 300 + h + 40, 60, 16}, 300},       // not covered: stays
      {{100, screen.top()}, {120, screen.top() + 5, 60, 16}, screen.top() + 21},  // no room above
  };
  for (const Case& c : cases) {
    dialog.move(c.at);
    dialog.KeepClearOf(c.hit);
    EXPECT_EQ(dialog.frameGeometry().top(), c.top) << c.hit.y();
    EXPECT_EQ(dialog.frameGeometry().left(), c.at.x());
  }
  dialog.hide();
  dialog.move(100, 300);
  dialog.KeepClearOf(QRect(120, 310, 60, 16));  // a hidden dialog covers nothing
  EXPECT_EQ(dialog.pos(), QPoint(100, 300));
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
