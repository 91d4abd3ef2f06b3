#include "plots/ui/plotform.h"
#include "shell/ui/menustate.h"
#include "shellfixture.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>

namespace pm::test {
namespace {

// The items UpdateMenu sets by kind, in this order.
const char* const kItems[] = {"Find1",      "Replace1",          "SearchAgain1",      "Copy1",       "Cut1",
                              "Undo1",      "Paste1",            "NewTable1",         "Calculate1",  "RunTable1",
                              "AlterTable1", "InsertDeleteRuns1", "InsertDeleteVars1", "ModifyPlot1", "OverlayPlot1"};

QString StateRow(TOSTRELFORM* form) {
  QString row;
  for (const char* name : kItems) row += ItemUsable(form->Item(QLatin1String(name))) ? QLatin1Char('1') : QLatin1Char('0');
  return row;
}

class UpdateMenuTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Start();
    form_->show();
  }
  void Activate(QMdiSubWindow* child) {
    form_->SetActiveChild(child);
    form_->UpdateMenu();
  }
};

TEST_F(UpdateMenuTest, ItemsFollowTheKindOfTheActiveChild) {
  struct Case {
    int kind;
    const char* file;
    const char* row;  // kItems in order; 1 = enabled
  } cases[] = {
      {KindTextEditor, "/d/a.dck", "111111111000000"},
      {KindTextEditor, "/d/notes.txt", "111111100000000"},
      {KindOtherText, "/d/run.D15", "111111111000000"},
      {KindFormSource, "/d/a.txt", "111111111000000"},  // the Source tab is always a deck
      {KindFormPages, "", "000110111000000"},
      {KindListing, "", "101100000000000"},
      {KindLog, "", "101100000000000"},
      {KindOutputViewer, "", "101100000000000"},
      {KindResultsReport, "", "101100000000000"},
      {KindTable, "", "001110100111110"},
  };
  for (const Case& c : cases) {
    QMdiSubWindow* child = AddChild(c.kind, QLatin1String(c.file));
    Activate(child);
    EXPECT_EQ(StateRow(form_.get()).toStdString(), c.row) << c.kind << " " << c.file;
    for (const char* name : {"Save1", "Saveas1", "Print1"}) EXPECT_TRUE(form_->Item(QLatin1String(name))->isEnabled());
    EXPECT_TRUE(MenuEnabled(form_->Edit1));
    EXPECT_TRUE(MenuEnabled(form_->Parametrics1));
    EXPECT_TRUE(MenuEnabled(form_->Quorvel1));
    delete child;
  }
}

TEST_F(UpdateMenuTest, KindsWithEmptyCellsKeepTheItemsAsTheyWere) {
  Activate(AddChild(KindTable));
  const QString afterTable = StateRow(form_.get());
  // A plot keeps the table items; a diagram keeps everything but the two
  // plot items, which step 2 always turns off first.
  Activate(AddChild(KindPlot));
  EXPECT_EQ(StateRow(form_.get()).toStdString(), "000100000011111");
  Activate(AddChild(KindTable));
  Activate(AddChild(KindDiagram));
  EXPECT_EQ(StateRow(form_.get()).toStdString(), (afterTable.left(13) + QStringLiteral("00")).toStdString());
  EXPECT_TRUE(form_->Item(QStringLiteral("Save1"))->isEnabled());
}

TEST_F(UpdateMenuTest, TheReportsRowHoldsWhateverWasActiveBefore) {
  for (int before : {KindFormPages, KindFormSource, KindTextEditor, KindTable, KindPlot, KindDiagram}) {
    Activate(AddChild(before, QStringLiteral("/d/a.pzd")));
    Activate(AddChild(KindResultsReport));
    EXPECT_EQ(StateRow(form_.get()).toStdString(), "101100000000000") << before;
  }
}

TEST_F(UpdateMenuTest, ClosingTheLastWindowDisablesTheDocumentCommands) {
  form_->Documents().StartupFinished();
  const QString deck = folder_ + QStringLiteral("/run.dck");
  WriteBytes(deck, "deck\r\n");
  WriteBytes(folder_ + QStringLiteral("/run.LST"), "listing\r\n");
  form_->ReadaFile(deck);
  form_->Documents().GetLSTFile(deck, true);
  ASSERT_EQ(Children().size(), 2);
  EXPECT_TRUE(ItemUsable(form_->Item(QStringLiteral("Save1"))));
  // The first to close leaves the other active; the last leaves none.
  for (int left : {1, 0}) {
    form_->MdiArea()->activeSubWindow()->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ASSERT_EQ(Children().size(), left);
    for (const char* name : {"Save1", "Saveas1", "Print1", "Copy1"})
      EXPECT_EQ(ItemUsable(form_->Item(QLatin1String(name))), left > 0) << name << " " << left;
    EXPECT_EQ(MenuEnabled(form_->Edit1), left > 0);
  }
}

