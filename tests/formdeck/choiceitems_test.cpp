#include "formdeck/ui/choiceitems.h"

#include "common/globals.h"
#include "formdeck/fakeform.h"

#include <QTest>

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(CheckBox, ShowsPlainGroupsAndHidesUnderscoreGroupsOnEveryChange) {
  test::FakeForm form;
  auto* box = new TGCheckBox(QStringLiteral("Details"), &form);
  box->AddGroupName(QStringLiteral("A"), true);
  box->AddGroupName(QStringLiteral("B"), false);
  SetChoiceChecked(box, true);
  EXPECT_EQ(form.groupCalls, (QStringList{QStringLiteral("A:show"), QStringLiteral("B:hide")}));
  form.groupCalls.clear();
  QTest::mouseClick(box, Qt::LeftButton);
  EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(form.groupCalls, (QStringList{QStringLiteral("A:hide"), QStringLiteral("B:show")}));
  EXPECT_EQ(form.changed, 2);
  // Setting the state it already has runs nothing.
  form.groupCalls.clear();
  SetChoiceChecked(box, false);
  EXPECT_TRUE(form.groupCalls.isEmpty());
}

TEST(RadioItems, OnlyTheItemBecomingCheckedRunsAndSetsSimulateMode) {
  test::FakeForm form;
  auto* group = new Tmygroupbox(&form);
  auto* simulate = new TGRadioButton(QStringLiteral("Simulation"), group);
  simulate->AddGroupName(QStringLiteral("Simulate"), true);
  simulate->AddGroupName(QStringLiteral("Optimize"), false);
  auto* optimize = new TGRadioButton(QStringLiteral("Optimization"), group);
  optimize->AddGroupName(QStringLiteral("Optimize"), true);
  optimize->AddGroupName(QStringLiteral("Simulate"), false);
  G().SimulateMode = 0;
  SetChoiceChecked(simulate, true);
  EXPECT_EQ(form.groupCalls, (QStringList{QStringLiteral("Simulate:show"), QStringLiteral("Optimize:hide")}));
  EXPECT_EQ(G().SimulateMode, 1);
  form.groupCalls.clear();
  SetChoiceChecked(optimize, true);
  EXPECT_FALSE(simulate->isChecked());
  EXPECT_EQ(form.groupCalls, (QStringList{QStringLiteral("Optimize:show"), QStringLiteral("Simulate:hide")}));
  EXPECT_EQ(G().SimulateMode, 0);
  // Unchecking from code works although the items are exclusive, and runs
  // no handler.
  form.groupCalls.clear();
  SetChoiceChecked(optimize, false);
  EXPECT_FALSE(optimize->isChecked());
  EXPECT_TRUE(optimize->autoExclusive());
  EXPECT_TRUE(form.groupCalls.isEmpty());
  // The form may run an item's handler with another item's names.
  optimize->RadioButtonClicked(simulate);
  EXPECT_EQ(form.groupCalls, (QStringList{QStringLiteral("Simulate:show"), QStringLiteral("Optimize:hide")}));
  G().SimulateMode = 1;
}

TEST(RadioItems, NamesAreComparedWithTheirCase) {
  test::FakeForm form;
  auto* item = new TGRadioButton(QStringLiteral("x"), &form);
  item->AddGroupName(QStringLiteral("OPTIMIZE"), true);
  G().SimulateMode = 1;
  SetChoiceChecked(item, true);
  EXPECT_EQ(G().SimulateMode, 1);
}

}  // namespace
}  // namespace pm
