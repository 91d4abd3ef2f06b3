#include <QPlainTextEdit>
#include <QTextBlock>

#include "formtestsupport.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

// Counts what the parse asks of the progress window.
class FakeProgress final : public ParseProgress {
 public:
  void Show() override { shown = true; }
  void Hide() override { shown = false; }
  bool IsShown() const override { return shown; }
  void ForceNextUpdate() override { ++forced; }
  void Update(int n) override { updates.push_back(n); }
  bool shown = false;
  int forced = 0;
  std::vector<int> updates;
};

struct BrokenDeck {
  const char* file;
  const char* message;  // "%1" stands for the deck's path
  MessageIcon icon;
  bool beep;
  bool stops;
};

// Each deck of the corpus and the one message it must produce. The decks
// that stop end with a line that would give a second message if read.
const BrokenDeck kBrokenDecks[] = {
    {"font-slot", "***Input Error***   *|<FONT4> ARIAL", MessageIcon::Error, true, true},
    {"tab-slot", "***Input Error***   *|<TAB4>1IN", MessageIcon::Error, true, true},
    {"tab-empty", "***Input Error***   *|<TAB1>", MessageIcon::Error, true, true},
    {"tab-number", "***Input Error***   *|<TAB1>1.2.3CM", MessageIcon::Error, true, true},
    {"size-integer", "***Input Error***   *|<SIZE2> 12PT", MessageIcon::Error, true, true},
    {"size-below-one", "***Input Error***   *|<SIZE2>-5", MessageIcon::Error, true, true},
    {"size-zero", "***Input Error***   *|<SIZE1> 0", MessageIcon::Error, true, true},
    {"font-size", "***Input Error***   *|<FONT1> ARIAL 12PT", MessageIcon::Error, true, true},
    {"font-quote", "***Input Error***   *|<FONT1> \"TIMES NEW", MessageIcon::Error, true, true},
    {"align-slot", "***Input Error***   *|<ALIGN0> LEFT", MessageIcon::Error, true, true},
    {"style-slot", "***Input Error***   *|<STYLE4> BOLD", MessageIcon::Error, true, true},
    {"color-slot", "***Input Error***   *|<COLOR9> RED", MessageIcon::Error, true, true},
    {"color-word", "***Unrecognized color***   *|<COLOR1> ORANGE", MessageIcon::Error, true, true},
    {"color-rgb", "Syntax error in line 2: RGB(1,2", MessageIcon::Information, true, true},
    {"color-rgb-component", "Syntax error in line 2: RGB(1,X,3)", MessageIcon::Information, true, true},
    {"background", "***Unrecognized color***   *|<BACKGROUND> ORANGE", MessageIcon::Error, true, false},
    {"group-nested", "Line 3.  Groups cannot be nested.", MessageIcon::Error, true, true},
    {"group-close", "Line 2.  Group close command encountered with no open group.", MessageIcon::Error, true,
     true},
    {"group-unclosed", "This file is missing a group close command.", MessageIcon::Error, false, true},
    {"group-undefined", "Group Nope is not defined.", MessageIcon::Error, true, true},
    {"tab-in-group", "The *|<TabWindow> command can not be placed within a group", MessageIcon::Error, true,
     true},
    {"tab-nested", "Tab windows cannot be nested.  Tab window Pumps has not been closed", MessageIcon::Error,
     true, true},
    {"tab-close-in-group", "The *|</TabWindow> command can not be placed within a group", MessageIcon::Error,
     true, true},
    {"tab-close-misplaced", "The *|</TabWindow> command is misplaced as there is not an open tab window",
     MessageIcon::Error, true, true},
    {"tab-name-missing", "***Input Error***   *|<TABWINDOW Pumps>", MessageIcon::Error, true, true},
    {"tab-name-quote", "***Input Error***   *|<TABWINDOW NAME=Pumps>", MessageIcon::Error, true, true},
    {"tab-name-unclosed", "***Input Error***   *|<TABWINDOW NAME=\"Pumps>", MessageIcon::Error, true, true},
    {"tab-name-empty", "***Input Error***   *|<TABWINDOW NAME=\"\">", MessageIcon::Error, true, true},
    {"tab-name-source", "***Input Error***   *|<TABWINDOW NAME=\"source\">", MessageIcon::Error, true, true},
    {"tab-21", "***Input Error***   *|<TABWINDOW NAME=\"T21\">", MessageIcon::Error, true, true},
    {"checkbox-empty-line", "Error in line 4.  Checkbox command expected.", MessageIcon::Error, true, true},
    {"checkbox-comment", "Error in line 3.  Checkbox command expected.", MessageIcon::Error, true, true},
    {"choice-nested", "Error in line 3.  Groups cannot be nested.", MessageIcon::Error, true, true},
    {"input-under-markup", "****Input Error****\n*|<FONT2> ARIAL\n*|Tank|m3|gal|0|1|0|9|1",
     MessageIcon::Error, true, true},
    {"picture-missing", "Figure file nothere.bmp was not found", MessageIcon::Error, true, true},
    {"picture-damaged", "Figure file damaged.bmp could not be read", MessageIcon::Error, true, true},
    {"picture-damaged-jpeg", "Figure file damaged.jpg could not be read", MessageIcon::Error, true, true},
    {"picture-quote", "Missing quote character in my small.bmp LEFT", MessageIcon::Error, true, true},
    {"img-src", "Syntax error:  missing SRC=\"  *|<IMG SRC=small.bmp>", MessageIcon::Error, true, true},
    {"img-usemap", "UseMap file none.map was not found", MessageIcon::Error, true, true},
    {"img-href-quote", "Missing \":  *|<IMG SRC=\"small.bmp\" HREF=\"#Pumps>", MessageIcon::Error, true, true},
    {"img-hint-quote", "Missing \" in line 2:  *|<IMG SRC=\"small.bmp\" HINT=\"Pumps>", MessageIcon::Error, true,
     true},
    {"img-align-quote", "Missing \":  *|<IMG SRC=\"small.bmp\" ALIGN=\"right>", MessageIcon::Error, true, true},
    {"img-map-quote", "Missing \":  *|<IMG SRC=\"small.bmp\" USEMAP=\"unclosed.map\">", MessageIcon::Error, true,
     true},
    // A bad COORDS leaves its area dead and the parse goes on.
    {"img-coords", "Syntax error in COORDS in badcoords.map, line 2:  HREF=\"#Tanks\" COORDS=\"0,0,ten,10\"",
     MessageIcon::Error, true, false},
    {"missing-marker",
     "File %1 is missing the *PLENZO comment line which should be within the first 5 lines of the file.  "
     "Please "
     "add this line or change the filename extension to .DCK if this is not intended to be a Mivaro file.",
     MessageIcon::Information, true, false},
};

