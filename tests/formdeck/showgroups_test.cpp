#include "formdeck/ui/appbutton.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/input.h"
#include "formtestsupport.h"

namespace pm {
namespace {

// A page by hand: an input at y 150 below a visual group "Details" (y 40,
// 100 high) that holds one label, and the page range 300.
class ShowGroupsTest : public test::FormTest {
 protected:
  struct Row {
    TFormElement* e;
    TDescriptor* label;
    TDescriptor* units;
    TInput* input;
    TAppButton* button;
  };

  Tmygroupbox* AddGroup(int page, const char* name, const char* before) {
    TFormElement* e = NewElement(page, ElementKind::VisualGroup);
    auto* box = new Tmygroupbox(Content(page));
    box->setGeometry(10, 40, 300, 100);
    box->GroupName = QLatin1String(name);
    box->BeforeCommand = before;
    e->groupBox = box;
    e->inGroup = true;
    auto* inside = NewElement(page, ElementKind::TextLine);
    inside->inGroup = true;
    inside->groupBox = box;
    inside->label = new TDescriptor(box);
    inside->label->move(5, 20);
    return box;
  }

  Row AddRow(int page, int y) {
    Row r{NewElement(page, ElementKind::NumericInput), new TDescriptor(Content(page)),
          new TDescriptor(Content(page)), new TInput(Content(page)), new TAppButton(Content(page))};
    r.input->Tracked = true;
    for (QWidget* w : {static_cast<QWidget*>(r.label), static_cast<QWidget*>(r.units),
                       static_cast<QWidget*>(r.input), static_cast<QWidget*>(r.button)})
      w->move(20, y);
    r.e->label = r.label;
    r.e->unitsLabel = r.units;
    r.e->valueInput = r.input;
    r.e->appButton = r.button;
    return r;
  }

  TFormElement* NewElement(int page, ElementKind kind) {
    TFormElement* e = form->Model().Elements.Create(page, form->Model().Slots.tabs);
    e->kind = kind;
    form->Model().Elements.LinkOnPage(e, nullptr);
    return e;
  }
  QWidget* Content(int page) { return form->Page(page)->Content(); }
};

TEST_F(ShowGroupsTest, HidingAGroupMovesWhatFollowsUpAndShowingMovesItBack) {
  Tmygroupbox* box = AddGroup(0, "Details ", "RUNPREP A");
  const Row row = AddRow(0, 150);
  form->Page(0)->SetRange(300);
  form->Model().Before = "RUNPREP A";
  form->ShowGroups(QStringLiteral("details"), false);
  EXPECT_TRUE(box->isHidden());
  for (QWidget* w : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.units),
                     static_cast<QWidget*>(row.input), static_cast<QWidget*>(row.button)})
    EXPECT_EQ(w->y(), 38);
  // The range is measured again: the row is now the lowest control.
  EXPECT_EQ(form->Page(0)->Range(), 38 + row.label->height() + 10);
  EXPECT_EQ(form->Model().Before, "");
  // Hiding a hidden group moves nothing.
  form->ShowGroups(QStringLiteral("DETAILS"), false);
  EXPECT_EQ(row.label->y(), 38);

  form->ShowGroups(QStringLiteral("Details"), true);
  EXPECT_FALSE(box->isHidden());
  EXPECT_EQ(row.input->y(), 150);
  EXPECT_EQ(box->y(), 40);
  EXPECT_EQ(form->Page(0)->Range(), 150 + row.label->height() + 10);
  EXPECT_EQ(form->Model().Before, "RUNPREP A");
}

TEST_F(ShowGroupsTest, HidingKeepsACommandThatAnotherGroupSet) {
  AddGroup(0, "Details", "RUNPREP A");
  form->Model().Before = "RUNPREP B";
  form->ShowGroups(QStringLiteral("Details"), false);
  EXPECT_EQ(form->Model().Before, "RUNPREP B");
}

TEST_F(ShowGroupsTest, AGroupOnAnotherTabPageIsFoundAndItsPageRangeFollows) {
  MakeTwoPages(false);
  Tmygroupbox* box = AddGroup(1, "Pumps", "");
  const Row row = AddRow(1, 150);
  form->Page(0)->SetRange(300);
  form->Page(1)->SetRange(300);
  form->CurrentPage = 0;
  form->ShowGroups(QStringLiteral("Pumps"), false);
  EXPECT_TRUE(box->isHidden());
  EXPECT_EQ(form->Page(1)->Range(), 38 + row.label->height() + 10);
  EXPECT_EQ(form->Page(0)->Range(), 300);
}

TEST_F(ShowGroupsTest, WhileTheFormIsBuiltShiftsAreOnlyRecorded) {
  Tmygroupbox* box = AddGroup(0, "Details", "");
  const Row row = AddRow(0, 150);
  form->Model().LayingOut = true;
  form->ShowGroups(QStringLiteral("Details"), false);
  EXPECT_TRUE(box->isHidden());
  EXPECT_EQ(box->StoredTop, -112);
  EXPECT_EQ(row.e->shift, -112);
  EXPECT_EQ(row.label->y(), 150);
  form->Model().LayingOut = false;
}

}  // namespace
}  // namespace pm
