#include "shell/recentfiles.h"

#include "shellfixture.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>

namespace pm::test {
namespace {

QStringList Paths(std::initializer_list<const char*> names) {
  QStringList out;
  for (const char* n : names) out << QString::fromUtf8(n);
  return out;
}

TEST(RecentFileListTest, KeepsEightNewestAndMovesAReopenedFileToTheEnd) {
  RecentFileList list;
  for (int i = 1; i <= 9; ++i) list.Add(QStringLiteral("/d/deck%1.pzd").arg(i));
  EXPECT_EQ(list.Count(), 8);
  EXPECT_EQ(list.At(0), QStringLiteral("/d/deck2.pzd"));  // the first one dropped
  list.Add(QStringLiteral("/d/deck4.pzd"));
  EXPECT_EQ(list.Count(), 8);
  EXPECT_EQ(list.Items().constLast(), QStringLiteral("/d/deck4.pzd"));
  EXPECT_EQ(list.Items().count(QStringLiteral("/d/deck4.pzd")), 1);
}

TEST(RecentFileListTest, ShortPathsAreNotAddedAndCaseMakesTwoFiles) {
  RecentFileList list;
  for (const char* p : {"", "a", "/ab", "/abc"}) list.Add(QLatin1String(p));
  EXPECT_EQ(list.Items(), Paths({"/abc"}));
  list.Add(QStringLiteral("/d/A.pzd"));
  list.Add(QStringLiteral("/d/a.pzd"));
  EXPECT_EQ(list.Items(), Paths({"/abc", "/d/A.pzd", "/d/a.pzd"}));
}

TEST(RecentFileListTest, ReadsAnyLineEndAndWritesCrLfByteForByte) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.path() + QStringLiteral("/Mivaro.FNL");
  WriteBytes(file, "/d/one.pzd\n/d/R&D d\xC3\xA9" "cks/two.pzd\r\n/d/three.dck\r/d/four.pzd");
  RecentFileList list;
  ASSERT_EQ(list.Load(file), 0);
  EXPECT_EQ(list.Items(), Paths({"/d/one.pzd", "/d/R&D d\xC3\xA9" "cks/two.pzd", "/d/three.dck", "/d/four.pzd"}));
  ASSERT_EQ(list.Save(file), 0);
  EXPECT_EQ(ReadBytes(file),
            QByteArray("/d/one.pzd\r\n/d/R&D d\xC3\xA9" "cks/two.pzd\r\n/d/three.dck\r\n/d/four.pzd\r\n"));
  EXPECT_NE(list.Load(dir.path() + QStringLiteral("/none.FNL")), 0);
  EXPECT_EQ(list.Count(), 0);
}

TEST(RecentFileListTest, ADamagedFileGivesAtMostEightPaths) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString file = dir.path() + QStringLiteral("/Mivaro.FNL");
  QByteArray junk = "\n\n/d/one.pzd\r\nrelative.pzd\r\n\x01\xff\xfe\x7f junk\r\n";
  junk += "/" + QByteArray(5000, 'x') + "\r\n";
  junk += QByteArray("/d/nul\0byte.pzd\r\n", 17);
  for (int i = 2; i <= 16; ++i) junk += "/d/deck" + QByteArray::number(i) + ".pzd\r\n\r\n";
  WriteBytes(file, junk);
  RecentFileList list;
  ASSERT_EQ(list.Load(file), 0);
  EXPECT_EQ(list.Items(), Paths({"/d/one.pzd", "/d/deck2.pzd", "/d/deck3.pzd", "/d/deck4.pzd", "/d/deck5.pzd",
                                 "/d/deck6.pzd", "/d/deck7.pzd", "/d/deck8.pzd"}));
}

TEST(RecentFileListTest, CaptionsShowAmpersandsLiterally) {
  EXPECT_EQ(RecentItemCaption(1, QStringLiteral("/d/R&D.pzd")), QStringLiteral("1. /d/R&&D.pzd"));
}

class RecentMenuTest : public ProgramFolderTest {};

QStringList RecentCaptions(TOSTRELFORM* form, int base) {
  QStringList captions;
  const QList<QAction*> items = form->File1->actions();
  for (int i = base + 1; i < items.size(); ++i) captions << items.at(i)->text();
  return captions;
}

TEST_F(RecentMenuTest, ListIsReadAtStartShownNewestFirstAndWrittenAtExit) {
  const QByteArray stored = "/d/old.pzd\n/d/R&D.dck\n/d/new.pzd\n";
  WriteBytes(folder_ + QStringLiteral("/Mivaro.FNL"), stored);
  for (const char* name : {"mivaro", "demo"}) {
    TOSTRELFORM* form = Start(QLatin1String(name));
    const int base = G().RuntimeMode != 0 ? 8 : 11;
    ASSERT_EQ(form->File1->actions().size(), base + 1 + 3) << name;
    EXPECT_TRUE(form->File1->actions().at(base)->isSeparator());
    EXPECT_EQ(RecentCaptions(form, base),
              Paths({"1. /d/new.pzd", "2. /d/R&&D.dck", "3. /d/old.pzd"}));
    // Each item carries its list index and the path itself.
    EXPECT_EQ(form->File1->actions().at(base + 2)->property("pelmarkTag").toInt(), 1);
    EXPECT_EQ(form->File1->actions().at(base + 2)->data().toString(), QStringLiteral("/d/R&D.dck"));
    form_.reset();
    EXPECT_EQ(ReadBytes(folder_ + QStringLiteral("/Mivaro.FNL")), "/d/old.pzd\r\n/d/R&D.dck\r\n/d/new.pzd\r\n");
  }
}

TEST_F(RecentMenuTest, OpeningAFileRebuildsTheItems) {
  TOSTRELFORM* form = Start();
  EXPECT_EQ(form->File1->actions().size(), 11);  // no list yet: no separator
  for (int i = 1; i <= 9; ++i) form->ReadaFile(QStringLiteral("/d/f%1.pzd").arg(i));
  form->ReadaFile(QStringLiteral("/d/f5.pzd"));
  const QStringList captions = RecentCaptions(form, 11);
  ASSERT_EQ(captions.size(), 8);
  EXPECT_EQ(captions.first(), QStringLiteral("1. /d/f5.pzd"));
  EXPECT_EQ(captions.at(1), QStringLiteral("2. /d/f9.pzd"));
  EXPECT_EQ(captions.last(), QStringLiteral("8. /d/f2.pzd"));
  EXPECT_TRUE(form->File1->actions().at(11)->isSeparator());
}

}  // namespace
}  // namespace pm::test
