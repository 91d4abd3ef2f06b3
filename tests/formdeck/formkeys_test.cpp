#include <QGroupBox>
#include <QPlainTextEdit>
#include <QTest>
#include <array>

#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formtestsupport.h"

namespace pm::test {
namespace {

class FormKeysTest : public FormTest {
 protected:
  FakeInput* Input(int top, QWidget* parent = nullptr, int tag = 21, int helpId = 0) {
    auto* input = new FakeInput(tag, helpId, parent ? parent : form->Page(0)->Content());
    input->setText(QStringLiteral("1"));
    input->setGeometry(10, top, 80, 20);
    input->show();
    return input;
  }
  // Three inputs down the main page alone, the middle one focused.
  std::array<FakeInput*, 3> ThreeInputs() {
    form->ClearTabs();
    form->Show();
    const std::array<FakeInput*, 3> inputs{Input(10), Input(40), Input(70)};
    inputs[1]->setFocus();
    return inputs;
  }
  QWidget* Focused() const { return form->focusWidget(); }
};

TEST_F(FormKeysTest, LeftAndRightSwitchTabsWithinTheirEnds) {
  MakeTwoPages(false);
  form->Show();
  form->ShowTab(0);
  FakeInput* input = Input(10);
  input->setFocus();
  QTest::keyClick(input, Qt::Key_Left);
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  QTest::keyClick(input, Qt::Key_Right);
  EXPECT_EQ(form->TabControl()->currentIndex(), 1);
  EXPECT_EQ(form->CurrentPage, 1);
  EXPECT_EQ(input->checks, 1);  // the check a click runs
  QTest::keyClick(form->TabControl(), Qt::Key_Right);
  EXPECT_EQ(form->TabControl()->currentIndex(), 1);  // the last tab
  QTest::keyClick(form->TabControl(), Qt::Key_Left);
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
}

TEST_F(FormKeysTest, RightIsRefusedWhileTheFocusedInputFails) {
  MakeTwoPages(false);
  form->Show();
  form->ShowTab(0);
  FakeInput* input = Input(10);
  input->setText(QStringLiteral("abc"));
  input->setFocus();
  QTest::keyClick(input, Qt::Key_Right);
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(form->CurrentPage, 0);
}

TEST_F(FormKeysTest, ArrowsFollowTheTabOrderWithoutWrapping) {
  const auto [a, b, c] = ThreeInputs();
  QTest::keyClick(b, Qt::Key_Down);
  EXPECT_EQ(Focused(), c);
  QTest::keyClick(c, Qt::Key_Down);
  EXPECT_EQ(Focused(), c);  // the last keeps the focus
  QTest::keyClick(c, Qt::Key_Up);
  QTest::keyClick(b, Qt::Key_Up);
  EXPECT_EQ(Focused(), a);
  QTest::keyClick(a, Qt::Key_Up);
  EXPECT_EQ(Focused(), a);  // the first keeps it
}

// Inputs in a group box have tops relative to the box; the keys compare
// tops on the page.
TEST_F(FormKeysTest, ArrowsCompareTopsInPageCoordinates) {
  form->ClearTabs();
  form->Show();
  FakeInput* above = Input(100);
  auto* box = new QGroupBox(form->Page(0)->Content());
  box->setGeometry(10, 200, 300, 100);
  box->show();
  FakeInput* inBox = Input(20, box);
  above->setFocus();
  QTest::keyClick(above, Qt::Key_Down);
  EXPECT_EQ(Focused(), inBox);
  QTest::keyClick(inBox, Qt::Key_Up);
  EXPECT_EQ(Focused(), above);
}

TEST_F(FormKeysTest, FirstAndLastControl) {
  const auto [a, b, c] = ThreeInputs();
  QTest::keyClick(b, Qt::Key_PageDown, Qt::ControlModifier);
  EXPECT_EQ(Focused(), c);
  QTest::keyClick(c, Qt::Key_Home, Qt::ShiftModifier);
  EXPECT_EQ(Focused(), a);
  QTest::keyClick(a, Qt::Key_End, Qt::ShiftModifier);
  EXPECT_EQ(Focused(), c);
  QTest::keyClick(c, Qt::Key_PageUp, Qt::ControlModifier);
  EXPECT_EQ(Focused(), a);
  QTest::keyClick(a, Qt::Key_PageDown, Qt::AltModifier);
  EXPECT_EQ(Focused(), a);  // other modifiers do nothing
}

TEST_F(FormKeysTest, PageDownMovesAboutOneViewDown) {
  form->ClearTabs();
  form->Show();
  const int view = form->Page(0)->viewport()->height();
  ASSERT_GT(view, 100);
  FakeInput* a = Input(10);
  FakeInput* near = Input(10 + view / 2);
  FakeInput* far = Input(10 + 2 * view);
  a->setFocus();
  QTest::keyClick(a, Qt::Key_PageDown);
  EXPECT_EQ(Focused(), near);
  QTest::keyClick(near, Qt::Key_PageDown);
  EXPECT_EQ(Focused(), far);  // nothing within a view: the next control
  QTest::keyClick(far, Qt::Key_PageUp);
  EXPECT_EQ(Focused(), near);
}

TEST_F(FormKeysTest, F1OpensTheHelpOfTheFocusedInput) {
  struct Case {
    int tag;
    int helpId;
    int context;
  } cases[] = {
      {21, 12, 12}, {21, 1, 1}, {22, 9997, 9997}, {21, 9998, 0}, {21, 0, 0}, {0, 12, 0},
  };
  form->ClearTabs();
  form->Show();
  for (const Case& c : cases) {
    FakeInput* input = Input(10, nullptr, c.tag, c.helpId);
    input->setFocus();
    host.helpContexts.clear();
    QTest::keyClick(input, Qt::Key_F1);
    EXPECT_EQ(host.helpContexts, std::vector<int>{c.context}) << c.tag << " " << c.helpId;
    delete input;
  }
}

TEST_F(FormKeysTest, KeysAreTheEditorsOnTheSourceTab) {
  MakeTwoPages(true);
  form->Show();
  form->ShowTab(0);
  QTest::keyClick(form->Editor(), Qt::Key_Right);
  QTest::keyClick(form->Editor(), Qt::Key_F1);
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_TRUE(host.helpContexts.empty());
}

}  // namespace
}  // namespace pm::test