TEST_F(UpdateMenuTest, ARealPlotWindowGivesThePlotRow) {
  Activate(AddChild(KindTable));
  Activate(AddChild(KindPlot));
  const QString standIn = StateRow(form_.get());
  Activate(AddChild(KindTable));
  auto* plot = new TPlotForm;
  QMdiSubWindow* sub = form_->Documents().AddPlotWindow(plot);
  // The main window's own activation: ActiveChild and UpdateMenu.
  EXPECT_EQ(form_->ActiveChild, sub);
  EXPECT_EQ(StateRow(form_.get()), standIn);
}

TEST_F(UpdateMenuTest, NoChildDisablesTheDocumentCommands) {
  QMdiSubWindow* child = AddChild(KindTable);
  Activate(child);
  delete child;
  form_->UpdateMenu();
  for (const char* name : {"RunTable1", "Print1", "OverlayPlot1", "ModifyPlot1", "Save1", "Saveas1", "Copy1"}) {
    EXPECT_FALSE(ItemUsable(form_->Item(QLatin1String(name)))) << name;
  }
  EXPECT_FALSE(MenuEnabled(form_->Edit1));
  EXPECT_FALSE(MenuEnabled(form_->Parametrics1));
}

TEST_F(UpdateMenuTest, ItemsOfAHiddenMenuWorkOnceItIsShown) {
  Activate(AddChild(KindTable));
  form_->Parametrics1->menuAction()->setVisible(true);
  EXPECT_TRUE(form_->Parametrics1->menuAction()->isEnabled());
  EXPECT_TRUE(form_->Item(QStringLiteral("AlterTable1"))->isEnabled());
  form_->Item(QStringLiteral("RunTable1"))->setVisible(true);
  EXPECT_TRUE(form_->Item(QStringLiteral("RunTable1"))->isEnabled());
}

TEST_F(UpdateMenuTest, ADestroyedActiveChildIsNeverRead) {
  QMdiSubWindow* text = AddChild(KindTextEditor, QStringLiteral("/d/a.dck"));
  QMdiSubWindow* table = AddChild(KindTable);
  Activate(table);
  delete table;  // gone without a close handler, as the output windows are
  EXPECT_NE(form_->ActiveChild.data(), table);
  form_->MdiArea()->setActiveSubWindow(text);
  form_->SetActiveChild(nullptr);
  form_->UpdateMenu();
  EXPECT_EQ(form_->CurrentChild(), text);
  EXPECT_EQ(StateRow(form_.get()).toStdString(), "111111111000000");
}

TEST_F(UpdateMenuTest, ActivationMakesTheActiveChildAndUpdatesTheMenu) {
  QMdiSubWindow* table = AddChild(KindTable);
  QMdiSubWindow* view = AddChild(KindListing);
  form_->MdiArea()->setActiveSubWindow(table);
  form_->MdiArea()->setActiveSubWindow(view);
  EXPECT_EQ(form_->ActiveChild, view);
  EXPECT_TRUE(form_->Item(QStringLiteral("Find1"))->isEnabled());
  EXPECT_FALSE(form_->Item(QStringLiteral("RunTable1"))->isEnabled());
}

TEST_F(UpdateMenuTest, WindowsMenuListsTheChildrenWhenOpened) {
  AddChild(KindTextEditor, QString(), QStringLiteral("R&D.dck"));
  AddChild(KindListing, QString(), QStringLiteral("run.lst"));
  Q_EMIT form_->Windows1->aboutToShow();
  Q_EMIT form_->Windows1->aboutToShow();  // rebuilt, not appended
  QStringList captions;
  for (const QAction* a : form_->Windows1->actions()) {
    if (!a->isSeparator() && a->objectName().isEmpty()) captions << a->text();
  }
  EXPECT_EQ(captions, (QStringList{QStringLiteral("1 R&&D.dck"), QStringLiteral("2 run.lst")}));
}

}  // namespace
}  // namespace pm::test
