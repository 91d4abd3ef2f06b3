#include "tables/ui/altervaluesdlg.h"
#include "tables/ui/insertrunsdlg.h"

#include "common/lib1.h"
#include "support/scriptedui.h"
#include "tables/tablemodel.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace pm {
namespace {

class TableRunsDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    area_.resize(1000, 700);
    area_.show();
    TableModel t;
    t.Reset(5, {"A", "B"});
    for (int c = 1; c <= 2; ++c) {
      for (int r = 1; r <= 5; ++r) t.SetValue(c, r, c * 100 + r);
    }
    t.TableFileName = dir_.filePath(QStringLiteral("t.TBL"));
    table_ = new TTableForm(std::move(t));
    area_.addSubWindow(table_)->show();
    QApplication::processEvents();
  }

  template <typename Dlg>
  std::unique_ptr<Dlg> Dialog() {
    auto dlg = std::make_unique<Dlg>(table_);
    dlg->show();
    QApplication::processEvents();
    return dlg;
  }

  // Column c, runs 1..n; -1 for "Enter value".
  std::vector<double> Cells(int c) const {
    std::vector<double> cells;
    const TableModel& t = table_->Table();
    for (int r = 1; r <= t.RunCount(); ++r) {
      const long double x = t.Value(c, r);
      cells.push_back(x == EnterValueMarker ? -1.0 : static_cast<double>(x));
    }
    return cells;
  }

  QTemporaryDir dir_;
  QMdiArea area_;
  QPointer<TTableForm> table_;
  test::ScriptedUi ui_;
};

TEST_F(TableRunsDlgTest, AlterValuesOpensWithTheVariablesAndTheRunRange) {
  auto dlg = Dialog<TAlterValuesDlg>();
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Alter Table Values"));
  ASSERT_EQ(dlg->ListBox->count(), 2);
  EXPECT_EQ(dlg->ListBox->item(1)->text(), QStringLiteral("B"));
  EXPECT_EQ(dlg->ListBox->currentRow(), 0);
  EXPECT_EQ(dlg->FirstRunV->text(), QStringLiteral("1"));
  EXPECT_EQ(dlg->LastRunV->text(), QStringLiteral("5"));
  EXPECT_TRUE(dlg->SetValues->isChecked());
  EXPECT_EQ(dlg->LastIncBox->text(), QStringLiteral("Increment"));
  EXPECT_EQ(dlg->Mode, SeriesMode::Increment);
  EXPECT_TRUE(dlg->FirstValue->isVisible());
  EXPECT_EQ(dlg->LastIncBox->menu(), dlg->PopupMenu);
  dlg->ClearValues->click();
  EXPECT_FALSE(dlg->FirstValue->isVisible());
  EXPECT_FALSE(dlg->FirstValueL->isVisible());
  EXPECT_FALSE(dlg->IncorLast->isVisible());
  EXPECT_FALSE(dlg->LastIncBox->isVisible());
  dlg->SetValues->click();
  EXPECT_TRUE(dlg->LastIncBox->isVisible());
}

TEST_F(TableRunsDlgTest, ApplyFillsASeriesAndTheDialogStays) {
  struct Case {
    QAction* TAlterValuesDlg::*mode;
    const char* caption;
    const char *first, *last, *a, *b;
    std::vector<double> want;
  } cases[] = {
      {&TAlterValuesDlg::LastValue1, "Last Value", "1", "5", "10", "20", {10, 12.5, 15, 17.5, 20}},
      {&TAlterValuesDlg::Multiplier1, "Multiplier", "2", "4", "1", "10", {101, 1, 10, 100, 105}},
      {&TAlterValuesDlg::Increment1, "Increment", "0", "9999", "-1", "0.5", {-1, -0.5, 0, 0.5, 1}},
      {&TAlterValuesDlg::Increment1, "Increment", "3", "2", "INF", "0", {101, 102, 1e99, 104, 105}},
  };
  for (const Case& c : cases) {
    for (int r = 1; r <= 5; ++r) table_->Table().SetValue(1, r, 100 + r);
    table_->Table().Changed = false;
    auto dlg = Dialog<TAlterValuesDlg>();
    (dlg.get()->*c.mode)->trigger();
    EXPECT_EQ(dlg->LastIncBox->text(), QString::fromLatin1(c.caption));
    dlg->FirstRunV->setText(QString::fromLatin1(c.first));
    dlg->LastRunV->setText(QString::fromLatin1(c.last));
    dlg->FirstValue->setText(QString::fromLatin1(c.a));
    dlg->IncorLast->setText(QString::fromLatin1(c.b));
    dlg->Button1->click();
    EXPECT_EQ(Cells(1), c.want) << c.caption << " " << c.first;
    EXPECT_EQ(Cells(2), (std::vector<double>{201, 202, 203, 204, 205}));
    EXPECT_TRUE(table_->Table().Changed);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(ui_.beeps(), 0);
  }
  // The range last used opens the next dialog.
  auto again = Dialog<TAlterValuesDlg>();
  EXPECT_EQ(again->FirstRunV->text(), QStringLiteral("3"));
  EXPECT_EQ(again->LastRunV->text(), QStringLiteral("3"));
}

