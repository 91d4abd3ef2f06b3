// Every dialog's lines, fed back through the parser, make the element the
// dialog stands for.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>
#include <string>
#include <vector>

#include "authoring/assigninput.h"
#include "authoring/equationscan.h"
#include "authoring/groupinput.h"
#include "authoring/listinput.h"
#include "authoring/pictureinput.h"
#include "authoring/textinput.h"
#include "authoring/valueinput.h"
#include "formdeck/headlessform.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/markuptext.h"
#include "formdeck/picturemarkup.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

using Lines = std::vector<std::string>;

std::string Padded(const std::string& description) {
  return description + std::string(63 - description.size(), ' ');
}

// Lines as the deck maker lays them out: padded constant descriptions,
// value lines ending in "|", "*|*" after every block, the card's list line.
Lines DeckMakerLines() {
  return {
      "*|*             INPUTS         ",
      "CONSTANTS  2",
      "TANKVOL=0.3",
      "*|" + Padded("Tank volume") + "|m3|ft3|0|35.31|0|100|",
      "AREA=2",
      "*|" + Padded("Collector area") + "|m2|ft2|0|10.764|0|1000|",
      "*|*",
      "EQUATIONS 3",
      "FLOW=TANKVOL*2",
      "HEAD = 3",
      "SPEED=AREA",
      "*|*",
      "START = 1",
      "*|<Start month|\"months.dat\"|1|2|",
      "ASSIGN \"weather.dat\" 12",
      "ASSIGN \"pumps.dat\" 14",
      "*|<Pump model|pumps.lst|1|2|",
      "END",
  };
}

int IndexOf(const EquationScan& scan, const std::string& name) {
  for (const EquationVariable& v : scan.variables) {
    if (v.name == name) return v.index;
  }
  ADD_FAILURE() << name << " not listed";
  return 0;
}

class MarkupParseTest : public GrammarTest {
 public:
  const FormModel& Built() const { return form.model; }
  std::vector<TFormElement*> MainPage() const { return Page(0); }

  void ParseLines(const VectorSourceLines& lines) {
    std::string text;
    for (const std::string& line : lines.Lines()) text += line + "\n";
    Parse(text);
    ASSERT_EQ(G().ParseErrorState, 0) << text;
    ASSERT_TRUE(ui.messages().empty()) << ui.messages().front().text.toStdString();
  }
  const TFormElement* Find(ElementKind kind, const std::string& nameOrText) const {
    for (const TFormElement* e : Page(0)) {
      if (e->kind == kind && (Trimmed(e->name) == nameOrText || e->text == nameOrText)) return e;
    }
    return nullptr;
  }
};

TEST_F(MarkupParseTest, TheDeckMakerLayoutParsesAndLoads) {
  VectorSourceLines lines(DeckMakerLines());
  ParseLines(lines);
  EXPECT_NE(Find(ElementKind::ListInput, "START"), nullptr);
  // Its value lines load, the empty help as 0.
  const VectorSourceLines constants(Lines{"EQUATIONS 1", "TANKVOL=0.3", DeckMakerLines()[3]});
  ValueFields f;
  std::string bad;
  ASSERT_TRUE(LoadValueLine(constants, -2, &f, &bad));
  EXPECT_EQ(Trimmed(f.label), "Tank volume");
  EXPECT_EQ(f.factor, "35.31");
  EXPECT_EQ(f.help, 0);
  // The separator after the equations is no input line of the last one.
  EXPECT_EQ(IndexOf(ScanEquations(lines, EquationInput::Numeric), "SPEED"), 11);
}

