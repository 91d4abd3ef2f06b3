// Printing the form's pages into a PDF, read back with pdftotext.
#include "common/printstate.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/myimage.h"
#include "formtestsupport.h"
#include "support/pdftext.h"
#include "support/testpaths.h"

#include <QPlainTextEdit>

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

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
  // gapLines: the print lines the job leaves after each window.
  QStringList PrintForm(int startY = 0, int gapLines = 0) {
    const QString pdf = dir_.filePath(QStringLiteral("form.pdf"));
    {
      QPdfWriter writer(pdf);
      writer.setResolution(300);
      writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
      QPainter painter(&writer);
      BeginPrintJob(&painter, &writer, QStringLiteral("2.01"));
      if (startY > 0) PS().CurrentY = startY;
      form->Print();
      if (gapLines > 0) CheckPageBreak(gapLines * PS().PrintLineHeight);
      EndPrintJob();
    }
    return test::PdfPages(pdf);
  }
  // A new form holding only a blue picture of the size given.
  void FormOfOnePicture(QSize size) {
    form = std::make_unique<TPlenzoForm>(&host);
    form->ClearTabs();
    form->AddTab(QStringLiteral("Main"));
    TFormElement* e = form->Model().Elements.Create(0, form->Model().Slots.tabs);
    e->kind = ElementKind::Picture;
    form->Model().Elements.LinkOnPage(e, nullptr);
    auto* image = new TmyImage(form->Page(0)->Content());
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    image->SetPicture(picture);
    e->image = image;
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

TEST_F(FormPrintTest, CaptionsPrintTheirAmpersandsAsWritten) {
  Read("groups/deck.pzd");
  for (TFormElement* e = form->Model().Elements.Oldest(); e; e = e->newer) {
    if (e->kind != ElementKind::CheckBoxGroup) continue;
    auto* box = static_cast<Tmygroupbox*>(e->groupBox);
    box->setTitle(QStringLiteral("Heat && power"));
    box->Items[0]->setText(QStringLiteral("Tank && pump"));
    break;
  }
  const QString text = PrintForm().join(QString());
  EXPECT_TRUE(text.contains(QStringLiteral("Heat & power")));
  EXPECT_TRUE(text.contains(QStringLiteral("Tank & pump")));
}

// The box around the blue pixels of the PDF's first page drawn at 300 dpi.
QRect BlueBox(const QString& pdf, const QString& png) {
  QProcess tool;
  tool.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), pdf, png});
  if (!tool.waitForFinished(20000)) return {};
  const QImage page(png + QStringLiteral(".png"));
  QRect box;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 60 && c.green() < 60) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(FormPrintTest, PicturesAreCentredUnstretchedAndShrunkToFitThePage) {
  struct Case {
    QSize picture;  // screen pixels
    QSize printed;  // printer pixels at 300 per inch
  };
  // 200 x 100 at a scale of 300 / 96; 4000 x 1000 is wider than the page
  // less one and a half left margins (2325) and keeps its shape.
  for (const Case& c : {Case{{200, 100}, {625, 313}}, Case{{4000, 1000}, {2325, 581}}}) {
    FormOfOnePicture(c.picture);
    const QStringList pages = PrintForm();
    ASSERT_EQ(pages.size(), 1);
    const QRect box = BlueBox(dir_.filePath(QStringLiteral("form.pdf")), dir_.filePath(QStringLiteral("page")));
    EXPECT_NEAR(box.width(), c.printed.width(), 2) << c.picture.width();
    EXPECT_NEAR(box.height(), c.printed.height(), 2) << c.picture.width();
    EXPECT_NEAR(box.center().x(), 150 + (2550 - 225) / 2, 2) << c.picture.width();
    // At least a line of room above, a line below.
    const int start = 75 + 3 * (PS().PrintLineHeight - 1) + 3;
    EXPECT_GE(box.top(), start + PS().PrintLineHeight - 1) << c.picture.width();
    EXPECT_NEAR(box.bottom() + 1, PS().CurrentY - PS().PrintLineHeight, 2) << c.picture.width();
  }
}

