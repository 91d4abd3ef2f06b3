// The results report through the real main window: template, results and
// warnings from files, caption, place, the rebuild on a unit switch, the
// missing template, and the viewer's Find and F1.
#include "shell/ui/resultswindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QTextEdit>

#include "common/globals.h"
#include "common/settings.h"
#include "common/ui/finddialogs.h"
#include "shell/ui/viewform.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

constexpr char kTemplate[] =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
    "\\b %%OResults\\b0\\par "
    "Supply\\tab %%60 %%T\\par Energy\\tab %%45 %%E\\par Slot one %%1\\par "
    "{\\f1\\fs22 %%W}\\par End}";

class ResultsWindowTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    Begin();
    form_->resize(1200, 1100);
    form_->show();
    QDir::setCurrent(folder_);
    DefaultSettings().UnitSystem = 1;
    WriteBytes(Path("Output_GHX.rtf"), kTemplate);
    WriteBytes(Path("warnings.dat"), "Loop below 0 \xB0" "C\r\n");
    form_->RunTarget = Path("GHX_RUN.DCK");
    form_->RunFolder = folder_;
  }
  void TearDown() override {
    DefaultSettings().UnitSystem = 1;
    ProgramFolderTest::TearDown();
  }

  QString Path(const char* name) const { return folder_ + QLatin1Char('/') + QLatin1String(name); }

  // A results line: v[3] 12345.678, v[4] 20 (a temperature), v[6] 3.6e9.
  void WriteResults(const char* file, double v37 = 0) {
    std::string line;
    for (int i = 0; i < 100; ++i) {
      const double v = i == 3 ? 12345.678 : i == 4 ? 20 : i == 6 ? 3.6e9 : i == 37 ? v37 : 0;
      line += std::to_string(v) + " ";
    }
    WriteBytes(Path(file), QByteArray::fromStdString("header\r\n" + line + "\r\n"));
  }

  QMdiSubWindow* Report() const { return qobject_cast<QMdiSubWindow*>(form_->ResultsViewer.data()); }
  TViewForm* View() const { return Report() ? qobject_cast<TViewForm*>(Report()->widget()) : nullptr; }
  QString Text() const { return View()->Viewer()->document()->toPlainText(); }
};

TEST_F(ResultsWindowTest, ReportOfASingleRunWithItsCaptionPlaceAndValues) {
  WriteResults("GHX_RUN-RESULTS.TXT");
  form_->Results1Click();
  ASSERT_TRUE(Report());
  EXPECT_EQ(KindOfChild(Report()), KindResultsReport);
  EXPECT_EQ(View()->windowTitle(), QStringLiteral("Specific Case Results"));
  EXPECT_EQ(View()->FileName(), QStringLiteral("Output_GHX.rtf"));
  EXPECT_EQ(Report()->pos(), QPoint(200, 10));
  EXPECT_EQ(Report()->size(), QSize(650, 900));
  EXPECT_TRUE(View()->Viewer()->isReadOnly());
  EXPECT_EQ(Text(), QStringLiteral("Specific Case Results\nSupply\t20.0 \u00b0C\nEnergy\t3600.0 GJ\n"
                                   "Slot one 12.35\nLoop below 0 \u00b0C\n\nEnd"));
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(ResultsWindowTest, OptimizationReadsTheSecondRunsFileAndSaysSo) {
  WriteResults("GHX_RU2-RESULTS.TXT", 0.2);
  form_->OptimizationMode = true;
  form_->Results1Click();
  ASSERT_TRUE(Report());
  EXPECT_EQ(View()->windowTitle(), QStringLiteral("Optimzation Results"));
  EXPECT_TRUE(Text().startsWith(QStringLiteral("Optimization Results\nSupply\t20.0"))) << Text().toStdString();
  EXPECT_TRUE(Text().contains(QStringLiteral("Slot one ***")));
}

TEST_F(ResultsWindowTest, UnitSwitchRebuildsWhereTheUserLeftTheWindow) {
  WriteResults("GHX_RUN-RESULTS.TXT");
  form_->Results1Click();
  ASSERT_TRUE(Report());
  Report()->move(300, 40);
  form_->SetUnitSystem(2);
  ASSERT_TRUE(Report());
  EXPECT_EQ(Report()->pos(), QPoint(300, 40));
  EXPECT_TRUE(Text().contains(QStringLiteral("Supply\t68.0 \u00b0F"))) << Text().toStdString();
  EXPECT_TRUE(Text().contains(QStringLiteral("Energy\t1000000.0 kWh")));
  EXPECT_EQ(form_->MdiArea()->subWindowList().size(), 1);
}

TEST_F(ResultsWindowTest, ClosingKeepsThePlaceForTheNextReport) {
  form_->Results1Click();
  ASSERT_TRUE(Report());
  Report()->move(120, 30);
  Report()->close();
  EXPECT_FALSE(form_->ResultsViewer);
  EXPECT_EQ(form_->ResultsViewerLeft, 120);
  EXPECT_EQ(form_->ResultsViewerTop, 30);
  form_->Results1Click();
  ASSERT_TRUE(Report());
  EXPECT_EQ(Report()->pos(), QPoint(120, 30));
}

TEST_F(ResultsWindowTest, AReportWhosePlaceHasNoRoomMovesAndShrinksIntoTheArea) {
  struct Case {
    QSize main;
    QPoint last;  // where the last report was left
  } cases[] = {{{700, 500}, {200, 10}}, {{1200, 1100}, {150, 600}}, {{1200, 1100}, {900, 20}}};
  for (const Case& c : cases) {
    form_->resize(c.main);
    form_->ResultsViewerLeft = c.last.x();
    form_->ResultsViewerTop = c.last.y();
    form_->Results1Click();
    ASSERT_TRUE(Report());
    const QRect area(QPoint(0, 0), form_->MdiArea()->viewport()->size());
    EXPECT_TRUE(area.contains(Report()->geometry()))
        << Report()->x() << "," << Report()->y() << " " << Report()->width() << "x" << Report()->height();
    EXPECT_EQ(Report()->size(), QSize(650, 900).boundedTo(area.size()));
  }
}

TEST_F(ResultsWindowTest, MissingResultsShowEmptyValues) {
  QFile::remove(Path("warnings.dat"));
  form_->Results1Click();
  ASSERT_TRUE(Report());
  EXPECT_EQ(Text(), QStringLiteral("Specific Case Results\nSupply\t \u00b0C\nEnergy\t GJ\nSlot one \n\nEnd"));
}

TEST_F(ResultsWindowTest, MissingTemplateSaysSoAndClosesTheOldReport) {
  form_->Results1Click();
  ASSERT_TRUE(Report());
  form_->RunTarget = Path("PLANT.DCK");  // the conventional template, which is missing
  ui_.clear();
  form_->Results1Click();
  EXPECT_FALSE(form_->ResultsViewer);
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text, QStringLiteral("Report template Output_Conv.rtf was not found."));
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_TRUE(form_->MdiArea()->subWindowList().isEmpty());
}

