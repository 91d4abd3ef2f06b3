// The window, authoring, deck-maker, table and plot commands of the main
// window: each acts on the window it names and does nothing otherwise.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTimer>

#include <functional>

#include "authoring/ui/makeplenzodlg.h"
#include "common/settings.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/editform.h"
#include "tables/tablefile.h"
#include "tables/ui/altervaluesdlg.h"
#include "tables/ui/insertrunsdlg.h"
#include "tables/ui/newtabledlg.h"
#include "tables/ui/tableform.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class MainCommandsTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->resize(1000, 700);
    form_->show();
  }
  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }

  // Runs command; a modal dialog it shows is seen by `look`, then closed.
  // True when one showed.
  static bool ShowsDialog(const std::function<void()>& command,
                          const std::function<void(QDialog*)>& look = [](QDialog*) {}) {
    bool shown = false;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        shown = true;
        look(dialog);
        dialog->reject();
      }
    });
    timer.start();
    command();
    timer.stop();
    return shown;
  }

  TPlenzoForm* OpenForm() {
    const QString deck = Path(QStringLiteral("plant.pzd"));
    WriteBytes(deck, "*PLENZO\r\nEQUATIONS 1\r\nFLOW = 2\r\n*|Flow rate|||0|1|0|10.0|0\r\nEND\r\n");
    form_->ReadaFile(deck);
    auto* plenzo = qobject_cast<TPlenzoForm*>(Children().constLast()->widget());
    if (plenzo->IsSourceTabCurrent()) plenzo->ShowTab(1);
    return plenzo;
  }
  TEditForm* OpenEditor(const QString& name, const QByteArray& text) {
    WriteBytes(Path(name), text);
    form_->ReadaFile(Path(name));
    auto* editor = qobject_cast<TEditForm*>(Children().constLast()->widget());
    form_->SetActiveChild(editor->SubWindow());
    return editor;
  }
};

TEST_F(MainCommandsTest, TileLeavesEveryChildWholeAndApart) {
  const QSize sizes[] = {{600, 500}, {200, 150}, {400, 90}};
  for (const QSize& size : sizes) AddChild(KindListing)->resize(size);
  form_->Tile1Click();
  const QRect area = form_->MdiArea()->viewport()->rect();
  const QList<QMdiSubWindow*> children = Children();
  ASSERT_EQ(children.size(), 3);
  for (int i = 0; i < children.size(); ++i) {
    EXPECT_TRUE(area.contains(children[i]->geometry())) << i;
    for (int j = i + 1; j < children.size(); ++j) {
      EXPECT_FALSE(children[i]->geometry().intersects(children[j]->geometry())) << i << " " << j;
    }
  }
}

TEST_F(MainCommandsTest, AuthoringOnAFormPageShowsTheSourceTabFirst) {
  TPlenzoForm* plenzo = OpenForm();
  form_->SetActiveChild(AddChild(KindListing));
  form_->MdiArea()->setActiveSubWindow(form_->ActiveChild);
  ASSERT_FALSE(plenzo->IsSourceTabCurrent());
  bool sourceShown = false;
  bool frontmost = false;
  EXPECT_TRUE(ShowsDialog([this] { form_->Group1Click(); },
                          [&](QDialog*) {
                            sourceShown = plenzo->IsSourceTabCurrent();
                            frontmost = form_->MdiArea()->activeSubWindow() == plenzo->SubWindow();
                          }));
  EXPECT_TRUE(sourceShown);
  EXPECT_TRUE(frontmost);
}

TEST_F(MainCommandsTest, AuthoringDoesNothingWhenTheFormKeepsItsPage) {
  TPlenzoForm* plenzo = OpenForm();
  form_->SetActiveChild(plenzo->SubWindow());
  auto* input = plenzo->findChild<TInput*>();
  input->setFocus();
  input->setText(QStringLiteral("abc"));
  EXPECT_FALSE(ShowsDialog([this] { form_->ValueInputClick(); }));
  EXPECT_FALSE(plenzo->IsSourceTabCurrent());
  EXPECT_FALSE(ui_.texts().isEmpty());  // the input's own check said why
}

TEST_F(MainCommandsTest, AuthoringDoesNothingWhileARunIsBusy) {
  TPlenzoForm* plenzo = OpenForm();
  form_->Runs.BusyDepth = 1;
  EXPECT_FALSE(ShowsDialog([this] { form_->AddFigure1Click(); }));
  EXPECT_FALSE(plenzo->IsSourceTabCurrent());
  form_->Runs.BusyDepth = 0;
}

