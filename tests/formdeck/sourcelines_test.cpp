#include "formdeck/sourcelines.h"

#include <QTemporaryDir>
#include <cerrno>

#include <gtest/gtest.h>

#include "support/testfiles.h"

namespace pm {
namespace {

TEST(SourceLines, EmptyLinesBecomeStarsAndNoLineIsAdded) {
  int bad = -1;
  EXPECT_EQ(EditorTextToLines(QStringLiteral("*PLENZO\n\nA = 1"), &bad),
            (std::vector<std::string>{"*PLENZO", "*", "A = 1"}));
  EXPECT_EQ(bad, 0);
  EXPECT_EQ(EditorTextToLines(QStringLiteral("caf") + QChar(0xE9) + QStringLiteral(" ") + QChar(0x20AC)),
            std::vector<std::string>{"caf\xE9 \x80"});
}

TEST(SourceLines, ACharacterWithoutAByteIsRefusedWithItsLine) {
  QTemporaryDir dir;
  const QString deck = dir.filePath(QStringLiteral("plant.pzd"));
  test::WriteBytes(deck, "old\r\n");
  int bad = 0;
  EXPECT_EQ(SaveSourceText(deck, QStringLiteral("a\nb\nc ") + QChar(0x3BB) + QStringLiteral("\n") + QChar(0x3BC), &bad),
            EILSEQ);
  EXPECT_EQ(bad, 3);
  EXPECT_EQ(test::ReadBytes(deck), "old\r\n");
  EXPECT_EQ(SaveSourceText(deck, QStringLiteral("a\n\nb"), &bad), 0);
  EXPECT_EQ(bad, 0);
  EXPECT_EQ(test::ReadBytes(deck), "a\r\n*\r\nb\r\n");
}

}  // namespace
}  // namespace pm