TEST_F(TableRunsDlgTest, OKClearsTheRangeOfTheChosenVariableAndCloses) {
  table_->Table().Changed = false;
  auto dlg = Dialog<TAlterValuesDlg>();
  dlg->ListBox->setCurrentRow(1);
  dlg->ClearValues->click();
  dlg->FirstRunV->setText(QStringLiteral("4"));
  dlg->FirstValue->setText(QStringLiteral("not read when clearing"));
  dlg->OKBtn->click();
  EXPECT_EQ(dlg->result(), QDialog::Accepted);
  EXPECT_EQ(Cells(2), (std::vector<double>{201, 202, 203, -1, -1}));
  EXPECT_EQ(table_->GridModel()->data(table_->GridModel()->index(3, 1), Qt::DisplayRole).toString(),
            QStringLiteral("Enter value"));
  EXPECT_TRUE(table_->Table().Changed);
}

TEST_F(TableRunsDlgTest, AlterValuesRefusesBadEntriesWithABeepAndChangesNothing) {
  struct Case {
    const char *first, *last, *a, *b;
    QLineEdit* TAlterValuesDlg::*refused;
  } cases[] = {
      {"x", "5", "1", "1", &TAlterValuesDlg::FirstRunV},
      {"1.0", "5", "1", "1", &TAlterValuesDlg::FirstRunV},
      {"6", "9999", "1", "1", &TAlterValuesDlg::FirstRunV},  // beyond the last run
      {"1", "", "1", "1", &TAlterValuesDlg::LastRunV},
      {"1", "5", "one", "1", &TAlterValuesDlg::FirstValue},
      {"1", "5", "1", "1,5", &TAlterValuesDlg::IncorLast},
  };
  for (const Case& c : cases) {
    table_->Table().Changed = false;
    ui_.clear();
    auto dlg = Dialog<TAlterValuesDlg>();
    dlg->FirstRunV->setText(QString::fromLatin1(c.first));
    dlg->LastRunV->setText(QString::fromLatin1(c.last));
    dlg->FirstValue->setText(QString::fromLatin1(c.a));
    dlg->IncorLast->setText(QString::fromLatin1(c.b));
    dlg->OKBtn->click();
    QApplication::processEvents();
    EXPECT_NE(dlg->result(), QDialog::Accepted) << c.first;
    EXPECT_EQ(ui_.beeps(), 1) << c.first;
    EXPECT_TRUE(ui_.texts().isEmpty());
    QLineEdit* edit = dlg.get()->*c.refused;
    EXPECT_EQ(edit->selectedText(), edit->text()) << c.first << " " << c.last << " " << c.a << " " << c.b;
    EXPECT_EQ(Cells(1), (std::vector<double>{101, 102, 103, 104, 105}));
    EXPECT_FALSE(table_->Table().Changed);
  }
  // No variable chosen: a beep, nothing else.
  ui_.clear();
  auto dlg = Dialog<TAlterValuesDlg>();
  dlg->ListBox->clearSelection();
  dlg->FirstValue->setText(QStringLiteral("1"));
  dlg->IncorLast->setText(QStringLiteral("1"));
  EXPECT_FALSE(dlg->FillTable());
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_FALSE(table_->Table().Changed);
}

TEST_F(TableRunsDlgTest, InsertRunsOpensWithItsDefaults) {
  auto dlg = Dialog<TInsertRunsDlg>();
  EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Insert or Delete Table Runs"));
  EXPECT_TRUE(dlg->InsertButton->isChecked());
  EXPECT_TRUE(dlg->Attop->isChecked());
  EXPECT_EQ(dlg->RowsEdit->text(), QStringLiteral("10"));
  EXPECT_EQ(dlg->AfterRowEdit->text(), QStringLiteral("2"));
  EXPECT_FALSE(dlg->AfterRowEdit->isEnabled());
  dlg->AfterRow->click();
  EXPECT_EQ(dlg->Position, 2);
  EXPECT_TRUE(dlg->AfterRowEdit->isEnabled());
  dlg->Atbottom->click();
  EXPECT_EQ(dlg->Position, 1);
  EXPECT_FALSE(dlg->AfterRowEdit->isEnabled());
  dlg->DeleteButton->click();
  EXPECT_FALSE(dlg->Insert);
}

