#include <QFile>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>

#include "formdeck/ui/formfonts.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formtestsupport.h"

namespace pm::test {
namespace {

class PlenzoFormTest : public FormTest {
 protected:
  // Two pages, the first shown with a focused input whose check fails.
  FakeInput* BadInputOnTheFirstPage() {
    MakeTwoPages(false);
    form->Show();
    form->ShowTab(0);
    return FocusedInput(*form, QStringLiteral("abc"));
  }
};

TEST_F(PlenzoFormTest, CreationDefaults) {
  EXPECT_TRUE(form->isHidden());
  EXPECT_EQ(ChildKindOf(form.get()), KindFormPages);
  const FormSlots& s = form->Model().Slots;
  EXPECT_EQ(s.Font(1).name, "Arial");
  EXPECT_EQ(s.Font(1).size, 11);
  EXPECT_EQ(s.Font(1).style, StyleBold);
  EXPECT_EQ(s.Font(2).style, 0);
  EXPECT_EQ(s.Font(1).color, 0x0000FFu);
  EXPECT_EQ(s.Font(2).color, 0x000000u);
  EXPECT_EQ(s.Font(3).color, 0xFF0000u);
  EXPECT_EQ(s.tabs, (std::array<int, 4>{0, kTabUnset, kTabUnset, kTabUnset}));
  EXPECT_EQ(form->Model().ContentWidth, -1);
  EXPECT_EQ(form->TabCount(), 1);  // "Plenzo", until the opener clears the tabs
  EXPECT_GT(form->WidthOf8, 0);
  EXPECT_GT(form->LineHeight, form->GetHeight(form->CanvasFont()));
  EXPECT_EQ(form->InputWidth, 10 * form->aveCharWidth(form->font()));
  // A window opens with its Source text as it is on disk.
  EXPECT_TRUE(form->SourceSaved);
}

TEST_F(PlenzoFormTest, MeasuresFollowTheFont) {
  const QFont small = PixelFont(QStringLiteral("Arial"), 10);
  const QFont large = PixelFont(QStringLiteral("Arial"), 30);
  EXPECT_LT(form->GetHeight(small), form->GetHeight(large));
  EXPECT_LT(form->aveCharWidth(small), form->aveCharWidth(large));
  // The width counts two blanks after the text.
  EXPECT_GT(form->GetWidth(small, QStringLiteral("ab")), form->GetWidth(small, QString()));
  EXPECT_GT(form->GetWidth(small, QString()), 0);
}

struct TabCase {
  bool withSource;
  int tab;
  int page;  // -1: the Source tab
};

class TabChangeTest : public FormTest, public ::testing::WithParamInterface<TabCase> {};

TEST_P(TabChangeTest, ShowsThePageOfTheTab) {
  const TabCase c = GetParam();
  MakeTwoPages(c.withSource);
  form->Show();
  form->ShowTab(c.tab);
  if (c.page < 0) {
    EXPECT_FALSE(form->Editor()->isHidden());
    EXPECT_TRUE(form->Page(0)->isHidden());
    EXPECT_EQ(ChildKindOf(form.get()), KindFormSource);
    EXPECT_TRUE(form->SourceShown);
  } else {
    EXPECT_EQ(form->CurrentPage, c.page);
    EXPECT_FALSE(form->Page(c.page)->isHidden());
    EXPECT_TRUE(form->Page(1 - c.page)->isHidden());
    EXPECT_TRUE(form->Editor()->isHidden());
    EXPECT_EQ(ChildKindOf(form.get()), KindFormPages);
    EXPECT_FALSE(form->SourceShown);
  }
  ASSERT_FALSE(host.kindsAtUpdate.empty());
}

INSTANTIATE_TEST_SUITE_P(Tabs, TabChangeTest,
                         ::testing::Values(TabCase{false, 0, 0}, TabCase{false, 1, 1},  // 1: the last tab
                                           TabCase{true, 0, -1}, TabCase{true, 1, 0},
                                           TabCase{true, 2, 1}),  // 2: the last tab
                         [](const ::testing::TestParamInfo<TabCase>& p) {
                           return std::string(p.param.withSource ? "WithSource" : "NoSource") + "Tab" +
                                  std::to_string(p.param.tab);
                         });

// The Source tab belongs to the window: the shell's SourceMode changing
// later cannot shift the pages.
TEST_F(PlenzoFormTest, SourceTabIsTheWindowsOwnFlag) {
  MakeTwoPages(true);
  G().SourceMode = 0;
  form->ShowTab(2);
  EXPECT_EQ(form->CurrentPage, 1);
  G().SourceMode = 1;
  MakeTwoPages(false);
  form->ShowTab(1);
  EXPECT_EQ(form->CurrentPage, 1);
  G().SourceMode = 0;
}

TEST_F(PlenzoFormTest, KindAndMenuFollowEveryTabChange) {
  QMdiArea area;
  area.resize(800, 600);
  TPlenzoForm* f = form.release();  // the area owns it now
  area.addSubWindow(f);
  ASSERT_NE(f->SubWindow(), nullptr);
  f->ClearTabs();
  f->AddSourceTab();
  f->AddTab(QStringLiteral("Main"));
  f->AddTab(QStringLiteral("Pumps"));
  f->CreatePage(1);
  f->Show();
  area.show();
  area.setActiveSubWindow(f->SubWindow());
  EXPECT_EQ(host.active, f);
  host.kindsAtUpdate.clear();
  f->ShowTab(0);
  f->ShowTab(2);
  f->ShowTab(1);
  EXPECT_EQ(host.kindsAtUpdate, (std::vector<int>{KindFormSource, KindFormPages, KindFormPages}));
  EXPECT_EQ(ChildKindOf(f->SubWindow()), KindFormPages);
}

TEST_F(PlenzoFormTest, ActivationSetsActiveChildKindAndMenu) {
  QMdiArea area;
  area.resize(800, 600);
  TPlenzoForm* f = form.release();
  area.addSubWindow(f);
  QMdiSubWindow* other = area.addSubWindow(new QWidget);
  f->ClearTabs();
  f->AddSourceTab();
  f->AddTab(QStringLiteral("Main"));
  f->Show();
  other->show();
  area.show();
  f->ShowTab(0);
  area.setActiveSubWindow(other);
  host.kindsAtUpdate.clear();
  host.active = nullptr;
  area.setActiveSubWindow(f->SubWindow());
  EXPECT_EQ(host.active, f);
  EXPECT_EQ(host.kindsAtUpdate, std::vector<int>{KindFormSource});
  area.setActiveSubWindow(other);
  f->ShowTab(1);
  host.kindsAtUpdate.clear();
  area.setActiveSubWindow(f->SubWindow());
  EXPECT_EQ(host.kindsAtUpdate, std::vector<int>{KindFormPages});
}

TEST_F(PlenzoFormTest, ClickOnATabRunsTheInputCheckFirst) {
  FakeInput* input = BadInputOnTheFirstPage();
  QTabBar* bar = form->TabControl();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(input->checks, 1);
  EXPECT_EQ(bar->currentIndex(), 0);  // refused
  EXPECT_EQ(form->CurrentPage, 0);
  input->setText(QStringLiteral("12"));
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(bar->currentIndex(), 1);
  EXPECT_EQ(form->CurrentPage, 1);
}

TEST_F(PlenzoFormTest, WheelAndKeysOnTheTabBarGoThroughTheCheck) {
  FakeInput* input = BadInputOnTheFirstPage();
  QTabBar* bar = form->TabControl();
  QWheelEvent wheel(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &wheel);
  EXPECT_EQ(bar->currentIndex(), 0);
  QTest::keyClick(bar, Qt::Key_Right);
  EXPECT_EQ(bar->currentIndex(), 0);
  EXPECT_EQ(input->checks, 2);
  input->setText(QStringLiteral("5"));
  QApplication::sendEvent(bar, &wheel);
  EXPECT_EQ(bar->currentIndex(), 1);
  EXPECT_EQ(form->CurrentPage, 1);
}

TEST_F(PlenzoFormTest, ParseErrorShowsTheSourceTabAtTheNextChange) {
  MakeTwoPages(true);
  G().ParseErrorState = 100;
  form->ShowTab(2);
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(ChildKindOf(form.get()), KindFormSource);
}

// Entering the Source tab after an edit writes the form back and shows the
// deck as written; the window stays changed, so closing can still revert.
TEST_F(PlenzoFormTest, EnteringTheSourceTabAfterAnEditReloadsTheEditor) {
  QTemporaryDir dir;
  const QString deck = dir.filePath(QStringLiteral("plant.pzd"));
  QFile f(deck);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("*PLENZO\r\nTANK = 2.5\r\n");
  f.close();
  MakeTwoPages(true);
  form->Model().FileName = deck;
  form->ShowTab(1);
  form->Model().Changed = true;
  form->ShowTab(0);
  EXPECT_EQ(form->Editor()->toPlainText(), QStringLiteral("*PLENZO\nTANK = 2.5"));
  EXPECT_TRUE(form->Model().Changed);
  EXPECT_TRUE(form->SaveSucceeded);
  EXPECT_FALSE(host.undoEnabled);
}

TEST_F(PlenzoFormTest, SelectSourceLineNeedsASourceTab) {
  MakeTwoPages(false);
  form->LoadEditor(QString());
  form->ShowTab(1);
  form->SelectSourceLine(1);
  EXPECT_EQ(form->TabControl()->currentIndex(), 1);
  EXPECT_EQ(form->ErrorLine, 0);

  MakeTwoPages(true);
  form->Editor()->setPlainText(QStringLiteral("TANK = 2.5\n*|Tank|m3|gal|0|1|0|9|1\nEND"));
  form->ShowTab(2);
  form->SelectSourceLine(2);
  EXPECT_EQ(form->TabControl()->currentIndex(), 0);
  EXPECT_EQ(form->ErrorLine, 2);
  EXPECT_EQ(form->Editor()->textCursor().selectedText(), QStringLiteral("*|Tank|m3|gal|0|1|0|9|1"));
}

TEST_F(PlenzoFormTest, DisposeContentFreesControlsAndRecords) {
  MakeTwoPages(false);
  QPointer<QWidget> onMain = new QLineEdit(form->Page(0)->Content());
  QPointer<QWidget> onPumps = new QLineEdit(form->Page(1)->Content());
  TFormElement* e = form->Model().Elements.Create(0, form->Model().Slots.tabs);
  form->Model().Elements.LinkOnPage(e, nullptr);
  e->label = onMain;
  form->DisposeContent();
  EXPECT_TRUE(onMain.isNull());
  EXPECT_TRUE(onPumps.isNull());
  EXPECT_EQ(form->Model().Elements.Count(), 0u);
  EXPECT_EQ(form->Model().Elements.First(0), nullptr);
  EXPECT_NE(form->Page(1), nullptr);  // the pages stay
}

TEST_F(PlenzoFormTest, ScrollRangeCoversTheLowestVisibleElement) {
  MakeTwoPages(false);
  form->ShowTab(0);
  QWidget* content = form->Page(0)->Content();
  auto add = [&](ElementKind kind, QRect box, bool inGroup) {
    TFormElement* e = form->Model().Elements.Create(0, form->Model().Slots.tabs);
    form->Model().Elements.LinkOnPage(e, nullptr);
    e->kind = kind;
    e->inGroup = inGroup;
    auto* w = new QWidget(content);
    w->setGeometry(box);
    (kind == ElementKind::VisualGroup || kind == ElementKind::RadioGroup ? e->groupBox : e->label) = w;
    return w;
  };
  add(ElementKind::NumericInput, QRect(10, 10, 50, 20), false);
  add(ElementKind::VisualGroup, QRect(10, 300, 50, 200), true);  // bottom 500
  QWidget* hidden = add(ElementKind::RadioGroup, QRect(10, 600, 50, 100), false);
  hidden->hide();
  add(ElementKind::NumericInput, QRect(10, 900, 50, 20), true);  // inside a group: not counted alone
  form->SetScrollBar(0);
  EXPECT_EQ(form->Page(0)->Range(), 510);
}

}  // namespace
}  // namespace pm::test
