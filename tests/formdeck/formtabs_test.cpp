// Changing tabs and the Source tab, through the real form window in an MDI
// sub-window as the shell shows it.
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

#include "formdeck/ui/formtabbar.h"
#include "writebacksupport.h"

namespace pm::test {
namespace {

class FormTabsTest : public MdiFormTest {
 protected:
  // The writeback deck with a Source tab, shown on the page holding TANK.
  void OpenShown(bool withSource) {
    CopyFolderFiles(FixtureDeckFolder("writeback"), folder_);
    DefaultSettings().UnitSystem = 1;
    form = std::make_unique<TPlenzoForm>(&host);
    form->ClearTabs();
    if (withSource) form->AddSourceTab();
    area.resize(800, 600);
    area.addSubWindow(form.get())->resize(640, 480);
    form->ReadDeck(Path(QStringLiteral("deck.pzd")));
    ASSERT_EQ(G().ParseErrorState, 0);
    if (withSource) form->LoadEditor(Path(QStringLiteral("deck.pzd")));
    area.show();
    area.activateWindow();
    QApplication::setActiveWindow(&area);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    form->Show();
    form->ShowTab(form->FindTab(QStringLiteral("Main")));
    ASSERT_TRUE(Input("TANK ")->isVisible());
  }

  // The user types into TANK, then clicks the tab named.
  void TypeThenClickTab(const QString& typed, const QString& tab) {
    TInput* tank = Input("TANK ");
    QTest::mouseClick(tank, Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), tank);
    Type(tank, typed);
    TFormTabBar* bar = form->TabControl();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(bar->FindTab(tab)).center());
    QApplication::processEvents();
    QApplication::processEvents();
  }

  QString CurrentTab() const { return form->TabControl()->TabName(form->TabControl()->currentIndex()); }
};

TEST_F(FormTabsTest, AClickOnATabIsRefusedWhileTheFocusedInputFails) {
  for (const char* tab : {"Pumps", "Source"}) {
    OpenShown(true);
    const QByteArray before = ReadBytes(Path(QStringLiteral("deck.pzd")));
    ui.clear();
    TypeThenClickTab(QStringLiteral("abc"), QLatin1String(tab));
    EXPECT_EQ(CurrentTab(), QStringLiteral("Main")) << tab;
    EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Illegal character in input")}) << tab;
    EXPECT_EQ(QApplication::focusWidget(), Input("TANK ")) << tab;
    EXPECT_EQ(Input("TANK ")->text(), QStringLiteral("abc"));
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), before) << tab;
    TearDown();
    SetUp();
  }
}

TEST_F(FormTabsTest, AClickOnATabWithAGoodValueSwitches) {
  OpenShown(false);
  TypeThenClickTab(QStringLiteral("3.5"), QStringLiteral("Pumps"));
  EXPECT_EQ(CurrentTab(), QStringLiteral("Pumps"));
  EXPECT_TRUE(ui.messages().empty());
}

// An edited input that fails, though it no longer has the focus, stops the
// entry into the Source tab, whose entry writes the form's values.
TEST_F(FormTabsTest, EnteringTheSourceTabChecksEveryEditedInput) {
  OpenShown(true);
  const QByteArray before = ReadBytes(Path(QStringLiteral("deck.pzd")));
  TInput* tank = Input("TANK ");
  tank->setText(QStringLiteral("abc"));
  tank->setModified(true);
  TInput* flow = Input("FLOW ");
  QTest::mouseClick(flow, Qt::LeftButton);
  ui.clear();
  form->UserSelectsTab(0);
  QApplication::processEvents();
  EXPECT_EQ(CurrentTab(), QStringLiteral("Main"));
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Illegal character in input")});
  EXPECT_EQ(QApplication::focusWidget(), tank);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), before);
}

// Entering the Source tab writes the values first; a deck that cannot be
// written keeps the form and what was typed.
TEST_F(FormTabsTest, ASourceTabThatCannotTakeTheValuesIsNotEntered) {
  OpenShown(true);
  const QString deck = Path(QStringLiteral("deck.pzd"));
  const QByteArray before = ReadBytes(deck);
  ASSERT_TRUE(QFile::setPermissions(deck, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  TInput* tank = Input("TANK ");
  QTest::mouseClick(tank, Qt::LeftButton);
  Type(tank, QStringLiteral("3.5"));
  form->UserSelectsTab(0);
  EXPECT_EQ(CurrentTab(), QStringLiteral("Main"));
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Error #13\n") + deck + QStringLiteral(": Permission denied")});
  EXPECT_EQ(tank->text(), QStringLiteral("3.5"));
  EXPECT_TRUE(form->DCKChanged());
  EXPECT_EQ(ReadBytes(deck), before);
}

// Leaving a Source tab whose text was not changed writes nothing (the deck
// keeps its LF line ends); the form is read again all the same.
TEST_F(FormTabsTest, LeavingAnUnchangedSourceTabWritesNothing) {
  OpenShown(true);
  const QString deck = Path(QStringLiteral("deck.pzd"));
  QByteArray lf = ReadBytes(deck);
  lf.replace("\r\n", "\n");
  ASSERT_EQ(WriteFileAtomic(deck, lf), 0);
  form->LoadEditor(deck);
  form->UserSelectsTab(0);
  ASSERT_TRUE(form->IsSourceTabCurrent());
  form->UserSelectsTab(form->FindTab(QStringLiteral("Main")));
  EXPECT_EQ(CurrentTab(), QStringLiteral("Main"));
  EXPECT_EQ(ReadBytes(deck), lf);
  EXPECT_TRUE(ui.messages().empty());

  // An edit is written when the tab is left.
  form->UserSelectsTab(0);
  form->Editor()->appendPlainText(QStringLiteral("* one more"));
  EXPECT_FALSE(form->SourceSaved);
  form->UserSelectsTab(form->FindTab(QStringLiteral("Main")));
  EXPECT_TRUE(ReadBytes(deck).endsWith("* one more\r\n"));
}

// F1 after a click on an empty part of a page shows the default topic,
// also when keys went to an input before.
TEST_F(FormTabsTest, F1WithNoFocusedInputShowsTheDefaultTopic) {
  OpenShown(false);
  TFormPage* page = form->Page(form->CurrentPage);
  for (const bool typedFirst : {false, true}) {
    if (typedFirst) {
      QTest::mouseClick(Input("TANK "), Qt::LeftButton);
      QTest::keyClick(Input("TANK "), Qt::Key_End);
    }
    QTest::mouseClick(page->viewport(), Qt::LeftButton, {},
                      QPoint(page->viewport()->width() - 5, page->viewport()->height() - 5));
    QApplication::processEvents();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(dynamic_cast<TInput*>(focused), nullptr);
    host.helpContexts.clear();
    QTest::keyClick(focused, Qt::Key_F1);
    EXPECT_EQ(host.helpContexts, std::vector<int>{0}) << typedFirst;
  }
}

}  // namespace
}  // namespace pm::test
