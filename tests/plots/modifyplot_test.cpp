#include "plots/modifyplot.h"

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

}  // namespace
}  // namespace pm