class BrokenDeckTest : public FormTest, public ::testing::WithParamInterface<BrokenDeck> {};

TEST_P(BrokenDeckTest, ShowsItsMessageAndStopsAtTheFirstError) {
  const BrokenDeck& c = GetParam();
  const QString path = QStringLiteral(PELMARK_FIXTURES_DIR "/decks/broken/%1.pzd").arg(QLatin1String(c.file));
  FakeProgress progress;
  host.progress = &progress;
  form->ClearTabs();
  form->ReadDeck(path);
  ASSERT_EQ(ui.messages().size(), 1u) << ui.texts().join(QLatin1Char('|')).toStdString();
  const ScriptedUi::Message& m = ui.messages()[0];
  // Message boxes show at most 255 characters.
  EXPECT_EQ(m.text, QString::fromUtf8(c.message).replace(QStringLiteral("%1"), path).left(255));
  EXPECT_EQ(m.icon, c.icon);
  EXPECT_EQ(m.beepBefore, c.beep);
  EXPECT_EQ(G().ParseErrorState, c.stops ? 100 : 0);
  EXPECT_EQ(form->Model().ParseFailed, c.stops);
  EXPECT_EQ(form->isHidden(), c.stops);
  EXPECT_FALSE(progress.shown);
  ASSERT_FALSE(progress.updates.empty());
  EXPECT_EQ(progress.updates.front(), 0);
  EXPECT_EQ(host.inputModifiedCleared, c.stops ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Corpus, BrokenDeckTest, ::testing::ValuesIn(kBrokenDecks),
                         [](const ::testing::TestParamInfo<BrokenDeck>& p) {
                           std::string name = p.param.file;
                           for (char& ch : name) {
                             if (ch == '-') ch = '_';
                           }
                           return name;
                         });

// The deck line at fault for each message that stops the parse: the
// line in hand, an unclosed group's opener, the choice group naming an
// undefined group; 0 when the parse goes on.
struct ErrorLineCase {
  const char* deck;  // under decks/
  int line;
};

const ErrorLineCase kErrorLines[] = {
    {"broken/align-slot.pzd", 2},          {"broken/background.pzd", 0},
    {"broken/checkbox-comment.pzd", 3},    {"broken/checkbox-empty-line.pzd", 4},
    {"broken/choice-nested.pzd", 3},       {"broken/color-rgb-component.pzd", 2},
    {"broken/color-rgb.pzd", 2},           {"broken/color-slot.pzd", 2},
    {"broken/color-word.pzd", 2},          {"broken/font-quote.pzd", 2},
    {"broken/font-size.pzd", 2},           {"broken/font-slot.pzd", 2},
    {"broken/group-close.pzd", 2},         {"broken/group-nested.pzd", 3},
    {"broken/group-unclosed.pzd", 2},      {"broken/group-undefined.pzd", 3},
    {"broken/input-under-markup.pzd", 4},  {"broken/missing-marker.pzd", 0},
    {"broken/size-integer.pzd", 2},        {"broken/style-slot.pzd", 2},
    {"broken/tab-21.pzd", 42},             {"broken/tab-close-in-group.pzd", 4},
    {"broken/tab-close-misplaced.pzd", 2}, {"broken/tab-empty.pzd", 2},
    {"broken/tab-in-group.pzd", 3},        {"broken/tab-name-empty.pzd", 2},
    {"broken/tab-name-missing.pzd", 2},    {"broken/tab-name-quote.pzd", 2},
    {"broken/tab-name-source.pzd", 2},     {"broken/tab-name-unclosed.pzd", 2},
    {"broken/tab-nested.pzd", 3},          {"broken/tab-number.pzd", 2},
    {"broken/tab-slot.pzd", 2},            {"inputs/err_missinglist.pzd", 3},
    {"inputs/err_nounit.pzd", 3},          {"broken/picture-missing.pzd", 2},
    {"broken/picture-damaged.pzd", 2},     {"broken/picture-damaged-jpeg.pzd", 2},
    {"broken/picture-quote.pzd", 2},       {"broken/img-src.pzd", 2},
    {"broken/img-usemap.pzd", 2},          {"broken/img-href-quote.pzd", 2},
    {"broken/img-hint-quote.pzd", 2},      {"broken/img-align-quote.pzd", 2},
    {"broken/img-map-quote.pzd", 2},       {"broken/img-coords.pzd", 0},
};

TEST_F(FormTest, AStoppedParseRecordsTheLineAtFaultAndTheSourceOpensOnIt) {
  for (const ErrorLineCase& c : kErrorLines) {
    SCOPED_TRACE(c.deck);
    const QString path = QStringLiteral(PELMARK_FIXTURES_DIR "/decks/") + QLatin1String(c.deck);
    ui.clear();
    G().ParseErrorState = 0;
    form->ClearTabs();
    form->AddSourceTab();
    form->ReadDeck(path);
    form->LoadEditor(path);
    EXPECT_EQ(form->ErrorLine, c.line);
    // The window keeps the deck's name either way.
    EXPECT_EQ(form->windowTitle(), path);
    const QString selected = form->Editor()->textCursor().selectedText();
    if (c.line > 0) {
      EXPECT_EQ(selected, form->Editor()->document()->findBlockByNumber(c.line - 1).text());
      EXPECT_EQ(form->Editor()->textCursor().blockNumber(), c.line - 1);
    } else {
      EXPECT_TRUE(selected.isEmpty());
    }
  }
}

}  // namespace
}  // namespace pm::test