// The deck maker's own golden decks: every input line loads, and each
// variable rewritten through the value dialog still parses.
TEST_F(MarkupParseTest, TheDeckMakersDecksLoadAndTakeNewLines) {
  const QDir folder(QStringLiteral(PELMARK_FIXTURES_DIR "/authoring"));
  const QStringList cases = folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  int decks = 0;
  for (const QString& name : cases) {
    QFile file(folder.filePath(name + QStringLiteral("/expected.pzd")));
    if (!file.open(QIODevice::ReadOnly)) continue;
    SCOPED_TRACE(name.toStdString());
    ++decks;
    Lines deck;
    for (QByteArray line : file.readAll().split('\n')) {
      if (line.endsWith('\r')) line.chop(1);
      deck.push_back(line.toStdString());
    }
    const VectorSourceLines lines(deck);
    std::string bad;
    for (const EquationVariable& v : ScanEquations(lines, EquationInput::Numeric).variables) {
      ValueFields fields;
      EXPECT_TRUE(LoadValueLine(lines, v.index, &fields, &bad)) << v.name << " " << bad;
    }
    for (const EquationVariable& v : ScanEquations(lines, EquationInput::List).variables) {
      ListFields fields;
      EXPECT_TRUE(LoadListLine(lines, v.index, &fields, &bad)) << v.name << " " << bad;
    }
    for (const AssignStatement& s : ScanAssignStatements(lines)) {
      AssignFields fields;
      EXPECT_TRUE(LoadAssign(lines, s, &fields, &bad)) << s.unit << " " << bad;
    }
    VectorSourceLines written(deck);
    for (const EquationVariable& v : ScanEquations(written, EquationInput::Numeric).variables) {
      // Indices move as lines go in: each variable is found again.
      const int index = IndexOf(ScanEquations(written, EquationInput::Numeric), v.name);
      ValueInput input;
      ASSERT_TRUE(LoadValueLine(written, index, &input.fields, &bad));
      if (input.fields.minimum.empty()) input.fields.minimum = "0";
      if (input.fields.maximum.empty()) input.fields.maximum = "1";
      input.fontName = "Arial";
      input.fontStyle = "None";
      input.fontColor = "BLACK";
      input.valueColor = "BLUE";
      ASSERT_EQ(WriteValueInput(written, index, input), ValueField::None) << v.name;
    }
    form.model = FormModel();
    G().ParseErrorState = 0;
    ParseLines(written);
  }
  if (decks == 0) GTEST_SKIP() << "no deck-maker decks among the fixtures";
}

