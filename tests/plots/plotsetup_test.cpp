#include "plots/ui/plotsetup.h"

#include "plots/plotdrawing.h"
#include "plots/ui/plotform.h"
#include "plots/ui/plotsamples.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

#include <optional>

namespace pm {
namespace {

// TIME against three temperatures, 12 rows.
QByteArray TwelveRows() {
  QByteArray bytes = "TIME T1 T2 T3\r\nh C C C\r\n";
  for (int r = 0; r < 12; ++r)
    bytes += QByteArray::number(r) + ' ' + QByteArray::number(20 + r) + ' ' + QByteArray::number(30 - r) + ' ' +
             QByteArray::number(r * 0.5) + "\r\n";
  return bytes;
}

struct Made {
  PlotModel plot;
  QString caption;
};

class PlotSetupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    deck = dir.filePath(QStringLiteral("deck.dck"));
    test::WriteBytes(deck, "deck");
    test::WriteBytes(dir.filePath(QStringLiteral("a.PLT")), "X Y\n1 2\n3 4\n");
    test::WriteBytes(dir.filePath(QStringLiteral("deck.PLT")), TwelveRows());
    test::WriteBytes(dir.filePath(QStringLiteral("Quorvel.OUT")), "not listed");
    dlg.CreatePlotWindow = [this](PlotModel&& plot, const QString& caption) {
      made = Made{std::move(plot), caption};
    };
  }

  void SelectY(std::initializer_list<int> rows) {
    dlg.ListBoxY->clearSelection();
    for (int r : rows) dlg.ListBoxY->item(r)->setSelected(true);
  }

  void NewPlot() {
    dlg.SetNewPlot(deck, QString());
    dlg.show();
  }

  QTemporaryDir dir;
  QString deck;
  test::ScriptedUi ui;
  TPlotSetup dlg;
  std::optional<Made> made;
};

TEST_F(PlotSetupTest, OpensOnTheDecksDataWithProposedAxes) {
  NewPlot();
  ASSERT_EQ(dlg.PlotFileList->count(), 2);  // the engine's own output is not listed
  EXPECT_EQ(dlg.PlotFileList->itemText(0), QStringLiteral("a.PLT"));
  EXPECT_EQ(dlg.PlotFileList->currentText(), QStringLiteral("deck.PLT"));
  EXPECT_EQ(dlg.PlotFileList->currentData().toString(), dir.filePath(QStringLiteral("deck.PLT")));
  EXPECT_EQ(dlg.ListBoxX->count(), 4);
  EXPECT_TRUE(dlg.ListBoxX->item(0)->isSelected());
  EXPECT_TRUE(dlg.ListBoxY->item(1)->isSelected());
  EXPECT_EQ(dlg.MinXV->text(), QStringLiteral("0.0"));
  EXPECT_EQ(dlg.MaxXV->text(), QStringLiteral("12"));
  EXPECT_EQ(dlg.TicksVX->text(), QStringLiteral("6"));
  EXPECT_EQ(dlg.MinYV->text(), QStringLiteral("20"));
  EXPECT_EQ(dlg.MaxYV->text(), QStringLiteral("32"));
  EXPECT_EQ(dlg.FromRowV->text(), QStringLiteral("1"));
  EXPECT_EQ(dlg.ToRowV->text(), QStringLiteral("12"));
  EXPECT_FALSE(dlg.LogX->isEnabled());
  EXPECT_TRUE(dlg.LinearY->isChecked());
  EXPECT_TRUE(dlg.OKBtn->isEnabled());
  SelectY({});
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
  SelectY({3});
  EXPECT_EQ(dlg.MinYV->text(), QStringLiteral("0.0"));
  EXPECT_EQ(dlg.MaxYV->text(), QStringLiteral("6.0"));
  // Another file is read from its own folder.
  dlg.PlotFileList->setCurrentIndex(0);
  dlg.PlotFileListChange();
  EXPECT_EQ(dlg.ListBoxX->item(0)->text(), QStringLiteral("X"));
  EXPECT_EQ(dlg.ToRowV->text(), QStringLiteral("2"));
}