// Opening a file elsewhere moves the current folder; the report still reads
// the template and warnings of the folder the run ran in.
TEST_F(ResultsWindowTest, TheRunFolderHoldsTemplateAndWarningsWhereverTheCurrentFolderGoes) {
  WriteResults("GHX_RUN-RESULTS.TXT");
  QTemporaryDir elsewhere;
  ASSERT_TRUE(elsewhere.isValid());
  WriteBytes(elsewhere.path() + QStringLiteral("/warnings.dat"), "Not this one\r\n");
  QDir::setCurrent(elsewhere.path());
  form_->Results1Click();
  ASSERT_TRUE(Report());
  EXPECT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(Text().contains(QStringLiteral("Loop below 0 \u00b0C"))) << Text().toStdString();
  form_->SetUnitSystem(2);
  ASSERT_TRUE(Report());
  EXPECT_TRUE(Text().contains(QStringLiteral("Supply\t68.0 \u00b0F"))) << Text().toStdString();
  EXPECT_TRUE(ui_.texts().isEmpty());
}

TEST_F(ResultsWindowTest, BeforeAnyRunTheConventionalTemplateAndNoValues) {
  WriteBytes(Path("Output_Conv.rtf"), "{\\rtf1 Conv %%O%%60|}");
  form_->RunTarget.clear();
  form_->RunFolder.clear();
  form_->Results1Click();
  ASSERT_TRUE(Report());
  EXPECT_EQ(Text(), QStringLiteral("Conv Specific Case |"));
}

TEST_F(ResultsWindowTest, FindStartsAtTheTopThenAfterTheSelectionAndBeepsAtTheEnd) {
  WriteResults("GHX_RUN-RESULTS.TXT");
  form_->Results1Click();
  ASSERT_TRUE(View());
  QTextEdit* viewer = View()->Viewer();
  EXPECT_TRUE(View()->Find(QStringLiteral("e"), false, false));
  EXPECT_EQ(viewer->textCursor().selectionStart(), 2);  // "Specific": its first "e"
  EXPECT_TRUE(View()->Find(QStringLiteral("energy"), false, true));
  EXPECT_EQ(viewer->textCursor().selectedText(), QStringLiteral("Energy"));
  EXPECT_FALSE(View()->Find(QStringLiteral("energy"), true, false));  // match case: none after it
  EXPECT_EQ(ui_.beeps(), 1);
  EXPECT_EQ(viewer->textCursor().selectedText(), QStringLiteral("Energy"));
  EXPECT_FALSE(View()->Find(QStringLiteral("Sup"), false, true));  // whole words only
}

TEST_F(ResultsWindowTest, EditFindAndSearchAgainUseTheDialog) {
  WriteResults("GHX_RUN-RESULTS.TXT");
  form_->Results1Click();
  ASSERT_TRUE(View());
  form_->SetActiveChild(Report());
  form_->Find1Click();
  TFindDialog* dialog = View()->Dialog();
  EXPECT_TRUE(dialog->isVisible());
  dialog->SetFindText(QStringLiteral("Slot"));
  dialog->FindNext->click();
  EXPECT_EQ(View()->Viewer()->textCursor().selectedText(), QStringLiteral("Slot"));
  form_->SearchAgain1Click();
  EXPECT_EQ(ui_.beeps(), 1);  // no second "Slot"
}

TEST_F(ResultsWindowTest, F1InTheReportShowsItsHelpPage) {
  FakeHelp help;
  WriteBytes(folder_ + QStringLiteral("/help/context.map"), "9500=report.html\r\n");
  WriteBytes(folder_ + QStringLiteral("/help/report.html"), "<p>report</p>");
  LoadHelpControl(folder_);
  form_->Results1Click();
  ASSERT_TRUE(View());
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
  QCoreApplication::sendEvent(View()->Viewer(), &release);
  EXPECT_EQ(help.shown, QStringList{QStringLiteral("report.html")});
  UnloadHelpControl();
}

}  // namespace
}  // namespace pm::test