TEST_F(MainCommandsTest, OpeningThePlenzoMenuSetsAndHidesTheAuthoringItems) {
  const char* items[] = {"Background1", "SimpleText1", "AddFigure1", "ValueInput", "DropdownInput1", "Assign1",
                         "Group1"};
  for (const bool withForm : {false, true}) {
    SCOPED_TRACE(withForm);
    if (withForm) OpenForm();
    form_->Plenzo1Click();
    for (const char* name : items) {
      QAction* item = form_->Item(QLatin1String(name));
      EXPECT_FALSE(item->isVisible()) << name;
      // A hidden action reports itself disabled; shown again, it has the
      // state the menu set.
      item->setVisible(true);
      EXPECT_EQ(item->isEnabled(), withForm) << name;
    }
  }
}

TEST_F(MainCommandsTest, TheDeckMakerReadsTheSavedEditor) {
  DefaultSettings().EngineFolder = QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/engine");
  const QByteArray plant = ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/plant.dck"));
  TEditForm* editor = OpenEditor(QStringLiteral("plant.dck"), plant);
  editor->Editor()->moveCursor(QTextCursor::End);
  editor->Editor()->insertPlainText(QStringLiteral("* changed\r\n"));
  ASSERT_TRUE(editor->Modified());
  QString deck;
  EXPECT_TRUE(ShowsDialog([this] { form_->MakePlenzo1Click(); },
                          [&](QDialog* dialog) {
                            auto* maker = qobject_cast<TMakePlenzoDlg*>(dialog);
                            ASSERT_NE(maker, nullptr);
                            deck = maker->DeckFileName;
                          }));
  EXPECT_EQ(deck, editor->FileName());
  EXPECT_FALSE(editor->Modified());
  EXPECT_TRUE(ReadBytes(Path(QStringLiteral("plant.dck"))).contains("* changed"));

  // An editor without a name is saved through the save dialog first; a
  // cancelled dialog ends the command.
  editor->SetFileName(QString());
  EXPECT_FALSE(ShowsDialog([this] { form_->MakePlenzo1Click(); }));
  ui_.answerFile(Path(QStringLiteral("named.dck")));
  EXPECT_TRUE(ShowsDialog([this] { form_->MakePlenzo1Click(); }));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("named.dck"))), ReadBytes(Path(QStringLiteral("plant.dck"))));
}

