// The real program, started in dedicated mode with a file that is no
// Plenzo deck.
#include "shellfixture.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

TEST(DocumentsStartupTest, DedicatedModeEndsWithAFailureOnAFileThatIsNoPlenzoDeck) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path();
  WriteBytes(folder + QStringLiteral("/Mivaro.DFT"), QByteArray(5452, '\0'));
  const QString deck = folder + QStringLiteral("/plain.dck");
  WriteBytes(deck, "* engine deck\r\nEND\r\n");
  const QString program = folder + QStringLiteral("/demo");
  ASSERT_TRUE(QFile::link(QStringLiteral(PELMARK_BIN_DIR "/pelmark"), program));
  const QString log = folder + QStringLiteral("/messages.log");
  QProcess process;
  ASSERT_TRUE(RunProgram(process, program, {deck}, folder, QStringLiteral("ok"), log))
      << "the program did not end";
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(process.exitCode(), 1);
  EXPECT_EQ(ReadBytes(log),
            (QStringLiteral("0\t") + deck + QStringLiteral(" is not a Plenzo file.\n")).toUtf8());
}

}  // namespace
}  // namespace pm::test
