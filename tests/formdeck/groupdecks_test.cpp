// Decks with groups read into a real form window: the boxes, the initial
// states of their items, clicks, nesting, and the layout of the page.
#include <QFile>
#include <QTest>
#include <QToolButton>

#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/formfonts.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/input.h"
#include "formtestsupport.h"

namespace pm {
namespace {

class GroupDeckTest : public test::FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    G().SimulateMode = 1;
  }
  void TearDown() override {
    FormTest::TearDown();
    G().SimulateMode = 1;
  }

  void Read(const std::string& body) {
    const QString path = dir.filePath(QStringLiteral("deck.pzd"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string text = "*PLENZO\n" + body;
    f.write(text.data(), static_cast<qint64>(text.size()));
    f.close();
    form->ReadDeck(path);
  }
  TFormElement* Element(const char* name, int page = 0) const {
    for (TFormElement* e : form->Model().Elements.OnPage(page))
      if (e->name == name || e->text == name) return e;
    ADD_FAILURE() << "no element " << name;
    return nullptr;
  }
  Tmygroupbox* Box(const char* name, int page = 0) const {
    TFormElement* e = Element(name, page);
    return e ? dynamic_cast<Tmygroupbox*>(e->groupBox) : nullptr;
  }
  QAbstractButton* Item(const char* group, int index, int page = 0) const {
    Tmygroupbox* box = Box(group, page);
    return box && index < box->Items.size() ? box->Items[index] : nullptr;
  }
  QWidget* Content(int page = 0) const { return form->Page(page)->Content(); }
  bool Seen(const QWidget* w, int page = 0) const { return w->isVisibleTo(Content(page)); }
  int Bottom(const QWidget* w, int page = 0) const { return form->Page(page)->TopInPage(w) + w->height(); }

  QTemporaryDir dir;
};

TEST_F(GroupDeckTest, VisualGroupsTakeNameCaptionAndColour) {
  Read(
      "*|[Details|Pump details|BACKGROUND=SILVER\n"
      "*|*In the box\n"
      "*|]\n"
      "*|[Yellow|Yellow & black|RGB(255,255,0)\n"
      "*|*In the box too\n"
      "*|]\n"
      "*|[Empty|Nothing\n"
      "*|]\n"
      "*|*After\n");
  ASSERT_EQ(G().ParseErrorState, 0);
  Tmygroupbox* details = Box("Details");
  EXPECT_EQ(details->GroupName, QStringLiteral("Details"));
  EXPECT_EQ(details->title(), QStringLiteral("Pump details"));
  EXPECT_EQ(details->palette().color(QPalette::Window), QColor(192, 192, 192));
  EXPECT_EQ(Element("In the box")->label->parentWidget(), details);
  Tmygroupbox* yellow = Box("Yellow");
  EXPECT_EQ(yellow->palette().color(QPalette::Window), QColor(255, 255, 0));
  EXPECT_EQ(yellow->title(), QStringLiteral("Yellow && black"));  // shown as written
  Tmygroupbox* empty = Box("Empty");
  EXPECT_TRUE(empty->isHidden());
  EXPECT_EQ(empty->height(), 0);
  EXPECT_FALSE(details->isHidden());
  EXPECT_GT(form->Page(0)->TopInPage(Element("After")->label), Bottom(yellow));
  EXPECT_GE(form->Model().ContentWidth, details->width());
}

TEST_F(GroupDeckTest, CheckBoxesShowAndHideTheirGroups) {
  Read(
      "*|[Details |Pump details\n"  // a name with a blank after it, as the Make Group dialog writes
      "X = 1\n"
      "*|X|m|ft|0|1|0|10|0\n"
      "*|]\n"
      "*|{Options|Choose\n"
      "*|Show details|Details\n"
      "*|Hide details|_Details\n"
      "*|}\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  Tmygroupbox* details = Box("Details");
  QAbstractButton* show = Item("Options", 0);
  QAbstractButton* hide = Item("Options", 1);
  EXPECT_TRUE(show->isChecked());
  EXPECT_FALSE(hide->isChecked());
  EXPECT_FALSE(details->isHidden());
  EXPECT_FALSE(form->Model().Changed);

  QTest::mouseClick(show, Qt::LeftButton);
  EXPECT_TRUE(details->isHidden());
  EXPECT_TRUE(form->Model().Changed);
  QTest::mouseClick(show, Qt::LeftButton);
  EXPECT_FALSE(details->isHidden());
  QTest::mouseClick(hide, Qt::LeftButton);
  EXPECT_TRUE(details->isHidden());
}

TEST_F(GroupDeckTest, TheSavedRadioChoiceWinsAlsoInsideABox) {
  for (const bool inBox : {false, true}) {
    SCOPED_TRACE(inBox ? "inside a visual group" : "on the page");
    const std::string radio =
        "*|(Pick|Pick one\n"
        "*|First|A|_B\n"
        "*|Second|B|_A//checked\n"
        "*|Third|A|_B\n"
        "*|)\n";
    Read(std::string(inBox ? "*|[Box|Box\n" + radio + "*|]\n" : radio) +
         "*|[A|a\n*|*a\n*|]\n"
         "*|[B|b\n*|*b\n*|]\n");
    ASSERT_EQ(G().ParseErrorState, 0);
    EXPECT_FALSE(Item("Pick", 0)->isChecked());
    EXPECT_TRUE(Item("Pick", 1)->isChecked());
    EXPECT_FALSE(Item("Pick", 2)->isChecked());
    EXPECT_TRUE(Box("A")->isHidden());
    EXPECT_FALSE(Box("B")->isHidden());
  }
}

TEST_F(GroupDeckTest, AnUndefinedGroupStopsWithItsNameAsWritten) {
  Read(
      "*|{Options|Choose\n"
      "*|Thing|_Nope \n"
      "*|}\n");
  EXPECT_EQ(G().ParseErrorState, 100);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Group Nope is not defined."));
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
  EXPECT_FALSE(form->Shown());
}

TEST_F(GroupDeckTest, ItemLinesOfAHiddenGroupAndCaptionsBeginningWithAHash) {
  Read(
      "*|#*|[Hide|Hidden\n"
      "*|#*|{Inner|Inner\n"
      "*|#*|Alpha|P1\n"
      "*|#2 pumps|P2\n"
      "*|#*|}\n"
      "*|#*|]\n"
      "*|[P1|p1\n*|*x\n*|]\n"
      "*|[P2|p2\n*|*y\n*|]\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(Box("Inner")->Items.size(), 2);
  EXPECT_EQ(Item("Inner", 0)->text(), QStringLiteral("Alpha"));
  EXPECT_EQ(Item("Inner", 1)->text(), QStringLiteral("#2 pumps"));
  EXPECT_FALSE(Box("Hide")->Shown);
  EXPECT_TRUE(Box("Inner")->Shown);
}

TEST_F(GroupDeckTest, AnItemNamesAnyNumberOfGroups) {
  std::string groups;
  std::string names;
  for (int i = 1; i <= 25; ++i) {
    const std::string n = "G" + std::to_string(i);
    groups += "*|[" + n + "|" + n + "\n*|*" + n + " text\n*|]\n";
    names += "|" + n;
  }
  Read(groups + "*|{All|All\n*|Every group" + names + "\n*|}\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  auto* item = dynamic_cast<TGCheckBox*>(Item("All", 0));
  ASSERT_EQ(item->GroupCount(), 25);
  EXPECT_FALSE(Box("G25")->isHidden());
  QTest::mouseClick(item, Qt::LeftButton);
  EXPECT_TRUE(Box("G1")->isHidden());
  EXPECT_TRUE(Box("G25")->isHidden());
}

TEST_F(GroupDeckTest, AnItemShowsAGroupOnATabPage) {
  MakeTwoPages(false);
  Read(
      "*|{Opt|Options\n"
      "*|Pump group|PumpGroup\n"
      "*|}\n"
      "*|<TABWINDOW NAME=\"Pumps\">\n"
      "*|[PumpGroup|Pump group\n"
      "*|*inside\n"
      "*|]\n"
      "*|</TABWINDOW>\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  Tmygroupbox* box = Box("PumpGroup", 1);
  EXPECT_FALSE(box->isHidden());
  EXPECT_EQ(form->Page(1)->Range(), Bottom(box, 1) + 10);
  form->CurrentPage = 0;
  QTest::mouseClick(Item("Opt", 0), Qt::LeftButton);
  EXPECT_TRUE(box->isHidden());
  EXPECT_EQ(form->Page(1)->Range(), 0);  // nothing visible is left on that page
  QTest::mouseClick(Item("Opt", 0), Qt::LeftButton);
  EXPECT_EQ(form->Page(1)->Range(), Bottom(box, 1) + 10);
}

// A hidden visual group around a radio group: the items keep their own
// state and are seen only while the group is; the Calculate menu follows
// the choice of Simulate or Optimize.
TEST_F(GroupDeckTest, HiddenGroupAroundAChoiceGroup) {
  Read(
      "*|{Show|Show\n"
      "*|Mode shown|Outer\n"
      "*|}\n"
      "*|#*|[Outer|Outer box\n"
      "*|(Mode|Mode\n"
      "*|Simulation|Simulate|_Optimize\n"
      "*|Optimization|Optimize|_Simulate//checked\n"
      "*|)\n"
      "*|#*|]\n"
      "*|[Simulate|s\n*|*s\n*|]\n"
      "*|[Optimize|o\n*|*o\n*|]\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  Tmygroupbox* outer = Box("Outer");
  Tmygroupbox* mode = Box("Mode");
  QAbstractButton* simulation = Item("Mode", 0);
  QAbstractButton* optimization = Item("Mode", 1);
  EXPECT_FALSE(outer->Shown);
  EXPECT_TRUE(outer->isHidden());
  EXPECT_FALSE(Item("Show", 0)->isChecked());
  EXPECT_EQ(mode->parentWidget(), outer);
  EXPECT_FALSE(mode->isHidden());
  EXPECT_FALSE(Seen(mode));
  EXPECT_FALSE(Seen(optimization));
  EXPECT_TRUE(optimization->isChecked());
  EXPECT_EQ(G().SimulateMode, 0);
  EXPECT_FALSE(host.kindsAtUpdate.empty());
  EXPECT_TRUE(Box("Simulate")->isHidden());
  EXPECT_FALSE(Box("Optimize")->isHidden());
  EXPECT_EQ(form->Page(0)->Range(), Bottom(Box("Optimize")) + 10);

  QTest::mouseClick(Item("Show", 0), Qt::LeftButton);
  EXPECT_FALSE(outer->isHidden());
  EXPECT_TRUE(Seen(simulation));
  EXPECT_GE(form->Page(0)->Range(), Bottom(outer));
  const size_t updates = host.kindsAtUpdate.size();
  QTest::mouseClick(simulation, Qt::LeftButton);
  EXPECT_TRUE(simulation->isChecked());
  EXPECT_EQ(G().SimulateMode, 1);
  EXPECT_GT(host.kindsAtUpdate.size(), updates);
  EXPECT_FALSE(Box("Simulate")->isHidden());
  EXPECT_TRUE(Box("Optimize")->isHidden());
}

TEST_F(GroupDeckTest, ElementsAfterAChoiceGroupStayInTheOpenVisualGroup) {
  Read(
      "*|[Outer|Outer\n"
      "*|(Mode|Mode\n"
      "*|One|G1\n"
      "*|Two|G2//checked\n"
      "*|)\n"
      "X = 1\n"
      "*|After|m|m|0|1|0|10|0\n"
      "*|]\n"
      "*|[G1|g1\n*|*x\n*|]\n"
      "*|[G2|g2\n*|*y\n*|]\n"
      "*|*Below\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  Tmygroupbox* outer = Box("Outer");
  Tmygroupbox* mode = Box("Mode");
  TFormElement* after = Element("After");
  EXPECT_EQ(mode->parentWidget(), outer);
  EXPECT_EQ(after->label->parentWidget(), outer);
  EXPECT_EQ(after->valueInput->parentWidget(), outer);
  EXPECT_GT(after->label->y(), mode->y() + mode->height());
  EXPECT_LE(mode->x() + mode->width(), outer->width());
  EXPECT_GE(outer->height(), after->label->y() + after->label->height());
  EXPECT_GT(form->Page(0)->TopInPage(Element("Below")->label), Bottom(Box("G2")) - 1);

  // A choice group that closes the visual group: what follows comes below
  // the visual group's box.
  Read(
      "*|[Outer|Outer\n"
      "*|{Opt|Options\n"
      "*|Shown|G1\n"
      "*|}\n"
      "*|]\n"
      "*|*Below\n"
      "*|[G1|g1\n*|*x\n*|]\n");
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  EXPECT_GE(form->Page(0)->TopInPage(Element("Below")->label), Bottom(Box("Outer")));
}

TEST_F(GroupDeckTest, AChoiceGroupWithoutItsCloseEndsWithTheDeck) {
  Read(
      "*|[G1|g1\n*|*x\n*|]\n"
      "*|{Opt|Options\n"
      "** a comment line\n"
      "*|Shown|G1\n");
  EXPECT_EQ(G().ParseErrorState, 0);
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(Box("Opt")->Items.size(), 1);
  EXPECT_TRUE(form->Shown());
}

// The page with its middle group shown and hidden. Positions follow the
// form's own measures: L, the height H of the labels' font, W8.
TEST_F(GroupDeckTest, LayoutOfAPageWithAGroupShownAndHidden) {
  const std::string deck =
      "A = 1\n"
      "*|Alpha|m|m|0|1|0|10|0\n"
      "*|{Opt|Options\n"
      "*|Details shown|Details\n"
      "*|}\n"
      "%[Details|Details\n"
      "B = 2\n"
      "*|Beta|kg/s|kg/s|0|1|0|10|0\n"
      "%]\n"
      "C = 3\n"
      "*|Gamma|m|m|0|1|0|10|0\n";
  auto with = [&](const std::string& prefix) {
    std::string text = deck;
    for (size_t at; (at = text.find('%')) != std::string::npos;) text.replace(at, 1, prefix + "*|");
    return text;
  };
  Read(with(""));
  ASSERT_EQ(G().ParseErrorState, 0) << ui.texts().join(QLatin1Char('\n')).toStdString();
  const int L = form->LineHeight;
  const int W8 = form->WidthOf8;
  const int M = 2 * W8;
  const int cw = form->Model().ContentWidth;
  Tmygroupbox* box = Box("Details");
  TFormElement* alpha = Element("Alpha");
  TFormElement* beta = Element("Beta");
  TFormElement* gamma = Element("Gamma");
  const int H = GetHeight(beta->label->font());
  EXPECT_EQ(cw, 80 * W8);
  // Gamma follows the last element of the group: its label, the box's top and L.
  const int gammaTop = beta->label->y() + (H * 5) / 4 + box->y() + L;
  EXPECT_EQ(gamma->label->y(), gammaTop);
  // Right-aligned to the content width, by the widest units label of the page.
  const int u = std::max({alpha->unitsWidth, beta->unitsWidth, gamma->unitsWidth});
  for (TFormElement* e : {alpha, beta, gamma}) {
    EXPECT_EQ(e->unitsLabel->x(), cw - M - u);
    EXPECT_EQ(e->valueInput->x(), cw - M - u - W8 - e->valueInput->width());
    EXPECT_EQ(e->valueInput->y(), e->label->y());
  }
  EXPECT_EQ(form->Page(0)->Range(), gamma->label->y() + gamma->label->height() + 10);

  // Hidden by a click: what follows moves up by the box and 12 more.
  const int moved = box->height() + 12;
  QTest::mouseClick(Item("Opt", 0), Qt::LeftButton);
  ASSERT_TRUE(box->isHidden());
  EXPECT_EQ(gamma->label->y(), gammaTop - moved);
  EXPECT_EQ(gamma->valueInput->y(), gammaTop - moved);
  EXPECT_EQ(gamma->unitsLabel->y(), gammaTop - moved);
  const int range = form->Page(0)->Range();
  EXPECT_EQ(range, gammaTop - moved + gamma->label->height() + 10);
  // The lowest visible control is fully reachable.
  for (const QWidget* w : Content()->findChildren<QWidget*>()) {
    if (Seen(w)) {
      EXPECT_LE(Bottom(w), range) << w->metaObject()->className();
    }
  }

  // Hidden from the start ("*|#" before its lines): the layout applies the
  // same shift when the page is first laid out.
  Read(with("*|#"));
  ASSERT_EQ(G().ParseErrorState, 0);
  gamma = Element("Gamma");
  EXPECT_TRUE(Box("Details")->isHidden());
  EXPECT_FALSE(Item("Opt", 0)->isChecked());
  EXPECT_EQ(gamma->label->y(), gammaTop - moved);
  EXPECT_EQ(gamma->valueInput->y(), gammaTop - moved);
  EXPECT_EQ(form->Page(0)->Range(), range);
}

TEST_F(GroupDeckTest, LinkButtonsOfTheMainPageShareAColumn) {
  Read(
      "*|[Box|Box\n*|*x\n*|]\n"
      "F = 1\n"
      "*|Flow|m|m|0|1|0|10|0|APPLINK2|-run f.dat\n");
  ASSERT_EQ(G().ParseErrorState, 0);
  const int bw = form->AppButtonGlyph()->width();
  const int cw = form->Model().ContentWidth;
  EXPECT_EQ(cw, 80 * form->WidthOf8 + bw + 10);
  EXPECT_EQ(Element("Flow")->appButton->x(), cw - bw - 5);
  EXPECT_EQ(Box("Box")->width(), cw);
}

}  // namespace
}  // namespace pm
