#include "common/childgeometry.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(FitInsideArea, KeepsAFittingPlaceElseMovesAndShrinksIntoTheArea) {
  const QSize area(1400, 1000);
  const QSize minimum(200, 30);
  struct Case {
    QRect wanted, placed;
  } cases[] = {
      {{200, 10, 650, 900}, {200, 10, 650, 900}},      // fits where it is
      {{1136, 780, 640, 420}, {760, 580, 640, 420}},   // moved back inside
      {{200, 600, 650, 900}, {200, 100, 650, 900}},    // a report the user moved low
      {{0, 0, 5060, 930}, {0, 0, 1400, 930}},          // wider than the area
      {{300, 200, 2000, 1500}, {0, 0, 1400, 1000}},    // larger both ways
      {{10, 10, 46, 20}, {10, 10, 200, 30}},           // a tiny window grows to the minimum
      {{1390, 10, 46, 60}, {1200, 10, 200, 60}},       // and stays inside when it grows
      {{-50, -20, 300, 200}, {0, 0, 300, 200}},        // never above or left of the area
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FitInsideArea(c.wanted, area, minimum), c.placed)
        << c.wanted.x() << "," << c.wanted.y() << " " << c.wanted.width() << "x" << c.wanted.height();
  }
}

}  // namespace
}  // namespace pm
