#include "formdeck/ui/inputbuilders.h"

#include <QFile>
#include <QTest>

#include "common/settings.h"
#include "formdeck/ui/appbutton.h"
#include "formdeck/ui/controlsizes.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/input.h"
#include "formtestsupport.h"
#include "modalboxui.h"
#include "support/testpaths.h"
#include "platform/ui/plainhint.h"

namespace pm {
namespace {

QString Deck(const char* name) {
  return QStringLiteral(PELMARK_FIXTURES_DIR "/decks/inputs/") + QLatin1String(name);
}

class InputDeckTest : public test::FormTest {
 protected:
  // Reads a deck of the fixtures; the elements of the main page in order.
  std::vector<TFormElement*> Read(const char* name, int units = 1) {
    DefaultSettings().UnitSystem = units;
    form->ReadDeck(Deck(name));
    return form->Model().Elements.OnPage(0);
  }
  template <typename T>
  static T* As(QWidget* w) {
    return dynamic_cast<T*>(w);
  }
  int A(const QWidget* w) const { return form->aveCharWidth(w->font()); }
};

TEST_F(InputDeckTest, NumericInputShowsItsValueInTheUnitSystem) {
  struct Case {
    const char* deck;
    int units;
    const char* shown;
    const char* unit;
  } cases[] = {
      {"numeric.pzd", 1, "2.5", "m3"},
      {"numeric.pzd", 2, "660.4", "gal"},
      {"scientific.pzd", 1, "1.2346E+04", "kg/s"},
      {"expression.pzd", 1, "2*Y ! twice Y", "m"},
      {"expression.pzd", 2, "2*Y ! twice Y", "m"},  // text is never converted
  };
  for (const Case& c : cases) {
    const auto elements = Read(c.deck, c.units);
    ASSERT_EQ(G().ParseErrorState, 0) << c.deck;
    ASSERT_EQ(elements.size(), 1u) << c.deck;
    TFormElement* e = elements[0];
    EXPECT_EQ(e->kind, ElementKind::NumericInput);
    auto* input = As<TInput>(e->valueInput);
    ASSERT_NE(input, nullptr);
    EXPECT_EQ(input->text(), QLatin1String(c.shown)) << c.deck << " " << c.units;
    EXPECT_EQ(As<TDescriptor>(e->unitsLabel)->text(), QLatin1String(c.unit)) << c.deck << " " << c.units;
    EXPECT_FALSE(input->isModified());
  }
}

// The controls share their slot palettes: each still shows its own slot's
// colour as it was when it was made, in a group box as on the page.
TEST_F(InputDeckTest, EveryControlTakesTheColourOfItsSlotWhenMade) {
  const auto elements = Read("colours.pzd");
  ASSERT_EQ(G().ParseErrorState, 0);
  struct Case {
    const char* label;
    QColor text;   // label and input
    QColor units;
  } cases[] = {
      {"Tank volume", Qt::black, Qt::blue},
      {"Flow", Qt::red, QColor(0, 128, 0)},
      {"Head", Qt::red, QColor(0, 128, 0)},
      {"Level", Qt::red, QColor(0, 128, 0)},
  };
  std::vector<TFormElement*> inputs;
  for (TFormElement* e : elements)
    if (e->kind == ElementKind::NumericInput) inputs.push_back(e);
  ASSERT_EQ(inputs.size(), std::size(cases));
  for (size_t i = 0; i < inputs.size(); ++i) {
    const Case& c = cases[i];
    TFormElement* e = inputs[i];
    EXPECT_EQ(As<TDescriptor>(e->label)->text(), QLatin1String(c.label));
    for (QWidget* w : {e->label, e->valueInput}) {
      EXPECT_EQ(w->palette().color(QPalette::WindowText), c.text) << c.label;
      EXPECT_EQ(w->palette().color(QPalette::Text), c.text) << c.label;
    }
    EXPECT_EQ(e->unitsLabel->palette().color(QPalette::WindowText), c.units) << c.label;
    EXPECT_EQ(e->valueInput->palette().color(QPalette::Base), QLineEdit().palette().color(QPalette::Base))
        << c.label;
  }
}

// A background given after some controls reaches every control of the page
// once the deck is read, as it reaches the page; a group box made before it
// keeps its own background, and so do its controls.
TEST_F(InputDeckTest, ALateBackgroundReachesTheControlsMadeBeforeIt) {
  const auto elements = Read("latebackground.pzd");
  ASSERT_EQ(G().ParseErrorState, 0);
  std::vector<TFormElement*> inputs;
  for (TFormElement* e : elements)
    if (e->kind == ElementKind::NumericInput) inputs.push_back(e);
  ASSERT_EQ(inputs.size(), 3u);
  const QColor yellow(255, 255, 0);
  const QColor white(255, 255, 255);
  const struct {
    QColor window;
  } cases[] = {{yellow}, {white}, {yellow}};  // Tank volume, Head (in the group), Flow
  for (size_t i = 0; i < inputs.size(); ++i) {
    for (QWidget* w : {inputs[i]->label, inputs[i]->valueInput, static_cast<QWidget*>(inputs[i]->unitsLabel)}) {
      for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(w->palette().color(g, QPalette::Window), cases[i].window) << i << " " << g;
    }
  }
}

TEST_F(InputDeckTest, NumericInputKeepsLimitsConversionHelpAndPlace) {
  const auto elements = Read("numeric.pzd", 2);
  ASSERT_EQ(elements.size(), 1u);
  TFormElement* e = elements[0];
  auto* input = As<TInput>(e->valueInput);
  auto* label = As<TDescriptor>(e->label);
  auto* units = As<TDescriptor>(e->unitsLabel);
  EXPECT_EQ(e->name, "TANK ");
  EXPECT_EQ(e->lineNumber, 2);
  EXPECT_EQ(e->number, 1);
  EXPECT_EQ(label->text(), QStringLiteral("Tank volume"));
  EXPECT_TRUE(input->IsNumeric);
  EXPECT_TRUE(input->Tracked);
  EXPECT_EQ(input->Value, 2.5L);
  EXPECT_EQ(input->Min, 0.1L);
  EXPECT_EQ(input->Max, 100.0L);
  EXPECT_EQ(input->Factor, 264.172L);
  EXPECT_EQ(input->Format, (TNumberFormat{1, 1}));
  EXPECT_EQ(input->HelpId, 12);
  EXPECT_EQ(input->ControlTag(), 21);
  EXPECT_EQ(input->maxLength(), 25);
  EXPECT_TRUE(label->Printable);
  EXPECT_TRUE(units->Printable);
  // Label at the left margin, input after the label's characters but never
  // inside the label, ten average characters wide plus the room of its
  // frame, units one character after the input, all on one line.
  EXPECT_EQ(label->x(), 2 * form->WidthOf8);
  EXPECT_EQ(label->y(), 10);
  EXPECT_EQ(input->x(), std::max(12 * A(label), label->x() + label->width() + A(label)));
  EXPECT_EQ(input->width(), LineEditWidth(input, 10 * A(label)));
  EXPECT_GT(input->width(), 10 * A(label));
  EXPECT_EQ(input->y(), label->y());
  EXPECT_EQ(units->x(), input->x() + input->width() + A(units));
  EXPECT_EQ(units->y(), label->y());
  EXPECT_EQ(e->unitsWidth, units->width());
}

TEST_F(InputDeckTest, AValueThatIsNoNumberStaysTextWithoutLimit) {
  const auto elements = Read("expression.pzd", 2);
  auto* input = As<TInput>(elements[0]->valueInput);
  EXPECT_FALSE(input->IsNumeric);
  EXPECT_EQ(input->maxLength(), 32767);
  EXPECT_EQ(elements[0]->valueText, "2*Y ! twice Y");
}

TEST_F(InputDeckTest, ListInputChoosesTheRowOfTheDeckValue) {
  auto elements = Read("list.pzd");
  ASSERT_EQ(elements.size(), 1u);
  auto* list = As<TFileInput>(elements[0]->listInput);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(elements[0]->kind, ElementKind::ListInput);
  EXPECT_EQ(list->count(), 3);
  EXPECT_EQ(list->itemText(2), QStringLiteral("Huge"));  // a column after two tabs
  EXPECT_EQ(list->currentIndex(), 1);
  EXPECT_EQ(list->currentText(), QStringLiteral("Large"));
  EXPECT_EQ(list->HelpId, 44);
  EXPECT_EQ(list->ControlTag(), 22);
  EXPECT_TRUE(list->HasList);
  EXPECT_FALSE(list->isHidden());
  auto* label = As<TDescriptor>(elements[0]->label);
  // As high as its style draws it, centred on its label's row.
  EXPECT_EQ(list->height(), DropDownSize(list).height());
  EXPECT_GE(list->y(), label->y());
  EXPECT_EQ(list->y(), label->y() + (label->height() - list->height()) / 2);
  EXPECT_GE(list->width(), DropDownSize(list).width());
  // Right-aligned to the content width, which grows until the drop-down
  // starts one character after its label.
  EXPECT_EQ(list->x(), label->x() + label->width() + A(label));
  EXPECT_EQ(elements[0]->siUnit, " ");

  // No row holds 7: nothing is chosen and the deck's value stays.
  elements = Read("listnomatch.pzd");
  list = As<TFileInput>(elements[0]->listInput);
  EXPECT_EQ(list->currentIndex(), -1);
  EXPECT_EQ(list->placeholderText(), QStringLiteral("7"));
  EXPECT_EQ(list->ChosenValue(), QStringLiteral("7"));
  EXPECT_EQ(G().ParseErrorState, 0);
}

TEST_F(InputDeckTest, AListWithoutDropDownCountsForNothing) {
  const auto elements = Read("listfollower.pzd");
  ASSERT_EQ(elements.size(), 2u);
  auto* follower = As<TFileInput>(elements[0]->listInput);
  EXPECT_FALSE(follower->HasList);
  EXPECT_TRUE(follower->isHidden());
  EXPECT_FALSE(As<TDescriptor>(elements[0]->label)->HasPosition);
  EXPECT_EQ(follower->Value, QStringLiteral("2"));
  // Its number was given back, and the next input starts where it would have.
  EXPECT_EQ(elements[1]->number, 1);
  EXPECT_EQ(elements[1]->label->y(), 10);
}

TEST_F(InputDeckTest, AssignListInputKeepsFileQuotesAndUnit) {
  const auto elements = Read("listassign.pzd");
  auto* list = As<TFileInput>(elements[0]->listInput);
  EXPECT_TRUE(list->IsAssign);
  EXPECT_EQ(list->UnitNumber, 7);
  EXPECT_EQ(list->Value, QStringLiteral("\"weather b.dat\""));
  EXPECT_EQ(list->currentText(), QStringLiteral("Mild"));
}

TEST_F(InputDeckTest, FileInputShowsTheNameAsWrittenEvenWhenTheFileIsMissing) {
  const auto elements = Read("file.pzd");
  ASSERT_EQ(G().ParseErrorState, 0);
  TFormElement* e = elements[0];
  auto* input = As<TOpenFile>(e->fileInput);
  EXPECT_EQ(e->kind, ElementKind::FileInput);
  EXPECT_EQ(e->name, "ASSIGN");
  EXPECT_EQ(input->FileName, QStringLiteral("\"C:\\my data\\in.dat\""));
  EXPECT_EQ(input->text(), input->FileName);
  EXPECT_EQ(input->UnitNumber, 12);
  EXPECT_EQ(e->helpId, 5);
  EXPECT_EQ(input->ControlHelpId(), 0);
  EXPECT_TRUE(input->isReadOnly());
  // Built after the label, then right-aligned to the content width, which
  // the input's own width makes.
  EXPECT_EQ(input->x(), e->label->x() + e->label->width() + form->WidthOf8 + 1);
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(InputDeckTest, TextLineWithAnInputKeepsItsHelpText) {
  const auto elements = Read("textline.pzd");
  ASSERT_EQ(elements.size(), 2u);
  TFormElement* e = elements[0];
  EXPECT_EQ(e->kind, ElementKind::TextLine);
  EXPECT_EQ(e->lineNumber, 2);
  auto* input = As<TInput>(e->valueInput);
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(input->text(), QStringLiteral("see manual"));
  EXPECT_FALSE(input->IsNumeric);
  EXPECT_TRUE(input->Tracked);
  EXPECT_EQ(input->HelpId, 42);
  EXPECT_EQ(input->maxLength(), 20);
  EXPECT_TRUE(e->hasHelpText);
  EXPECT_EQ(e->helpText, "42");
  EXPECT_GT(input->x(), e->label->x());
  EXPECT_EQ(elements[1]->valueInput, nullptr);
  EXPECT_EQ(As<TDescriptor>(elements[1]->label)->text(), QStringLiteral("Plain heading"));
  EXPECT_GT(elements[1]->label->y(), e->label->y());
}

TEST_F(InputDeckTest, AppLinkMakesAButtonAfterTheUnits) {
  const auto elements = Read("applink.pzd");
  TFormElement* e = elements[0];
  auto* button = As<TAppButton>(e->appButton);
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->LinkIndex, 2);
  EXPECT_EQ(button->Arguments, QStringLiteral("-run Flow.dat"));
  EXPECT_EQ(button->toolTip(), PlainHint(button->Arguments));
  EXPECT_FALSE(button->icon().isNull());
  const QWidget* input = e->valueInput;
  EXPECT_EQ(button->x(),
            input->x() + input->width() + e->unitsWidth + form->aveCharWidth(button->font()) + 10);
  EXPECT_EQ(button->y(), e->label->y() - 1);
}

TEST_F(InputDeckTest, MalformedInputsStopTheParseWithOneMessage) {
  struct Case {
    const char* deck;
    const char* message;
  } cases[] = {
      {"err_nounit.pzd", "****Input Error****\nASSIGN in.dat\n*|?Weather file|5"},
      {"err_notassign.pzd", "****Input Error****\nTANK = 25\n*|?Tank file"},
      {"err_factor0.pzd", "****Input Error****\nTANK = 2.5\n*|Tank volume|m3|gal|0|0|0.1|100.0|12"},
      {"err_noequals.pzd", "****Input Error****\nTANK 2.5\n*|Tank volume|m3|gal|0|264.172|0.1|100.0|12"},
      {"err_listdeck.pzd", "****Input Error****\nPUMP 2\n*|<Pump|pumps.lst|2|1"},
      {"err_missinglist.pzd", "nolist.lst was not found"},
      {"err_badcount.pzd", "File badcount.lst does not start with the number of rows"},
  };
  for (const Case& c : cases) {
    ui.clear();
    G().ParseErrorState = 0;
    Read(c.deck);
    EXPECT_EQ(G().ParseErrorState, 100) << c.deck;
    EXPECT_EQ(ui.texts(), QStringList{QString::fromUtf8(c.message)}) << c.deck;
    ASSERT_EQ(ui.messages().size(), 1u) << c.deck;
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error) << c.deck;
    EXPECT_TRUE(ui.messages()[0].beepBefore) << c.deck;
    EXPECT_FALSE(form->Shown()) << c.deck;
  }
}

TEST_F(InputDeckTest, LeavingABadValueForAnotherBadOneGivesOneMessageAndWritesNothing) {
  QFile deck(Deck("twoinputs.pzd"));
  ASSERT_TRUE(deck.open(QIODevice::ReadOnly));
  const QByteArray before = deck.readAll();
  const auto elements = Read("twoinputs.pzd");
  ASSERT_EQ(elements.size(), 2u);
  auto* a = As<TInput>(elements[0]->valueInput);
  auto* b = As<TInput>(elements[1]->valueInput);
  form->activateWindow();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  test::ModalBoxUi modal;
  a->setFocus(Qt::MouseFocusReason);
  a->selectAll();
  QTest::keyClicks(a, QStringLiteral("x"));
  QTest::mouseClick(b, Qt::LeftButton);  // b holds 500, above its maximum
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(modal.texts, QStringList{QStringLiteral("Illegal character in input")});
  EXPECT_TRUE(a->hasFocus());
  EXPECT_EQ(G().ParseErrorState, 100);
  EXPECT_EQ(a->Value, 50);
  EXPECT_EQ(b->Value, 500);
  deck.seek(0);
  EXPECT_EQ(deck.readAll(), before);
}

}  // namespace
}  // namespace pm
