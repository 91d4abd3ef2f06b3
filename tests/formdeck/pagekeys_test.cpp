#include "formdeck/pagekeys.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

std::vector<TabOrderControl> Tops(std::initializer_list<int> tops) {
  std::vector<TabOrderControl> out;
  for (int t : tops) out.push_back({t, true});
  return out;
}

TEST(PageKeys, PageDownAndUp) {
  struct Case {
    const char* what;
    std::vector<TabOrderControl> controls;
    int focused;
    bool down;
    int expected;
  } cases[] = {
      {"down to the lowest within a view", Tops({10, 100, 300, 600}), 0, true, 2},
      {"down with nothing in view: next", Tops({10, 600}), 0, true, 1},
      {"down stops where the order wraps", Tops({300, 350, 10}), 1, true, 1},
      {"down on the last keeps it", Tops({10, 50}), 1, true, 1},
      {"up to the highest below one view up", Tops({10, 300, 500, 700}), 3, false, 2},
      {"up with nothing in view: previous", Tops({10, 700}), 1, false, 0},
      {"up does not take a top of 0", Tops({0, 700}), 1, false, 1},
      {"up on the first keeps it", Tops({10, 50}), 0, false, 0},
      {"no focus: down starts at the first", Tops({10, 100, 900}), -1, true, 1},
      {"nothing to focus", {}, -1, true, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PageKeyTarget(c.controls, c.focused, c.down, 400), c.expected) << c.what;
  }
}

TEST(PageKeys, FallbackUsesTabStopsOnly) {
  std::vector<TabOrderControl> controls = {{10, true}, {700, false}, {800, true}};
  EXPECT_EQ(PageKeyTarget(controls, 0, true, 400), 2);
  EXPECT_EQ(NextInTabOrder(controls, 0, true), 2);
  EXPECT_EQ(NextInTabOrder(controls, 2, true), 0);  // round the end
  EXPECT_EQ(NextInTabOrder(controls, -1, false), 2);
}

TEST(PageKeys, Arrows) {
  const std::vector<TabOrderControl> controls = Tops({10, 40, 70});
  EXPECT_EQ(ArrowKeyTarget(controls, 1, true), 2);
  EXPECT_EQ(ArrowKeyTarget(controls, 2, true), 2);
  EXPECT_EQ(ArrowKeyTarget(controls, 0, false), 0);
  EXPECT_EQ(ArrowKeyTarget(controls, 2, false), 1);
  EXPECT_EQ(ArrowKeyTarget(controls, -1, true), 0);
}

}  // namespace
}  // namespace pm
