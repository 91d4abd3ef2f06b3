#include "common/ui/setupdlg.h"
#include "shellfixture.h"

#include <QAction>
#include <QRadioButton>

#include <tuple>
#include <vector>

namespace pm::test {
namespace {

class UnitsTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    DefaultSettings().UnitSystem = 1;  // whatever came before, a start shows inch-pound
    Start();
    form_->ConvertUnits = [this](QMdiSubWindow* child, int from, int to) {
      calls_.emplace_back(child, from, to);
    };
  }
  std::vector<std::tuple<QMdiSubWindow*, int, int>> calls_;
};

TEST_F(UnitsTest, InchPoundIsTickedAtEveryStart) {
  EXPECT_TRUE(form_->EngUnits1->isChecked());
  EXPECT_FALSE(form_->SIUnits1->isChecked());
  EXPECT_EQ(DefaultSettings().UnitSystem, 2);
}

TEST_F(UnitsTest, SwitchConvertsOnlyWindowsShowingFormPages) {
  QMdiSubWindow* pages1 = AddChild(KindFormPages);
  AddChild(KindFormSource);
  AddChild(KindTextEditor);
  QMdiSubWindow* pages2 = AddChild(KindFormPages);

  form_->SIUnits1->trigger();
  EXPECT_TRUE(form_->SIUnits1->isChecked());
  EXPECT_FALSE(form_->EngUnits1->isChecked());
  EXPECT_EQ(DefaultSettings().UnitSystem, 1);
  using Call = std::tuple<QMdiSubWindow*, int, int>;
  EXPECT_EQ(calls_, (std::vector<Call>{{pages1, 2, 1}, {pages2, 2, 1}}));

  calls_.clear();
  form_->SIUnits1->trigger();  // already in use: nothing
  EXPECT_TRUE(form_->SIUnits1->isChecked());
  EXPECT_TRUE(calls_.empty());

  form_->EngUnits1->trigger();
  EXPECT_TRUE(form_->EngUnits1->isChecked());
  EXPECT_FALSE(form_->SIUnits1->isChecked());
  EXPECT_EQ(calls_, (std::vector<Call>{{pages1, 1, 2}, {pages2, 1, 2}}));
}

TEST_F(UnitsTest, TheSetupDialogsOkMovesTheTicksAndConvertsToo) {
  QMdiSubWindow* pages = AddChild(KindFormPages);
  TSetupDlg setup;
  form_->AttachSetupDialog(&setup);
  setup.show();
  setup.SIB->setChecked(true);
  setup.OKBtnClick();
  EXPECT_TRUE(form_->SIUnits1->isChecked());
  EXPECT_FALSE(form_->EngUnits1->isChecked());
  EXPECT_EQ(DefaultSettings().UnitSystem, 1);
  using Call = std::tuple<QMdiSubWindow*, int, int>;
  EXPECT_EQ(calls_, (std::vector<Call>{{pages, 2, 1}}));
  form_->EngUnits1->trigger();
  EXPECT_EQ(DefaultSettings().UnitSystem, 2);
  form_->AttachSetupDialog(nullptr);
}

}  // namespace
}  // namespace pm::test
