#include <functional>

#include "formdeck/assignfiles.h"
#include "formdeck/markupcolor.h"
#include "headlessform.h"

namespace pm::test {
namespace {

constexpr ColorValue kRed = 0x0000FF;
constexpr ColorValue kBlue = 0xFF0000;

// One deck per command row: what the line does to the form's slots and flags.
TEST_F(GrammarTest, CommandRows) {
  struct Case {
    const char* deck;
    std::function<void(const FormModel&)> check;
  } cases[] = {
      {"*|<FONT2> \"Times New Roman\" 12 BLUE BOLD\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.Font(2).name, "TIMES NEW ROMAN");
         EXPECT_EQ(m.Slots.Font(2).size, 12);
         EXPECT_EQ(m.Slots.Font(2).color, kBlue);
         EXPECT_EQ(m.Slots.Font(2).style, 0);  // styles come only from STYLE
       }},
      {"*|<FONT1> courier rgb(1,2,3)\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.Font(1).name, "COURIER");
         EXPECT_EQ(m.Slots.Font(1).color, 0x030201u);
       }},
      {"*|<FONT3> \"A FONT NAME LONGER THAN THIRTY CHARACTERS\"\n",
       [](const FormModel& m) { EXPECT_EQ(m.Slots.Font(3).name, "A FONT NAME LONGER THAN THIRTY"); }},
      {"*|<FONT1>   \n",
       [](const FormModel& m) { EXPECT_EQ(m.Slots.Font(1), FormSlots::Defaults().Font(1)); }},
      {"*|<TAB2>2.5CM\n*|<TAB1>1IN\n*|<TAB0>DEF\n*|<TAB3>DEF\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.tabs, (std::array<int, 4>{0, 96, 94, -1}));
       }},
      {"*|<TAB1>12\n*|<TAB0>-5\n*|<TAB2>  0.5in\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.tabs, (std::array<int, 4>{0, 12, 48, kTabUnset}));
       }},
      {"*|<ALIGN1> LEFT RIGHT\n*|<ALIGN2> center\n*|<ALIGN3> NOWHERE\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.align, (std::array<std::uint8_t, 3>{AlignRight, AlignCenter, AlignLeft}));
       }},
      {"*|<STYLE3> BOLD ITALIC\n*|<STYLE2> UNDERLINE\n*|<STYLE1> BOLD NONE\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.Font(3).style, StyleBold | StyleItalic);
         EXPECT_EQ(m.Slots.Font(2).style, StyleUnderline);
         EXPECT_EQ(m.Slots.Font(1).style, 0);
       }},
      {"*|<COLOR1> RGB(255,0,0)\n*|<COLOR2> red\n*|<COLOR3> RGB(256,0,0)\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Slots.Font(1).color, kRed);
         EXPECT_EQ(m.Slots.Font(2).color, kRed);
         EXPECT_EQ(m.Slots.Font(3).color, kRed);  // clamped, not black
       }},
      {"*|<SIZE3> 14\n", [](const FormModel& m) { EXPECT_EQ(m.Slots.Font(3).size, 14); }},
      {"*|<BACKGROUND> YELLOW\n", [](const FormModel& m) { EXPECT_EQ(m.Background, 0x00FFFFu); }},
      {"*|<BEFORE> runprep /data/In.txt\n*|<AFTER>  post Out.dat \n*|<BEFORE1>a1\n*|<AFTER1> b1\n",
       [](const FormModel& m) {
         EXPECT_EQ(m.Before, "runprep /data/In.txt");  // as written
         EXPECT_EQ(m.After, "post Out.dat");
         EXPECT_EQ(m.Before1, "a1");
         EXPECT_EQ(m.After1, "b1");
       }},
      {"*|<WINDOWSIZE>\n", [](const FormModel& m) { EXPECT_TRUE(m.WindowSizeMaximize); }},
      {"*|<FONT1 ARIAL\n",  // no ">": no command, a list input
       [](const FormModel& m) {
         ASSERT_NE(m.Elements.First(0), nullptr);
         EXPECT_EQ(m.Elements.First(0)->kind, ElementKind::ListInput);
         EXPECT_EQ(m.Slots.Font(1), FormSlots::Defaults().Font(1));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deck);
    form.model = FormModel();
    ui.clear();
    Parse(c.deck);
    EXPECT_EQ(G().ParseErrorState, 0);
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('|')).toStdString();
    c.check(form.model);
  }
}

