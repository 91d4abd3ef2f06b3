#include "authoring/ui/makeplenzodlg.h"

#include "authoringtestsupport.h"
#include "common/settings.h"
#include "goldendecks.h"
#include "platform/help.h"
#include "support/fakehelp.h"
#include "support/scriptedui.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFocusEvent>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace pm {
namespace {

const QString kPlant = QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/plant.dck");

QStringList Lines(const QListWidget* list) {
  QStringList out;
  for (int k = 0; k < list->count(); ++k) out << list->item(k)->text();
  return out;
}

std::vector<int> SelectedRows(const QListWidget* list) {
  std::vector<int> out;
  for (int k = 0; k < list->count(); ++k) {
    if (list->item(k)->isSelected()) out.push_back(k);
  }
  return out;
}

void Focus(QListWidget* list) {
  QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
  QCoreApplication::sendEvent(list, &in);
}

class MakePlenzoDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = DefaultSettings();
    DefaultSettings().EngineFolder = test::FixtureEngine();
    DefaultSettings().IncludeHeader = 1;
    DefaultSettings().IncludeSimulationCard = 0;
    dlg_ = std::make_unique<TMakePlenzoDlg>();
  }
  void TearDown() override {
    dlg_.reset();
    DefaultSettings() = saved_;
  }
  void ClickLine(QListWidget* list, int row) {
    const QRect r = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
  }

  test::ScriptedUi ui_;
  DefaultSettingsRecord saved_;
  std::unique_ptr<TMakePlenzoDlg> dlg_;
};

TEST_F(MakePlenzoDlgTest, ListsTheUnitsAndShowsTheFirstWithNothingChosen) {
  ASSERT_TRUE(dlg_->MakeDeck(kPlant));
  EXPECT_EQ(dlg_->DeckFileName, kPlant);
  EXPECT_EQ(Lines(dlg_->UnitBox),
            (QStringList{QStringLiteral("UNIT 1 TYPE 16 STORAGE TANK"), QStringLiteral("UNIT 2 TYPE 30 CIRCULATING PUMP"),
                         QStringLiteral("UNIT 4 - NO DATA AVAILABLE"),
                         QStringLiteral("UNIT 5 TYPE 32 HEAT EXCHANGER ARRAY"),
                         QStringLiteral("UNIT 6 - NO DATA AVAILABLE"), QStringLiteral("UNIT 7 - NO DATA AVAILABLE")}));
  EXPECT_EQ(dlg_->UnitBox->currentRow(), 0);
  EXPECT_EQ(dlg_->CurrentUnitIndex, 0);
  // A value that is no plain number, or an input connected elsewhere, is starred.
  EXPECT_EQ(Lines(dlg_->ParBox), (QStringList{QStringLiteral(" Tank volume"), QStringLiteral(" Tank height"),
                                              QStringLiteral(" Heat loss coefficient / per tank surface"),
                                              QStringLiteral("*Number of nodes")}));
  EXPECT_EQ(Lines(dlg_->InpBox), (QStringList{QStringLiteral(" Inlet temperature"), QStringLiteral("*Inlet flow rate")}));
  EXPECT_TRUE(SelectedRows(dlg_->ParBox).empty());
  EXPECT_TRUE(SelectedRows(dlg_->InpBox).empty());
  for (const TUnitInfo& u : dlg_->Deck().UnitsList) {
    for (const TUnitItem& i : u.ParamItems) EXPECT_FALSE(i.Selected) << u.UnitLine;
  }
}

TEST_F(MakePlenzoDlgTest, EachUnitKeepsItsChoicesAndANoDataUnitShowsEmptyLists) {
  ASSERT_TRUE(dlg_->MakeDeck(kPlant));
  dlg_->ParBox->item(1)->setSelected(true);
  dlg_->ParBox->item(3)->setSelected(true);  // not eligible: ignored
  dlg_->UnitBox->setCurrentRow(2);
  EXPECT_EQ(dlg_->CurrentUnitIndex, 2);
  EXPECT_EQ(dlg_->ParBox->count(), 0);
  EXPECT_EQ(dlg_->InpBox->count(), 0);
  const TUnitInfo& tank = dlg_->Deck().UnitsList[0];
  EXPECT_FALSE(tank.ParamItems[0].Selected);
  EXPECT_TRUE(tank.ParamItems[1].Selected);
  EXPECT_FALSE(tank.ParamItems[3].Selected);
  dlg_->UnitBox->setCurrentRow(0);
  EXPECT_EQ(SelectedRows(dlg_->ParBox), std::vector<int>{1});
  // A change that leaves no row current keeps the unit shown.
  dlg_->UnitBox->setCurrentRow(-1);
  EXPECT_EQ(dlg_->CurrentUnitIndex, 0);
  EXPECT_EQ(dlg_->ParBox->count(), 4);
}

