#include "tables/ui/newtabledlg.h"

#include "common/deckconstants.h"
#include "common/lib1.h"
#include "common/ui/draglist.h"
#include "support/scriptedui.h"
#include "support/testpaths.h"
#include "tables/tablemodel.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

namespace pm {
namespace {

const QString kPlantDeck = QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/plant.pzd");

class NewTableDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    area_.resize(1000, 700);
    area_.show();
  }
  void TearDown() override { PEQList().reset(); }

  // The dialog as the New Table and Insert/Delete Vars commands make it;
  // new windows go into the test's MDI area.
  std::unique_ptr<TNewTableDlg> Dialog(const QString& deck, bool modify) {
    auto dlg = std::make_unique<TNewTableDlg>(deck, modify, table_, [this](TTableForm* window) {
      shown_ = window;
      area_.addSubWindow(window)->show();
    });
    dlg->show();
    QApplication::processEvents();
    return dlg;
  }

  // An open table of the plant deck, cells c*100 + r.
  void OpenTable(int runs, const std::vector<std::string>& names) {
    TableModel t;
    t.Reset(runs, names);
    for (int c = 1; c <= t.VarCount(); ++c) {
      for (int r = 1; r <= runs; ++r) t.SetValue(c, r, c * 100 + r);
    }
    t.DeckFileName = kPlantDeck;
    t.TableFileName = dir_.filePath(QStringLiteral("plant.TBL"));
    table_ = new TTableForm(std::move(t));
    area_.addSubWindow(table_)->show();
  }

  static QStringList Texts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }

  static void Select(QListWidget* list, const QStringList& texts) {
    list->clearSelection();
    for (int i = 0; i < list->count(); ++i) {
      if (texts.contains(list->item(i)->text())) list->item(i)->setSelected(true);
    }
  }

  QTemporaryDir dir_;
  QMdiArea area_;
  QPointer<TTableForm> table_;
  QPointer<TTableForm> shown_;
  test::ScriptedUi ui_;
};

TEST_F(NewTableDlgTest, NewTableFromTheDecksConstants) {
  ReadDeckConstants(kPlantDeck);
  auto dlg = Dialog(kPlantDeck, false);
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("New Parametric Table"));
  EXPECT_EQ(dlg->Runs->text(), QStringLiteral("10"));
  // Ten constants; the first AREA keeps the blank before its "=".
  EXPECT_EQ(dlg->SrcList->count(), 10);
  EXPECT_EQ(dlg->DstList->count(), 0);
  EXPECT_FALSE(dlg->OKBtn->isEnabled());
  EXPECT_FALSE(dlg->ExcludeBtn->isEnabled());

  Select(dlg->SrcList, {QStringLiteral("TIN")});
  dlg->IncludeBtnClick();
  Select(dlg->SrcList, {QStringLiteral("AREA"), QStringLiteral("NODES")});
  dlg->DstList->OnDrop();  // a drop on the table list is ">"
  // The walk from the last item appends NODES before AREA.
  EXPECT_EQ(Texts(dlg->DstList), (QStringList{QStringLiteral("TIN"), QStringLiteral("NODES"), QStringLiteral("AREA")}));
  EXPECT_TRUE(dlg->OKBtn->isEnabled());

  dlg->SrcListMouseDown(dlg->SrcList->findItems(QStringLiteral("TANKVOL"), Qt::MatchExactly).first());
  EXPECT_EQ(dlg->Label2->text(), QStringLiteral("Tank volume"));
  EXPECT_FALSE(dlg->Label1->text().isEmpty());

  dlg->Runs->setText(QStringLiteral(" 3 "));
  dlg->OKBtnClick();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  ASSERT_TRUE(shown_);
  const TableModel& t = shown_->Table();
  EXPECT_EQ(t.RunCount(), 3);
  ASSERT_EQ(t.VarCount(), 3);
  EXPECT_EQ(t.Column(2)->VarName, "NODES");
  EXPECT_EQ(shown_->GetS(1, 3), QStringLiteral("Enter value"));
  EXPECT_EQ(t.DeckFileName, kPlantDeck);
  EXPECT_EQ(shown_->windowTitle(), QStringLiteral(PELMARK_FIXTURES_DIR "/authoring/plant.TBL"));
  EXPECT_TRUE(t.Changed);
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(NewTableDlgTest, BadRunCountsAreRefusedAndTheOpenTableStays) {
  OpenTable(2, {"AREA"});
  table_->Table().Changed = true;
  ReadDeckConstants(kPlantDeck);
  struct Case {
    const char* runs;
    QString message;
  } cases[] = {
      {"abc", QStringLiteral("'abc' is not a valid integer value")},
      {"1.5", QStringLiteral("'1.5' is not a valid integer value")},
      {"", QStringLiteral("'' is not a valid integer value")},
      {"99999999999", QStringLiteral("'99999999999' is not a valid integer value")},
      {"10000", RunCountMessage()},
      {"-1", RunCountMessage()},
  };
  for (const Case& c : cases) {
    auto dlg = Dialog(kPlantDeck, false);
    dlg->IncAllBtnClick();
    dlg->Runs->setText(QString::fromLatin1(c.runs));
    ui_.clear();
    dlg->OKBtnClick();
    QApplication::processEvents();
    EXPECT_EQ(ui_.texts(), QStringList{c.message}) << c.runs;
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_TRUE(ui_.messages()[0].beepBefore);
    EXPECT_NE(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->Runs->selectedText(), dlg->Runs->text());
    EXPECT_EQ(dlg->DstList->count(), 10);
    ASSERT_TRUE(table_) << c.runs;
    EXPECT_EQ(table_->Table().VarCount(), 1);
    EXPECT_FALSE(shown_);
  }
}

