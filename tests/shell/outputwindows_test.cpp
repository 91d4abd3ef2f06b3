// The output windows of a deck through the real main window: listing, log,
// plot data, table item, diagram (BMP and WMF), their Windows items, and
// Windows/Input.
#include <gtest/gtest.h>

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QImage>
#include <QLabel>
#include <QTextDocument>
#include <QTextEdit>

#include "common/globals.h"
#include "common/ui/finddialogs.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/editform.h"
#include "shell/ui/menustate.h"
#include "shell/ui/viewform.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class OutputWindowsTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->resize(1200, 900);
    form_->show();
  }

  DocumentCommands& Docs() { return form_->Documents(); }
  QString Path(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
  QString Write(const char* name, const QByteArray& bytes) {
    WriteBytes(Path(QLatin1String(name)), bytes);
    return Path(QLatin1String(name));
  }
  QAction* Item(const char* name) const { return form_->Item(QLatin1String(name)); }
  static QByteArray Bitmap(int width, int height) { return BitmapBytes(width, height); }
};

TEST_F(OutputWindowsTest, ListingAndLogOpenInViewersAndSetTheirItems) {
  const QString deck = Write("w.1/sys.dck", "deck");
  const QString listing = Write("w.1/sys.LST", "LISTING\r\n25 \xB0" "C\r\n");
  const QString log = Write("w.1/sys.log", "{\\rtf1 {\\b Log} text}");
  Docs().GetLSTFile(deck, true);
  Docs().GetLOGFile(deck, true);
  EXPECT_EQ(Kinds(), (std::vector<int>{KindListing, KindLog}));
  const auto views = Children();
  auto* first = qobject_cast<TViewForm*>(views[0]->widget());
  auto* second = qobject_cast<TViewForm*>(views[1]->widget());
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->windowTitle(), listing);
  EXPECT_EQ(first->Viewer()->document()->toPlainText(), QStringLiteral("LISTING\n25 \u00b0C"));
  EXPECT_EQ(first->Viewer()->document()->defaultFont().pixelSize(), 12);
  EXPECT_EQ(first->Viewer()->lineWrapMode(), QTextEdit::NoWrap);
  EXPECT_TRUE(first->Viewer()->isReadOnly());
  EXPECT_EQ(second->Viewer()->document()->toPlainText(), QStringLiteral("Log text"));  // rich text shown
  EXPECT_EQ(Item("Listing1")->text(), QStringLiteral("Listing ") + listing);
  EXPECT_TRUE(ItemEnabled(Item("Listing1")));
  EXPECT_EQ(Item("Log1")->text(), QStringLiteral("Log ") + log);
  // Again: the old viewer goes first; without show only the item is set.
  Docs().GetLSTFile(deck, false);
  EXPECT_EQ(Kinds(), std::vector<int>{KindLog});
  EXPECT_TRUE(ItemEnabled(Item("Listing1")));
  QFile::remove(listing);
  Docs().GetLSTFile(deck, true);
  EXPECT_EQ(Item("Listing1")->text(), QStringLiteral("Listing"));
  EXPECT_FALSE(ItemEnabled(Item("Listing1")));
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(OutputWindowsTest, CaptionsAndItemsNameTheFilesAsFound) {
  const QString deck = Write("pumps.dck", "deck");
  const QString listing = Write("pumps.lst", "listing");
  const QString log = Write("pumps.LOG", "log");
  const QString bitmap = Write("Pumps.bmp", Bitmap(220, 80));
  Docs().GetLSTFile(deck, true);
  Docs().GetLOGFile(deck, true);
  Docs().GetDGMFile(deck);
  QStringList captions;
  for (QMdiSubWindow* child : Children()) captions << child->widget()->windowTitle();
  EXPECT_EQ(captions, (QStringList{listing, log, bitmap}));
  EXPECT_EQ(Item("Listing1")->text(), QStringLiteral("Listing ") + listing);
  EXPECT_EQ(Item("Log1")->text(), QStringLiteral("Log ") + log);
  EXPECT_EQ(Item("Diagram1")->text(), QStringLiteral("Diagram ") + bitmap);
  // The Windows menu lists them so too.
  Q_EMIT form_->Windows1->aboutToShow();
  QStringList listed;
  for (QAction* item : form_->Windows1->actions())
    if (item->isCheckable()) listed << item->text().section(QLatin1Char(' '), 1);
  EXPECT_EQ(listed, captions);
  // Windows/Listing brings the viewer to the front rather than a second one.
  form_->InputFileName = deck;
  form_->Listing1Click();
  EXPECT_EQ(Children().size(), 3);
}

TEST_F(OutputWindowsTest, APzxDeckNeverShowsItsListingOrLog) {
  const QString deck = Write("sys.pzx", "deck");
  Write("sys.LST", "x");
  Write("sys.log", "x");
  Docs().GetLSTFile(deck, true);
  Docs().GetLOGFile(deck, true);
  EXPECT_TRUE(Kinds().empty());
  EXPECT_FALSE(ItemEnabled(Item("Listing1")));
  EXPECT_FALSE(ItemEnabled(Item("Log1")));
}

