// The table window in the main window: opening a table file, its close
// question among the others, File/Save and Save as, the Edit menu and the
// print selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "common/deckconstants.h"
#include "common/printstate.h"
#include "shell/printlist.h"
#include "shell/ui/printjob.h"
#include "shellfixture.h"
#include "support/pdftext.h"
#include "tables/tablefile.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

namespace pm::test {
namespace {

const QString kSmall = QStringLiteral(PELMARK_FIXTURES_DIR "/tables/small/");

class TableWindowTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->resize(1000, 800);
    form_->show();
  }
  // The small fixture table (and its deck) under the name given.
  QString PutTable(const QString& name, bool withDeck = true) {
    const QString path = folder_ + QLatin1Char('/') + name;
    WriteBytes(path, ReadBytes(kSmall + QStringLiteral("SYS1.TBL")));
    if (withDeck) WriteBytes(folder_ + QStringLiteral("/SYS1.PZD"), ReadBytes(kSmall + QStringLiteral("SYS1.PZD")));
    return path;
  }
  TTableForm* Table() const { return Only<TTableForm>(); }
};

TEST_F(TableWindowTest, FileOpenShowsTheTableUnderItsOwnName) {
  const QString path = PutTable(QStringLiteral("SYS1.v2.tbl"));
  form_->ReadaFile(path);
  TTableForm* table = Table();
  ASSERT_TRUE(table);
  EXPECT_EQ(form_->TableForm, table);
  EXPECT_EQ(KindOfChild(table->SubWindow()), KindTable);
  EXPECT_EQ(FileOfChild(table->SubWindow()), path);
  EXPECT_EQ(table->windowTitle(), path);
  EXPECT_EQ(table->Table().RunCount(), 3);
  EXPECT_EQ(table->GetS(1, 1), QStringLiteral("1.500"));
  EXPECT_FALSE(table->Table().Changed);
  // The stored deck is gone: the one beside the table gave the constants.
  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(table->Table().DeckFileName, folder_ + QStringLiteral("/SYS1.PZD"));
  ASSERT_TRUE(PEQList().has_value());
  EXPECT_EQ(form_->Item(QStringLiteral("Table1"))->text(), QStringLiteral("Table ") + path);
  // Placed inside the main window, fitted to the grid.
  const QRect area = form_->MdiArea()->viewport()->rect();
  EXPECT_TRUE(area.contains(table->SubWindow()->geometry())) << table->SubWindow()->geometry().width();
}

TEST_F(TableWindowTest, ABigTableOpensInsideTheMainWindow) {
  TableModel big;
  big.Reset(9999, {"A", "TWENTY_CHARACTERS_20", "B"});
  big.ClientRight = 3000;  // stored larger than any screen
  big.ClientBottom = 3000;
  const QString path = folder_ + QStringLiteral("/big.TBL");
  ASSERT_EQ(WriteTableFile(big, path), 0);
  form_->ReadaFile(path);
  ASSERT_TRUE(Table());
  const QRect area = form_->MdiArea()->viewport()->rect();
  EXPECT_TRUE(area.contains(Table()->SubWindow()->geometry()));
  TableGridView* grid = Table()->Grid();
  EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(grid->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST_F(TableWindowTest, AMissingDeckIsNamedAndTheTableOpensAllTheSame) {
  const QString path = PutTable(QStringLiteral("other.TBL"), false);
  form_->ReadaFile(path);
  ASSERT_TRUE(Table());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("File D:\\OLD\\SYS1.PZD which is used by this table was not found.")});
  EXPECT_EQ(Table()->Table().DeckFileName, QStringLiteral("D:\\OLD\\SYS1.PZD"));
}

TEST_F(TableWindowTest, ARefusedFileChangesNothing) {
  const QString good = PutTable(QStringLiteral("SYS1.TBL"));
  form_->ReadaFile(good);
  TTableForm* first = Table();
  ASSERT_TRUE(first);
  first->Table().Changed = true;
  const QString bad = folder_ + QStringLiteral("/bad.TBL");
  QByteArray bytes = ReadBytes(good);
  WriteBytes(bad, bytes.left(bytes.size() - 1));
  ReadDeckConstants(QString());
  ui_.answer(ModalResult::No);  // the open asks the changed table first
  form_->ReadaFile(bad);
  EXPECT_EQ(ui_.texts().last(), QStringLiteral("File ") + bad + QStringLiteral(" is not a valid table file."));
  EXPECT_EQ(Table(), first);
  EXPECT_FALSE(PEQList().has_value());
  EXPECT_EQ(form_->Item(QStringLiteral("Table1"))->text(), QStringLiteral("Table ") + good);
}

TEST_F(TableWindowTest, AnotherTableReplacesTheOpenOneAfterItsQuestion) {
  const QString one = PutTable(QStringLiteral("one.TBL"));
  const QString two = PutTable(QStringLiteral("two.TBL"));
  form_->ReadaFile(one);
  QPointer<TTableForm> first = Table();
  first->Table().Changed = true;
  ui_.answer(ModalResult::Cancel);
  form_->ReadaFile(two);
  EXPECT_EQ(Table(), first.data());
  EXPECT_EQ(ui_.texts().last(), one + QStringLiteral(" has been changed.  Save it?"));
  ui_.answer(ModalResult::No);
  form_->ReadaFile(two);
  EXPECT_FALSE(first);
  ASSERT_TRUE(Table());
  EXPECT_EQ(Table()->Table().TableFileName, two);
  EXPECT_EQ(Children().size(), 1);
}

