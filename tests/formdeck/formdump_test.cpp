// Decks in, dumps out: each case folder under tests/fixtures/decks holds a
// deck and the dump it must give. A new case's expected.dump is written with
// build/bin/formdump and then checked line by line before it is committed.
#include "formdeck/ui/formdump.h"

#include <QFile>
#include <QProcess>

#include "formtestsupport.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

struct GoldenCase {
  const char* folder;
  const char* deck;  // relative to the folder, or to the source tree when from the source
  bool withSource;
  bool fromSource;
};

const GoldenCase kGoldenCases[] = {
    {"basic", "deck.pzd", false, false},            // every command built so far
    {"source", "deck.pzd", true, false},            // the same deck with a Source tab first
    {"lf", "deck.pzd", false, false},               // LF line ends ...
    {"crlf", "deck.pzd", false, false},             // ... and CRLF give the same dump
    {"cp1252", "deck.pzd", false, false},           // Windows-1252 labels and tab names
    {"assign.v1.2", "plant.v2.pzd", false, false},  // ASSIGN names, quotes, "***." base names
    {"noext.v1", "HOUSE", false, false},            // no extension, a dot in the folder
    {"tabwindows", "deck.pzd", false, false},       // pages reused by name, "Main" refilled
    {"messages", "deck.pzd", false, false},         // messages that do not stop the parse
    {"stops", "deck.pzd", false, false},            // the first error: no more lines, no form
    {"demo", "examples/demo/Demo.pzd", false, true},
    {"valueinputs", "deck.pzd", false, false},  // every kind of value input
    {"groups", "deck.pzd", false, false},       // boxes, items, hidden groups, a tab page
};

QString Fixture(const QString& relative) { return QStringLiteral(PELMARK_FIXTURES_DIR "/decks/") + relative; }

QString DeckOf(const GoldenCase& c) {
  return c.fromSource ? QStringLiteral(PELMARK_SOURCE_DIR "/") + QLatin1String(c.deck)
                      : Fixture(QLatin1String(c.folder) + QLatin1Char('/') + QLatin1String(c.deck));
}

QString ReadExpected(const GoldenCase& c) {
  QFile f(Fixture(QLatin1String(c.folder) + QStringLiteral("/expected.dump")));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
  return QString::fromUtf8(f.readAll());
}

class GoldenDeckTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenDeckTest, DumpMatches) {
  const GoldenCase& c = GetParam();
  DumpOptions options;
  options.withSource = c.withSource;
  EXPECT_EQ(DumpDeck(DeckOf(c), options), ReadExpected(c));
}

INSTANTIATE_TEST_SUITE_P(Decks, GoldenDeckTest, ::testing::ValuesIn(kGoldenCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& p) {
                           std::string name = p.param.folder;
                           for (char& ch : name) {
                             if (ch == '.') ch = '_';
                           }
                           return name;
                         });

TEST(GoldenDecks, LineEndsMakeNoDifference) {
  const QString crlf = DumpDeck(Fixture(QStringLiteral("crlf/deck.pzd")));
  EXPECT_EQ(DumpDeck(Fixture(QStringLiteral("lf/deck.pzd"))),
            QString(crlf).replace(QStringLiteral("crlf/"), QStringLiteral("lf/")));
}

TEST(FormDumpTool, PrintsTheSameDump) {
  const GoldenCase& c = kGoldenCases[1];
  QProcess tool;
  tool.start(QStringLiteral(PELMARK_BIN_DIR "/formdump"), {QStringLiteral("--source"), DeckOf(c)});
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.exitCode(), 0);
  EXPECT_EQ(QString::fromUtf8(tool.readAllStandardOutput()), ReadExpected(c));
}

}  // namespace
}  // namespace pm::test
