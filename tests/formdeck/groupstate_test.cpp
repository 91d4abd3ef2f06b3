// ApplyGroupState on real choice items: every row of its table, with the
// item on and off before, and the handler runs each row causes. The form
// records the handlers' ShowGroups calls instead of showing anything.
#include <QDir>
#include <QFile>

#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/formpage.h"
#include "formtestsupport.h"

namespace pm {
namespace {

class RecordingForm final : public TPlenzoForm {
 public:
  explicit RecordingForm(FormHost* host) : TPlenzoForm(host) {}
  void ShowGroups(const QString& Name, bool Show) override {
    calls << Name + (Show ? QStringLiteral(":show") : QStringLiteral(":hide"));
    if (!Model().LayingOut) ++callsOutsideLayout;
    if (forward) TPlenzoForm::ShowGroups(Name, Show);
  }
  QStringList calls;
  int callsOutsideLayout = 0;
  bool forward = false;
};

enum Box { ShownVisual, ShownChoice, HiddenVisual, HiddenChoice };
enum Item { Check, Radio };

struct Row {
  Box box;
  Item item;
  bool namesFirst;    // the item's first name is the found group "G"
  bool plain;         // F1: "G" rather than "_G"
  bool on;            // the item's state before
  const char* calls;  // the handler runs, in order
  bool onAfter;
  bool firstOnAfter;  // radio items: the group's first item after
};

// A radio item R is the second item of its group; the first item P names
// the group "F". Exactly one of them is on before.
const Row kRows[] = {
    // shown visual group, radio item: P's names run, P is checked, then R := F1
    {ShownVisual, Radio, true, true, true, "F:show F:show G:show", true, false},
    {ShownVisual, Radio, true, true, false, "F:show G:show", true, false},
    {ShownVisual, Radio, true, false, true, "F:show F:show", false, true},
    {ShownVisual, Radio, true, false, false, "F:show", false, true},
    {ShownVisual, Radio, false, true, true, "F:show", false, true},
    {ShownVisual, Radio, false, true, false, "", false, true},
    // shown visual group, check box: F1, toggled twice (two runs), F1 again
    {ShownVisual, Check, true, true, true, "G:hide G:show", true, false},
    {ShownVisual, Check, true, true, false, "G:show G:hide G:show", true, false},
    {ShownVisual, Check, true, false, true, "G:show G:hide G:show", false, false},
    {ShownVisual, Check, true, false, false, "G:hide G:show", false, false},
    {ShownVisual, Check, false, true, true, "", true, false},
    // shown choice group: the state := F1
    {ShownChoice, Check, true, true, true, "", true, false},
    {ShownChoice, Check, true, true, false, "G:show", true, false},
    {ShownChoice, Check, true, false, true, "G:show", false, false},
    {ShownChoice, Check, true, false, false, "", false, false},
    {ShownChoice, Check, false, true, false, "", false, false},
    {ShownChoice, Radio, true, true, true, "", true, false},
    {ShownChoice, Radio, true, true, false, "G:show", true, false},
    {ShownChoice, Radio, true, false, true, "", false, false},  // unchecked from code: none is on
    {ShownChoice, Radio, true, false, false, "", false, true},
    {ShownChoice, Radio, false, true, false, "", false, true},
    // hidden group, check box: the state := not F1, then its handler runs
    {HiddenVisual, Check, true, true, true, "G:hide G:hide", false, false},
    {HiddenVisual, Check, true, true, false, "G:hide", false, false},
    {HiddenVisual, Check, true, false, true, "G:hide", true, false},
    {HiddenVisual, Check, true, false, false, "G:hide G:hide", true, false},
    {HiddenChoice, Check, true, true, true, "G:hide G:hide", false, false},
    {HiddenChoice, Check, true, false, false, "G:hide G:hide", true, false},
    {HiddenChoice, Check, false, true, true, "", true, false},
    // hidden visual group, radio item: nothing
    {HiddenVisual, Radio, true, true, true, "", true, false},
    {HiddenVisual, Radio, true, false, false, "", false, true},
    // hidden choice group, radio item: F1, then not F1
    {HiddenChoice, Radio, true, true, true, "", false, false},
    {HiddenChoice, Radio, true, true, false, "G:show", false, false},
    {HiddenChoice, Radio, true, false, true, "G:hide", true, false},
    {HiddenChoice, Radio, true, false, false, "G:hide", true, false},
    {HiddenChoice, Radio, false, true, false, "", false, true},
};

class GroupStateTest : public test::FormTest, public ::testing::WithParamInterface<Row> {
 protected:
  void SetUp() override {
    test::FormTest::SetUp();
    form.reset();
    recording = std::make_unique<RecordingForm>(&host);
  }
  void TearDown() override {
    recording.reset();
    test::FormTest::TearDown();
  }

