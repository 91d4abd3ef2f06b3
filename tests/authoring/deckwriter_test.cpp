#include "authoring/deckwriter.h"

#include "authoringtestsupport.h"
#include "common/deckconstants.h"
#include "formdeck/ui/formdump.h"
#include "goldendecks.h"
#include "platform/textfile.h"
#include "support/scriptedui.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace pm {
namespace {

// Keeps what a golden case gave beside the test program when it differs,
// so a new expectation can be read line by line before it is committed.
void KeepActual(const std::string& name, const char* what, const QByteArray& bytes) {
  test::WriteBytes(QDir::current().filePath(QString::fromStdString(name) + QLatin1Char('.') + QLatin1String(what)),
                   bytes);
}

class GoldenWriterTest : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenWriterTest, WritesTheExpectedDeckByteForByte) {
  const std::string name = GetParam();
  const test::Choices choices = test::ReadChoices(name);
  test::ScriptedUi ui;
  PlainDeck deck;
  ASSERT_TRUE(MakeDeck(choices.deck, choices.engine, &deck));
  test::ApplyChoices(choices, deck);
  QTemporaryDir dir;
  const QString written = dir.filePath(QStringLiteral("new.pzd"));
  ASSERT_EQ(WritePlenzoDeck(written, deck, choices.engine, choices.includes), 0);

  const QString folder = test::WriterCaseFolder(name);
  const QByteArray bytes = test::ReadBytes(written);
  const QByteArray expected = test::ReadBytes(folder + QStringLiteral("/expected.pzd"));
  EXPECT_EQ(bytes.toStdString(), expected.toStdString());
  if (bytes != expected) KeepActual(name, "pzd", bytes);
  const std::string messages = test::MessagesText(ui);
  EXPECT_EQ(messages, test::ReadBytes(folder + QStringLiteral("/expected.messages")).toStdString());
  if (messages != test::ReadBytes(folder + QStringLiteral("/expected.messages")).toStdString()) {
    KeepActual(name, "messages", QByteArray::fromStdString(messages));
  }
}

TEST_P(GoldenWriterTest, TheDeckOpensAsTheExpectedForm) {
  const std::string name = GetParam();
  const QString folder = test::WriterCaseFolder(name);
  if (!QFile::exists(folder + QStringLiteral("/expected.dump"))) GTEST_SKIP() << "does not open here";
  const QString dump = DumpDeck(folder + QStringLiteral("/expected.pzd"));
  const QByteArray expected = test::ReadBytes(folder + QStringLiteral("/expected.dump"));
  EXPECT_EQ(dump.toStdString(), expected.toStdString());
  if (dump.toUtf8() != expected) KeepActual(name, "dump", dump.toUtf8());
}

INSTANTIATE_TEST_SUITE_P(Decks, GoldenWriterTest,
                         ::testing::Values("plant-all",    // every item chosen, the header
                                           "plant-none",   // nothing chosen
                                           "counts",       // ten, twelve and twenty-three values
                                           "card",         // the simulation card (text only)
                                           "noheader"),    // Header.txt missing, only verbatim units
                         [](const ::testing::TestParamInfo<const char*>& p) {
                           std::string n = p.param;
                           for (char& ch : n) {
                             if (ch == '-') ch = '_';
                           }
                           return n;
                         });

}  // namespace
}  // namespace pm