TEST_F(GrammarTest, MarkerLine) {
  struct Case {
    const char* deck;
    bool message;
    bool maximize;
  } cases[] = {
      {"* a\n* b\n*PLENZO MAXIMIZE\n", false, true},
      {"*plenzo maximize\n", false, true},
      {"*PLENZO MAXIMIZED\n", false, false},
      {"1\n2\n3\n4\n5\n*PLENZO\n", true, false},  // the sixth line is too late
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.deck);
    ui.clear();
    path = Write(std::string(c.deck) + "TANK = 1\n*|Tank|m3|gal|0|1|0|9|1\n");
    DeckParser(form, nullptr).ParseDeck(path);
    EXPECT_EQ(form.model.MaximizeForm, c.maximize);
    EXPECT_EQ(G().ParseErrorState, 0);
    ASSERT_EQ(ui.messages().size(), c.message ? 1u : 0u);
    EXPECT_EQ(form.model.Elements.Count(), 1u);  // read in either case
  }
  EXPECT_EQ(ui.messages()[0].text,
            QStringLiteral("File ") + path +
                QStringLiteral(
                    " is missing the *PLENZO comment line which should be within the first 5 lines of "
                    "the file.  Please add this line or change the filename extension to .DCK if this is "
                    "not intended to be a Mivaro file."));
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Information);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
}

TEST_F(GrammarTest, MissingMarkerIsNoMatterForOtherExtensions) {
  path = Write("TANK = 1\n", QStringLiteral("plain.dck"));
  DeckParser(form, nullptr).ParseDeck(path);
  EXPECT_TRUE(ui.messages().empty());
}

TEST_F(GrammarTest, AMissingDeckFailsTheParse) {
  path = dir.filePath(QStringLiteral("gone.pzd"));
  DeckParser(form, nullptr).ParseDeck(path);
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Error 2.  Cannot open file ") + path + QLatin1Char('.')});
  EXPECT_EQ(G().ParseErrorState, 100);
  EXPECT_TRUE(form.model.ParseFailed);
}

TEST_F(GrammarTest, HiddenLinesAndThePreviousLine) {
  Parse("*|[Box|Shown later\n*|#TANK = 2.5\n\n*|#*|Tank|m3|gal|0|1|0|9|1\n*|]\n");
  ASSERT_EQ(G().ParseErrorState, 0);
  const std::vector<TFormElement*> page = Page(0);
  ASSERT_EQ(page.size(), 2u);
  const TFormElement& input = *page[1];
  EXPECT_EQ(input.kind, ElementKind::NumericInput);
  EXPECT_EQ(input.deckLine, "TANK = 2.5");
  EXPECT_EQ(input.lineNumber, 3);  // the deck line's own number, not the empty line's
  EXPECT_EQ(input.name, "TANK ");
  EXPECT_EQ(input.valueText, "2.5");
  EXPECT_TRUE(input.inGroup);
  EXPECT_EQ(input.group, page[0]);
}

TEST_F(GrammarTest, AnInputUnderAMarkupLineIsAnError) {
  Parse("TANK = 2.5\n*|<FONT2> ARIAL\n*|Tank|m3|gal|0|1|0|9|1\n*|<FONT9>\n");
  EXPECT_EQ(ui.texts(),
            QStringList{QStringLiteral("****Input Error****\n*|<FONT2> ARIAL\n*|Tank|m3|gal|0|1|0|9|1")});
  EXPECT_EQ(G().ParseErrorState, 100);
}

TEST_F(GrammarTest, DeckLinesAreNeverCut) {
  const std::string longValue(400, '7');
  Parse("LONG = " + longValue + "\n*|Long|m|ft|0|1|0|9|1\n");
  ASSERT_EQ(Page(0).size(), 1u);
  EXPECT_EQ(Page(0)[0]->deckLine, "LONG = " + longValue);
  EXPECT_EQ(Page(0)[0]->valueText, longValue);
}

TEST_F(GrammarTest, ElementsCountAndChain) {
  Parse(
      "*|*Title\nA = 1\n*|A|m|ft|0|1|0|9|1\n*|(Mode|Pick\n*|One|G1\n*|Two|G2//checked\n*|)\n"
      "*|<PICTURE>plant.bmp RIGHT\nB = 2\n*|B|m|ft|0|1|0|9|1\n");
  ASSERT_EQ(G().ParseErrorState, 0);
  const std::vector<TFormElement*> page = Page(0);
  ASSERT_EQ(page.size(), 5u);
  std::vector<int> numbers;
  std::vector<ElementKind> kinds;
  for (TFormElement* e : page) {
    numbers.push_back(e->number);
    kinds.push_back(e->kind);
  }
  EXPECT_EQ(numbers, (std::vector<int>{1, 2, 0, 0, 3}));
  EXPECT_EQ(kinds, (std::vector<ElementKind>{ElementKind::TextLine, ElementKind::NumericInput,
                                             ElementKind::RadioGroup, ElementKind::Picture,
                                             ElementKind::NumericInput}));
  EXPECT_EQ(page[2]->name, "Mode");
  EXPECT_EQ(page[2]->lineNumber, 5);
  EXPECT_EQ(page[3]->lineNumber, 9);
  // The all-elements chain runs newest first.
  EXPECT_EQ(form.model.Elements.Newest(), page[4]);
  EXPECT_EQ(page[4]->older, page[3]);
  EXPECT_EQ(page[0]->newer, page[1]);
}

