#include "tables/ui/tableform.h"

#include "common/globals.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"
#include "tables/tablefile.h"
#include "tables/ui/tablegrid.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace pm {
namespace {

class TableFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    area_.resize(1200, 900);
    area_.show();
  }

  // A window over a table of runs by vars, every cell n.5 for variable n.
  TTableForm* Open(int runs, std::vector<std::string> names, QSize client = QSize(600, 400)) {
    TableModel t;
    t.Reset(runs, names);
    for (int c = 1; c <= t.VarCount(); ++c) {
      for (int r = 1; r <= runs; ++r) t.SetValue(c, r, c + 0.5L);
    }
    t.TableFileName = dir_.filePath(QStringLiteral("t.TBL"));
    auto* form = new TTableForm(std::move(t));
    form->resize(client);
    QMdiSubWindow* sub = area_.addSubWindow(form);
    sub->show();
    form->FormResize(client);
    QApplication::processEvents();
    return form;
  }

  static QModelIndex Cell(TTableForm* form, int c, int r) { return form->GridModel()->index(r - 1, c - 1); }

  QTemporaryDir dir_;
  QMdiArea area_;
  test::ScriptedUi ui_;
};

TEST_F(TableFormTest, GridRowsAndColumnsAreRunsAndVariables) {
  TTableForm* form = Open(3, {"A", "B"});
  EXPECT_EQ(ChildKindOf(form), KindTable);
  EXPECT_EQ(form->windowTitle(), dir_.filePath(QStringLiteral("t.TBL")));
  TableGridModel* model = form->GridModel();
  EXPECT_EQ(model->rowCount(), 3);
  EXPECT_EQ(model->columnCount(), 2);
  form->Table().SetValue(2, 3, 7.0L);
  EXPECT_EQ(model->index(2, 1).data().toString(), QStringLiteral("7.000"));
  EXPECT_EQ(model->index(0, 0).data().toString(), form->GetS(1, 1));
  EXPECT_EQ(model->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("B"));
  EXPECT_EQ(model->headerData(2, Qt::Vertical, Qt::DisplayRole).toInt(), 3);
}

TEST_F(TableFormTest, HeadersAndTheCornerSelectNothing) {
  TTableForm* form = Open(3, {"A", "B"});
  TableGridView* grid = form->Grid();
  EXPECT_FALSE(grid->isCornerButtonEnabled());
  QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(50, 10));
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_TRUE(grid->selectionModel()->selectedIndexes().isEmpty());
  QTest::mouseClick(grid->verticalHeader()->viewport(), Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_TRUE(grid->selectionModel()->selectedIndexes().isEmpty());
  grid->selectAll();
  EXPECT_EQ(form->Selection().top, 1);
  EXPECT_EQ(form->Selection().left, 1);
  EXPECT_EQ(form->Selection().bottom, 3);
  EXPECT_EQ(form->Selection().right, 2);
}