TEST_F(OutputWindowsTest, PlotDataAndTableByTheFileNamesFirstDot) {
  const QString deck = Write("w.1/sys.v2.dck", "deck");
  const QString plot = Write("w.1/sys.PLT", "1 2 3");
  Docs().GetPLTFile(deck, true);
  EXPECT_EQ(form_->PltFileName, plot);
  EXPECT_EQ(Kinds(), std::vector<int>{KindListing});
  QStringList opened;
  form_->OpenTableWindow = [&opened](const QString& file) {
    opened << file;
    return true;
  };
  Docs().GetTBLFile(deck, true);
  EXPECT_FALSE(ItemEnabled(Item("Table1")));
  EXPECT_TRUE(opened.isEmpty());
  const QString table = Write("w.1/sys.TBL", "t");
  Docs().GetTBLFile(deck, true);
  EXPECT_EQ(opened, QStringList{table});
  EXPECT_EQ(Item("Table1")->text(), QStringLiteral("Table ") + table);
  EXPECT_TRUE(ItemEnabled(Item("Table1")));
}

TEST_F(OutputWindowsTest, SmallBitmapSizesItsWindowLargeOneKeepsTheWindowsSize) {
  const QString deck = Write("plant.dck", "deck");
  const QString bmp = Write("plant.BMP", Bitmap(220, 80));
  Docs().GetDGMFile(deck);
  auto* diagram = Only<TDiagramForm>();
  ASSERT_TRUE(diagram);
  EXPECT_EQ(KindOfChild(diagram->SubWindow()), KindDiagram);
  EXPECT_EQ(diagram->windowTitle(), bmp);
  EXPECT_EQ(diagram->SubWindow()->contentsRect().size(), QSize(222, 82));
  EXPECT_EQ(Item("Diagram1")->text(), QStringLiteral("Diagram ") + bmp);
  EXPECT_TRUE(ItemEnabled(Item("Diagram1")));
  const QSize before = diagram->SubWindow()->size();
  (void)before;
  Write("plant.BMP", Bitmap(3000, 2500));
  Docs().GetDGMFile(deck);
  diagram = Only<TDiagramForm>();
  ASSERT_TRUE(diagram);
  EXPECT_EQ(Children().size(), 1);
  EXPECT_LT(diagram->SubWindow()->width(), 3000);
  EXPECT_EQ(diagram->Image()->size(), QSize(3000, 2500));
}

TEST_F(OutputWindowsTest, WmfIsDrawnABrokenOneSaysSo) {
  const QString deck = Write("plant.dck", "deck");
  const QString wmf = Path(QStringLiteral("plant.WMF"));
  WriteBytes(wmf, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/diagrams/plant.wmf")));
  Docs().GetDGMFile(deck);
  auto* diagram = Only<TDiagramForm>();
  ASSERT_TRUE(diagram);
  EXPECT_EQ(diagram->Picture().size(), QSize(72, 36));
  EXPECT_EQ(Item("Diagram1")->text(), QStringLiteral("Diagram ") + wmf);
  WriteBytes(wmf, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/diagrams/broken.wmf")));
  Docs().GetDGMFile(deck);
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("The diagram ") + wmf + QStringLiteral(" could not be drawn.")});
  EXPECT_EQ(Item("Diagram1")->text(), QStringLiteral("Diagram"));
  EXPECT_FALSE(ItemEnabled(Item("Diagram1")));
}

TEST_F(OutputWindowsTest, WindowsItemsBringTheirWindowOrOpenItFromTheInput) {
  const QString deck = Write("sys.dck", "deck");
  const QString listing = Write("sys.LST", "L");
  Write("sys.log", "G");
  Write("sys.BMP", Bitmap(10, 10));
  form_->InputFileName = deck;
  form_->Listing1Click();
  form_->Log1Click();
  form_->Diagram1Click();
  EXPECT_EQ(Kinds(), (std::vector<int>{KindListing, KindLog, KindDiagram}));
  // A plot data viewer shares the listing's kind; the listing item finds
  // the listing.
  Write("sys.PLT", "P");
  Docs().GetPLTFile(deck, true);
  QMdiSubWindow* listingWindow = Children()[0];
  form_->Listing1Click();
  EXPECT_EQ(form_->MdiArea()->activeSubWindow(), listingWindow);
  EXPECT_EQ(FileOfChild(listingWindow), listing);
  EXPECT_EQ(Children().size(), 4);
}

