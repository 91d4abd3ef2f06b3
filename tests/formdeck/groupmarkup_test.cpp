#include "formdeck/groupmarkup.h"

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(GroupMarkup, VisualGroupOpener) {
  struct Case {
    const char* text;
    const char* name;
    const char* caption;
    const char* colour;
  } cases[] = {
      {"Details|Pump details|BACKGROUND=SILVER", "Details", "Pump details", "SILVER"},
      {"Details|Pump details|RGB(255,255,0)", "Details", "Pump details", "RGB(255,255,0)"},
      {"Details|Pump details| background=  navy", "Details", "Pump details", "navy"},
      {"Details|Pump details", "Details", "Pump details", ""},
      {"Details", "Details", "", ""},
      // The Make Group dialog writes "name " before the bar.
      {"Details |Pump details", "Details", "Pump details", ""},
      {"Details  ", "Details", "", ""},
  };
  for (const Case& c : cases) {
    const VisualGroupMarkup m = ReadVisualGroupMarkup(c.text);
    EXPECT_EQ(m.name, c.name) << c.text;
    EXPECT_EQ(m.caption, c.caption) << c.text;
    EXPECT_EQ(m.colour, c.colour) << c.text;
  }
}

TEST(GroupMarkup, ChoiceGroupOpener) {
  const ChoiceGroupMarkup m = ReadChoiceGroupMarkup("Options |Choose|one");
  EXPECT_EQ(m.name, "Options");
  EXPECT_EQ(m.caption, "Choose|one");
  EXPECT_EQ(ReadChoiceGroupMarkup("Options").name, "Options");
  EXPECT_EQ(GroupKey(" Details "), GroupKey("DETAILS"));
}

}  // namespace
}  // namespace pm