TEST_F(GrammarTest, CommandsInAGroupGoToItsBoxToo) {
  Parse("*|[Box|Caption\n*|<BEFORE> prep A\n*|<AFTER1> post B\n*|]\n*|<BEFORE> prep C\n");
  ASSERT_EQ(form.groupCommands.size(), 2u);
  EXPECT_EQ(form.groupCommands[0].group, "Box");
  EXPECT_TRUE(form.groupCommands[0].before);
  EXPECT_EQ(form.groupCommands[0].command, "prep A");
  EXPECT_FALSE(form.groupCommands[1].before);
  EXPECT_EQ(form.model.Before, "prep C");
  EXPECT_EQ(form.model.After1, "post B");
}

TEST_F(GrammarTest, AppLinkIndexReachesTheImages) {
  Parse("*|<APPLINK2> chart.bmp CENTER -open data.txt\n*|<IMG SRC=\"house.jpg\">\n*|<APPLINKX> a.bmp\n");
  const std::vector<TFormElement*> page = Page(0);
  ASSERT_EQ(page.size(), 3u);
  EXPECT_EQ(page[0]->kind, ElementKind::LinkedPicture);
  EXPECT_EQ(page[0]->text, "chart.bmp CENTER -open data.txt");
  EXPECT_EQ(page[1]->kind, ElementKind::LinkedPicture);  // after APPLINK2
  EXPECT_EQ(page[2]->kind, ElementKind::LinkedPicture);  // index 99
}

TEST_F(GrammarTest, ContainsTestsMakeSomeLabelsCommands) {
  // A text line holding "*|[" opens a group: the order of the tests decides.
  Parse("*|*Use *|[ with care\n");
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("This file is missing a group close command.")});
}

TEST_F(GrammarTest, TabWindowsBuildPages) {
  Parse(
      "*|*Main text\n"
      "*|<TABWINDOW NAME=\"Pumps\">\nP1 = 1\n*|P1|m|ft|0|1|0|9|1\n*|</TABWINDOW>\n"
      "*|*More main\n"
      "*|<TabWindow name=\"pumps\">\nP2 = 2\n*|P2|m|ft|0|1|0|9|1\n*|</TABWINDOW>\n"
      "*|<TABWINDOW NAME=\"Main\">\n*|*Main again\n*|</TABWINDOW>\n");
  ASSERT_EQ(G().ParseErrorState, 0);
  EXPECT_EQ(form.tabs, (std::vector<QString>{QStringLiteral("Main"), QStringLiteral("Pumps")}));
  EXPECT_EQ(form.model.HighestPage, 1);
  std::vector<std::string> main;
  for (TFormElement* e : Page(0)) main.push_back(e->text);
  EXPECT_EQ(main, (std::vector<std::string>{"Main text", "More main", "Main again"}));
  std::vector<std::string> pumps;
  for (TFormElement* e : Page(1)) pumps.push_back(e->name);
  EXPECT_EQ(pumps, (std::vector<std::string>{"P1 ", "P2 "}));  // the page continues its own chain
  EXPECT_EQ(form.container, 0);
}

TEST_F(GrammarTest, SourceTabShiftsPagesByOne) {
  form.source = true;
  form.tabs = {QStringLiteral("Source")};
  Parse("*|<TABWINDOW NAME=\"Pumps\">\n*|*On pumps\n*|</TABWINDOW>\n");
  EXPECT_EQ(form.tabs, (std::vector<QString>{QStringLiteral("Source"), QStringLiteral("Main"),
                                             QStringLiteral("Pumps")}));
  ASSERT_EQ(Page(1).size(), 1u);
  form.model = FormModel();
  Parse("*|*Only main\n");
  EXPECT_EQ(form.tabs, (std::vector<QString>{QStringLiteral("Source"), QStringLiteral("Main")}));
}