  // An element of the main page with its own box.
  Tmygroupbox* AddBox(ElementKind kind, const char* name) {
    FormModel& m = recording->Model();
    TFormElement* e = m.Elements.Create(0, m.Slots.tabs);
    e->kind = kind;
    m.Elements.LinkOnPage(e, nullptr);
    auto* box = new Tmygroupbox(recording->Page(0)->Content());
    box->GroupName = QLatin1String(name);
    e->groupBox = box;
    return box;
  }

  std::unique_ptr<RecordingForm> recording;
};

TEST_P(GroupStateTest, ItemFollowsTheGroup) {
  const Row& r = GetParam();
  const bool visual = r.box == ShownVisual || r.box == HiddenVisual;
  // Names match trimmed and without regard to case ("g " as the Make Group
  // dialog writes it).
  Tmygroupbox* found = AddBox(visual ? ElementKind::VisualGroup : ElementKind::CheckBoxGroup, "g ");
  found->Shown = r.box == ShownVisual || r.box == ShownChoice;
  Tmygroupbox* own = AddBox(r.item == Radio ? ElementKind::RadioGroup : ElementKind::CheckBoxGroup, "Own");
  const QString gName = QStringLiteral("G");
  QAbstractButton* item = nullptr;
  TGRadioButton* first = nullptr;
  if (r.item == Radio) {
    first = new TGRadioButton(QStringLiteral("P"), own);
    first->AddGroupName(QStringLiteral("F"), true);
    auto* radio = new TGRadioButton(QStringLiteral("R"), own);
    if (!r.namesFirst) radio->AddGroupName(QStringLiteral("Other"), true);
    radio->AddGroupName(gName, r.plain);
    own->Items = {first, radio};
    SetChoiceChecked(r.on ? static_cast<QAbstractButton*>(radio) : first, true);
    item = radio;
  } else {
    auto* check = new TGCheckBox(QStringLiteral("C"), own);
    if (!r.namesFirst) check->AddGroupName(QStringLiteral("Other"), true);
    check->AddGroupName(gName, r.plain);
    own->Items = {check};
    SetChoiceChecked(check, r.on);
    item = check;
  }
  recording->calls.clear();

  EXPECT_TRUE(recording->ApplyGroupState(QStringLiteral("G"), r.item == Check, item));
  const QString expected = QLatin1String(r.calls);
  EXPECT_EQ(recording->calls.join(QLatin1Char(' ')), expected);
  EXPECT_EQ(item->isChecked(), r.onAfter);
  if (first) {
    EXPECT_EQ(first->isChecked(), r.firstOnAfter);
  }
}

INSTANTIATE_TEST_SUITE_P(Rows, GroupStateTest, ::testing::ValuesIn(kRows));

// Items are checked as they are read, before any handler may run: a
// handler run then would look for groups that are not read yet.
TEST(GroupState, NoHandlerRunsBeforeTheWholeDeckIsRead) {
  test::ScriptedUi ui;
  test::FakeHost host;
  QTemporaryDir dir;
  const QString saved = QDir::currentPath();
  const QString path = dir.filePath(QStringLiteral("deck.pzd"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("*PLENZO\n*|[A|a\n*|*a\n*|]\n*|{Opt|o\n*|One|_A\n*|}\n*|(Mode|m\n*|X|A\n*|Y|_A\n*|)\n");
  f.close();
  G().ParseErrorState = 0;
  RecordingForm form(&host);
  form.forward = true;
  form.ReadDeck(path);
  QDir::setCurrent(saved);
  EXPECT_EQ(G().ParseErrorState, 0);
  EXPECT_FALSE(form.calls.isEmpty());
  EXPECT_EQ(form.callsOutsideLayout, 0);
}

TEST(GroupState, NoGroupOfThatNameIsFalse) {
  test::ScriptedUi ui;
  test::FakeHost host;
  TPlenzoForm form(&host);
  auto* check = new TGCheckBox(QStringLiteral("C"), form.Page(0)->Content());
  check->AddGroupName(QStringLiteral("Nowhere"), true);
  EXPECT_FALSE(form.ApplyGroupState(QStringLiteral("Nowhere"), true, check));
}

}  // namespace
}  // namespace pm