TEST_F(MainCommandsTest, TheDeckMakerActsOnlyOnADeckEditorWhenNoRunIsBusy) {
  OpenEditor(QStringLiteral("notes.txt"), "text\r\n");
  EXPECT_FALSE(ShowsDialog([this] { form_->MakePlenzo1Click(); }));
  OpenEditor(QStringLiteral("plant.dck"), ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/plant.dck")));
  form_->Runs.BusyDepth = 1;
  EXPECT_FALSE(ShowsDialog([this] { form_->MakePlenzo1Click(); }));
  form_->Runs.BusyDepth = 0;
  form_->SetActiveChild(AddChild(KindListing));
  EXPECT_FALSE(ShowsDialog([this] { form_->MakePlenzo1Click(); }));
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(MainCommandsTest, NewTableNeedsConstantsInTheActiveDeck) {
  std::vector<std::pair<QString, bool>> calls;
  form_->NewTableDialog = [&](const QString& deck, bool modify) { calls.emplace_back(deck, modify); };
  TEditForm* plain = OpenEditor(QStringLiteral("plain.dck"), "EQUATIONS 1\r\nA = 1\r\nEND\r\n");
  form_->NewTable1Click();
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text,
            QStringLiteral("File ") + plain->FileName() +
                QStringLiteral(" does not have any Quorvel Constant statements."));
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Warning);
  EXPECT_EQ(ui_.messages()[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(calls.empty());

  TEditForm* deck = OpenEditor(QStringLiteral("table.dck"), "CONSTANTS 1\r\nAREA = 2\r\nEND\r\n");
  ui_.clear();
  form_->NewTable1Click();
  EXPECT_TRUE(ui_.texts().isEmpty());
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0], std::make_pair(deck->FileName(), false));
  form_->InsertDeleteVars1Click();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_TRUE(calls[1].second);

  // Other kinds, and any kind while a run is busy: nothing.
  form_->Runs.BusyDepth = 1;
  form_->NewTable1Click();
  form_->InsertDeleteVars1Click();
  form_->Runs.BusyDepth = 0;
  for (const int kind : {KindListing, KindPlot, KindTable, KindOtherText}) {
    form_->SetActiveChild(AddChild(kind, Path(QStringLiteral("table.dck"))));
    form_->NewTable1Click();
  }
  EXPECT_EQ(calls.size(), 2u);
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(MainCommandsTest, TheTableCommandsShowTheirDialogs) {
  // Without a table only New Table has something to work on.
  EXPECT_FALSE(ShowsDialog([this] { form_->AlterTable1Click(); }));
  EXPECT_FALSE(ShowsDialog([this] { form_->InsertDeleteRuns1Click(); }));
  EXPECT_FALSE(ShowsDialog([this] { form_->InsertDeleteVars1Click(); }));
  OpenEditor(QStringLiteral("table.dck"), "CONSTANTS 1\r\nAREA = 2\r\nEND\r\n");
  EXPECT_TRUE(ShowsDialog([this] { form_->NewTable1Click(); },
                          [](QDialog* dialog) { EXPECT_TRUE(qobject_cast<TNewTableDlg*>(dialog)); }));

  TableModel table;
  table.Reset(2, {"AREA"});
  table.DeckFileName = Path(QStringLiteral("table.dck"));
  ASSERT_EQ(WriteTableFile(table, Path(QStringLiteral("table.TBL"))), 0);
  form_->ReadaFile(Path(QStringLiteral("table.TBL")));
  ASSERT_TRUE(form_->TableForm);
  EXPECT_TRUE(ShowsDialog([this] { form_->AlterTable1Click(); },
                          [](QDialog* dialog) { EXPECT_TRUE(qobject_cast<TAlterValuesDlg*>(dialog)); }));
  EXPECT_TRUE(ShowsDialog([this] { form_->InsertDeleteRuns1Click(); },
                          [](QDialog* dialog) { EXPECT_TRUE(qobject_cast<TInsertRunsDlg*>(dialog)); }));
  EXPECT_TRUE(ShowsDialog([this] { form_->InsertDeleteVars1Click(); },
                          [](QDialog* dialog) { EXPECT_TRUE(qobject_cast<TNewTableDlg*>(dialog)); }));
}

TEST_F(MainCommandsTest, ModifyPlotActsOnlyOnAPlotWindow) {
  std::vector<QMdiSubWindow*> modified;
  form_->ModifyPlotDialog = [&](QMdiSubWindow* plot) { modified.push_back(plot); };
  form_->SetActiveChild(AddChild(KindTable));
  form_->ModifyPlot1Click();
  form_->SetActiveChild(nullptr);
  form_->ModifyPlot1Click();
  EXPECT_TRUE(modified.empty());
  QMdiSubWindow* plot = AddChild(KindPlot);
  form_->SetActiveChild(plot);
  form_->ModifyPlot1Click();
  EXPECT_EQ(modified, std::vector<QMdiSubWindow*>{plot});
}

TEST_F(MainCommandsTest, OverlayPlotTakesTheLastPlotInWindowOrder) {
  std::vector<std::pair<QString, QMdiSubWindow*>> overlays;
  form_->PlotSetupDialog = [&](const QString& data, QMdiSubWindow* plot) { overlays.emplace_back(data, plot); };
  form_->PltFileName = Path(QStringLiteral("plant.PLT"));
  form_->OverlayPlot1Click();
  EXPECT_TRUE(overlays.empty());

  QMdiSubWindow* first = AddChild(KindPlot);
  form_->OverlayPlot1Click();
  ASSERT_EQ(overlays.size(), 1u);
  EXPECT_EQ(overlays[0], std::make_pair(form_->PltFileName, first));
  EXPECT_EQ(ui_.beeps(), 0);

  // The active plot is on top; the other one is last in window order.
  QMdiSubWindow* second = AddChild(KindPlot);
  AddChild(KindListing);
  form_->MdiArea()->setActiveSubWindow(first);
  form_->OverlayPlot1Click();
  ASSERT_EQ(overlays.size(), 2u);
  EXPECT_EQ(overlays[1].second, second);
  EXPECT_EQ(ui_.beeps(), 2);

  form_->InputFileName = Path(QStringLiteral("plant.dck"));
  form_->NewPlot1Click();
  ASSERT_EQ(overlays.size(), 3u);
  EXPECT_EQ(overlays[2], std::make_pair(form_->InputFileName, static_cast<QMdiSubWindow*>(nullptr)));

  form_->Runs.BusyDepth = 1;
  form_->NewPlot1Click();
  form_->OverlayPlot1Click();
  form_->Runs.BusyDepth = 0;
  EXPECT_EQ(overlays.size(), 3u);
}

}  // namespace
}  // namespace pm::test