TEST_F(PlotSetupTest, NewPlotPreselectsTheRunsDataElseTheDecksElseTheFirst) {
  QTemporaryDir elsewhere;
  const QString away = elsewhere.filePath(QStringLiteral("run.PLT"));
  test::WriteBytes(away, "X Y\n1 2\n");
  const struct {
    QString deck;
    QString plt;
    const char* chosen;
  } cases[] = {
      {deck, dir.filePath(QStringLiteral("a.PLT")), "a.PLT"},
      {deck, away, "deck.PLT"},  // not in the deck's folder
      {deck, QString(), "deck.PLT"},
      {dir.filePath(QStringLiteral("other.dck")), QString(), "a.PLT"},
  };
  for (const auto& c : cases) {
    dlg.SetNewPlot(c.deck, c.plt);
    dlg.show();
    EXPECT_EQ(dlg.PlotFileList->currentText(), QLatin1String(c.chosen)) << c.plt.toStdString();
    dlg.reject();  // Escape: the columns go too
    EXPECT_TRUE(dlg.Data.Columns.empty());
    EXPECT_EQ(dlg.DataFileName, c.deck);
  }
}

TEST_F(PlotSetupTest, NewPlotOfTwoColumns) {
  NewPlot();
  SelectY({1, 2});
  dlg.OKBtn->click();
  ASSERT_TRUE(made);
  EXPECT_EQ(made->caption, QStringLiteral("Plot 1: from deck.PLT"));
  const TPlotSettings& s = made->plot.Settings;
  EXPECT_EQ(s.LineCount, 2);
  EXPECT_EQ(s.XTitle.Shown(), QStringLiteral("TIME h"));
  EXPECT_EQ(s.YTitle.Shown(), QStringLiteral("T1 C"));
  EXPECT_EQ(s.XMin, 0);
  EXPECT_EQ(s.XMax, 12);
  EXPECT_EQ(s.XTicks, 6);
  EXPECT_EQ(s.XMinorTicks, 1);
  EXPECT_EQ(s.XFormat, (TNumberFormat{1, 0}));
  EXPECT_EQ(s.Lines[1].Symbol, 0);
  EXPECT_EQ(s.Lines[2].Symbol, 0);
  EXPECT_EQ(s.Lines[1].ColorIndex, 0);
  EXPECT_EQ(s.Lines[2].ColorIndex, 1);
  EXPECT_EQ(s.Lines[2].LineNumber, 2);
  EXPECT_EQ(s.Lines[2].YColumn, 2);
  EXPECT_EQ(s.Lines[2].YName.Shown(), QStringLiteral("T2"));
  EXPECT_EQ(s.Lines[2].YUnit.Shown(), QStringLiteral("C"));
  EXPECT_EQ(s.Lines[2].PointCount, 12);
  EXPECT_EQ(s.Lines[2].LineStyle, 1);
  EXPECT_EQ(made->plot.Points[2].Y.front(), 30);
  EXPECT_EQ(made->plot.Points[2].X.back(), 11);
  EXPECT_EQ(s.Lines[3], TPlotLine{});
  EXPECT_TRUE(dlg.Data.Columns.empty());  // freed
  EXPECT_EQ(dlg.LastPlotNumber, 1);
  EXPECT_EQ(dlg.DataFileName, deck);
}

TEST_F(PlotSetupTest, SuccessiveLinesGetSuccessiveSymbolsAndColours) {
  NewPlot();
  for (int i = 0; i < 3; ++i) dlg.SpinSymbol->DownButton()->click();
  for (int i = 0; i < 4; ++i) dlg.SpinColor->DownButton()->click();
  dlg.SmoothingBox->setChecked(true);
  dlg.LegendBox->setChecked(true);
  SelectY({1, 2, 3});
  dlg.OKBtn->click();
  ASSERT_TRUE(made);
  const TPlotSettings& s = made->plot.Settings;
  EXPECT_EQ(s.ShowLegend, 1);
  for (int k = 1; k <= 3; ++k) {
    EXPECT_EQ(s.Lines[k].Symbol, 2 + k);
    EXPECT_EQ(s.Lines[k].ColorIndex, 3 + k);
    EXPECT_EQ(s.Lines[k].Smoothing, 1);
  }
}

