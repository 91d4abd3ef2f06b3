#include "formdeck/pagelayout.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(ScrollRange, TheLowestControlIsFullyReachable) {
  struct Case {
    std::vector<Extent> measured;
    int range;
  } cases[] = {
      {{}, 0},
      {{{10, 17}}, 37},
      {{{480, 20}}, 510},                      // a box ending at 500
      {{{10, 17}, {480, 20}, {40, 17}}, 510},  // a higher control later changes nothing
      {{{10, 100}, {105, 3}}, 120},            // within the 10 below the range: no change
      {{{10, 100}, {105, 20}}, 135},
  };
  for (const Case& c : cases) {
    const int range = ScrollRange(c.measured);
    EXPECT_EQ(range, c.range);
    for (const Extent& e : c.measured) EXPECT_LE(e.top + e.height, range);
  }
}

TEST(FitPageWidths, InputsAlignToTheContentWidth) {
  const FitMeasures f{640, 16, 8, 30};
  EXPECT_EQ(FitUnitsLeft(f), 594);
  EXPECT_EQ(FitValueInputLeft(f, 80), 506);
  EXPECT_EQ(FitListLeft(f, 100), 487);
  // Out of a group a file input gains M; in one it does not.
  EXPECT_EQ(FitFileInput(f, 120, false, 100), (Span{483, 120}));
  EXPECT_EQ(FitFileInput(f, 120, true, 100), (Span{467, 120}));
  // Short of room it starts 5 after its label and narrows by the difference.
  EXPECT_EQ(FitFileInput(f, 120, true, 500), (Span{505, 82}));
  EXPECT_EQ(FitFileInput(f, 120, true, 700), (Span{705, 0}));
  EXPECT_FALSE(CanFitToContent(-1));
  EXPECT_FALSE(CanFitToContent(100));
  EXPECT_TRUE(CanFitToContent(101));
}

TEST(FormClientWidth, ContentWidthOrWidestControlAndTheMargins) {
  struct Case {
    int contentWidth, widestRight, width;
  } cases[] = {
      {640, 656, 696},  // groups reach M past the content width: within the margin
      {101, 80, 157},   // just above 100: the content width
      {295, 656, 672},  // a right-aligned text line past it: M to spare
      {100, 241, 297},  // 100 or less: the widest control
      {-1, 0, 56},
  };
  for (const Case& c : cases) EXPECT_EQ(FormClientWidth(c.contentWidth, 8, c.widestRight), c.width);
}

}  // namespace
}  // namespace pm