TEST_F(NewTableDlgTest, ZeroRunsMakeATableWithoutRuns) {
  ReadDeckConstants(kPlantDeck);
  auto dlg = Dialog(kPlantDeck, false);
  dlg->IncAllBtnClick();
  dlg->Runs->setText(QStringLiteral("0"));
  dlg->OKBtnClick();
  ASSERT_TRUE(shown_);
  EXPECT_EQ(shown_->Table().RunCount(), 0);
  EXPECT_EQ(shown_->Table().VarCount(), 10);
}

TEST_F(NewTableDlgTest, AChangedTableIsAskedFirstAndCancelKeepsItAndTheDialog) {
  OpenTable(2, {"AREA"});
  table_->Table().Changed = true;
  ReadDeckConstants(kPlantDeck);
  auto dlg = Dialog(kPlantDeck, false);
  dlg->IncAllBtnClick();
  ui_.answer(ModalResult::Cancel);
  dlg->OKBtnClick();
  EXPECT_EQ(ui_.texts(), QStringList{table_->Table().TableFileName + QStringLiteral(" has been changed.  Save it?")});
  EXPECT_NE(dlg->result(), QDialog::Accepted);
  EXPECT_TRUE(table_);
  EXPECT_FALSE(shown_);

  ui_.answer(ModalResult::No);
  dlg->OKBtnClick();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(table_);
  ASSERT_TRUE(shown_);
  EXPECT_EQ(shown_->Table().VarCount(), 10);
}

TEST_F(NewTableDlgTest, AYesWhoseSaveFailsKeepsTheTable) {
  OpenTable(2, {"AREA"});
  table_->Table().Changed = true;
  table_->SetTableFileName(dir_.filePath(QStringLiteral("no/such/folder/plant.TBL")));
  ReadDeckConstants(kPlantDeck);
  auto dlg = Dialog(kPlantDeck, false);
  dlg->IncAllBtnClick();
  ui_.answer(ModalResult::Yes);
  dlg->OKBtnClick();
  EXPECT_NE(dlg->result(), QDialog::Accepted);
  EXPECT_TRUE(table_);
  EXPECT_FALSE(shown_);
}

TEST_F(NewTableDlgTest, ADeckPathTooLongForTheTableIsRefused) {
  ReadDeckConstants(kPlantDeck);
  const QString deck = QStringLiteral("/") + QString(260, QLatin1Char('d')) + QStringLiteral(".pzd");
  auto dlg = Dialog(deck, false);
  dlg->IncAllBtnClick();
  dlg->OKBtnClick();
  ASSERT_EQ(ui_.texts().size(), 1);
  EXPECT_TRUE(ui_.texts().first().startsWith(QStringLiteral("The name of deck /ddd"))) << ui_.texts().first().toStdString();
  EXPECT_NE(dlg->result(), QDialog::Accepted);
  EXPECT_FALSE(shown_);
}

TEST_F(NewTableDlgTest, ANameTooLongForATableVariableStaysInTheDeckList) {
  TConstList list;
  for (const char* name : {"SHORT", "A_NAME_OF_THIRTY_ONE_CHARACTERS"}) {
    TConstItem item;
    item.Name = name;
    AppendNumberedConstant(list, item);
  }
  PEQList() = list;
  auto dlg = Dialog(QStringLiteral("/d/x.pzd"), false);
  dlg->SrcList->selectAll();
  dlg->IncludeBtnClick();
  EXPECT_EQ(ui_.texts(),
            QStringList{QStringLiteral("The name A_NAME_OF_THIRTY_ONE_CHARACTERS is too long for a table variable.")});
  EXPECT_EQ(dlg->SrcList->count(), 2);
  EXPECT_EQ(dlg->DstList->count(), 0);
  dlg->IncAllBtnClick();
  EXPECT_EQ(dlg->DstList->count(), 0);
}