TEST_F(PlotSetupTest, OverlayAddsLinesAndKeepsTheAxes) {
  NewPlot();
  SelectY({1, 2, 3});
  dlg.OKBtn->click();
  ASSERT_TRUE(made);
  TPlotForm window;  // no host: a free widget
  window.Plot() = made->plot;
  window.Plot().Settings.XTicks = 7;
  made.reset();
  dlg.SetOverlay(dir.filePath(QStringLiteral("deck.PLT")), &window);
  dlg.show();
  EXPECT_EQ(dlg.PlotFileList->currentText(), QStringLiteral("deck.PLT"));
  EXPECT_TRUE(dlg.ListBoxY->item(3)->isSelected());  // the last line's columns
  EXPECT_FALSE(dlg.MinXV->isEnabled());
  EXPECT_FALSE(dlg.XStyle->isEnabled());
  EXPECT_EQ(dlg.MaxXV->text(), QStringLiteral("12"));
  EXPECT_EQ(dlg.TicksVX->text(), QStringLiteral("7"));
  dlg.MaxXV->setText(QStringLiteral("not read"));
  SelectY({1, 2});
  dlg.OKBtn->click();
  EXPECT_FALSE(made);
  const PlotModel& plot = window.Plot();
  const TPlotSettings& s = plot.Settings;
  EXPECT_EQ(s.LineCount, 5);
  EXPECT_EQ(s.XMax, 12);
  EXPECT_EQ(s.XTicks, 7);
  EXPECT_EQ(s.YTitle.Shown(), QStringLiteral("T1 C"));
  EXPECT_EQ(s.Lines[4].LineNumber, 4);
  EXPECT_EQ(s.Lines[5].YColumn, 2);
  EXPECT_EQ(s.Lines[5].ColorIndex, 1);
  EXPECT_EQ(plot.Points[5].Y.size(), 12u);
  EXPECT_TRUE(window.Modified());
  EXPECT_EQ(dlg.LastPlotNumber, 1);
}

TEST_F(PlotSetupTest, RowRanges) {
  const struct {
    const char* from;
    const char* to;
    int fromRow, toRow;  // 0: refused
  } cases[] = {
      {"0", "5", 1, 5}, {"10", "10", 10, 12}, {"3", "99", 3, 12}, {"x", "4", 1, 4},
      {"12", "12", 12, 12}, {"13", "12", 0, 0}, {"2", "four", 0, 0},
  };
  for (const auto& c : cases) {
    made.reset();
    ui.clear();
    NewPlot();
    dlg.FromRowV->setText(QLatin1String(c.from));
    dlg.ToRowV->setText(QLatin1String(c.to));
    dlg.OKBtn->click();
    if (c.fromRow == 0) {
      EXPECT_FALSE(made) << c.from << " " << c.to;
      EXPECT_EQ(ui.beeps(), 1) << c.from << " " << c.to;
      EXPECT_TRUE(dlg.isVisible());
      dlg.CancelBtn->click();
      continue;
    }
    ASSERT_TRUE(made) << c.from << " " << c.to;
    EXPECT_EQ(made->plot.Settings.Lines[1].FromRow, c.fromRow) << c.from;
    EXPECT_EQ(made->plot.Settings.Lines[1].ToRow, c.toRow) << c.to;
    EXPECT_EQ(made->plot.Settings.Lines[1].PointCount, c.toRow - c.fromRow + 1);
  }
  EXPECT_EQ(dlg.LastPlotNumber, 5);  // refusals take no number
}