TEST_F(TableWindowTest, OpeningADeckAsksAChangedTableAndCancelKeepsEverything) {
  const QString path = PutTable(QStringLiteral("SYS1.TBL"));
  form_->ReadaFile(path);
  QPointer<TTableForm> table = Table();
  ASSERT_TRUE(table);
  table->Table().Changed = true;
  ui_.answer(ModalResult::Cancel);
  form_->ReadaFile(folder_ + QStringLiteral("/SYS1.PZD"));
  EXPECT_EQ(ui_.texts().last(), path + QStringLiteral(" has been changed.  Save it?"));
  ASSERT_TRUE(table);
  EXPECT_EQ(Children().size(), 1);
  EXPECT_TRUE(table->Table().Changed);
}

TEST_F(TableWindowTest, FileSaveWritesTheTableUnderItsOwnNameWhenChanged) {
  const QString path = PutTable(QStringLiteral("COPY.TBL"));
  form_->ReadaFile(path);
  TTableForm* table = Table();
  ASSERT_TRUE(table);
  const QDateTime before = QFileInfo(path).lastModified();
  WriteBytes(path, "untouched");
  form_->Save1Click();
  EXPECT_EQ(ReadBytes(path), QByteArray("untouched"));
  ASSERT_TRUE(table->Table().SetCellText(1, 2, QStringLiteral("4")));
  form_->Save1Click();
  EXPECT_FALSE(table->Table().Changed);
  TableModel read;
  QString message;
  ASSERT_TRUE(ReadTableFile(path, &read, &message));
  EXPECT_EQ(read.Value(1, 2), 4.0L);
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/SYS1.TBL")));
  (void)before;
}

TEST_F(TableWindowTest, AFailedSaveKeepsTheChangeAndTheWindow) {
  const QString path = PutTable(QStringLiteral("ro.TBL"));
  form_->ReadaFile(path);
  TTableForm* table = Table();
  ASSERT_TRUE(table);
  table->Table().SetCellText(1, 1, QStringLiteral("9"));
  QFile::setPermissions(path, QFile::ReadOwner);
  form_->Save1Click();
  EXPECT_EQ(ui_.texts().last(), QStringLiteral("Error 13 was encountered while trying to write file ") + path);
  EXPECT_TRUE(ui_.messages().back().beepBefore);
  EXPECT_TRUE(table->Table().Changed);
  // The close question's Yes fails the same way and the window stays.
  ui_.answer(ModalResult::Yes);
  form_->MdiArea()->closeAllSubWindows();
  EXPECT_EQ(Table(), table);
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

TEST_F(TableWindowTest, SaveAsWritesTheNameAsTypedAndTheWindowTakesIt) {
  const QString path = PutTable(QStringLiteral("a.TBL"));
  form_->ReadaFile(path);
  TTableForm* table = Table();
  ASSERT_TRUE(table);
  form_->MdiArea()->setActiveSubWindow(table->SubWindow());
  const QString typed = folder_ + QStringLiteral("/A.tbl");  // a case variant is a new file
  ui_.answerFile(typed);
  form_->Saveas1Click();
  EXPECT_EQ(ReadBytes(path), ReadBytes(kSmall + QStringLiteral("SYS1.TBL")));
  TableModel read;
  QString message;
  ASSERT_TRUE(ReadTableFile(typed, &read, &message));
  EXPECT_EQ(read.Value(1, 1), 1.5L);
  EXPECT_EQ(table->Table().TableFileName, typed);
  EXPECT_EQ(table->windowTitle(), typed);
  EXPECT_EQ(form_->Item(QStringLiteral("Table1"))->text(), QStringLiteral("Table ") + typed);
}

TEST_F(TableWindowTest, EditMenuCopyCutAndPaste) {
  const QString path = PutTable(QStringLiteral("e.TBL"));
  form_->ReadaFile(path);
  TTableForm* table = Table();
  ASSERT_TRUE(table);
  form_->MdiArea()->setActiveSubWindow(table->SubWindow());
  ASSERT_EQ(KindOfChild(form_->ActiveChild), KindTable);
  TableGridView* grid = table->Grid();
  const QModelIndex first = table->GridModel()->index(0, 0);
  grid->setCurrentIndex(first);
  form_->Copy1Click();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("1.500"));
  form_->Cut1Click();
  EXPECT_EQ(table->GetS(1, 1), QStringLiteral("Enter value"));
  EXPECT_TRUE(table->Table().Changed);
  grid->setCurrentIndex(table->GridModel()->index(2, 0));
  form_->Paste1Click();
  EXPECT_EQ(table->GetS(1, 3), QStringLiteral("1.500"));
}

TEST_F(TableWindowTest, TheTablePrintsInBands) {
  const QString path = PutTable(QStringLiteral("p.TBL"));
  form_->ReadaFile(path);
  ASSERT_TRUE(Table());
  EXPECT_TRUE(KindPrints(KindTable));
  const QString pdf = folder_ + QStringLiteral("/job.pdf");
  qputenv("PELMARK_PRINT_PDF", pdf.toLocal8Bit());
  QList<QPointer<QMdiSubWindow>> windows{Table()->SubWindow()};
  EXPECT_TRUE(PrintWindows(windows, form_.get(), nullptr));
  qunsetenv("PELMARK_PRINT_PDF");
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(path)) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("TANK")));
  EXPECT_TRUE(text.contains(QStringLiteral("Enter value")));
}

}  // namespace
}  // namespace pm::test