TEST_F(NewTableDlgTest, SelectionAfterAMoveStaysWithinTheList) {
  TConstList list;
  for (const char* name : {"A", "B", "C"}) {
    TConstItem item;
    item.Name = name;
    AppendNumberedConstant(list, item);
  }
  PEQList() = list;
  auto dlg = Dialog(QStringLiteral("/d/x.pzd"), false);
  Select(dlg->SrcList, {QStringLiteral("B")});
  dlg->IncludeBtnClick();
  // Index 1 of the two left is the last, so the last but one is chosen.
  EXPECT_EQ(dlg->SrcList->selectedItems().size(), 1);
  EXPECT_EQ(dlg->SrcList->selectedItems().first()->text(), QStringLiteral("A"));
  Select(dlg->SrcList, {QStringLiteral("C")});
  dlg->IncludeBtnClick();
  // One item left: min(1, -1) would be -1.
  ASSERT_EQ(dlg->SrcList->selectedItems().size(), 1);
  EXPECT_EQ(dlg->SrcList->selectedItems().first()->text(), QStringLiteral("A"));
  dlg->IncludeBtnClick();
  EXPECT_FALSE(dlg->IncludeBtn->isEnabled());
  EXPECT_FALSE(dlg->IncAllBtn->isEnabled());
  dlg->ExcAllBtnClick();
  EXPECT_EQ(Texts(dlg->SrcList), (QStringList{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}));
  EXPECT_FALSE(dlg->OKBtn->isEnabled());
}

TEST_F(NewTableDlgTest, ModifyModeReadsTheTablesDeckAndKeepsValuesOfVariablesThatStay) {
  OpenTable(3, {"TIN", "GONE", "AREA"});
  // Another deck's list is loaded; the dialog reads the table's own deck.
  PEQList() = TConstList{};
  auto dlg = Dialog(QStringLiteral("/other/deck.pzd"), true);
  EXPECT_EQ(dlg->DeckFileName, kPlantDeck);
  EXPECT_EQ(Texts(dlg->DstList),
            (QStringList{QStringLiteral("TIN"), QStringLiteral("GONE") + TNewTableDlg::NotInDeckMark(),
                         QStringLiteral("AREA")}));
  EXPECT_EQ(dlg->SrcList->count(), 8);
  dlg->DstListMouseDown(dlg->DstList->item(1));
  EXPECT_EQ(dlg->Label1->text(), QString());
  EXPECT_EQ(dlg->Label2->text(), QStringLiteral("No description available"));

  // "<" on TIN and GONE: TIN goes back to the deck list, GONE goes.
  Select(dlg->DstList, {QStringLiteral("TIN"), QStringLiteral("GONE") + TNewTableDlg::NotInDeckMark()});
  dlg->ExcludeBtnClick();
  EXPECT_EQ(Texts(dlg->DstList), (QStringList{QStringLiteral("AREA")}));
  EXPECT_EQ(dlg->SrcList->count(), 9);
  Select(dlg->SrcList, {QStringLiteral("NODES")});
  dlg->IncludeBtnClick();
  table_->Table().Changed = false;
  dlg->OKBtnClick();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);

  const TableModel& t = table_->Table();
  ASSERT_EQ(t.VarCount(), 2);
  EXPECT_EQ(t.Column(1)->VarName, "AREA");
  EXPECT_EQ(t.Value(1, 2), 302);
  EXPECT_EQ(t.Column(2)->VarName, "NODES");
  EXPECT_EQ(table_->GetS(2, 3), QStringLiteral("Enter value"));
  EXPECT_EQ(table_->GridModel()->columnCount(), 2);
  EXPECT_TRUE(t.Changed);
  EXPECT_FALSE(shown_);
}

TEST_F(NewTableDlgTest, ModifyModeWithoutTheDeckListsEveryColumnMarked) {
  OpenTable(1, {"A", "B"});
  table_->Table().DeckFileName = dir_.filePath(QStringLiteral("missing.pzd"));
  auto dlg = Dialog(QString(), true);
  EXPECT_EQ(dlg->SrcList->count(), 0);
  EXPECT_EQ(Texts(dlg->DstList), (QStringList{QStringLiteral("A") + TNewTableDlg::NotInDeckMark(),
                                              QStringLiteral("B") + TNewTableDlg::NotInDeckMark()}));
  dlg->OKBtnClick();
  EXPECT_EQ(table_->Table().VarCount(), 2);
  EXPECT_EQ(table_->Table().Value(2, 1), 201);
}

}  // namespace
}  // namespace pm
