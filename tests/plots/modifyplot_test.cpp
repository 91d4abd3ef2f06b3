#include "plots/modifyplot.h"

#include "plots/recordingpainter.h"
#include "plots/samplepaint.h"
#include "plotsamples.h"

#include <gtest/gtest.h>

#include <functional>

namespace pm {
namespace {

using test::SetText;

TEST(ModifyPlot, LineItemsNameYOverXAndTheLastIsChosen) {
  PlotModel p = test::LinesOverTime();
  p.Settings.LineCount = 2;
  EXPECT_EQ(PlotLineItems(p.Settings), (QStringList{QStringLiteral("TEMP vs. TIME"), QStringLiteral("FLOW vs. TIME")}));
  EXPECT_EQ(ModPlotFieldsOf(p.Settings).Line, 2);
  EXPECT_EQ(ModPlotFieldsOf(p.Settings).Symbol, 6);

  // The longest names give a 45-character item.
  SetText(&p.Settings.Lines[1].YName, "ABCDEFGHIJKLMNOPQRST");
  SetText(&p.Settings.Lines[1].XName, "abcdefghijklmnopqrst");
  EXPECT_EQ(PlotLineItems(p.Settings)[0], QStringLiteral("ABCDEFGHIJKLMNOPQRST vs. abcdefghijklmnopqrst"));
}

TEST(ModifyPlot, FieldsShowTheBlockWithCombosClamped) {
  PlotModel p = test::SmallPlot();
  TPlotSettings& s = p.Settings;
  s.XMin = 0.123456L;
  s.XFormat = {1, 2};
  s.YFormat = {7, 300};  // from a file: neither "F" nor a listed digit count
  s.YLog = 2;
  s.XGridlines = 1;
  const ModPlotFields f = ModPlotFieldsOf(s);
  EXPECT_EQ(f.Axis[0].Title, QStringLiteral("TIME h"));
  EXPECT_EQ(f.Axis[0].MinText, QStringLiteral("0.12"));
  EXPECT_EQ(f.Axis[0].MaxText, QStringLiteral("10.00"));
  EXPECT_EQ(f.Axis[0].TicksText, QStringLiteral("5"));
  EXPECT_EQ(f.Axis[0].Style, 1);
  EXPECT_EQ(f.Axis[0].Digits, 2);
  EXPECT_TRUE(f.Axis[0].Gridlines);
  EXPECT_FALSE(f.Axis[0].Log);
  EXPECT_EQ(f.Axis[1].Style, 0);
  EXPECT_EQ(f.Axis[1].Digits, 9);
  EXPECT_TRUE(f.Axis[1].Log);
  EXPECT_TRUE(f.Legend);
  EXPECT_EQ(f.Line, 1);
  EXPECT_EQ(f.LineStyle, 1);
  EXPECT_EQ(f.ColorIndex, 4);
}

TEST(ModifyPlot, OkUntouchedKeepsAllButTheEndsAsWritten) {
  PlotModel p = test::LinesOverTime();
  TPlotSettings& s = p.Settings;
  s.XMin = 0.123456L;
  s.XFormat = {1, 2};
  s.Lines[3].Smoothing = 2;  // a ticked byte stays as read
  const TPlotSettings before = s;
  ASSERT_EQ(StoreModPlot(ModPlotFieldsOf(s), &s), ModPlotRefusal{});
  TPlotSettings expected = before;
  expected.XMin = 0.12L;
  expected.YFormat = {0, 2};
  EXPECT_EQ(s, expected);
}

// One row per field: the text it gets, the refusal, and the block after.
TEST(ModifyPlot, EveryFieldIsCheckedBeforeAnythingIsStored) {
  using F = ModPlotField;
  using Edit = std::function<void(ModPlotFields&)>;
  using Check = std::function<void(TPlotSettings&)>;
  const QString notInt = QStringLiteral("'%1' is not a valid integer value");
  struct Case {
    const char* name;
    Edit edit;
    ModPlotRefusal refusal;
    Check expected;  // applied to the block before; none for a refusal
  } cases[] = {
      {"X title with a euro sign", [](ModPlotFields& f) { f.Axis[0].Title = QStringLiteral("Cost \u20AC"); }, {},
       [](TPlotSettings& s) { SetText(&s.XTitle, "Cost \x80"); }},
      {"Y title with omega", [](ModPlotFields& f) { f.Axis[1].Title = QStringLiteral("R \u03A9"); },
       {F::YTitle, QStringLiteral("The title holds characters that cannot be stored in a plot file.")}, {}},
      {"X minimum no number", [](ModPlotFields& f) { f.Axis[0].MinText = QStringLiteral("1x"); }, {F::MinX, {}}, {}},
      {"X maximum equal to minimum", [](ModPlotFields& f) { f.Axis[0].MaxText = QStringLiteral("0"); }, {F::MaxX, {}},
       {}},
      {"Y maximum below minimum", [](ModPlotFields& f) { f.Axis[1].MaxText = QStringLiteral("-2"); }, {F::MaxY, {}}, {}},
      {"Y minimum empty", [](ModPlotFields& f) { f.Axis[1].MinText.clear(); }, {F::MinY, {}}, {}},
      {"log X from 0", [](ModPlotFields& f) { f.Axis[0].Log = true; }, {F::MinX, {}}, {}},
      {"log X from 1",
       [](ModPlotFields& f) {
         f.Axis[0].Log = true;
         f.Axis[0].MinText = QStringLiteral("1");
       },
       {},
       [](TPlotSettings& s) {
         s.XLog = 1;
         s.XMin = 1;
       }},
      {"X ticks no integer", [](ModPlotFields& f) { f.Axis[0].TicksText = QStringLiteral("5.5"); },
       {F::TicksX, notInt.arg(QStringLiteral("5.5"))}, {}},
      {"Y ticks 0", [](ModPlotFields& f) { f.Axis[1].TicksText = QStringLiteral("0"); }, {F::TicksY, {}}, {}},
      {"Y ticks 1001", [](ModPlotFields& f) { f.Axis[1].TicksText = QStringLiteral("1001"); }, {F::TicksY, {}}, {}},
      {"Y ticks 1000", [](ModPlotFields& f) { f.Axis[1].TicksText = QStringLiteral(" 1000 "); }, {},
       [](TPlotSettings& s) { s.YTicks = 1000; }},
      {"ranges are checked before ticks",
       [](ModPlotFields& f) {
         f.Axis[0].TicksText = QStringLiteral("x");
         f.Axis[1].MaxText = QStringLiteral("y");
       },
       {F::MaxY, {}}, {}},
      {"everything else at once",
       [](ModPlotFields& f) {
         f.Axis[0].Gridlines = true;
         f.Axis[1].Style = 1;
         f.Axis[1].Digits = 4;
         f.Axis[1].MinText = QStringLiteral("-1.5E+00");
         f.Legend = false;
         f.LineStyle = 0;
         f.Symbol = 15;
         f.ColorIndex = 0;
         f.Smoothing = true;
       },
       {},
       [](TPlotSettings& s) {
         s.XGridlines = 1;
         s.YFormat = {1, 4};
         s.YMin = -1.5L;
         s.ShowLegend = 0;
         s.Lines[1].LineStyle = 0;
         s.Lines[1].Symbol = 15;
         s.Lines[1].ColorIndex = 0;
         s.Lines[1].Smoothing = 1;
       }},
  };
  for (const Case& c : cases) {
    PlotModel p = test::SmallPlot();
    const TPlotSettings before = p.Settings;
    ModPlotFields f = ModPlotFieldsOf(p.Settings);
    c.edit(f);
    EXPECT_EQ(StoreModPlot(f, &p.Settings), c.refusal) << c.name;
    TPlotSettings expected = before;
    if (c.expected) c.expected(expected);
    EXPECT_EQ(p.Settings, expected) << c.name;
  }
}

TEST(ModifyPlot, SpinsWrapAtBothEnds) {
  struct Case {
    int tag, max, down, up;
  } cases[] = {
      {0, 3, 1, 3}, {3, 3, 0, 2}, {15, 15, 0, 14}, {0, 15, 1, 15}, {7, 15, 8, 6},
      {31, 15, 0, 15},  // a file's symbol beyond the list
      {-1, 15, 0, 15},  // a file's colour below it
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpinDown(c.tag, c.max), c.down) << c.tag;
    EXPECT_EQ(SpinUp(c.tag, c.max), c.up) << c.tag;
  }
}

TEST(ModifyPlot, DeletingLinesDownToTheLast) {
  PlotModel p = test::LinesOverTime();
  const PlotModel before = p;
  EXPECT_EQ(DeletePlotLine(&p, 0), DeleteLineResult::NoLine);
  EXPECT_EQ(DeletePlotLine(&p, 4), DeleteLineResult::NoLine);
  EXPECT_EQ(p, before);

  ASSERT_EQ(DeletePlotLine(&p, 2), DeleteLineResult::Deleted);
  EXPECT_EQ(p.Settings.LineCount, 2);
  EXPECT_EQ(p.Settings.Lines[1], before.Settings.Lines[1]);
  EXPECT_EQ(p.Settings.Lines[2], before.Settings.Lines[3]);
  EXPECT_EQ(p.Settings.Lines[3], before.Settings.Lines[3]);  // the old last slot keeps its bytes
  EXPECT_EQ(p.Points[2], before.Points[3]);
  EXPECT_EQ(p.Points[3], PlotLinePoints{});
  EXPECT_EQ(PlotLineItems(p.Settings), (QStringList{QStringLiteral("TEMP vs. TIME"), QStringLiteral("PRES vs. TIME")}));

  ASSERT_EQ(DeletePlotLine(&p, 2), DeleteLineResult::Deleted);
  EXPECT_EQ(p.Settings.LineCount, 1);
  const PlotModel last = p;
  EXPECT_EQ(DeletePlotLine(&p, 1), DeleteLineResult::DeletePlot);
  EXPECT_EQ(p, last);
}

QStringList Sample(void (*paint)(PlotPainter&, QSize, int), int tag) {
  RecordingPainter painter;
  paint(painter, QSize(40, 20), tag);
  return painter.Calls;
}

TEST(ModifyPlot, SamplesFrameAndDrawTheTag) {
  const QStringList none = Sample(PaintLineSample, 0);
  ASSERT_GE(none.size(), 3);
  EXPECT_TRUE(none.last().contains(QStringLiteral("None"))) << none.join(QLatin1Char('\n')).toStdString();
  EXPECT_TRUE(Sample(PaintSymbolSample, 0).last().contains(QStringLiteral("None")));

  // Dashes of 5 every 10 from x = 5 while the start stays within 35.
  QStringList dashes;
  for (const QString& call : Sample(PaintLineSample, 3))
    if (call.startsWith(QStringLiteral("line "))) dashes << call;
  EXPECT_EQ(dashes, (QStringList{QStringLiteral("line 5,10 10,10"), QStringLiteral("line 15,10 20,10"),
                                 QStringLiteral("line 25,10 30,10"), QStringLiteral("line 35,10 40,10")}));

  const QStringList thin = Sample(PaintLineSample, 1);
  const QStringList thick = Sample(PaintLineSample, 2);
  EXPECT_NE(thin, thick);
  EXPECT_EQ(thin.filter(QStringLiteral("line ")).size(), 1);

  // The symbol sample draws at the centre; the colour sample fills with the colour.
  EXPECT_GT(Sample(PaintSymbolSample, 8).size(), Sample(PaintSymbolSample, 0).size() - 1);
  EXPECT_EQ(Sample(PaintColorSample, 1),
            (QStringList{QStringLiteral("pen solid 1 #000000"), QStringLiteral("brush #FF0000"),
                         QStringLiteral("rectangle 0,0 40,20")}));
  EXPECT_EQ(Sample(PaintColorSample, 0), Sample(PaintColorSample, 99));  // both black
}

}  // namespace
}  // namespace pm
