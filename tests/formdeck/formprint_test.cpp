// Printing the form's pages into a PDF, read back with pdftotext.
#include "common/printstate.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formtestsupport.h"
#include "support/pdftext.h"
#include "support/testpaths.h"

#include <QPlainTextEdit>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace pm {
namespace {

class FormPrintTest : public test::FormTest {
 protected:
  void SetUp() override {
    test::FormTest::SetUp();
    ASSERT_TRUE(dir_.isValid());
    qputenv("PELMARK_NOW", "2026-03-04T05:06:00");
  }
  void TearDown() override {
    qunsetenv("PELMARK_NOW");
    test::FormTest::TearDown();
  }
  void Read(const char* deck) {
    form->ClearTabs();
    form->ReadDeck(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/") + QLatin1String(deck));
  }
  // The form printed alone into a 300-dpi Letter PDF; its pages' text.
  QStringList PrintForm(int startY = 0) {
    const QString pdf = dir_.filePath(QStringLiteral("form.pdf"));
    {
      QPdfWriter writer(pdf);
      writer.setResolution(300);
      writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
      QPainter painter(&writer);
      BeginPrintJob(&painter, &writer, QStringLiteral("2.01"));
      if (startY > 0) PS().CurrentY = startY;
      form->Print();
      EndPrintJob();
    }
    return test::PdfPages(pdf);
  }
  // The words in this order in the text, each after the one before.
  static void ExpectInOrder(const QString& text, const QStringList& words) {
    qsizetype at = 0;
    for (const QString& word : words) {
      const qsizetype found = text.indexOf(word, at);
      EXPECT_GE(found, at) << word.toStdString() << "\n" << text.toStdString();
      if (found >= 0) at = found + word.size();
    }
  }

  QTemporaryDir dir_;
};

TEST_F(FormPrintTest, LabelsValuesAndItemsInDeckOrderHiddenGroupsLeftOut) {
  Read("groups/deck.pzd");
  const QStringList pages = PrintForm();
  ASSERT_EQ(pages.size(), 1);
  const QString text = pages[0];
  ExpectInOrder(text, {QStringLiteral("Pelmark Ver. 2.01"), QStringLiteral("Groups"), QStringLiteral("Pump details"),
                       QStringLiteral("Flow"), QStringLiteral("9523.9"), QStringLiteral("lb/h"),
                       QStringLiteral("Choose"), QStringLiteral("Show details"), QStringLiteral("Hide details"),
                       QStringLiteral("Tank options"), QStringLiteral("Optimization"), QStringLiteral("Iterations"),
                       QStringLiteral("50"), QStringLiteral("More"), QStringLiteral("Pump group on the tab"),
                       // The tab page prints in deck order, though it is not shown.
                       QStringLiteral("Pump group"), QStringLiteral("Pump head"), QStringLiteral("49.2"),
                       QStringLiteral("The end")});
  // The value, its label and its units share a line.
  for (const QString& line : text.split(QLatin1Char('\n'))) {
    if (line.contains(QStringLiteral("Flow"))) {
      EXPECT_TRUE(line.contains(QStringLiteral("9523.9")) && line.contains(QStringLiteral("lb/h")));
    }
  }
  for (const char* hidden : {"Storage tank", "Tank volume", "Calculation", "Single run", "One run"}) {
    EXPECT_FALSE(text.contains(QLatin1String(hidden))) << hidden;
  }
}

TEST_F(FormPrintTest, OnlyAHiddenGroupPrintsNothingButTheHeader) {
  Read("print/hidden.pzd");
  ASSERT_EQ(G().ParseErrorState, 0);
  EXPECT_TRUE(PrintForm().join(QString()).contains(QStringLiteral("Secret value")));
  form->ShowGroups(QStringLiteral("Secret"), false);
  const QStringList pages = PrintForm();
  ASSERT_EQ(pages.size(), 1);
  const QStringList lines = pages[0].split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 1) << pages[0].toStdString();
  EXPECT_TRUE(lines[0].contains(QStringLiteral("Pelmark Ver.")));
}

TEST_F(FormPrintTest, TabsAreRemovedAndTheFormBreaksUnderTheNextHeader) {
  Read("groups/deck.pzd");
  auto* label = static_cast<TDescriptor*>(form->Model().Elements.Oldest()->label);
  label->setText(QStringLiteral("Gro\tups"));
  const QStringList pages = PrintForm(2850);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[0].contains(QStringLiteral("Groups")));
  EXPECT_FALSE(pages[0].contains(QStringLiteral("The end")));
  ExpectInOrder(pages[1], {QStringLiteral("Page 2"), QStringLiteral("The end")});
}

TEST_F(FormPrintTest, SourcePrintsItsLinesWithTabsExpanded) {
  form->ClearTabs();
  form->AddSourceTab();
  form->ReadDeck(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/groups/deck.pzd"));
  form->LoadEditor(QStringLiteral(PELMARK_FIXTURES_DIR "/decks/groups/deck.pzd"));
  form->Editor()->setPlainText(QStringLiteral("FIRST\tVALUE\nSECOND"));
  const QString pdf = dir_.filePath(QStringLiteral("source.pdf"));
  {
    QPdfWriter writer(pdf);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    BeginPrintJob(&painter, &writer, QStringLiteral("2.01"));
    form->SourcePrint();
    EndPrintJob();
  }
  const QString text = test::PdfText(pdf);
  ExpectInOrder(text, {QStringLiteral("FIRST"), QStringLiteral("VALUE"), QStringLiteral("SECOND")});
  EXPECT_FALSE(text.contains(QStringLiteral("FIRSTVALUE")));
}

}  // namespace
}  // namespace pm