TEST_F(MarkupParseTest, EveryDialogsLinesParseIntoTheirElement) {
  struct Case {
    const char* what;
    std::function<void(VectorSourceLines&)> write;
    std::function<void(const MarkupParseTest&)> check;
  } cases[] = {
      {"value input with its own font",
       [](VectorSourceLines& lines) {
         ValueInput in;
         in.fields.label = "Flow rate";
         in.fields.primaryUnit = "kg/s";
         in.fields.secondaryUnit = "lb/h";
         in.fields.factor = "7936.6";
         in.fields.minimum = "0";
         in.fields.maximum = "10.00";
         in.fields.help = 120;
         in.fontName = "Times New Roman";
         in.fontSize = 12;
         in.fontStyle = "Bold";
         in.fontColor = "RED";
         in.valueColor = "PURPLE ";
         in.sameFont = false;
         ASSERT_EQ(WriteValueInput(lines, IndexOf(ScanEquations(lines, EquationInput::Numeric), "SPEED"), in),
                   ValueField::None);
       },
       [](const MarkupParseTest& t) {
         const TFormElement* e = t.Find(ElementKind::NumericInput, "SPEED");
         ASSERT_NE(e, nullptr);
         NumericMarkup m;
         ASSERT_TRUE(ReadNumericMarkup(e->markupLine, &m));
         EXPECT_EQ(m.label, "Flow rate");
         EXPECT_EQ(m.helpId, 120);
         EXPECT_EQ(m.maxText, "10.00");
         // Restored after the item: the slots end as the deck left them.
         EXPECT_EQ(t.Built().Slots.Font(2).name, "ARIAL");
         EXPECT_EQ(t.Built().Slots.Font(2).style, 0);
       }},
      {"value input keeping the font for what follows",
       [](VectorSourceLines& lines) {
         ValueInput in;
         in.fields.label = "Head";
         in.fields.minimum = "0";
         in.fields.maximum = "1";
         in.fontName = "Courier New";
         in.fontSize = 9;
         in.fontStyle = "Italic";
         in.fontColor = "NAVY";
         in.valueColor = "GREEN";
         ASSERT_EQ(WriteValueInput(lines, IndexOf(ScanEquations(lines, EquationInput::Numeric), "HEAD"), in),
                   ValueField::None);
       },
       [](const MarkupParseTest& t) {
         ASSERT_NE(t.Find(ElementKind::NumericInput, "HEAD"), nullptr);
         const FontSlot& font = t.Built().Slots.Font(2);
         EXPECT_EQ(font.name, "COURIER NEW");
         EXPECT_EQ(font.size, 9);
         EXPECT_EQ(font.style, StyleItalic);
         EXPECT_EQ(font.color, 0x800000u);  // navy
         EXPECT_EQ(t.Built().Slots.Font(3).color, 0x008000u);
       }},
      {"list input",
       [](VectorSourceLines& lines) {
         ListFields f;
         f.label = "Head class";
         f.fileName = "heads.dat";
         f.displayColumn = 1;
         f.valueColumn = 2;
         ASSERT_EQ(WriteListInput(lines, IndexOf(ScanEquations(lines, EquationInput::List), "HEAD"), f),
                   ListField::None);
       },
       [](const MarkupParseTest& t) {
         const TFormElement* e = t.Find(ElementKind::ListInput, "HEAD");
         ASSERT_NE(e, nullptr);
         ListMarkup m;
         ASSERT_TRUE(ReadListMarkup(e->markupLine, &m));
         EXPECT_EQ(m.listFile, "\"heads.dat\"");
         EXPECT_EQ(m.keyColumn, 2);
       }},
      {"text item",
       [](VectorSourceLines& lines) {
         lines.Select(8, 8);
         ASSERT_TRUE(WriteTextItem(
             lines, 8, TextItem{"Pumps and flows", "MS Sans Serif", 14, "Underline", "RED", "Center"}));
       },
       [](const MarkupParseTest& t) {
         ASSERT_NE(t.Find(ElementKind::TextLine, "Pumps and flows"), nullptr);
         const FontSlot& font = t.Built().Slots.Font(1);
         EXPECT_EQ(font.name, "MS SANS SERIF");
         EXPECT_EQ(font.size, 14);
         EXPECT_EQ(font.style, StyleUnderline);
         EXPECT_EQ(t.Built().Slots.align[0], AlignCenter);
       }},
      {"group",
       [](VectorSourceLines& lines) {
         lines.Select(7, 12);
         ASSERT_EQ(WriteGroup(lines, "Equations", "Equation values", "RGB(200,220,255)"), GroupRefusal::None);
       },
       [](const MarkupParseTest& t) {
         const TFormElement* e = t.Find(ElementKind::VisualGroup, "Equations");
         ASSERT_NE(e, nullptr);
       }},
      {"assign, open-file link",
       [](VectorSourceLines& lines) {
         const AssignStatement s = ScanAssignStatements(lines)[0];
         AssignFields f;
         std::string bad;
         ASSERT_TRUE(LoadAssign(lines, s, &f, &bad));
         f.link = AssignLink::OpenFile;
         f.description = "Weather";
         ASSERT_EQ(WriteAssign(lines, s, f), AssignField::None);
       },
       [](const MarkupParseTest& t) { ASSERT_NE(t.Find(ElementKind::FileInput, "Weather"), nullptr); }},
      {"assign, file reference rewritten",
       [](VectorSourceLines& lines) {
         const AssignStatement s = ScanAssignStatements(lines)[1];
         AssignFields f;
         std::string bad;
         ASSERT_TRUE(LoadAssign(lines, s, &f, &bad));
         f.fileName = "pumps two.dat";
         f.description = "Pump";
         ASSERT_EQ(WriteAssign(lines, s, f), AssignField::None);
       },
       [](const MarkupParseTest& t) {
         const TFormElement* e = t.Find(ElementKind::ListInput, "Pump");
         ASSERT_NE(e, nullptr);
         EXPECT_EQ(e->deckLine, "ASSIGN \"pumps two.dat\" 14");
       }},
      {"picture",
       [](VectorSourceLines& lines) {
         lines.Select(1, 1);
         ASSERT_TRUE(WritePicture(lines, "my plant.bmp", "Right"));
       },
       [](const MarkupParseTest& t) {
         const std::vector<TFormElement*> page = t.MainPage();
         ASSERT_FALSE(page.empty());
         const TFormElement* e = page[1];
         ASSERT_EQ(e->kind, ElementKind::Picture);
         EXPECT_EQ(ReadPictureMarkup(e->text, false).fileName, "my plant.bmp");
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    form.model = FormModel();
    G().ParseErrorState = 0;
    VectorSourceLines lines(DeckMakerLines());
    c.write(lines);
    ParseLines(lines);
    c.check(*this);
  }
}

}  // namespace
}  // namespace pm::test