// A label's font size on paper, in points.
double PrinterPoints(const QWidget* label) {
  const QFont font = label->font();
  return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 72.0 / 96.0;
}

// The words of a PDF's first page with their boxes, in points.
struct PdfWord {
  QString text;
  QRectF box;
};
std::vector<PdfWord> PdfWords(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QStringLiteral("1"),
                                               QStringLiteral("-l"), QStringLiteral("1"), pdf, QStringLiteral("-")});
  process.waitForFinished(20000);
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  std::vector<PdfWord> words;
  static const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  for (QRegularExpressionMatchIterator it = word.globalMatch(html); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    words.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}

// The frame of a value starts one "8" left of its text; it keeps at least a
// blank's width clear of the label, whatever the printer's font metrics.
TEST_F(FormPrintTest, ValueBoxesStandClearOfTheirLabels) {
  for (const char* deck : {"geometry/nogroups.pzd", "geometry/longlabel.pzd", "inputs/twoinputs.pzd",
                           "units/deck.pzd", "valueinputs/deck.pzd"}) {
    SCOPED_TRACE(deck);
    Read(deck);
    ASSERT_EQ(G().ParseErrorState, 0);
    PrintForm();
    const std::vector<PdfWord> words = PdfWords(dir_.filePath(QStringLiteral("form.pdf")));
    int rows = 0;
    for (TFormElement* e = form->Model().Elements.Oldest(); e; e = e->newer) {
      auto* input = dynamic_cast<TInput*>(e->valueInput);
      auto* label = dynamic_cast<TDescriptor*>(e->label);
      if (e->kind != ElementKind::NumericInput || !input || !label || input->text().isEmpty()) continue;
      const QString last = label->text().simplified().split(QLatin1Char(' ')).last();
      const QString value = input->text().simplified().split(QLatin1Char(' ')).first();
      // The label's last word and the value on one line, the value after it.
      for (const PdfWord& l : words) {
        if (l.text != last) continue;
        for (const PdfWord& v : words) {
          if (v.text != value || std::abs(v.box.top() - l.box.top()) > 3 || v.box.left() < l.box.right()) continue;
          const double em = PrinterPoints(label);
          // "8" and a blank are 0.556 and 0.278 em in the form's sans fonts.
          EXPECT_GE(v.box.left() - l.box.right(), (0.556 + 0.278) * em - 0.3)
              << last.toStdString() << " " << value.toStdString();
          ++rows;
        }
      }
    }
    EXPECT_GT(rows, 0);
  }
}

// Check-box and radio group captions print bold, as the style shows them.
TEST_F(FormPrintTest, ChoiceGroupCaptionsPrintBold) {
  Read("print/choices.pzd");
  ASSERT_EQ(G().ParseErrorState, 0);
  const QStringList pages = PrintForm();
  ASSERT_EQ(pages.size(), 1);
  ExpectInOrder(pages[0], {QStringLiteral("Choose"), QStringLiteral("Show details"), QStringLiteral("Calculation"),
                           QStringLiteral("Single run"), QStringLiteral("Optimization")});
  QProcess fonts;
  fonts.start(QStringLiteral("pdffonts"), {dir_.filePath(QStringLiteral("form.pdf"))});
  ASSERT_TRUE(fonts.waitForFinished(20000));
  const QString used = QString::fromUtf8(fonts.readAllStandardOutput());
  EXPECT_TRUE(used.contains(QStringLiteral("Bold"))) << used.toStdString();
}

// A picture as tall as a page goes to the next page; the gap after the form
// makes no third page holding only its header.
TEST_F(FormPrintTest, ATallPictureLeavesNoPageWithOnlyAHeader) {
  FormOfOnePicture(QSize(800, 3000));
  const QStringList pages = PrintForm(600, 2);
  ASSERT_EQ(pages.size(), 2);
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Page 2")));
  EXPECT_EQ(PS().PageNumber, 2);
}

}  // namespace
}  // namespace pm