TEST_F(MakePlenzoDlgTest, AllAndNoneActOnTheListThatHadTheFocusLast) {
  ASSERT_TRUE(dlg_->MakeDeck(kPlant));
  dlg_->All->click();  // no list yet: the parameters
  EXPECT_EQ(SelectedRows(dlg_->ParBox), (std::vector<int>{0, 1, 2}));
  EXPECT_TRUE(SelectedRows(dlg_->InpBox).empty());
  Focus(dlg_->InpBox);
  EXPECT_EQ(dlg_->FocusedList, dlg_->InpBox);
  dlg_->All->click();
  EXPECT_EQ(SelectedRows(dlg_->InpBox), std::vector<int>{0});
  dlg_->None->click();
  EXPECT_TRUE(SelectedRows(dlg_->InpBox).empty());
  EXPECT_EQ(SelectedRows(dlg_->ParBox).size(), 3u);
  Focus(dlg_->UnitBox);
  dlg_->None->click();
  EXPECT_TRUE(SelectedRows(dlg_->ParBox).empty());
}

TEST_F(MakePlenzoDlgTest, ClickingAnInputConnectedElsewhereBeepsAndLeavesItUnselected) {
  ASSERT_TRUE(dlg_->MakeDeck(kPlant));
  ui_.clear();  // the reading's own messages
  dlg_->show();
  ClickLine(dlg_->InpBox, 1);
  EXPECT_TRUE(SelectedRows(dlg_->InpBox).empty());
  EXPECT_EQ(ui_.beeps(), 1);
  ClickLine(dlg_->InpBox, 0);
  EXPECT_EQ(SelectedRows(dlg_->InpBox), std::vector<int>{0});
  ClickLine(dlg_->InpBox, 0);  // a second click takes the choice back
  EXPECT_TRUE(SelectedRows(dlg_->InpBox).empty());
  EXPECT_EQ(ui_.beeps(), 1);
  // Parameters have no such check.
  ClickLine(dlg_->ParBox, 3);
  EXPECT_EQ(SelectedRows(dlg_->ParBox), std::vector<int>{3});
  EXPECT_EQ(ui_.beeps(), 1);
}

TEST_F(MakePlenzoDlgTest, TheIncludeBoxesFollowTheSettingsWhenShownOnly) {
  ASSERT_TRUE(dlg_->MakeDeck(kPlant));
  dlg_->show();
  EXPECT_TRUE(dlg_->Header->isChecked());
  EXPECT_FALSE(dlg_->Simulationcard->isChecked());
  dlg_->Header->setChecked(false);
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(dlg_.get(), &activate);
  EXPECT_FALSE(dlg_->Header->isChecked());
  dlg_->hide();
  DefaultSettings().IncludeHeader = 0;
  DefaultSettings().IncludeSimulationCard = 1;
  dlg_->show();
  EXPECT_FALSE(dlg_->Header->isChecked());
  EXPECT_TRUE(dlg_->Simulationcard->isChecked());
}

