// Every deck of the fixtures and the demo, opened, saved under its own name
// and opened again, shows the same form; the file changes only where the
// write-back rebuilds lines.
#include <QFileInfo>
#include <QRegularExpression>
#include <set>

#include "formdeck/ui/formdump.h"
#include "writebacksupport.h"

namespace pm::test {
namespace {

struct RoundTripCase {
  const char* folder;  // under the fixture decks, or a folder of the source tree
  const char* deck;
  bool fromSource = false;
  // False where the deck disagrees with itself and the save puts it right.
  bool sameForm = true;
};

const RoundTripCase kRoundTripCases[] = {
    {"basic", "deck.pzd"},
    {"source", "deck.pzd"},
    {"lf", "deck.pzd"},
    {"crlf", "deck.pzd"},
    {"cp1252", "deck.pzd"},
    {"assign.v1.2", "plant.v2.pzd"},
    {"noext.v1", "HOUSE"},
    {"tabwindows", "deck.pzd"},
    {"messages", "deck.pzd"},
    {"valueinputs", "deck.pzd"},
    {"groups", "deck.pzd"},
    {"writeback", "deck.pzd"},
    {"units", "deck.pzd"},
    {"inputs", "applink.pzd"},
    {"inputs", "expression.pzd"},
    {"inputs", "file.pzd"},
    {"inputs", "list.pzd"},
    {"inputs", "listassign.pzd"},
    {"inputs", "listfollower.pzd", false, false},  // the follower takes its leader's row
    {"inputs", "listnomatch.pzd"},
    {"inputs", "numeric.pzd"},
    {"inputs", "scientific.pzd"},
    {"inputs", "textline.pzd"},
    {"inputs", "twoinputs.pzd"},
    {"examples/demo", "Demo.pzd", true},
};

// The dump of a deck. The shown flag of a box is what its opener declared;
// the save writes the state the choices give, so the flag may change while
// the form stays the same.
QString FormOf(const QString& deck) {
  QString dump = DumpDeck(deck);
  static const QRegularExpression declared(QStringLiteral("(\\n    box \"[^\"]*\" shown) (yes|no)"));
  dump.replace(declared, QStringLiteral("\\1 -"));
  return dump;
}

class RoundTripTest : public DeckCopyTest, public ::testing::WithParamInterface<RoundTripCase> {
 protected:
  // The lines whose values the write-back rebuilds.
  std::set<size_t> ValueLines() const {
    std::set<size_t> lines;
    for (const TFormElement* e = form->Model().Elements.Oldest(); e; e = e->newer) {
      const bool value = e->kind == ElementKind::NumericInput || e->kind == ElementKind::ListInput ||
                         e->kind == ElementKind::FileInput ||
                         (e->kind == ElementKind::TextLine && e->valueInput);
      if (value) lines.insert(static_cast<size_t>(e->lineNumber));
    }
    return lines;
  }
};

TEST_P(RoundTripTest, SavingUnderTheSameNameKeepsTheForm) {
  const RoundTripCase& c = GetParam();
  const QString source = c.fromSource ? QStringLiteral(PELMARK_SOURCE_DIR "/") + QLatin1String(c.folder)
                                      : FixtureDeckFolder(c.folder);
  UseSubFolder(QFileInfo(source).fileName());
  CopyFolderFiles(source, folder_);
  const QString deck = Path(QLatin1String(c.deck));
  const QByteArray original = ReadBytes(deck);
  const QString before = FormOf(deck);

  Reopen(c.deck, 2);  // shown in inch-pound units, as after start-up
  const std::set<size_t> valueLines = ValueLines();
  form->WriteDeck(form->FileName());
  ASSERT_TRUE(form->SaveSucceeded);
  const QByteArray saved = ReadBytes(deck);
  const QString after = FormOf(deck);
  if (c.sameForm) {
    EXPECT_EQ(after, before);
  }

  const std::vector<std::string> in = SplitLines(original);
  const std::vector<std::string> out = SplitLines(saved);
  ASSERT_EQ(out.size(), in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (out[i] == in[i]) continue;
    // Value lines, empty lines, and the hidden prefixes of group lines.
    const bool prefix = out[i] == "*|#" + in[i] || in[i] == "*|#" + out[i];
    const bool rewritten = valueLines.count(i + 1) > 0 || (in[i].empty() && out[i] == "*") || prefix;
    EXPECT_TRUE(rewritten) << "line " << i + 1 << ": \"" << in[i] << "\" became \"" << out[i] << "\"";
  }
  EXPECT_TRUE(saved.endsWith("\r\n"));
  EXPECT_EQ(saved.count("\r\n"), static_cast<qsizetype>(out.size()));

  // A second save of the saved deck changes nothing.
  Reopen(c.deck, 1);
  form->WriteDeck(form->FileName());
  EXPECT_EQ(ReadBytes(deck), saved);
  EXPECT_EQ(FormOf(deck), after);
}

INSTANTIATE_TEST_SUITE_P(Decks, RoundTripTest, ::testing::ValuesIn(kRoundTripCases),
                         [](const ::testing::TestParamInfo<RoundTripCase>& p) {
                           std::string name = std::string(p.param.folder) + "_" + p.param.deck;
                           for (char& ch : name) {
                             if (ch == '.' || ch == '/') ch = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace pm::test