TEST_F(TableRunsDlgTest, InsertAndDeleteRunsReshapeEveryColumnAndTheGrid) {
  struct Case {
    QRadioButton* TInsertRunsDlg::*action;
    QRadioButton* TInsertRunsDlg::*position;
    const char *rows, *after;
    std::vector<double> want;
  } cases[] = {
      {&TInsertRunsDlg::InsertButton, &TInsertRunsDlg::AfterRow, "2", "3", {101, 102, 103, -1, -1, 104, 105}},
      {&TInsertRunsDlg::InsertButton, &TInsertRunsDlg::Attop, "1", "x", {-1, 101, 102, 103, 104, 105}},
      {&TInsertRunsDlg::InsertButton, &TInsertRunsDlg::Atbottom, "1", "x", {101, 102, 103, 104, 105, -1}},
      {&TInsertRunsDlg::DeleteButton, &TInsertRunsDlg::Attop, "2", "x", {103, 104, 105}},
      {&TInsertRunsDlg::DeleteButton, &TInsertRunsDlg::Atbottom, "2", "x", {101, 102, 103}},
      {&TInsertRunsDlg::DeleteButton, &TInsertRunsDlg::AfterRow, "3", "4", {101, 102}},
  };
  for (const Case& c : cases) {
    TableModel& t = table_->Table();
    t.Reset(5, {"A", "B"});
    for (int r = 1; r <= 5; ++r) t.SetValue(1, r, 100 + r);
    t.Changed = false;
    table_->TableReshaped();
    auto dlg = Dialog<TInsertRunsDlg>();
    (dlg.get()->*c.action)->click();
    (dlg.get()->*c.position)->click();
    dlg->RowsEdit->setText(QString::fromLatin1(c.rows));
    dlg->AfterRowEdit->setText(QString::fromLatin1(c.after));
    dlg->OKBtn->click();
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(Cells(1), c.want) << c.rows << " " << c.after;
    const int runs = static_cast<int>(c.want.size());
    EXPECT_EQ(table_->GridModel()->rowCount(), runs);
    EXPECT_EQ(table_->Table().LastRun, runs);
    EXPECT_TRUE(table_->Table().Changed);
    EXPECT_TRUE(ui_.texts().isEmpty());
  }
}

TEST_F(TableRunsDlgTest, InsertRunsRefusesBadEntriesAndChangesNothing) {
  struct Case {
    QRadioButton* TInsertRunsDlg::*position;
    const char *rows, *after;
    QLineEdit* TInsertRunsDlg::*refused;
    QString message;
  } cases[] = {
      {&TInsertRunsDlg::Attop, "x", "2", &TInsertRunsDlg::RowsEdit, {}},
      {&TInsertRunsDlg::Attop, "0", "2", &TInsertRunsDlg::RowsEdit, {}},
      {&TInsertRunsDlg::Attop, "-2", "2", &TInsertRunsDlg::RowsEdit, {}},
      {&TInsertRunsDlg::AfterRow, "1", "6", &TInsertRunsDlg::AfterRowEdit, {}},
      {&TInsertRunsDlg::AfterRow, "1", "-1", &TInsertRunsDlg::AfterRowEdit, {}},
      {&TInsertRunsDlg::AfterRow, "1", "2.5", &TInsertRunsDlg::AfterRowEdit, {}},
      {&TInsertRunsDlg::Atbottom, "9995", "2", &TInsertRunsDlg::RowsEdit, RunCountMessage()},
  };
  for (const Case& c : cases) {
    table_->Table().Changed = false;
    ui_.clear();
    auto dlg = Dialog<TInsertRunsDlg>();
    (dlg.get()->*c.position)->click();
    dlg->RowsEdit->setText(QString::fromLatin1(c.rows));
    dlg->AfterRowEdit->setText(QString::fromLatin1(c.after));
    dlg->OKBtn->click();
    QApplication::processEvents();
    EXPECT_NE(dlg->result(), QDialog::Accepted) << c.rows << " " << c.after;
    EXPECT_EQ(ui_.beeps(), 1) << c.rows << " " << c.after;
    EXPECT_EQ(ui_.texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
    QLineEdit* edit = dlg.get()->*c.refused;
    EXPECT_EQ(edit->selectedText(), edit->text()) << c.rows << " " << c.after;
    EXPECT_EQ(Cells(1), (std::vector<double>{101, 102, 103, 104, 105}));
    EXPECT_FALSE(table_->Table().Changed);
  }
}

TEST_F(TableRunsDlgTest, DeletingEveryRunClosesTheTableAfterItsQuestion) {
  table_->Table().Changed = true;
  auto dlg = Dialog<TInsertRunsDlg>();
  dlg->DeleteButton->click();
  dlg->RowsEdit->setText(QStringLiteral("5"));
  ui_.answer(ModalResult::Cancel);
  dlg->OKBtn->click();
  EXPECT_EQ(ui_.texts(), QStringList{table_->Table().TableFileName + QStringLiteral(" has been changed.  Save it?")});
  ASSERT_TRUE(table_);
  EXPECT_EQ(table_->Table().RunCount(), 5);

  auto again = Dialog<TInsertRunsDlg>();
  again->DeleteButton->click();
  again->RowsEdit->setText(QStringLiteral("7"));
  ui_.answer(ModalResult::No);
  again->OKBtn->click();
  EXPECT_EQ(again->result(), QDialog::Accepted);
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(table_);
}

}  // namespace
}  // namespace pm