TEST_F(MakePlenzoDlgTest, OkProposesTheNameBesideTheDeckAndWritesTheChosenConstants) {
  QTemporaryDir dir;
  // A dot in a folder name never cuts the proposed name.
  const QString deck = dir.filePath(QStringLiteral("my.decks/plant.dck"));
  test::WriteBytes(deck, test::ReadBytes(kPlant));
  ASSERT_TRUE(dlg_->MakeDeck(deck));
  dlg_->show();
  for (int row = 0; row < dlg_->UnitBox->count(); ++row) {
    dlg_->UnitBox->setCurrentRow(row);
    Focus(dlg_->ParBox);
    dlg_->All->click();
    Focus(dlg_->InpBox);
    dlg_->All->click();
  }
  const QString target = dir.filePath(QStringLiteral("my.decks/Plant Deck.PZD"));
  ui_.answerFile(QLatin1Char('"') + target + QLatin1Char('"'));
  dlg_->OKBtn->click();
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  const FileDialogRequest& r = ui_.fileRequests()[0];
  EXPECT_EQ(r.fileName, dir.filePath(QStringLiteral("my.decks/plant.PZD")));
  EXPECT_EQ(r.filter, QStringLiteral("Plenzo File (*.PZD *.pzd)"));
  EXPECT_EQ(r.defaultSuffix, QStringLiteral("PZD"));
  EXPECT_EQ(test::ReadBytes(target).toStdString(),
            test::ReadBytes(test::WriterCaseFolder("plant-all") + QStringLiteral("/expected.pzd")).toStdString());
  EXPECT_EQ(dlg_->result(), QDialog::Accepted);
  EXPECT_TRUE(dlg_->Deck().UnitsList.empty());
  EXPECT_TRUE(dlg_->Deck().ConstantsList.empty());
  // The plain deck is untouched.
  EXPECT_EQ(test::ReadBytes(deck), test::ReadBytes(kPlant));
}

TEST_F(MakePlenzoDlgTest, CancellingWritesNothingAndFreesTheLists) {
  QTemporaryDir dir;
  const QString deck = dir.filePath(QStringLiteral("plant.dck"));
  test::WriteBytes(deck, test::ReadBytes(kPlant));
  ASSERT_TRUE(dlg_->MakeDeck(deck));
  dlg_->show();
  dlg_->OKBtn->click();  // the save dialog is cancelled
  EXPECT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("plant.dck")});
  EXPECT_EQ(dlg_->result(), QDialog::Accepted);
  EXPECT_TRUE(dlg_->Deck().UnitsList.empty());

  ASSERT_TRUE(dlg_->MakeDeck(deck));
  dlg_->show();
  dlg_->CancelBtn->click();
  EXPECT_EQ(dlg_->result(), QDialog::Rejected);
  EXPECT_TRUE(dlg_->Deck().UnitsList.empty());
  EXPECT_EQ(ui_.fileRequests().size(), 1u);
}

TEST_F(MakePlenzoDlgTest, AFailedWriteSaysWhyAndLeavesNoFile) {
  ASSERT_TRUE(dlg_->MakeDeck(kPlant));
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("none/plant.PZD"));
  ui_.clear();
  ui_.answerFile(target);
  dlg_->OKBtn->click();
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(ui_.messages()[0].text, QStringLiteral("Error 2 was encountered while trying to write file ") + target);
  EXPECT_FALSE(QFile::exists(target));
  EXPECT_EQ(dlg_->result(), QDialog::Accepted);
}

TEST_F(MakePlenzoDlgTest, ADeckThatCannotBeReadGivesItsMessageAndNoUnits) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("missing.dck"));
  EXPECT_FALSE(dlg_->MakeDeck(missing));
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("Error 2 was encountered while trying to open file ") + missing});
  EXPECT_EQ(dlg_->UnitBox->count(), 0);
  // With no unit listed the buttons do nothing.
  dlg_->All->click();
  dlg_->None->click();
  EXPECT_EQ(dlg_->ParBox->count(), 0);
}

TEST_F(MakePlenzoDlgTest, F1ShowsTheDeckMakersHelpPage) {
  QTemporaryDir program;
  test::WriteBytes(program.filePath(QStringLiteral("help/index.html")), "<html></html>");
  test::WriteBytes(program.filePath(QStringLiteral("help/deckmaker.html")), "<html></html>");
  test::WriteBytes(program.filePath(QStringLiteral("help/context.map")), "31=deckmaker.html\n");
  test::FakeHelp help;
  LoadHelpControl(program.path());
  dlg_->HelpAction->trigger();
  UnloadHelpControl();
  EXPECT_EQ(help.shown, QStringList{QStringLiteral("deckmaker.html")});
  EXPECT_EQ(dlg_->HelpAction->shortcut(), QKeySequence(Qt::Key_F1));
}

}  // namespace
}  // namespace pm
