#include <QFile>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QTest>

#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formtestsupport.h"
#include "platform/textfile.h"

namespace pm::test {
namespace {

class ReadDeckTest : public FormTest {
 protected:
  QString Write(const QString& name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    EXPECT_EQ(WriteFileAtomic(path, text), 0);
    return path;
  }
  // A deck opened the authoring way: Source tab, working copy, editor.
  QString OpenOnTheSourceTab() {
    const QString deck = Write(QStringLiteral("plant.pzd"), "*PLENZO\n*|*Hello\n");
    form->ClearTabs();
    form->AddSourceTab();
    form->SetWorkingCopy(Write(QStringLiteral("~temp.pzd"), "*PLENZO\n*|*Hello\n"));
    form->ReadDeck(deck);
    form->LoadEditor(deck);
    form->ShowTab(0);
    return deck;
  }
  QStringList Tabs() const {
    QStringList out;
    for (int i = 0; i < form->TabCount(); ++i) out << form->TabControl()->TabName(i);
    return out;
  }
  QTemporaryDir dir;
};

TEST_F(ReadDeckTest, ASuccessfulParseShowsTheForm) {
  const QString deck = Write(QStringLiteral("plant.pzd"), "*PLENZO\n*|*Hello\n");
  form->ClearTabs();
  form->ReadDeck(deck);
  EXPECT_FALSE(form->isHidden());
  EXPECT_TRUE(form->Shown());
  EXPECT_EQ(form->windowTitle(), deck);
  EXPECT_EQ(form->FileName(), deck);
  EXPECT_FALSE(form->Model().ParseFailed);
  EXPECT_EQ(host.inputModifiedCleared, 1);
  EXPECT_TRUE(ui.messages().empty());
}

// The Source tab round trip parses again in the same window: nothing of the
// previous parse may survive into the next one.
TEST_F(ReadDeckTest, ParsingAgainStartsFromTheDefaults) {
  const QString first = Write(QStringLiteral("a.pzd"),
                              "*PLENZO\n*|<FONT2> COURIER 20\n*|<BACKGROUND> NAVY\n*|<WINDOWSIZE>\n"
                              "*|<TABWINDOW NAME=\"Pumps\">\n*|*P\n*|</TABWINDOW>\n");
  const QString second =
      Write(QStringLiteral("b.pzd"), "*PLENZO\n*|<TABWINDOW NAME=\"Cooling\">\n*|*C\n*|</TABWINDOW>\n");
  form->ClearTabs();
  form->AddSourceTab();
  form->ReadDeck(first);
  EXPECT_EQ(Tabs(), (QStringList{QStringLiteral("Source"), QStringLiteral("Main"), QStringLiteral("Pumps")}));
  form->ReadDeck(second);
  EXPECT_EQ(Tabs(),
            (QStringList{QStringLiteral("Source"), QStringLiteral("Main"), QStringLiteral("Cooling")}));
  EXPECT_EQ(form->Model().Slots, FormSlots::Defaults());
  EXPECT_EQ(form->Model().Background, kWindowColor);
  EXPECT_FALSE(form->Model().WindowSizeMaximize);
  EXPECT_EQ(form->Page(2), nullptr);
  ASSERT_EQ(form->Model().Elements.OnPage(1).size(), 1u);
  EXPECT_EQ(form->Model().Elements.OnPage(1)[0]->text, "C");
}

TEST_F(ReadDeckTest, AFailedParseLeavesTheFormHidden) {
  const QString deck = Write(QStringLiteral("bad.pzd"), "*PLENZO\n*|<FONT4> X\n");
  form->ClearTabs();
  form->Show();
  form->ReadDeck(deck);
  EXPECT_TRUE(form->isHidden());
  EXPECT_TRUE(form->Model().ParseFailed);
  EXPECT_EQ(G().ParseErrorState, 100);
  // A good parse afterwards clears the window's own failure mark.
  WriteFileAtomic(deck, "*PLENZO\n");
  form->ReadDeck(deck);
  EXPECT_FALSE(form->Model().ParseFailed);
}

TEST_F(ReadDeckTest, AFormInTheMdiAreaIsShownAndPlacedAfterTheParse) {
  QMdiArea area;
  area.resize(1000, 700);
  TPlenzoForm* f = form.release();
  area.addSubWindow(f);
  area.show();
  EXPECT_TRUE(f->SubWindow()->isHidden());
  f->ClearTabs();
  f->ReadDeck(Write(QStringLiteral("plant.pzd"), "*PLENZO\n*|*Hello\n"));
  EXPECT_FALSE(f->SubWindow()->isHidden());
  EXPECT_EQ(f->SubWindow()->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(f->SubWindow()->height(), area.viewport()->height() - 70);
  f->ReadDeck(Write(QStringLiteral("wide.pzd"), "*PLENZO MAXIMIZE\n"));
  EXPECT_TRUE(f->SubWindow()->isMaximized());
}

TEST_F(ReadDeckTest, LeavingTheSourceTabReadsTheEditedText) {
  const QString deck = OpenOnTheSourceTab();
  form->Editor()->setPlainText(
      QStringLiteral("*PLENZO\n*|*Hello\n*|<TABWINDOW NAME=\"Pumps\">\n*|*Pump text\n*|</TABWINDOW>"));
  QTabBar* bar = form->TabControl();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(Tabs(), (QStringList{QStringLiteral("Source"), QStringLiteral("Main"), QStringLiteral("Pumps")}));
  EXPECT_EQ(bar->currentIndex(), 1);  // the clicked tab, found again by name
  EXPECT_EQ(form->CurrentPage, 0);
  ASSERT_EQ(form->Model().Elements.OnPage(1).size(), 1u);
  EXPECT_TRUE(ReadBytes(deck).endsWith("*|</TABWINDOW>\r\n"));
}

TEST_F(ReadDeckTest, SourceTextThatDoesNotParseGivesTheDeckItsOpeningText) {
  const QString deck = OpenOnTheSourceTab();
  form->Editor()->setPlainText(QStringLiteral("*PLENZO\n*|<FONT4> X"));
  QTabBar* bar = form->TabControl();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("***Input Error***   *|<FONT4> X")});
  EXPECT_EQ(bar->currentIndex(), 0);  // back on the Source tab
  EXPECT_EQ(ChildKindOf(form.get()), KindFormSource);
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\n*|*Hello\n");
  EXPECT_EQ(form->Editor()->toPlainText(), QStringLiteral("*PLENZO\n*|<FONT4> X"));  // the edit stays in view
}

}  // namespace
}  // namespace pm::test
