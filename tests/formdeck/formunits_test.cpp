// Numeric inputs between SI and inch-pound units.
#include "formdeck/ui/formunits.h"

#include <QMdiSubWindow>

#include "formdeck/ui/descriptor.h"
#include "writebacksupport.h"

namespace pm::test {
namespace {

class UnitsTest : public DeckCopyTest {
 protected:
  QString UnitsText(const char* name) const {
    return dynamic_cast<TDescriptor*>(Element(name)->unitsLabel)->text();
  }
};

// (SI + Offset) x Factor: 100 with Offset 10 and Factor 2 shows as 220.
TEST_F(UnitsTest, ShownValuesAndUnitsFollowTheSystem) {
  Open("units", "deck.pzd", 2);
  EXPECT_EQ(Input("V ")->text(), QStringLiteral("220"));
  EXPECT_EQ(UnitsText("V "), QStringLiteral("b"));
  form->ConvertUnits(2, 1);
  EXPECT_EQ(Input("V ")->text(), QStringLiteral("100"));
  EXPECT_EQ(UnitsText("V "), QStringLiteral("a"));
  form->ConvertUnits(1, 2);
  EXPECT_EQ(Input("V ")->text(), QStringLiteral("220"));
  EXPECT_EQ(UnitsText("V "), QStringLiteral("b"));
  form->ConvertUnits(2, 2);  // nothing
  EXPECT_EQ(Input("V ")->text(), QStringLiteral("220"));
  // A value that is no number is SI text: never converted.
  EXPECT_EQ(Input("X ")->text(), QStringLiteral("2*Y"));
  EXPECT_EQ(UnitsText("X "), QStringLiteral("m"));
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(ui.beeps(), 0);
}

// 2.54 shows as 2.5 m3 and 671.0 gal; however often the units change, the
// value stays exactly as read and nothing counts as changed.
TEST_F(UnitsTest, UntouchedValuesStayExactlyAsRead) {
  Open("units", "deck.pzd", 1);
  EXPECT_EQ(Input("TANK ")->text(), QStringLiteral("2.5"));
  for (int i = 0; i < 5; ++i) {
    form->ConvertUnits(1, 2);
    EXPECT_EQ(Input("TANK ")->text(), QStringLiteral("671.0"));
    form->ConvertUnits(2, 1);
    EXPECT_EQ(Input("TANK ")->text(), QStringLiteral("2.5"));
  }
  EXPECT_EQ(Input("TANK ")->Value, 2.54L);
  EXPECT_FALSE(form->DCKChanged());
  form->ConvertUnits(1, 2);
  DefaultSettings().UnitSystem = 2;
  form->WriteDeck(form->FileName());
  EXPECT_EQ(SavedLine(4), "TANK = 2.5400000000000E+00");
  EXPECT_EQ(SavedLine(2), "V = 1.0000000000000E+02");
}

// A typed value is read in the units it was typed in, converts with the
// form, keeps its change mark, and is written in the deck's format.
TEST_F(UnitsTest, ATypedValueConvertsAndKeepsItsMark) {
  struct Case {
    int units;
    const char* typed;
    const char* converted;  // shown in the other system
    const char* written;
  } cases[] = {
      {1, "3", "792.5", "TANK = 3.0000000000000E+00"},
      {2, "528.344", "2.0", "TANK = 2.0000000000000E+00"},
  };
  for (const Case& c : cases) {
    Open("units", "deck.pzd", c.units);
    Type(Input("TANK "), QLatin1String(c.typed));
    const int other = c.units == 1 ? 2 : 1;
    form->ConvertUnits(c.units, other);
    EXPECT_EQ(Input("TANK ")->text(), QLatin1String(c.converted)) << c.typed;
    EXPECT_TRUE(Input("TANK ")->isModified()) << c.typed;
    EXPECT_TRUE(form->DCKChanged()) << c.typed;
    DefaultSettings().UnitSystem = other;
    form->WriteDeck(form->FileName());
    EXPECT_EQ(SavedLine(4), c.written) << c.typed;
    EXPECT_FALSE(form->DCKChanged()) << c.typed;
  }
}

TEST_F(UnitsTest, TypedTextThatIsNoNumberIsLeftAsItIs) {
  Open("units", "deck.pzd", 1);
  Type(Input("TANK "), QStringLiteral("abc"));
  form->ConvertUnits(1, 2);
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_EQ(Input("TANK ")->text(), QStringLiteral("abc"));
  EXPECT_TRUE(Input("TANK ")->isModified());
  EXPECT_EQ(UnitsText("TANK "), QStringLiteral("gal"));
  EXPECT_EQ(Input("TANK ")->Value, 2.54L);
}

// The main window's unit routine converts a window that shows form pages.
TEST_F(UnitsTest, TheWindowRoutineConvertsTheFormItHolds) {
  Open("units", "deck.pzd", 2);
  auto* sub = new QMdiSubWindow;
  TPlenzoForm* shown = form.release();
  sub->setWidget(shown);
  ConvertFormWindowUnits(sub, 2, 1);
  EXPECT_EQ(dynamic_cast<TInput*>(shown->Model().Elements.Oldest()->valueInput)->text(),
            QStringLiteral("100"));
  ConvertFormWindowUnits(nullptr, 2, 1);  // no window: nothing
  delete sub;
}

}  // namespace
}  // namespace pm::test