TEST_F(TableFormTest, LeavingAnEditorUnchangedStoresNothing) {
  TTableForm* form = Open(2, {"A"});
  form->Table().SetValue(1, 1, 12345.6L);
  TableGridView* grid = form->Grid();
  grid->setCurrentIndex(Cell(form, 1, 1));
  grid->edit(Cell(form, 1, 1));
  auto* editor = grid->findChild<QLineEdit*>();
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->text(), QStringLiteral("12345.6"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();  // the editor closes queued
  EXPECT_EQ(form->Table().Value(1, 1), 12345.6L);
  EXPECT_FALSE(form->Table().Changed);
  // Enter moved one run down.
  EXPECT_EQ(grid->currentIndex(), Cell(form, 1, 2));
}

TEST_F(TableFormTest, TypingStoresTheValueAndEnterMovesDown) {
  TTableForm* form = Open(3, {"A"});
  TableGridView* grid = form->Grid();
  grid->setFocus();
  grid->setCurrentIndex(Cell(form, 1, 1));
  // The first key opens the editor with that key; the rest go to the editor.
  QTest::keyClick(grid, Qt::Key_7);
  auto* editor = grid->findChild<QLineEdit*>();
  ASSERT_TRUE(editor);
  QTest::keyClicks(editor, QStringLiteral(".25"));
  EXPECT_EQ(editor->text(), QStringLiteral("7.25"));
  QTest::keyClick(editor, Qt::Key_Return);
  QApplication::processEvents();
  EXPECT_EQ(form->Table().Value(1, 1), 7.25L);
  EXPECT_TRUE(form->Table().Changed);
  EXPECT_EQ(grid->currentIndex(), Cell(form, 1, 2));
  // Enter outside the editor moves down too, and stops at the last run.
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(grid->currentIndex(), Cell(form, 1, 3));
  QTest::keyClick(grid, Qt::Key_Return);
  EXPECT_EQ(grid->currentIndex(), Cell(form, 1, 3));
  // The editor shows the typed text whole: it is as tall as the row.
  grid->edit(Cell(form, 1, 3));
  editor = grid->findChild<QLineEdit*>();
  ASSERT_TRUE(editor);
  EXPECT_GE(editor->height(), editor->fontMetrics().height());
}

TEST_F(TableFormTest, ClipboardCommands) {
  TTableForm* form = Open(3, {"A", "B"});
  TableGridView* grid = form->Grid();
  grid->selectionModel()->select(QItemSelection(Cell(form, 1, 1), Cell(form, 2, 2)), QItemSelectionModel::Select);
  form->CopytoClip();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1.500\t2.500\r\n1.500\t2.500"));
  QSignalSpy changed(form->GridModel(), &QAbstractItemModel::dataChanged);
  form->Clear();
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(form->GetS(2, 2), QStringLiteral("Enter value"));
  EXPECT_TRUE(form->Table().Changed);
  form->Table().Changed = false;
  grid->setCurrentIndex(Cell(form, 1, 2));
  QApplication::clipboard()->setText(QStringLiteral("9\t8\r\nbad"));
  changed.clear();
  form->Paste();
  // The cells stored before the bad field show at once.
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(form->GetS(1, 2), QStringLiteral("9.000"));
  EXPECT_EQ(form->GetS(2, 2), QStringLiteral("8.000"));
  EXPECT_TRUE(form->Table().Changed);
  ASSERT_EQ(ui_.texts(), QStringList{QStringLiteral("Bad number in row 3 column 1")});
  EXPECT_TRUE(ui_.messages().back().beepBefore);
}

TEST_F(TableFormTest, CloseQuestion) {
  TTableForm* form = Open(2, {"A"});
  QPointer<TTableForm> guard(form);
  form->Table().Changed = true;
  ui_.answer(ModalResult::Cancel);
  EXPECT_FALSE(form->SubWindow()->close());
  ASSERT_TRUE(guard);
  EXPECT_EQ(ui_.texts().last(), form->Table().TableFileName + QStringLiteral(" has been changed.  Save it?"));
  // Yes with a save that fails keeps the window and its change.
  form->SetTableFileName(dir_.filePath(QStringLiteral("no/such/t.TBL")));
  ui_.answer(ModalResult::Yes);
  EXPECT_FALSE(form->FormCloseQuery());
  EXPECT_EQ(ui_.texts().last(), QStringLiteral("Error 2 was encountered while trying to write file ") +
                                    dir_.filePath(QStringLiteral("no/such/t.TBL")));
  EXPECT_TRUE(form->Table().Changed);
  form->SetTableFileName(dir_.filePath(QStringLiteral("t.TBL")));
  ui_.answer(ModalResult::Yes);
  form->SubWindow()->close();
  QApplication::processEvents();
  EXPECT_FALSE(guard);
  TableModel read;
  QString message;
  ASSERT_TRUE(ReadTableFile(dir_.filePath(QStringLiteral("t.TBL")), &read, &message));
  EXPECT_EQ(read.Value(1, 2), 1.5L);
}

TEST_F(TableFormTest, AnUnchangedTableClosesWithoutAQuestion) {
  TTableForm* form = Open(2, {"A"});
  EXPECT_TRUE(form->SubWindow()->close());
  EXPECT_TRUE(ui_.texts().isEmpty());
}

// The grid shows whole columns and runs, with bars only where needed.
void ExpectFitted(TTableForm* form) {
  TableGridView* grid = form->Grid();
  const QSize view = grid->viewport()->size();
  const QHeaderView* top = grid->horizontalHeader();
  const QHeaderView* left = grid->verticalHeader();
  const bool hBar = grid->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
  const bool vBar = grid->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn;
  EXPECT_EQ(hBar, top->length() > view.width());
  EXPECT_EQ(vBar, left->length() > view.height());
  if (!hBar) {
    EXPECT_EQ(view.width(), top->length());
  } else {
    int w = 0;
    int c = 0;
    while (c < top->count() && w + top->sectionSize(c) <= view.width()) w += top->sectionSize(c++);
    EXPECT_EQ(w, view.width());
  }
  if (!vBar) {
    EXPECT_EQ(view.height(), left->length());
  } else {
    EXPECT_EQ(view.height() % kDefaultRowHeight, 0);
  }
}

TEST_F(TableFormTest, TheWindowFitsTheGrid) {
  struct Case {
    int runs;
    int vars;
    QSize client;
  } cases[] = {{3, 2, {600, 400}}, {9999, 2, {600, 400}}, {3, 30, {600, 400}}, {9999, 30, {700, 500}},
               {0, 1, {600, 400}}};
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (int v = 1; v <= c.vars; ++v) names.push_back("V" + std::to_string(v));
    TTableForm* form = Open(c.runs, names, c.client);
    SCOPED_TRACE(testing::Message() << c.runs << " x " << c.vars);
    ExpectFitted(form);
    EXPECT_LE(form->width(), c.client.width() + 20);
    EXPECT_LE(form->height(), c.client.height() + 20);
    delete form->SubWindow();
  }
}

TEST_F(TableFormTest, LongNamesWidenTheirColumnsAndRunNumbersFit) {
  TTableForm* form = Open(9999, {"A", "TWENTY_CHARACTERS_20"});
  const QHeaderView* top = form->Grid()->horizontalHeader();
  EXPECT_EQ(top->sectionSize(0), kDefaultColWidth);
  EXPECT_GT(top->sectionSize(1), QFontMetrics(TableHeaderFont(10)).horizontalAdvance(QStringLiteral("TWENTY_CHARACTERS_20")));
  const QHeaderView* left = form->Grid()->verticalHeader();
  EXPECT_GE(left->width(), 10 + left->fontMetrics().horizontalAdvance(QStringLiteral("9999")));
  ExpectFitted(form);
}

TEST_F(TableFormTest, ARestoredClientSizeIsClamped) {
  TableModel t;
  t.ClientRight = 5000;
  t.ClientBottom = 20;
  EXPECT_EQ(TTableForm::RestoredClientSize(t, QSize(800, 600)), QSize(800, 100));
  t.ClientLeft = 10;
  t.ClientRight = 410;
  t.ClientBottom = 300;
  EXPECT_EQ(TTableForm::RestoredClientSize(t, QSize(800, 600)), QSize(400, 300));
}

}  // namespace
}  // namespace pm
