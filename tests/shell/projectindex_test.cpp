// The project index reader: titles, pairs, the data line's fields and the
// one path each name stands for.
#include "shell/projectindex.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <vector>

#include "support/testfiles.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

QString IndexFixture(const char* name) { return QStringLiteral(PELMARK_FIXTURES_DIR "/index/") + QLatin1String(name); }

ProjectIndexEntry Entry(const QString& text, const QString& deck, const QString& picture = QString(),
                        const QString& help = QString()) {
  return {text, {deck, picture, help}};
}

TEST(ProjectIndexTest, ReadsThreeTitlesThenPairsOfEntryTextAndDataLine) {
  struct Case {
    const char* file;
    QString titles[3];
    std::vector<ProjectIndexEntry> entries;
  };
  const QString u = QStringLiteral("\u00FC"), a = QStringLiteral("\u00E4"), dash = QStringLiteral("\u2013");
  const Case cases[] = {
      {"pairs.idx",
       {QStringLiteral("Heating plants"), QStringLiteral("Three decks of the office building"),
        QStringLiteral("Choose one and press OK")},
       {Entry(QStringLiteral("Ground loop"), QStringLiteral("a.pzd"), QStringLiteral("a.bmp"), QStringLiteral("a.chm")),
        Entry(QStringLiteral("Boiler only"), QStringLiteral("b.pzd"), QStringLiteral("b.jpg"),
              QStringLiteral("Boiler help.chm")),
        Entry(QStringLiteral("Tower"), QStringLiteral("c.pzd")),
        Entry(QStringLiteral("Two fields"), QStringLiteral("d.pzd"), QStringLiteral("d.bmp"))}},
      // An odd line count: the last entry has no data line, so no deck.
      {"odd.idx",
       {QStringLiteral("Title one"), QStringLiteral("Title two"), QStringLiteral("Title three")},
       {Entry(QStringLiteral("First"), QStringLiteral("f.pzd"), QStringLiteral("f.bmp")),
        Entry(QStringLiteral("Last one"), QString())}},
      {"crlf.idx",
       {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3")},
       {Entry(QStringLiteral("Plant"), QStringLiteral("plant.pzd"), QStringLiteral("plant.bmp")),
        Entry(QStringLiteral("Tower"), QStringLiteral("tower.pzd"))}},
      {"cr.idx",
       {QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("T3")},
       {Entry(QStringLiteral("Plant"), QStringLiteral("plant.pzd"), QStringLiteral("plant.bmp")),
        Entry(QStringLiteral("Tower"), QStringLiteral("tower.pzd"))}},
      {"cp1252.idx",
       {QStringLiteral("B") + u + QStringLiteral("ro geb") + a + QStringLiteral("ude"),
        QStringLiteral("Kosten in \u20AC"), QStringLiteral("Heizung ") + dash + QStringLiteral(" K") + u +
        QStringLiteral("hlung")},
       {Entry(QStringLiteral("W") + a + QStringLiteral("rmepumpe ") + dash + QStringLiteral(" Erdsonde"),
              QStringLiteral("w") + a + QStringLiteral("rme.pzd"))}},
      // Names are kept as written; they are resolved when used.
      {"windows.idx",
       {QStringLiteral("Windows names"), QStringLiteral("written on another system"), QString()},
       {Entry(QStringLiteral("In a sub-folder"), QStringLiteral("sub\\a.pzd"), QStringLiteral("sub\\a.bmp"),
              QStringLiteral("sub\\a.chm")),
        Entry(QStringLiteral("With a drive"), QStringLiteral("C:\\X\\a.pzd")),
        Entry(QStringLiteral("Upper case"), QStringLiteral("SUB\\A.PZD"), QStringLiteral("PICS\\PLANT.BMP")),
        Entry(QStringLiteral("Quoted"), QStringLiteral("\"quoted.pzd\""))}},
      {"short.idx", {QStringLiteral("Only two"), QStringLiteral("lines"), QString()}, {}},
      // A missing index: empty titles, no entries.
      {"missing.idx", {QString(), QString(), QString()}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const ProjectIndex index = ReadProjectIndex(IndexFixture(c.file));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(index.Titles[i], c.titles[i]) << i;
    EXPECT_EQ(index.Entries, c.entries);
  }
}

TEST(ProjectIndexTest, SplitsTheDataLineIntoDeckPictureAndHelp) {
  struct Case {
    const char* line;
    const char* deck;
    const char* picture;
    const char* help;
  };
  const Case cases[] = {
      {"a.pzd,a.bmp,a.chm", "a.pzd", "a.bmp", "a.chm"},
      {"a.pzd", "a.pzd", "", ""},
      {"a.pzd a.bmp", "a.pzd", "a.bmp", ""},
      {"   a.pzd  ,  a.bmp ,  help file.chm  ", "a.pzd", "a.bmp", "help file.chm"},
      {"a.pzd,,a.bmp", "a.pzd", "a.bmp", ""},
      {",a.pzd", "a.pzd", "", ""},
      {"a.pzd\ta.bmp", "a.pzd", "a.bmp", ""},
      {"", "", "", ""},
      {"   ", "", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const myObject expected{QLatin1String(c.deck), QLatin1String(c.picture), QLatin1String(c.help)};
    EXPECT_EQ(SplitIndexDataLine(QString::fromLatin1(c.line)), expected);
  }
}

// Every name is taken from the index file's folder unless absolute, whatever
// the current folder: backslashes, a drive letter and case as the path
// resolver takes them.
TEST(ProjectIndexTest, ResolvesNamesFromTheIndexFolder) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString top = dir.path();
  const QString project = top + QStringLiteral("/project");
  WriteBytes(project + QStringLiteral("/a.pzd"), "*PLENZO\r\n");
  WriteBytes(project + QStringLiteral("/sub/a.pzd"), "*PLENZO\r\n");
  WriteBytes(project + QStringLiteral("/Pics/Plant.bmp"), "BM");
  WriteBytes(top + QStringLiteral("/elsewhere/b.pzd"), "*PLENZO\r\n");
  const QString index = project + QStringLiteral("/Project.idx");
  const QString saved = QDir::currentPath();
  QDir::setCurrent(top + QStringLiteral("/elsewhere"));
  struct Case {
    QString name;
    QString expected;
  };
  const Case cases[] = {
      {QStringLiteral("a.pzd"), project + QStringLiteral("/a.pzd")},
      {QStringLiteral("sub\\a.pzd"), project + QStringLiteral("/sub/a.pzd")},
      {QStringLiteral("SUB\\A.PZD"), project + QStringLiteral("/sub/a.pzd")},
      {QStringLiteral("pics\\PLANT.BMP"), project + QStringLiteral("/Pics/Plant.bmp")},
      {QStringLiteral("C:sub\\a.pzd"), project + QStringLiteral("/sub/a.pzd")},
      {QStringLiteral("\"a.pzd\""), project + QStringLiteral("/a.pzd")},
      {top + QStringLiteral("/elsewhere/b.pzd"), top + QStringLiteral("/elsewhere/b.pzd")},
      // A drive-letter path is absolute; it names nothing here.
      {QStringLiteral("C:\\X\\a.pzd"), QStringLiteral("/X/a.pzd")},
      // The current folder is not looked in.
      {QStringLiteral("b.pzd"), project + QStringLiteral("/b.pzd")},
      {QString(), QString()},
      {QStringLiteral("\"\""), QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    EXPECT_EQ(ResolveIndexName(c.name, index), c.expected);
    // The index named in quotes or in another case is the same index.
    EXPECT_EQ(ResolveIndexName(c.name, QLatin1Char('"') + project + QStringLiteral("/PROJECT.IDX\"")), c.expected);
  }
  QDir::setCurrent(saved);
}

}  // namespace
}  // namespace pm::test
