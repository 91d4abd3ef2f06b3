#include "optdriver/hostfiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>

#include "support/standins.h"
#include "support/testfiles.h"

namespace pm::optavin {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(SplitLines, EveryLineEndAndALastLineWithout) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(SplitLines("1.5\r\n"), (std::vector<std::string>{"1.5"}));
  EXPECT_TRUE(SplitLines("").empty());
}

class HostFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    root_ = dir_.path().toStdString();
  }
  QString q(const std::string& s) const { return QString::fromStdString(root_ + "/" + s); }
  QTemporaryDir dir_;
  std::string root_;
};

TEST_F(HostFiles, ResolveNameIgnoresCaseQuotesAndDrives) {
  WriteBytes(q("Quorvel/Pelmark_ghx2.pzd"), "x");
  WriteBytes(q("Quorvel/Zantor"), "x");
  EXPECT_EQ(ResolveName(root_ + "/quorvel/PELMARK_GHX2.PZD"), root_ + "/Quorvel/Pelmark_ghx2.pzd");
  EXPECT_EQ(ResolveName("\"C:" + root_ + "\\Quorvel\\Zantor.exe\""), root_ + "/Quorvel/Zantor");
  EXPECT_EQ(ResolveName(root_ + "/Quorvel/new.dck"), root_ + "/Quorvel/new.dck");
  EXPECT_EQ(ResolveName(root_ + "/QUORVEL/"), root_ + "/Quorvel");
}

TEST_F(HostFiles, ProgramFolderKeepsLinksAndSearchesPath) {
  ASSERT_TRUE(QDir().mkpath(q("prog")));
  ASSERT_TRUE(QFile::link(test::BinDir() + QStringLiteral("/optavin"), q("prog/optavin")));
  EXPECT_EQ(ProgramFolderOf(root_ + "/prog/optavin", "/", ""), root_ + "/prog");
  EXPECT_EQ(ProgramFolderOf("./prog/../prog/optavin", root_, ""), root_ + "/prog");
  EXPECT_EQ(ProgramFolderOf("optavin", "/", "/nowhere:" + root_ + "/prog"), root_ + "/prog");
  EXPECT_EQ(ProgramFolderOf("optavin", root_ + "/prog", "/nowhere:"), root_ + "/prog");
}

TEST_F(HostFiles, WriteLinesAtomicWritesCrLfAndKeepsTheModeOrTheOldFile) {
  const std::string path = root_ + "/optVars.dck";
  WriteBytes(q("optVars.dck"), "old\n");
  ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  ASSERT_EQ(WriteLinesAtomic(path, {"a", "", "b"}), 0);
  EXPECT_EQ(ReadBytes(q("optVars.dck")), QByteArray("a\r\n\r\nb\r\n"));
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0600u);
  EXPECT_EQ(WriteLinesAtomic(root_ + "/no/such/folder/f", {"a"}), ENOENT);
  EXPECT_EQ(WriteLinesAtomic(root_, {"a"}), EISDIR);
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{QStringLiteral("optVars.dck")});
}

TEST_F(HostFiles, CallProgramStatuses) {
  WriteBytes(q("plain.txt"), "not a program");
  EXPECT_EQ(CALLPROGRAM({root_ + "/nothing"}, -1).status, 1);
  EXPECT_EQ(CALLPROGRAM({root_ + "/nothing/Zantor"}, -1).status, 1);
  EXPECT_EQ(CALLPROGRAM({root_}, -1).status, 1);
  const CallResult plain = CALLPROGRAM({root_ + "/plain.txt"}, -1);
  EXPECT_EQ(plain.status, 2);
  EXPECT_EQ(plain.error, EACCES);
  test::ScopedEnv trace("ZANTOR_TRACE", q("trace.txt").toUtf8());
  const CallResult ran = CALLPROGRAM({test::ZantorPath().toStdString(), root_ + "/", "/h"}, -1);
  EXPECT_EQ(ran.status, 0);
  EXPECT_TRUE(ReadBytes(q("trace.txt")).contains("arg " + QByteArray::fromStdString(root_) + "/\narg /h\n"))
      << "waited for: the trace is complete";
}

}  // namespace
}  // namespace pm::optavin
