#include "plots/plotmodel.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(PlotModel, BufferStartsAsANewBlockAndScaleAtOne) {
  EXPECT_EQ(PlotBuffer(), TPlotSettings{});
  EXPECT_EQ(PlotBuffer().LineCount, 0);
  EXPECT_EQ(PlotBuffer().XFormat, (TNumberFormat{0, 0}));
  EXPECT_EQ(PlotScale(), 1.0L);
}

TEST(ShortString, RefusesWhatDoesNotFitAndKeepsItsTail) {
  ShortString<20> s;
  s.Bytes.fill(0x55);
  EXPECT_EQ(s.Set(std::string_view("TIME")), TextFit::Fits);
  EXPECT_EQ(s.Text(), "TIME");
  EXPECT_EQ(s.Bytes[5], 0x55);  // after the text, as it was
  EXPECT_EQ(s.Set(QStringLiteral("\u20AC 20")), TextFit::Fits);
  EXPECT_EQ(s.Text(), "\x80 20");
  EXPECT_EQ(s.Shown(), QStringLiteral("\u20AC 20"));
  EXPECT_EQ(s.Set(std::string(20, 'x')), TextFit::Fits);
  EXPECT_EQ(s.Set(std::string(21, 'y')), TextFit::TooLong);
  EXPECT_EQ(s.Set(QStringLiteral("\u4E2D")), TextFit::NotStorable);
  EXPECT_EQ(s.Text(), std::string(20, 'x'));  // refused values change nothing
}

TEST(ShortString, LengthByteAboveTheCapacityIsNoValue) {
  ShortString<30> s;
  s.Bytes.fill('a');
  s.Bytes[0] = 200;
  EXPECT_FALSE(s.Valid());
  EXPECT_EQ(s.Text().size(), 30u);  // never read past the field
  s.Bytes[0] = 30;
  EXPECT_TRUE(s.Valid());
}

}  // namespace
}  // namespace pm
