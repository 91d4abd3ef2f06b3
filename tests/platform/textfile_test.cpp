#include "platform/cp1252.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>

namespace pm {
namespace {

TEST(SplitLines, EveryLineEndAndAnUnterminatedLastLine) {
  const auto lines = SplitLines(QByteArray("a\r\nb\nc\rd\r\n\r\ne"));
  const std::vector<std::string> expected = {"a", "b", "c", "d", "", "e"};
  EXPECT_EQ(lines, expected);
  EXPECT_TRUE(SplitLines(QByteArray()).empty());
  EXPECT_EQ(SplitLines(QByteArray("x\n")).size(), 1u);
}

TEST(TextFile, Cp1252CrLfFileWrittenBackByteForByte) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("deck.pzd"));
  const QByteArray original("*PLENZO\r\nTANK = 2.5\r\n*|Volumen \x80 \xe9t\xe9\r\n");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(original);
  }
  std::vector<std::string> lines;
  ASSERT_EQ(ReadTextLines(path, &lines), 0);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(FromCp1252(lines[2]), QStringLiteral("*|Volumen \u20ac \u00e9t\u00e9"));
  ASSERT_EQ(WriteTextLines(path, lines), 0);
  QByteArray back;
  ASSERT_EQ(ReadFileBytes(path, &back), 0);
  EXPECT_EQ(back, original);
}

TEST(TextFile, MissingFileGivesErrnoTwo) {
  std::vector<std::string> lines;
  EXPECT_EQ(ReadTextLines(QStringLiteral("/nonexistent/x.pzd"), &lines), 2);
}

TEST(TextFile, FailedWriteLeavesTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("sub/x.txt"));
  EXPECT_EQ(WriteFileAtomic(path, QByteArray("new")), 2);  // folder missing
}

TEST(TextFile, AFileWithoutWritePermissionIsNotReplaced) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("x.pzd"));
  ASSERT_EQ(WriteFileAtomic(path, QByteArray("old")), 0);
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  EXPECT_EQ(WriteFileAtomic(path, QByteArray("new")), 13);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("old"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("x.pzd")});
  // With a write bit it is replaced again.
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
  EXPECT_EQ(WriteFileAtomic(path, QByteArray("new")), 0);
}

TEST(TextFile, ARewriteKeepsTheModeAndLeavesNoTemporaryFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("optVars.dck"));
  ASSERT_EQ(WriteFileAtomic(path, QByteArray("old\n")), 0);
  ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
  ASSERT_EQ(WriteTextLines(path, {"a", "", "b"}), 0);
  QByteArray back;
  ASSERT_EQ(ReadFileBytes(path, &back), 0);
  EXPECT_EQ(back, QByteArray("a\r\n\r\nb\r\n"));
  struct stat st {};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(WriteTextLines(dir.path(), {"a"}), EISDIR);
  EXPECT_EQ(WriteTextLines(dir.filePath(QStringLiteral("no/such/folder/f")), {"a"}), ENOENT);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("optVars.dck")});
}

TEST(Cp1252, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  bool ok = false;
  EXPECT_EQ(ToCp1252(FromCp1252(all), &ok), all);
  EXPECT_TRUE(ok);
  ToCp1252(QStringLiteral("\u4e2d"), &ok);
  EXPECT_FALSE(ok);
  EXPECT_EQ(AsciiUpper("ab\xe9z"), std::string("AB\xe9Z"));
}

}  // namespace
}  // namespace pm
