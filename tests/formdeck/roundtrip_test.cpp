// Every deck of the fixtures and the demo, opened, saved under its own name
// and opened again, shows the same form; the file changes only where the
// write-back rebuilds lines.
#include "formdeck/ui/formdump.h"
#include "writebacksupport.h"

#include <QFileInfo>

#include <set>

namespace pm::test {
namespace {

struct RoundTripCase {
  const char* folder;  // under the fixture decks, or a folder of the source tree
  const char* deck;
  bool fromSource = false;
};

const RoundTripCase kRoundTripCases[] = {
    {"basic", "deck.pzd"},       {"source", "deck.pzd"},      {"lf", "deck.pzd"},
    {"crlf", "deck.pzd"},        {"cp1252", "deck.pzd"},      {"assign.v1.2", "plant.v2.pzd"},
    {"noext.v1", "HOUSE"},       {"tabwindows", "deck.pzd"},  {"messages", "deck.pzd"},
    {"valueinputs", "deck.pzd"}, {"writeback", "deck.pzd"},   {"units", "deck.pzd"},
    {"examples/demo", "Demo.pzd", true},
};

class RoundTripTest : public DeckCopyTest, public ::testing::WithParamInterface<RoundTripCase> {
 protected:
  // The lines whose values the write-back rebuilds.
  std::set<size_t> ValueLines() const {
    std::set<size_t> lines;
    for (const TFormElement* e = form->Model().Elements.Oldest(); e; e = e->newer) {
      const bool value = e->kind == ElementKind::NumericInput || e->kind == ElementKind::ListInput ||
                         e->kind == ElementKind::FileInput || (e->kind == ElementKind::TextLine && e->valueInput);
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
  const QByteArray original = FileBytes(deck);
  const QString before = DumpDeck(deck);

  Reopen(c.deck, 2);  // shown in inch-pound units, as after start-up
  const std::set<size_t> valueLines = ValueLines();
  form->WriteDeck(form->FileName());
  ASSERT_TRUE(form->SaveSucceeded);
  const QByteArray saved = FileBytes(deck);
  EXPECT_EQ(DumpDeck(deck), before);

  const std::vector<std::string> in = SplitLines(original);
  const std::vector<std::string> out = SplitLines(saved);
  ASSERT_EQ(out.size(), in.size());
  for (size_t i = 0; i < in.size(); ++i) {
    if (out[i] == in[i]) continue;
    const bool rewritten = valueLines.count(i + 1) > 0 || (in[i].empty() && out[i] == "*");
    EXPECT_TRUE(rewritten) << "line " << i + 1 << ": \"" << in[i] << "\" became \"" << out[i] << "\"";
  }
  EXPECT_TRUE(saved.endsWith("\r\n"));
  EXPECT_EQ(saved.count("\r\n"), static_cast<qsizetype>(out.size()));

  // A second save of the saved deck changes nothing.
  Reopen(c.deck, 1);
  form->WriteDeck(form->FileName());
  EXPECT_EQ(FileBytes(deck), saved);
}

INSTANTIATE_TEST_SUITE_P(Decks, RoundTripTest, ::testing::ValuesIn(kRoundTripCases),
                         [](const ::testing::TestParamInfo<RoundTripCase>& p) {
                           std::string name = p.param.folder;
                           for (char& ch : name) {
                             if (ch == '.' || ch == '/') ch = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace pm::test