TEST_F(GrammarTest, TwentyTabWindowsFitTheTwentyFirstDoesNot) {
  std::string deck;
  for (int i = 1; i <= 21; ++i) deck += "*|<TABWINDOW NAME=\"T" + std::to_string(i) + "\">\n*|</TABWINDOW>\n";
  Parse(deck);
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("***Input Error***   *|<TABWINDOW NAME=\"T21\">")});
  EXPECT_EQ(form.model.HighestPage, 20);
  EXPECT_EQ(form.TabCount(), 21);  // Main and T1 to T20
}

TEST_F(GrammarTest, ReusedTabWindowsDoNotUseUpPages) {
  std::string deck;
  for (int i = 1; i <= 30; ++i) deck += "*|<TABWINDOW NAME=\"Same\">\n*|</TABWINDOW>\n";
  Parse(deck);
  EXPECT_EQ(G().ParseErrorState, 0);
  EXPECT_EQ(form.model.HighestPage, 1);
}

TEST_F(GrammarTest, ChoiceItemsAreReadByTheGroup) {
  Parse(
      "*|{Options|Choose\n** a comment\n*|Show details|Details\n*|no bar here\n*|Hide details|_Details\n*|}\n"
      "X = 1\n*|X|m|ft|0|1|0|9|1\n");
  ASSERT_EQ(G().ParseErrorState, 0);
  ASSERT_EQ(Page(0).size(), 2u);
  EXPECT_EQ(Page(0)[0]->kind, ElementKind::CheckBoxGroup);
  EXPECT_EQ(Page(0)[1]->lineNumber, 8);  // the deck line after the closing line
}

TEST_F(GrammarTest, AssignLinesFillTheList) {
  Parse(
      "ASSIGN ***.LST 6\nASSIGN \"my file.dat\" 7\nassign  in.dat 8\nASSIGNX no.dat\n*|#ASSIGN hidden.dat "
      "9\nASSIGN lone\n"
      "ASSIGN \"open quote.dat 5\n",
      QStringLiteral("plant.v2.pzd"));
  EXPECT_EQ(G().AssignFileList, (QStringList{dir.filePath(QStringLiteral("plant.v2.LST")),
                                             QStringLiteral("\"my file.dat\""), QStringLiteral("in.dat"),
                                             QStringLiteral("lone"), QStringLiteral("\"open quote.dat 5")}));
}

TEST(AssignFiles, BaseNameDropsTheExtensionOfTheFileNameOnly) {
  struct Case {
    const char* deck;
    const char* expected;
  } cases[] = {
      {"/data/v1.2/HOUSE", "/data/v1.2/HOUSE.LST"},     {"/data/HOUSE.PZD", "/data/HOUSE.LST"},
      {"/data/plant.v2.pzd", "/data/plant.v2.LST"},     {"HOUSE.PZD", "HOUSE.LST"},
      {"\"/my data/HOUSE.PZD\"", "/my data/HOUSE.LST"},
  };
  for (const Case& c : cases) {
    QString name;
    ASSERT_TRUE(AssignFileName(QString::fromUtf8(c.deck), "ASSIGN ***.LST 6", &name));
    EXPECT_EQ(name, QString::fromUtf8(c.expected)) << c.deck;
  }
  QString name;
  EXPECT_FALSE(AssignFileName(QStringLiteral("x.pzd"), "* ASSIGN a.dat 1", &name));
}

TEST_F(GrammarTest, ColorOutsideAParseIsSilentUnlessMalformed) {
  ColorValue v = 0;
  G().ParseErrorState = 100;  // left over from a failed input check
  EXPECT_FALSE(ParseColor("ARIAL", &v, 7));
  EXPECT_TRUE(ui.messages().empty());
  G().ParseErrorState = 0;
  EXPECT_TRUE(ParseColor("rgb(1,2", &v, 7));
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Syntax error in line 7: RGB(1,2")});
  EXPECT_EQ(G().ParseErrorState, 100);
}

TEST_F(GrammarTest, ReparseStartsFromTheCreationDefaults) {
  Parse(
      "*|<FONT1> COURIER 20\n*|<TAB1>40\n*|<BACKGROUND> NAVY\n*|<WINDOWSIZE>\n"
      "*|<TABWINDOW NAME=\"Pumps\">\n*|</TABWINDOW>\n");
  Parse("*|*Plain\n");
  EXPECT_EQ(form.model.Slots, FormSlots::Defaults());
  EXPECT_EQ(form.model.Background, kWindowColor);
  EXPECT_FALSE(form.model.WindowSizeMaximize);
  EXPECT_EQ(form.model.HighestPage, 0);
  EXPECT_TRUE(form.tabs.empty());
  EXPECT_EQ(Page(0).size(), 1u);
}

}  // namespace
}  // namespace pm::test
