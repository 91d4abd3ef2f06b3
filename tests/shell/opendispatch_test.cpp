#include "shell/opendispatch.h"

#include <gtest/gtest.h>

#include <QString>

#include "common/globals.h"
#include "formdeck/deckreader.h"
#include "shell/filedialogs.h"
#include "shell/textdocument.h"
#include "support/testpaths.h"

namespace pm {
namespace {

QString Fixture(const char* name) {
  return QStringLiteral(PELMARK_FIXTURES_DIR "/opening/") + QLatin1String(name);
}

const QString kRename = QStringLiteral(
    "File A contains a *PLENZO comment line indicating that it is a Plenzo file. "
    "Please change the filename extension to .PZD.");
const QString kNotPlenzo = QStringLiteral("A is not a Plenzo file.");

TEST(DecideOpenTest, MarkerExtensionAndRunModeGiveTheWindow) {
  using T = OpenTarget;
  struct Case {
    const char* ext;
    bool marker;
    int runtime;
    T target;
    bool withSource;
    std::vector<ShellMessage> messages;
  } cases[] = {
      // Authoring mode: the marker gives the Source tab and, off ".PZD", a hint.
      {".PZD", true, 0, T::FormDeck, true, {}},
      {".PZD", false, 0, T::FormDeck, false, {}},
      {".DCK", true, 0, T::FormDeck, true, {{kRename, 1, true}}},
      {".DCK", false, 0, T::PlainDeck, false, {}},
      {".DEK", false, 0, T::PlainDeck, false, {}},
      {".TXT", true, 0, T::FormDeck, true, {{kRename, 1, true}}},
      {".TXT", false, 0, T::TextEditor, false, {}},
      {".PZX", false, 0, T::FormDeck, false, {}},
      {".WMF", false, 0, T::TextEditor, false, {}},
      {".IDX", false, 0, T::TextEditor, false, {}},
      {"", false, 0, T::TextEditor, false, {}},
      {".KPL", false, 0, T::Plot, false, {}},
      {".BMP", false, 0, T::Diagram, false, {}},
      {".DGM", false, 0, T::Diagram, false, {}},
      {".TBL", false, 0, T::Table, false, {}},
      {".PLT", false, 0, T::PlotData, false, {}},
      {".LST", false, 0, T::Listing, false, {}},
      {".LOG", false, 0, T::Log, false, {}},
      // Dedicated mode: only the extension counts, and never a Source tab.
      {".PZD", true, 1, T::FormDeck, false, {}},
      {".PZD", false, 1, T::FormDeck, false, {}},
      {".DCK", true, 1, T::Refused, false, {{kNotPlenzo, 0, true}}},
      {".DCK", false, 1, T::Refused, false, {{kNotPlenzo, 0, true}}},
      {".PZX", false, 1, T::Refused, false, {{kNotPlenzo, 0, true}}},
      {".TXT", false, 1, T::Refused, false, {{kNotPlenzo, 0, true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.ext) + (c.marker ? " marker" : " no marker") + " runtime " +
                 std::to_string(c.runtime));
    const OpenDecision d = DecideOpen(QStringLiteral("A"), QLatin1String(c.ext), c.marker, c.runtime);
    EXPECT_EQ(d.target, c.target);
    EXPECT_EQ(d.withSource, c.withSource);
    EXPECT_EQ(d.messages, c.messages);
  }
}

TEST(DecideOpenTest, DecksReplaceTheirPlotsAndTable) {
  EXPECT_EQ(DocumentKindsReplacedBy(OpenTarget::PlainDeck),
            (std::vector<int>{KindTextEditor, KindPlot, KindTable}));
  EXPECT_EQ(DocumentKindsReplacedBy(OpenTarget::FormDeck),
            (std::vector<int>{KindFormPages, KindPlot, KindTable}));
  EXPECT_TRUE(DocumentKindsReplacedBy(OpenTarget::TextEditor).empty());
  EXPECT_TRUE(KindWithin(KindFormSource, KindFormPages));
  EXPECT_FALSE(KindWithin(KindOtherText, KindTextEditor));
}

TEST(MarkerLineTest, TheDispatcherLooksForContainsEditPlenzoForTheWholeLine) {
  struct Case {
    const char* file;
    bool contains;
    bool whole;
  } cases[] = {
      {"marked.dck", true, true},   // third line "*PLENZO"
      {"loose.dck", true, false},   // "x *plenzo x"
      {"line6.dck", false, false},  // sixth line is not read
      {"plain.dck", false, false}, {"missing.dck", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FindMarkerLine(Fixture(c.file)).found, c.contains) << c.file;
    EXPECT_EQ(HasWholeMarkerLine(Fixture(c.file)), c.whole) << c.file;
  }
}

TEST(WorkingCopyPathTest, LiesBesideTheDeckWhateverTheCurrentFolder) {
  EXPECT_EQ(WorkingCopyPathFor(QStringLiteral("\"/d/W.1/plant.pzd\"")), QStringLiteral("/d/W.1/~temp.pzd"));
  // A deck of that very name has none: its copy would be the deck itself.
  EXPECT_EQ(WorkingCopyPathFor(QStringLiteral("/d/~temp.pzd")), QString());
}

TEST(SaveAsTableTest, FindsTheFirstRowAndTheEditorKind) {
  struct Case {
    const char* ext;
    int index;  // 0: none
  } cases[] = {{".DCK", 1}, {".PZD", 2}, {".DEK", 3}, {".FOR", 4},  {".KPL", 5}, {".BMP", 6},
               {".WMF", 7}, {".TBL", 8}, {"", 9},     {".TXT", 10}, {".XYZ", 0}};
  for (const Case& c : cases) {
    const SaveAsEntry* e = FindSaveAsEntry(QLatin1String(c.ext));
    EXPECT_EQ(e ? e->index : 0, c.index) << c.ext;
  }
  // ".TXT" has no filter of its own: "All files".
  EXPECT_EQ(SaveFilterEntry(10), QStringLiteral("All files (*)"));
  EXPECT_EQ(SaveFilterEntry(1), QStringLiteral("Quorvel files (*.DCK *.dck)"));
  EXPECT_EQ(RuntimeOpenFilter(), QStringLiteral("Plenzo files (*.PZD *.pzd)"));
  EXPECT_TRUE(OpenDialogFilter().startsWith(
      QStringLiteral("Quorvel files (*.DCK *.dck);;Plenzo files (*.PZD *.pzd)")));

  // Engine decks are 1000; every other file, a form deck's name included, 7000.
  EXPECT_EQ(EditorKindForSavedName(QStringLiteral("/d/a.dck")), KindTextEditor);
  EXPECT_EQ(EditorKindForSavedName(QStringLiteral("/d/a.DEK")), KindTextEditor);
  EXPECT_EQ(EditorKindForSavedName(QStringLiteral("/d/a.txt")), KindOtherText);
  EXPECT_EQ(EditorKindForSavedName(QStringLiteral("/d/a.pzd")), KindOtherText);
  EXPECT_EQ(EditorKindForSavedName(QStringLiteral("/d/a")), KindOtherText);
  EXPECT_EQ(EditorKindForOpenedName(QStringLiteral("/d/a.dck")), KindTextEditor);
  EXPECT_EQ(EditorKindForOpenedName(QStringLiteral("/d/a.DEK")), KindOtherText);
}

TEST(TextDocumentTest, LinesComeBackByteForByteWithCrLf) {
  const QByteArray bytes("caf\xe9 \xa0 \x80\r\nsecond\nthird\rlast");
  const TextContent content = DecodeTextFile(bytes);
  EXPECT_TRUE(content.isText);
  EXPECT_EQ(content.text, QStringLiteral("caf\u00e9 \u00a0 \u20ac\nsecond\nthird\nlast"));
  EXPECT_EQ(EncodeTextFile(content.text), QByteArray("caf\xe9 \xa0 \x80\r\nsecond\r\nthird\r\nlast\r\n"));
  // An empty line at the end stays a line; an empty text is an empty file.
  EXPECT_EQ(EncodeTextFile(DecodeTextFile("a\r\n\r\n").text), QByteArray("a\r\n\r\n"));
  EXPECT_EQ(EncodeTextFile(QString()), QByteArray());
}

TEST(TextDocumentTest, ACharacterWithNoWindows1252ByteNamesItsLine) {
  int badLine = -1;
  EXPECT_EQ(EncodeTextFile(QStringLiteral("caf\u00e9\n\u20ac"), &badLine), QByteArray("caf\xe9\r\n\x80\r\n"));
  EXPECT_EQ(badLine, 0);
  EncodeTextFile(QStringLiteral("a\nb \u0142\nc \u4e2d"), &badLine);
  EXPECT_EQ(badLine, 2);
}

TEST(OpenDispatchTest, AFileThatCannotBeReadIsReportedAsAnOpenError) {
  EXPECT_EQ(ReadErrorMessage(2, QStringLiteral("/d/a.txt")),
            QStringLiteral("Error 2 was encountered while trying to open file /d/a.txt"));
}

TEST(TextDocumentTest, ANulByteMakesItNoText) {
  const TextContent content = DecodeTextFile(QByteArray("BM\0\1", 4));
  EXPECT_FALSE(content.isText);
  EXPECT_FALSE(content.text.contains(QChar(0)));
  EXPECT_EQ(NotTextFileMessage(QStringLiteral("/d/a.wmf")),
            QStringLiteral("The file /d/a.wmf is not a text file; it is shown read-only."));
}

}  // namespace
}  // namespace pm
