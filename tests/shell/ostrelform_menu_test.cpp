#include "shell/startup.h"
#include "shell/ui/menustate.h"
#include "shellfixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace pm::test {
namespace {

QStringList Names(const QList<QAction*>& actions) {
  QStringList names;
  for (const QAction* a : actions) names << a->objectName();
  return names;
}

QStringList MenuBarNames(TOSTRELFORM* form) {
  QStringList names;
  const QList<QAction*> bar = form->menuBar()->actions();
  for (const QAction* a : bar) {
    if (a->menu() && a->isVisible()) names << a->menu()->objectName();
  }
  return names;
}

struct ItemState {
  const char* name;
  bool visible;
  bool enabled;
};

void ExpectStates(TOSTRELFORM* form, std::initializer_list<ItemState> states) {
  for (const ItemState& s : states) {
    QAction* item = form->Item(QLatin1String(s.name));
    ASSERT_NE(item, nullptr) << s.name;
    EXPECT_EQ(item->isVisible(), s.visible) << s.name;
    EXPECT_EQ(ItemUsable(item), s.enabled) << s.name;
    if (s.visible) {
      EXPECT_EQ(item->isEnabled(), s.enabled) << s.name;
    }
  }
}

using MenuTest = ProgramFolderTest;

TEST_F(MenuTest, AuthoringModeKeepsEditPlenzoSetupAndGeneralHelp) {
  TOSTRELFORM* form = Start(QStringLiteral("MIVARO"));
  ASSERT_TRUE(form->Created());
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Mivaro"));
  EXPECT_EQ(MenuBarNames(form), (QStringList{QStringLiteral("File1"), QStringLiteral("Edit1"), QStringLiteral("Quorvel1"),
                                             QStringLiteral("Plenzo1"), QStringLiteral("Windows1"), QStringLiteral("Help1")}));
  EXPECT_EQ(Names(form->File1->actions()),
            QStringList({QStringLiteral("New1"), QStringLiteral("Open1"), QStringLiteral("Save1"), QStringLiteral("Saveas1"),
                         QStringLiteral("N5"), QStringLiteral("Print1"), QStringLiteral("PrintSetup1"), QStringLiteral("N6"),
                         QStringLiteral("Setup1"), QStringLiteral("N10"), QStringLiteral("Exit1")}));
  EXPECT_EQ(Names(form->Quorvel1->actions()),
            QStringList({QStringLiteral("Calculate1"), QStringLiteral("SimulateSpecificSystem1"),
                         QStringLiteral("OptimizePelmarkSystem1"), QStringLiteral("UnitsSeparator"),
                         QStringLiteral("SIUnits1"), QStringLiteral("EngUnits1"), QStringLiteral("RunTable1"),
                         QStringLiteral("N3"), QStringLiteral("HideQuorvel1")}));
  EXPECT_EQ(form->Help1->actions().size(), 5);
  EXPECT_TRUE(form->Help1->actions().contains(form->Item(QStringLiteral("MivaroHelp"))));
  // No child yet: the first branch of UpdateMenu has run.
  ExpectStates(form, {
                         {"New1", false, true},
                         {"Open1", true, true},
                         {"Save1", true, false},
                         {"Saveas1", true, false},
                         {"Print1", true, false},
                         {"PrintSetup1", true, true},
                         {"Setup1", true, true},
                         {"Exit1", true, true},
                         {"Copy1", true, false},  // the Edit menu is off
                         {"Calculate1", false, true},
                         {"SimulateSpecificSystem1", true, true},
                         {"RunTable1", false, false},
                         {"HideQuorvel1", true, true},
                         {"Input1", true, false},
                         {"Results1", true, true},
                         {"Listing1", false, false},
                         {"Log1", false, false},
                         {"Table1", false, false},
                         {"Diagram1", false, false},
                         {"Tile1", true, true},
                         {"OverlayPlot1", true, false},
                     });
  EXPECT_FALSE(MenuEnabled(form->Edit1));
  EXPECT_FALSE(form->Parametrics1->menuAction()->isVisible());
  EXPECT_FALSE(form->Plot1->menuAction()->isVisible());
  EXPECT_TRUE(form->EngUnits1->isChecked());
  EXPECT_FALSE(form->SIUnits1->isChecked());
  EXPECT_FALSE(form->Item(QStringLiteral("HideQuorvel1"))->isChecked());
  // Shortcuts and help contexts travel with the items.
  EXPECT_EQ(form->Item(QStringLiteral("Open1"))->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(form->Item(QStringLiteral("SearchAgain1"))->shortcut(), QKeySequence(Qt::Key_F3));
  EXPECT_EQ(form->Item(QStringLiteral("Exit1"))->data().toInt(), 49);
  EXPECT_EQ(form->Item(QStringLiteral("Input1"))->data().toInt(), 122);
}

TEST_F(MenuTest, DedicatedModeRemovesAuthoringMenus) {
  SetApplicationTitle(QStringLiteral("PELMARK"));
  TOSTRELFORM* form = Start(QStringLiteral("demo"));
  ASSERT_TRUE(form->Created());
  EXPECT_EQ(form->windowTitle(), G().ProgramPath);
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("Pelmark"));
  EXPECT_EQ(MenuBarNames(form), (QStringList{QStringLiteral("File1"), QStringLiteral("Quorvel1"),
                                             QStringLiteral("Windows1"), QStringLiteral("Help1")}));
  EXPECT_EQ(Names(form->File1->actions()),
            QStringList({QStringLiteral("Open1"), QStringLiteral("Save1"), QStringLiteral("Saveas1"), QStringLiteral("N5"),
                         QStringLiteral("Print1"), QStringLiteral("PrintSetup1"), QStringLiteral("N6"),
                         QStringLiteral("Exit1")}));
  EXPECT_EQ(Names(form->Help1->actions()),
            QStringList({QStringLiteral("QuorvelHelp"), QStringLiteral("N8"), QStringLiteral("AboutOstrel1"),
                         QStringLiteral("Website")}));
  // Removed items stay alive for code that still names them.
  EXPECT_NE(form->Item(QStringLiteral("Setup1")), nullptr);
  EXPECT_TRUE(form->EngUnits1->isChecked());
}

TEST_F(MenuTest, SharedStateAfterStartUp) {
  G().SimulateMode = 0;
  G().SourceMode = 1;
  G().AssignFileList = QStringList{QStringLiteral("x")};
  Start();
  EXPECT_EQ(G().SimulateMode, 1);
  EXPECT_EQ(G().SourceMode, 0);
  EXPECT_TRUE(G().AssignFileList.isEmpty());
  EXPECT_FALSE(G().ShellClosing);
  EXPECT_EQ(QDir::currentPath(), QFileInfo(folder_).canonicalFilePath());
}

TEST_F(MenuTest, CalculateMenuOffersTheRunOfTheSimulateMode) {
  TOSTRELFORM* form = Start();
  for (int mode : {0, 1}) {
    G().SimulateMode = mode;
    Q_EMIT form->Quorvel1->aboutToShow();
    EXPECT_EQ(form->Item(QStringLiteral("SimulateSpecificSystem1"))->isVisible(), mode == 1);
    EXPECT_EQ(form->Item(QStringLiteral("OptimizePelmarkSystem1"))->isVisible(), mode == 0);
  }
  QAction* hide = form->Item(QStringLiteral("HideQuorvel1"));
  hide->trigger();
  EXPECT_TRUE(hide->isChecked());
  form->HideQuorvel1Click();
  EXPECT_FALSE(hide->isChecked());
}

TEST_F(MenuTest, PlenzoMenuHidesItsAuthoringItemsWhenOpened) {
  TOSTRELFORM* form = Start();
  Q_EMIT form->Plenzo1->aboutToShow();
  for (QAction* item : form->Plenzo1->actions()) EXPECT_FALSE(item->isVisible()) << item->objectName().toStdString();
}

TEST_F(MenuTest, MissingSettingsFileStopsCreation) {
  QFile::remove(folder_ + QStringLiteral("/Mivaro.DFT"));
  TOSTRELFORM* form = Start();
  EXPECT_FALSE(form->Created());
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  EXPECT_EQ(ui_.messages()[0].text,
            QStringLiteral("Please copy the Mivaro.DFT file into the ") + folder_ + QStringLiteral(" directory."));
  form_.reset();
  // A start that ended writes nothing into the folder.
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/Mivaro.FNL")));
}

TEST_F(MenuTest, DisabledMenuStopsItsShortcutsAndGivesItemsTheirStateBack) {
  TOSTRELFORM* form = Start();
  QAction* copy = form->Item(QStringLiteral("Copy1"));
  QAction* find = form->Item(QStringLiteral("Find1"));
  SetItemEnabled(find, false);
  SetMenuEnabled(form->Edit1, false);
  EXPECT_FALSE(copy->isEnabled());
  SetMenuEnabled(form->Edit1, true);
  EXPECT_TRUE(copy->isEnabled());
  EXPECT_FALSE(find->isEnabled());
}

}  // namespace
}  // namespace pm::test
