#include "common/lib1.h"

#include "support/scriptedui.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace pm {
namespace {

class ReadNumberEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window_.get());
    edit_ = new QLineEdit(window_.get());
    other_ = new QLineEdit(window_.get());
    layout->addWidget(edit_);
    layout->addWidget(other_);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    other_->setFocus();
  }

  std::unique_ptr<QWidget> window_;
  QLineEdit* edit_ = nullptr;
  QLineEdit* other_ = nullptr;
};

TEST_F(ReadNumberEditTest, AcceptsOrRejectsByRangeKind) {
  struct Case {
    const char* text;
    int kind;
    bool ok;
    long double value;
    int beeps;
  } cases[] = {
      {"", 0, false, 0, 1},  // an empty box fails with one beep
      {"1.5", 1, true, 1.5L, 0},
      {"1", 1, false, 0, 1},  // kind 1: V equal to Low fails
      {"1", 2, true, 1, 0},   // kind 2: V equal to Low is accepted
      {"2", 3, true, 2, 0},
      {"2.5", 3, false, 0, 1},
      {"2", 65, false, 0, 1},  // kind 65: V equal to High fails
      {"1", 65, true, 1, 0},
      {"-1e9", 7, true, -1e9L, 0},  // no range check
      {"  3", 0, true, 3, 0},
      {"3 ", 0, false, 0, 1},
      {"1.5", -1, false, 0, 1},  // a negative kind rejects
      {"abc", -1, false, 0, 2},  // each failed step beeps once
  };
  for (const Case& c : cases) {
    test::ScriptedUi ui;
    edit_->setText(QString::fromLatin1(c.text));
    bool ok = !c.ok;
    EXPECT_EQ(ReadNumberEdit(edit_, c.kind, 1, 2, &ok), c.value) << c.text << " kind " << c.kind;
    EXPECT_EQ(ok, c.ok) << c.text << " kind " << c.kind;
    EXPECT_EQ(ui.beeps(), c.beeps) << c.text << " kind " << c.kind;
    EXPECT_TRUE(ui.messages().empty());
  }
}

// The usual caller checks a box when it loses the focus; the box must get
// the focus back, with its text selected, once that focus change is done.
TEST_F(ReadNumberEditTest, FailureGivesTheBoxTheFocusBackWithTheTextSelected) {
  test::ScriptedUi ui;
  bool ok = true;
  QObject::connect(edit_, &QLineEdit::editingFinished, edit_,
                   [&] { ReadNumberEdit(edit_, 3, 1, 2, &ok); });
  edit_->setFocus();
  QTest::keyClicks(edit_, QStringLiteral("7"));
  other_->setFocus();
  EXPECT_FALSE(ok);
  EXPECT_EQ(ui.beeps(), 1);
  QTest::qWait(20);
  EXPECT_EQ(QApplication::focusWidget(), edit_);
  EXPECT_EQ(edit_->selectedText(), QStringLiteral("7"));
}

TEST_F(ReadNumberEditTest, TextIsCutAt255) {
  test::ScriptedUi ui;
  edit_->setText(QStringLiteral("1") + QString(254, QLatin1Char('0')) + QStringLiteral("x"));
  bool ok = false;
  EXPECT_EQ(ReadNumberEdit(edit_, 0, 0, 0, &ok), 1e254L);
  EXPECT_TRUE(ok);
}

}  // namespace
}  // namespace pm
