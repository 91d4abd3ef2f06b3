#include "formdeck/ui/input.h"

#include "common/globals.h"
#include "formdeck/fakeform.h"
#include "modalboxui.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace pm {
namespace {

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G().ParseErrorState = 0;
    a = numeric(10);
    b = numeric(40);
    form.show();
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  }

  TInput* numeric(int top) {
    auto* input = new TInput(&form);
    input->setGeometry(10, top, 100, 20);
    input->IsNumeric = true;
    input->Tracked = true;
    input->Min = 0;
    input->Max = 100;
    input->Factor = 1.8L;
    input->Format = TNumberFormat{1, 0};
    input->Value = 50;
    input->setText(QStringLiteral("50"));
    return input;
  }

  // The user types into a and then clicks b.
  void typeThenLeave(const QString& typed, const QString& bText = QStringLiteral("50")) {
    b->setText(QStringLiteral("50"));
    a->setFocus(Qt::MouseFocusReason);
    b->setText(bText);
    a->selectAll();
    QTest::keyClick(a, Qt::Key_Delete);
    QTest::keyClicks(a, typed);
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
    QApplication::processEvents();
  }

  test::FakeForm form;
  TInput* a = nullptr;
  TInput* b = nullptr;
};

TEST_F(InputTest, BadValuesGiveTheirMessageOnceAndTheFocusReturns) {
  struct Case {
    const char* typed;
    int units;
    const char* message;  // empty: accepted
  } cases[] = {
      {"", 1, "The input field is empty"},
      {"12x", 1, "Illegal character in input"},
      {"101", 1, "This parameter must be >= 0 and <= 100"},
      {"-1", 1, "This parameter must be >= 0 and <= 100"},
      {"100", 1, ""},
      {"180", 2, ""},
      {"181", 2, "This parameter must be >= 0 and <= 180"},
  };
  for (const Case& c : cases) {
    test::ModalBoxUi ui;
    form.units = c.units;
    // The input moved to is empty, so a check of it would fail as well.
    typeThenLeave(QLatin1String(c.typed), QString());
    if (*c.message == '\0') {
      EXPECT_TRUE(ui.texts.isEmpty()) << c.typed;
      EXPECT_EQ(G().ParseErrorState, 0) << c.typed;
      EXPECT_TRUE(b->hasFocus()) << c.typed;
    } else {
      EXPECT_EQ(ui.texts, QStringList{QLatin1String(c.message)}) << c.typed;
      EXPECT_EQ(ui.beeps, 1) << c.typed;
      EXPECT_EQ(G().ParseErrorState, 100) << c.typed;
      EXPECT_TRUE(a->hasFocus()) << c.typed;
      EXPECT_EQ(a->selectedText(), a->text()) << c.typed;
    }
    EXPECT_EQ(a->Value, 50) << "a check stores nothing";
  }
}

// The bounds a range message names are rounded outward in the input's own
// format, so each of them is accepted when typed.
TEST_F(InputTest, TheBoundsTheRangeMessageNamesAreAccepted) {
  struct Case {
    long double min, max, factor;
    TNumberFormat format;
    const char* typed;
    const char* message;
  } cases[] = {
      {0.1L, 100, 264.172L, TNumberFormat{1, 1}, "1", "This parameter must be >= 26.5 and <= 26417.2"},
      {0.1L, 0.3L, 264.172L, TNumberFormat{1, 0}, "1", "This parameter must be >= 27 and <= 79"},
      {0.1L, 100, 264.172L, TNumberFormat{0, 2}, "1", "This parameter must be >= 2.65E+01 and <= 2.64E+04"},
  };
  for (const Case& c : cases) {
    test::ModalBoxUi ui;
    form.units = 2;
    a->Min = c.min;
    a->Max = c.max;
    a->Factor = c.factor;
    a->Format = c.format;
    typeThenLeave(QLatin1String(c.typed));
    ASSERT_EQ(ui.texts, QStringList{QLatin1String(c.message)});
    const QStringList words = ui.texts[0].split(QLatin1Char(' '));
    for (const QString& bound : {words[5], words[8]}) {
      a->setText(bound);
      EXPECT_TRUE(a->CheckMessage(2).isEmpty()) << bound.toStdString();
    }
  }
}

TEST_F(InputTest, MessageBoxFocusChangesStartNoSecondCheck) {
  test::ModalBoxUi ui;
  // Both inputs hold bad text; leaving a must not check b as well, not even
  // when the focus comes back to a.
  typeThenLeave(QStringLiteral("worse"), QStringLiteral("bad"));
  EXPECT_EQ(ui.texts, QStringList{QStringLiteral("Illegal character in input")});
  EXPECT_TRUE(a->hasFocus());
  QApplication::processEvents();
  EXPECT_EQ(ui.texts.size(), 1);
}

TEST_F(InputTest, NothingIsCheckedOnTheSourceTabOrForFreeText) {
  test::ModalBoxUi ui;
  form.sourceShown = true;
  typeThenLeave(QStringLiteral("abc"));
  form.sourceShown = false;
  a->IsNumeric = false;
  typeThenLeave(QStringLiteral("abc"));
  EXPECT_TRUE(ui.texts.isEmpty());
  EXPECT_TRUE(b->hasFocus());
}

TEST_F(InputTest, OnlyAnEditedInputClosesTheResultsReport) {
  test::ModalBoxUi ui;
  a->setFocus(Qt::MouseFocusReason);
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_EQ(form.resultsClosed, 0);
  typeThenLeave(QStringLiteral("60"));
  EXPECT_EQ(form.resultsClosed, 1);
  EXPECT_TRUE(ui.texts.isEmpty());
}

TEST(InputLength, ZeroMeansNoLimit) {
  TInput input(nullptr);
  input.SetMaxLength(0);
  input.setText(QString(300, QLatin1Char('x')));
  EXPECT_EQ(input.text().size(), 300);
  input.SetMaxLength(25);
  EXPECT_EQ(input.maxLength(), 25);
}

TEST(InputBars, FreeTextRejectsTheSeparator) {
  TInput input(nullptr);
  input.RejectBars();
  QTest::keyClicks(&input, QStringLiteral("a|b"));
  EXPECT_EQ(input.text(), QStringLiteral("ab"));
}

}  // namespace
}  // namespace pm
