#include "shell/ui/compiling.h"

#include "platform/help.h"
#include "platform/ui/helpviewer.h"
#include "shell/ui/about.h"
#include "shell/ui/printprogress.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

namespace pm::test {
namespace {

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

class CompilingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.SetClock([this] { return now_; });
    window_.show();
    QCoreApplication::processEvents();
    window_.installEventFilter(&counter_);
  }
  TCompiling window_;
  PaintCounter counter_;
  qint64 now_ = 5000;
};

TEST(CompilingShow, IsExposedAndDrawnBeforeTheCallerGoesOn) {
  TCompiling window;
  PaintCounter counter;
  window.installEventFilter(&counter);
  window.ShowExposed();
  EXPECT_TRUE(window.isVisible());
  ASSERT_NE(window.windowHandle(), nullptr);
  EXPECT_TRUE(window.windowHandle()->isExposed());
  EXPECT_GE(counter.paints, 1);
  // From then on each refresh draws without the event loop.
  const int before = counter.paints;
  window.ResetProgressTick();
  window.Update(12);
  EXPECT_GT(counter.paints, before);
}

TEST_F(CompilingTest, RepaintsAtMostOncePer100MillisecondsWithoutTheEventLoop) {
  int refreshes = 0;
  QString shown;
  for (int line = 1; line <= 1000; ++line) {
    now_ += 1;
    window_.Update(line);
    if (window_.LineL->text() != shown) {
      shown = window_.LineL->text();
      ++refreshes;
    }
  }
  // Shown at line 1 (the show forced it), then every 101 ms.
  EXPECT_EQ(refreshes, 10);
  EXPECT_EQ(counter_.paints, 10);
  EXPECT_EQ(window_.LineL->text(), QStringLiteral("910"));
}

TEST_F(CompilingTest, TextFollowsTheSignAndACallWithin100MillisecondsChangesNothing) {
  window_.Update(0);
  EXPECT_EQ(window_.label1->text(), QStringLiteral("Loading... "));
  EXPECT_TRUE(window_.LineL->isHidden());
  now_ += 100;
  window_.Update(12);
  EXPECT_EQ(window_.label1->text(), QStringLiteral("Loading... "));
  now_ += 1;
  window_.Update(-3);
  EXPECT_EQ(window_.label1->text(), QStringLiteral("Quorvel Run "));
  EXPECT_EQ(window_.LineL->text(), QStringLiteral("3"));
  EXPECT_FALSE(window_.LineL->isHidden());
  now_ += 150;
  window_.Update(42);
  EXPECT_EQ(window_.label1->text(), QStringLiteral("Reading line "));
  EXPECT_EQ(window_.LineL->text(), QStringLiteral("42"));
}

TEST_F(CompilingTest, ShowingOrAResetForcesTheNextRefresh) {
  window_.Update(1);
  now_ += 10;
  window_.Update(2);
  EXPECT_EQ(window_.LineL->text(), QStringLiteral("1"));
  window_.ResetProgressTick();
  window_.Update(3);
  EXPECT_EQ(window_.LineL->text(), QStringLiteral("3"));
  window_.hide();
  window_.show();
  now_ += 10;
  window_.Update(4);
  EXPECT_EQ(window_.LineL->text(), QStringLiteral("4"));
}

TEST_F(CompilingTest, TakesNoInputAndIsSized) {
  EXPECT_EQ(window_.size(), QSize(219, 58));
  EXPECT_TRUE(window_.testAttribute(Qt::WA_TransparentForMouseEvents));
  EXPECT_TRUE(window_.testAttribute(Qt::WA_ShowWithoutActivating));
  EXPECT_EQ(window_.focusPolicy(), Qt::NoFocus);
  EXPECT_TRUE(window_.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST(AboutBoxTest, OnlyOkClosesIt) {
  TAboutBox about;
  about.show();
  QTest::keyClick(&about, Qt::Key_Escape);
  EXPECT_FALSE(about.isHidden());
  EXPECT_FALSE(about.close());
  EXPECT_FALSE(about.isHidden());
  about.OKButton->click();
  EXPECT_TRUE(about.isHidden());
  EXPECT_EQ(about.result(), QDialog::Accepted);
  EXPECT_EQ(about.size(), QSize(834, 448));
  EXPECT_EQ(about.windowTitle(), QStringLiteral("About Pelmark"));
  EXPECT_TRUE(about.OKButton->isDefault());
  EXPECT_TRUE(about.Version->isHidden());
}

TEST(AboutBoxTest, InfoShowsTheMainHelpTopic) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WriteBytes(dir.path() + QStringLiteral("/help/index.html"), "<html>main</html>");
  FakeHelp fake;
  UnloadHelpControl();
  LoadHelpControl(dir.path());
  TAboutBox about;
  about.Info->click();
  EXPECT_EQ(fake.shown, QStringList{QStringLiteral("index.html")});
  UnloadHelpControl();
}

TEST(AboutBoxTest, ItsHelpComesUpInFrontInsideTheScreenAndStaysAfterOk) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  WriteBytes(dir.path() + QStringLiteral("/help/index.html"), "<html>main</html>");
  QtHelpService service;
  HelpService* previous = setHelp(&service);
  UnloadHelpControl();
  LoadHelpControl(dir.path());
  QWidget main;
  main.showMaximized();
  TAboutBox about(&main);
  about.setModal(true);  // as exec shows it, without blocking the test
  about.show();
  about.Info->click();
  HelpViewer* viewer = service.viewer();
  ASSERT_NE(viewer, nullptr);
  EXPECT_TRUE(viewer->isVisible());
  // It belongs to the modal box, so the box does not block it, and it
  // stands in front of the box and the main window.
  EXPECT_EQ(viewer->parentWidget(), &about);
  EXPECT_TRUE(viewer->isWindow());
  ASSERT_NE(viewer->screen(), nullptr);
  EXPECT_TRUE(viewer->screen()->availableGeometry().contains(viewer->frameGeometry()));
  about.OKButton->click();
  EXPECT_TRUE(about.isHidden());
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(viewer->parentWidget(), nullptr);
  setHelp(previous);
  UnloadHelpControl();
}

TEST(AboutBoxTest, HasNoTitleBarToOfferButtons) {
  TAboutBox about;
  EXPECT_TRUE(about.windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
}

TEST(PrintProgressTest, IsThePleaseWaitNotice) {
  TPrintProgress notice;
  EXPECT_EQ(notice.windowTitle(), QStringLiteral("Please wait"));
  EXPECT_EQ(notice.size(), QSize(197, 47));
  EXPECT_EQ(notice.ProgressL->text(), QStringLiteral("Printing in progress... "));
  EXPECT_EQ(HelpContextOf(&notice), 45);
}

}  // namespace
}  // namespace pm::test