TEST_F(PlotSetupTest, AxisFieldsAreCheckedBeforeAnythingIsMade) {
  const struct {
    QLineEdit* TPlotSetup::*field;
    const char* text;
    const char* message;  // none: a beep alone
  } cases[] = {
      {&TPlotSetup::MaxXV, "0.0", nullptr},  // Max X equal to Min X
      {&TPlotSetup::MinYV, "abc", nullptr},
      {&TPlotSetup::TicksVX, "abc", "'abc' is not a valid integer value"},
      {&TPlotSetup::TicksVY, "0", nullptr},
      {&TPlotSetup::TicksVY, "1001", nullptr},
  };
  for (const auto& c : cases) {
    ui.clear();
    NewPlot();
    (dlg.*c.field)->setText(QLatin1String(c.text));
    dlg.OKBtn->click();
    EXPECT_FALSE(made) << c.text;
    EXPECT_TRUE(dlg.isVisible());
    if (c.message) {
      EXPECT_EQ(ui.texts(), QStringList{QLatin1String(c.message)});
      EXPECT_EQ(ui.beeps(), 0);
    } else {
      EXPECT_TRUE(ui.texts().isEmpty()) << c.text;
      EXPECT_EQ(ui.beeps(), 1) << c.text;
    }
    dlg.CancelBtn->click();
  }
  EXPECT_EQ(dlg.LastPlotNumber, 0);
  NewPlot();
  dlg.TicksVY->setText(QStringLiteral("1000"));
  dlg.OKBtn->click();
  ASSERT_TRUE(made);
  EXPECT_EQ(made->plot.Settings.YTicks, 1000);
}

TEST_F(PlotSetupTest, APlotHoldsAtMostFiftyLines) {
  TPlotForm window;
  PlotModel& plot = window.Plot();
  plot.Settings.LineCount = 49;
  plot.Settings.Lines[49].XColumn = 0;
  plot.Settings.Lines[49].YColumn = 1;
  const PlotModel before = plot;
  dlg.SetOverlay(dir.filePath(QStringLiteral("deck.PLT")), &window);
  dlg.show();
  SelectY({1, 2});
  dlg.OKBtn->click();
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("A plot can hold at most 50 lines.")});
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
  EXPECT_EQ(plot, before);
  EXPECT_TRUE(dlg.isVisible());
  SelectY({2});
  dlg.OKBtn->click();
  EXPECT_EQ(plot.Settings.LineCount, 50);
}

TEST_F(PlotSetupTest, NothingToPlotDisablesOk) {
  QTemporaryDir empty;
  const QString lone = empty.filePath(QStringLiteral("lone.dck"));
  test::WriteBytes(lone, "deck");
  test::WriteBytes(empty.filePath(QStringLiteral("Quorvel.OUT")), "1 2\n");
  dlg.SetNewPlot(lone, QString());
  dlg.show();
  EXPECT_EQ(dlg.PlotFileList->count(), 0);
  EXPECT_EQ(dlg.ListBoxX->count(), 0);
  EXPECT_TRUE(dlg.MinXV->text().isEmpty());
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
  dlg.CancelBtn->click();
  test::WriteBytes(empty.filePath(QStringLiteral("lone.PLT")), "TIME T1\r\nh C\r\n\r\n");
  dlg.show();
  EXPECT_EQ(dlg.ListBoxX->count(), 2);
  EXPECT_TRUE(dlg.MinXV->text().isEmpty());
  EXPECT_TRUE(dlg.MaxYV->text().isEmpty());
  EXPECT_FALSE(dlg.OKBtn->isEnabled());
}

TEST(PlotSamples, SpinButtonsWrapAndSamplesDraw) {
  PlotSampleSpin line(PlotSample::Kind::Line);
  line.SetValue(3);
  line.DownButton()->click();
  EXPECT_EQ(line.Value(), 0);
  line.UpButton()->click();
  EXPECT_EQ(line.Value(), 3);
  PlotSampleSpin symbol(PlotSample::Kind::Symbol);
  symbol.UpButton()->click();
  EXPECT_EQ(symbol.Value(), 15);
  PlotSampleSpin colour(PlotSample::Kind::Color);
  colour.SetValue(15);
  colour.DownButton()->click();
  EXPECT_EQ(colour.Value(), 0);

  line.SetValue(3);
  QImage image = line.Sample()->grab().toImage();
  const int middle = image.height() / 2;
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));    // the frame
  EXPECT_EQ(image.pixelColor(3, middle), QColor(Qt::white));  // the inset
  EXPECT_EQ(image.pixelColor(7, middle), QColor(Qt::black));  // a dash
  EXPECT_EQ(image.pixelColor(12, middle), QColor(Qt::white));  // its gap
  colour.SetValue(4);
  image = colour.Sample()->grab().toImage();
  EXPECT_EQ(image.pixelColor(10, middle).rgb() & 0xFFFFFF, ToQColor(PlotColor(4)).rgb() & 0xFFFFFF);
}

}  // namespace
}  // namespace pm