TEST_F(OutputWindowsTest, InputBringsItsWindowOrOpensTheDeckAgain) {
  const QString deck = CopyOpeningFixture("plain.dck", Path(QStringLiteral("plain.dck")));
  form_->ReadaFile(deck);
  ASSERT_EQ(Kinds(), std::vector<int>{KindTextEditor});
  QMdiSubWindow* editor = Children()[0];
  AddChild(KindListing, Path(QStringLiteral("x.LST")));
  form_->Input1Click();
  EXPECT_EQ(form_->MdiArea()->activeSubWindow(), editor);
  // Closed: opened again as an editor.
  editor->close();
  form_->InputFileName = deck;
  form_->Input1Click();
  ASSERT_TRUE(Only<TEditForm>());
  EXPECT_EQ(Only<TEditForm>()->FileName(), deck);
  // A form deck opens in a form window with its restore point.
  const QString plant = CopyOpeningFixture("plant.pzd", Path(QStringLiteral("plant.pzd")));
  form_->InputFileName = plant;
  form_->Input1Click();
  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  ASSERT_TRUE(plenzo);
  EXPECT_EQ(plenzo->FileName(), plant);
  EXPECT_TRUE(QFile::exists(Path(QStringLiteral("~temp.pzd"))));
  EXPECT_TRUE(Only<TEditForm>());  // nothing else was touched
}

// A listing searches through the Find dialog the text windows share: its
// options count, Search Again goes on after the match, and a second
// Edit/Find offers the last find text selected.
TEST_F(OutputWindowsTest, AViewerFindsThroughTheSharedFindDialog) {
  form_->ReadaFile(Write("plant.LST", "Loop LOOP loop\r\nloops loop\r\n"));
  auto* view = Only<TViewForm>();
  ASSERT_TRUE(view);
  form_->SetActiveChild(view->SubWindow());
  form_->SearchAgain1Click();  // nothing to search for yet: the dialog comes
  TFindDialog* dialog = view->findChild<TFindDialog*>();
  ASSERT_TRUE(dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->FindNext->isEnabled());
  dialog->SetFindText(QStringLiteral("loop"));
  dialog->MatchCase->setChecked(true);
  dialog->WholeWord->setChecked(true);
  dialog->FindNext->click();
  QTextCursor at = view->Viewer()->textCursor();
  EXPECT_EQ(at.selectionStart(), 10);
  form_->SearchAgain1Click();
  at = view->Viewer()->textCursor();
  EXPECT_EQ(at.selectionStart(), 21);  // "loops" is no whole word "loop"
  EXPECT_EQ(ui_.beeps(), 0);
  form_->SearchAgain1Click();
  EXPECT_EQ(ui_.beeps(), 1);
  dialog->close();
  form_->Find1Click();
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->FindEdit->selectedText(), QStringLiteral("loop"));
}

TEST_F(OutputWindowsTest, APlotFileOpensAsAPlotWindowOrIsRefused) {
  struct Case {
    const char* name;
    QByteArray bytes;
    bool opens;
  };
  const Case cases[] = {
      {"curve.KPL", ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/plots/small/small.KPL")), true},
      {"text.KPL", "plot text", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui_.clear();
    const QString path = Write(c.name, c.bytes);
    form_->ReadaFile(path);
    if (c.opens) {
      EXPECT_EQ(Kinds(), std::vector<int>{KindPlot});
      EXPECT_TRUE(ui_.messages().empty());
    } else {
      EXPECT_TRUE(Kinds().empty());
      EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("File ") + path + QStringLiteral(" is not a valid plot file.")});
    }
    form_->MdiArea()->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

TEST_F(OutputWindowsTest, SaveAsWritesTheDiagramInItsOwnFormat) {
  const QString deck = Write("plant.dck", "deck");
  const QByteArray bmp = Bitmap(8, 8);
  Write("plant.BMP", bmp);
  Docs().GetDGMFile(deck);
  auto* diagram = Only<TDiagramForm>();
  ASSERT_TRUE(diagram);
  form_->SetActiveChild(diagram->SubWindow());
  ui_.answerFile(Path(QStringLiteral("copy.png")));
  form_->Saveas1Click();
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("copy.png"))), bmp);
  // A folder that is not there: the write error, nothing written.
  ui_.answerFile(Path(QStringLiteral("none/copy.bmp")));
  form_->Saveas1Click();
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui_.messages()[0].text.contains(QStringLiteral("none/copy.bmp"))) << ui_.messages()[0].text.toStdString();
}

TEST_F(OutputWindowsTest, WindowsItemsDoNothingWhileARunWaits) {
  const QString deck = Write("sys.dck", "deck");
  Write("sys.LST", "L");
  Write("sys.log", "G");
  Write("sys.BMP", Bitmap(10, 10));
  form_->InputFileName = deck;
  {
    RunGuard busy(form_->Runs);
    form_->Input1Click();
    form_->Listing1Click();
    form_->Log1Click();
    form_->Diagram1Click();
    form_->Table1Click();
  }
  EXPECT_TRUE(Children().isEmpty());
  form_->Listing1Click();
  EXPECT_EQ(Kinds(), std::vector<int>{KindListing});
}

}  // namespace
}  // namespace pm::test
