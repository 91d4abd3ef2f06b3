// The unit items of the main window convert the form windows it holds.
#include <QAction>

#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

using FormUnitsTest = ProgramFolderTest;

TEST_F(FormUnitsTest, TheUnitItemsConvertAFormShowingItsPages) {
  Start();
  const QString deck = folder_ + QStringLiteral("/plant.pzd");
  WriteBytes(deck, "*PLENZO\nV = 100\n*|Value|a|b|10|2|0|1000|0\n");
  auto* form = new TPlenzoForm(nullptr);
  form_->MdiArea()->addSubWindow(form)->show();
  form->ClearTabs();
  form->ReadDeck(deck);
  auto* input = dynamic_cast<TInput*>(form->Model().Elements.Oldest()->valueInput);
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(input->text(), QStringLiteral("220"));  // inch-pound after start-up
  form_->SIUnits1->trigger();
  EXPECT_EQ(input->text(), QStringLiteral("100"));
  form_->EngUnits1->trigger();
  EXPECT_EQ(input->text(), QStringLiteral("220"));
  EXPECT_FALSE(form->DCKChanged());
}

}  // namespace
}  // namespace pm::test
