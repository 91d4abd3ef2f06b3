// Saving a form back into its deck, through the real form window.
#include <unistd.h>

#include <QFileInfo>
#include <QProcess>

#include "formdeck/ui/choiceitems.h"
#include "formdeck/writeback.h"
#include "writebacksupport.h"

namespace pm::test {
namespace {

class WriteBackTest : public DeckCopyTest {};

QString SavedFixture() { return FixtureDeckFolder("writeback") + QStringLiteral("/saved.pzd"); }

QAbstractButton* RadioItem(TFormElement* group, int index) {
  auto* box = dynamic_cast<Tmygroupbox*>(group ? group->groupBox : nullptr);
  return box && index < box->Items.size() ? box->Items[index] : nullptr;
}

TFormElement* GroupElement(TPlenzoForm& form, const char* name) {
  for (TFormElement* e = form.Model().Elements.Oldest(); e; e = e->newer)
    if (e->name == name && e->groupBox) return e;
  return nullptr;
}

// Untouched values keep their value whatever the units shown (2.54 is shown
// as 2.5 m3 or 671.0 gal); each value line is rebuilt in the deck's number
// format, every other line goes back as it was, with CRLF line ends.
TEST_F(WriteBackTest, AnUntouchedFormSavesTheExpectedDeckInEitherUnitSystem) {
  for (const int units : {1, 2}) {
    Open("writeback", "deck.pzd", units);
    const QByteArray before = ReadBytes(Path(QStringLiteral("deck.pzd")));
    form->WriteDeck(form->FileName());
    EXPECT_TRUE(form->SaveSucceeded) << units;
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), ReadBytes(SavedFixture())) << units;
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.BAK"))), before) << units;
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
  }
}

TEST_F(WriteBackTest, SavingUnderAnotherNameMakesNoBackup) {
  Open("writeback");
  const QByteArray before = ReadBytes(Path(QStringLiteral("deck.pzd")));
  const QString other = Path(QStringLiteral("other.v2.pzd"));
  form->WriteDeck(other);
  EXPECT_TRUE(form->SaveSucceeded);
  EXPECT_EQ(form->FileName(), other);
  EXPECT_EQ(ReadBytes(other), ReadBytes(SavedFixture()));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), before);
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("deck.BAK"))));
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("other.BAK"))));
}

TEST_F(WriteBackTest, TypedValuesAreWrittenInTheDeckFormat) {
  struct Case {
    int units;
    const char* name;
    const char* typed;
    int line;
    const char* written;
  } cases[] = {
      {1, "FLOW ", "7.25", 9, "FLOW = 7.2500000000000E+00"},
      {2, "TANK ", "528.344", 11, "TANK = 2.0000000000000E+00"},  // gal / 264.172
      {2, "TEMP ", "68", 15, "TEMP = 1.9999977777778E+01"},       // F / 1.8 - 17.7778
      {1, "X ", "3*Y", 13, "X = 3*Y"},                            // a value that is no number stays text
  };
  for (const Case& c : cases) {
    Open("writeback", "deck.pzd", c.units);
    ui.clear();
    Type(Input(c.name), QLatin1String(c.typed));
    form->WriteDeck(form->FileName());
    EXPECT_TRUE(form->SaveSucceeded) << c.name;
    EXPECT_EQ(SavedLine(c.line), c.written) << c.name << c.typed;
    EXPECT_EQ(ui.beeps(), 0) << c.name << c.typed;
  }
}

// Typed text that fails its check is not replaced by the old value: the
// save shows the input's message once, writes nothing and keeps the marks.
TEST_F(WriteBackTest, AnEditedInputThatFailsItsCheckStopsTheSave) {
  for (const char* typed : {"abc", "1e6"}) {
    Open("writeback", "deck.pzd", 1);
    const QByteArray before = ReadBytes(Path(QStringLiteral("deck.pzd")));
    ui.clear();
    auto* input = dynamic_cast<TInput*>(Input("TANK "));
    ASSERT_NE(input, nullptr);
    Type(input, QLatin1String(typed));
    form->WriteDeck(form->FileName());
    EXPECT_FALSE(form->SaveSucceeded) << typed;
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), before) << typed;
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("deck.BAK")))) << typed;
    EXPECT_EQ(ui.messages().size(), 1u) << typed;
    EXPECT_EQ(input->text(), QLatin1String(typed));
    EXPECT_TRUE(input->isModified());
    EXPECT_TRUE(form->DCKChanged());
    QApplication::processEvents();
    EXPECT_EQ(form->focusWidget(), input) << typed;
  }
}

TEST_F(WriteBackTest, FreeTextKeepsTheHelpIdOfItsLine) {
  Open("writeback");
  auto* text = dynamic_cast<TInput*>(form->Model().Elements.First(0)->valueInput);
  ASSERT_NE(text, nullptr);
  Type(text, QStringLiteral("two pumps"));
  form->WriteDeck(form->FileName());
  EXPECT_EQ(SavedLine(8), "*|*Plant|two pumps|7");
  Reopen();
  EXPECT_EQ(dynamic_cast<TInput*>(form->Model().Elements.First(0)->valueInput)->HelpId, 7);
}

// The second radio item has the same caption as the first: the mark moves
// by position. The groups the choice shows and hides change their prefixes;
// the check-box group inside the hidden group keeps none.
TEST_F(WriteBackTest, ARadioChoiceMovesItsMarkAndTheHiddenGroups) {
  Open("writeback");
  TFormElement* mode = GroupElement(*form, "Mode");
  ASSERT_NE(RadioItem(mode, 1), nullptr);
  RadioItem(mode, 1)->click();
  EXPECT_TRUE(form->DCKChanged());
  form->WriteDeck(form->FileName());
  const std::vector<std::string> lines = FileLines(Path(QStringLiteral("deck.pzd")));
  const std::vector<std::string> expected = {"*|(Mode|Calculation",
                                             "*|Single run|Simulate|_Optimize",
                                             "*|Single run|Optimize|_Simulate//checked",
                                             "*|)",
                                             "*|#*|[Simulate|Single run",
                                             "*|*One run.",
                                             "*|#RUNS = 1.0000000000000E+00",
                                             "*|#*|Runs|-|-|0|1|1|10|0",
                                             "*|#*|]",
                                             "*|[Optimize|Optimization",
                                             "MAXIT = 5.0000000000000E+01",
                                             "*|Iterations|-|-|0|1|1|500|19",
                                             "*|{Output|Output",
                                             "*|Log file|Log",
                                             "*|}",
                                             "TOL = 1.0000000000000E-03",
                                             "*|Tolerance|-|-|0|1|0|1.000|0",
                                             "*|]"};
  ASSERT_GE(lines.size(), 42u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 24, lines.begin() + 42), expected);
  // Read again, the form shows the choice that was saved.
  Reopen();
  EXPECT_TRUE(RadioItem(GroupElement(*form, "Mode"), 1)->isChecked());
  EXPECT_FALSE(GroupElement(*form, "Optimize")->groupBox->isHidden());
  EXPECT_TRUE(GroupElement(*form, "Simulate")->groupBox->isHidden());
}

// The chosen row gives the value, and the list without a drop-down follows
// it; the value of a deck row that matches nothing stays.
TEST_F(WriteBackTest, ListInputsWriteTheChosenRowAndTheirFollowers) {
  Open("writeback");
  List("PUMP ")->setCurrentIndex(2);
  EXPECT_TRUE(form->DCKChanged());
  form->WriteDeck(form->FileName());
  EXPECT_EQ(SavedLine(18), "PUMP = 3");
  EXPECT_EQ(SavedLine(20), "POWER = 1.8");

  List("PUMP ")->setCurrentIndex(-1);  // nothing chosen: the value stays
  List("PUMP ")->Value = QStringLiteral("7");
  form->WriteDeck(form->FileName());
  EXPECT_EQ(SavedLine(18), "PUMP = 7");
  EXPECT_EQ(SavedLine(20), "POWER = 1.8");
  EXPECT_TRUE(ui.messages().empty());
}

// A follower whose row has no value in its column keeps its deck value.
TEST_F(WriteBackTest, AFollowerWithoutItsColumnKeepsItsDeckValue) {
  CopyFolderFiles(FixtureDeckFolder("writeback"), folder_);
  WriteBytes(Path(QStringLiteral("pumps.lst")), "2\r\n1,Small\r\n2,Large\r\n");
  Reopen();
  form->WriteDeck(form->FileName());
  EXPECT_TRUE(form->SaveSucceeded);
  EXPECT_EQ(SavedLine(18), "PUMP = 2");
  EXPECT_EQ(SavedLine(20), "POWER = 0.9");
  List("PUMP ")->setCurrentIndex(0);
  form->WriteDeck(form->FileName());
  EXPECT_EQ(SavedLine(18), "PUMP = 1");
  EXPECT_EQ(SavedLine(20), "POWER = 0.9");
  EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
}

// A deck without write permission is not replaced: error 13, the deck and
// its backup untouched.
TEST_F(WriteBackTest, AReadOnlyDeckIsNotReplaced) {
  Open("writeback");
  const QString deck = Path(QStringLiteral("deck.pzd"));
  const QByteArray before = ReadBytes(deck);
  WriteBytes(Path(QStringLiteral("deck.BAK")), "old backup");
  ASSERT_TRUE(QFile::setPermissions(deck, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
  Type(Input("FLOW "), QStringLiteral("7.25"));
  form->WriteDeck(form->FileName());
  EXPECT_FALSE(form->SaveSucceeded);
  // The code, then the file and the system's reason.
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Error #13\n") + deck + QStringLiteral(": Permission denied")});
  EXPECT_EQ(ReadBytes(deck), before);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.BAK"))), QByteArray("old backup"));
  EXPECT_TRUE(form->DCKChanged());
}

// Save as to a case variant of the deck's name makes that file; the deck
// stays byte for byte and gets no backup.
TEST_F(WriteBackTest, SavingAsACaseVariantWritesTheNameGiven) {
  Open("writeback");
  const QString deck = Path(QStringLiteral("deck.pzd"));
  const QByteArray before = ReadBytes(deck);
  Type(Input("FLOW "), QStringLiteral("7.25"));
  const QString upper = Path(QStringLiteral("DECK.PZD"));
  form->WriteDeck(upper);
  EXPECT_TRUE(form->SaveSucceeded);
  EXPECT_EQ(form->FileName(), upper);
  EXPECT_EQ(ReadBytes(deck), before);
  EXPECT_TRUE(QFileInfo(upper).isFile());
  EXPECT_EQ(SavedLine(9, "DECK.PZD"), "FLOW = 7.2500000000000E+00");
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("deck.BAK"))));
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("DECK.BAK"))));
}

TEST_F(WriteBackTest, AChosenFileIsWrittenWithItsQuotes) {
  Open("writeback");
  auto* file = dynamic_cast<TOpenFile*>(Element("ASSIGN")->fileInput);
  ui.answerFile(Path(QStringLiteral("new weather.dat")));
  file->ShowOpenFileDlg();
  form->WriteDeck(form->FileName());
  EXPECT_EQ(SavedLine(22), "ASSIGN \"" + Path(QStringLiteral("new weather.dat")).toStdString() + "\" 7");
}

// The deck changed on disk after it was read: the form's text is written,
// and the backup keeps what was on disk.
TEST_F(WriteBackTest, ADeckChangedOnDiskIsWrittenFromTheTextRead) {
  Open("writeback");
  QByteArray changed = ReadBytes(Path(QStringLiteral("deck.pzd")));
  changed.replace("TANK = 2.54", "TANK = 9");
  WriteBytes(Path(QStringLiteral("deck.pzd")), changed);
  form->WriteDeck(form->FileName());
  EXPECT_TRUE(form->SaveSucceeded);
  ASSERT_EQ(ui.texts().size(), 1);
  EXPECT_EQ(ui.texts()[0],
            form->FileName() +
                QStringLiteral(" was changed outside the form (line 11).  The form's values are written "
                               "into the text it read; the changed file is kept in ") +
                Path(QStringLiteral("deck.BAK")) + QLatin1Char('.'));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), ReadBytes(SavedFixture()));
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.BAK"))), changed);
}

TEST_F(WriteBackTest, ADeletedDeckIsWrittenAgain) {
  Open("writeback");
  ASSERT_TRUE(QFile::remove(Path(QStringLiteral("deck.pzd"))));
  form->WriteDeck(form->FileName());
  EXPECT_TRUE(form->SaveSucceeded);
  EXPECT_EQ(ui.texts(),
            QStringList{form->FileName() + QStringLiteral(" no longer exists.  It is written again from "
                                                          "the form and the text it read.")});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), ReadBytes(SavedFixture()));
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("deck.BAK"))));
}

// Other names of the deck itself (quoted, relative, through a link) are the
// deck: it keeps a backup and is never emptied.
TEST_F(WriteBackTest, OtherNamesOfTheDeckAreTheDeck) {
  Open("writeback");
  ASSERT_TRUE(QFile::link(Path(QStringLiteral("deck.pzd")), Path(QStringLiteral("alias.pzd"))));
  const QByteArray saved = ReadBytes(SavedFixture());
  const QString names[] = {QLatin1Char('"') + form->FileName() + QLatin1Char('"'), QStringLiteral("deck.pzd"),
                           Path(QStringLiteral("alias.pzd"))};
  for (const QString& name : names) {
    QFile::remove(Path(QStringLiteral("deck.BAK")));
    QDir::setCurrent(folder_);
    form->Model().FileName = Path(QStringLiteral("deck.pzd"));
    form->WriteDeck(name);
    EXPECT_TRUE(form->SaveSucceeded) << name.toStdString();
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), saved) << name.toStdString();
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("deck.BAK")))) << name.toStdString();
  }
  EXPECT_TRUE(QFileInfo(Path(QStringLiteral("alias.pzd"))).isSymLink());
}

// A save that cannot write says why, and leaves the deck, its backup and
// the folder as they were.
TEST_F(WriteBackTest, ASaveThatCannotWriteChangesNothing) {
  struct Case {
    const char* what;
    QString deck;    // the deck's file name in its folder
    QString saveAs;  // empty: the deck's own name
    QString message;
  };
  // Names long enough that a temporary file beside them cannot be made:
  // the deck's own (".~" + name + ".XXXXXX"), or only the backup's (a name
  // without a dot gains ".BAK").
  const QString tooLong = QString(246, QLatin1Char('d')) + QStringLiteral(".pzd");
  const QString backupTooLong = QString(244, QLatin1Char('b'));
  const Case cases[] = {
      {"a folder that is a file", QStringLiteral("deck.pzd"), QStringLiteral("pumps.lst/new.pzd"),
       QStringLiteral("Error #20\n%1/pumps.lst/new.pzd: Not a directory")},
      {"no temporary file", tooLong, QString(),
       QStringLiteral("Error #36\n%1/") + tooLong + QStringLiteral(": File name too long")},
      {"a backup that cannot be erased", QStringLiteral("deck.pzd"), QString(),
       QStringLiteral("Error #21.  Could not erase %1/deck.BAK.  Please save with a different filename.")},
      {"a backup that cannot be written", backupTooLong, QString(),
       QStringLiteral("Unable to rename %1/") + backupTooLong + QStringLiteral(" to %1/") + backupTooLong +
           QStringLiteral(".BAK")},
  };
  int n = 0;
  for (const Case& c : cases) {
    UseSubFolder(QString::number(++n));
    Open("writeback");
    const QString deck = Path(c.deck);
    if (c.deck != QLatin1String("deck.pzd")) {
      ASSERT_TRUE(QFile::rename(Path(QStringLiteral("deck.pzd")), deck));
      form->Model().FileName = deck;
    }
    if (c.deck == tooLong) WriteBytes(BackupName(deck), "the old backup");
    if (c.message.contains(QLatin1String("erase"))) QDir(folder_).mkpath(QStringLiteral("deck.BAK/keep"));
    const QStringList before =
        QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    const QByteArray deckBefore = ReadBytes(deck);
    const QByteArray backupBefore = ReadBytes(BackupName(deck));
    List("PUMP ")->setCurrentIndex(0);
    ui.clear();
    form->WriteDeck(c.saveAs.isEmpty() ? deck : Path(c.saveAs));
    EXPECT_FALSE(form->SaveSucceeded) << c.what;
    // Messages show at most 255 characters.
    EXPECT_EQ(ui.texts().join(QLatin1Char('\n')).toStdString(),
              QString(c.message).replace(QLatin1String("%1"), folder_).left(255).toStdString())
        << c.what;
    EXPECT_EQ(ui.beeps(), 1) << c.what;
    EXPECT_EQ(ReadBytes(deck), deckBefore) << c.what;
    EXPECT_EQ(ReadBytes(BackupName(deck)), backupBefore) << c.what;
    EXPECT_EQ(QDir(folder_).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before)
        << c.what;
    EXPECT_EQ(form->FileName(), deck) << c.what;
    EXPECT_TRUE(form->DCKChanged()) << c.what;  // the new choice still counts
  }
}

TEST_F(WriteBackTest, AReadOnlyFolderIsReported) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  Open("writeback");
  const QByteArray before = ReadBytes(Path(QStringLiteral("deck.pzd")));
  QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  form->WriteDeck(form->FileName());
  QFile::setPermissions(folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  EXPECT_FALSE(form->SaveSucceeded);
  EXPECT_EQ(ui.texts(), QStringList{QStringLiteral("Error #13\n") + Path(QStringLiteral("deck.pzd")) +
                                     QStringLiteral(": Permission denied")});
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("deck.pzd"))), before);
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("deck.BAK"))));
}

// A deck read before any parse (the Source tab of a form that never parsed)
// is written from the disk.
TEST_F(WriteBackTest, WithoutAParseTheDiskTextIsWritten) {
  WriteBytes(Path(QStringLiteral("plain.pzd")), "*PLENZO\nTANK = 2.5\n\n");
  form->Model().FileName = Path(QStringLiteral("plain.pzd"));
  form->WriteDeck(form->FileName());
  EXPECT_TRUE(form->SaveSucceeded);
  EXPECT_EQ(ReadBytes(Path(QStringLiteral("plain.pzd"))), QByteArray("*PLENZO\r\nTANK = 2.5\r\n*\r\n"));
  TPlenzoForm fresh(&host);
  fresh.Model().FileName = Path(QStringLiteral("missing.pzd"));
  fresh.WriteDeck(Path(QStringLiteral("other.pzd")));
  EXPECT_FALSE(fresh.SaveSucceeded);
  EXPECT_EQ(ui.texts().back(),
            QStringLiteral("Error #2\n") + Path(QStringLiteral("missing.pzd")) + QStringLiteral(": No such file or directory"));
  EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("other.pzd"))));
}

TEST_F(WriteBackTest, SavingClearsTheChangeMarks) {
  Open("writeback");
  Type(Input("FLOW "), QStringLiteral("3"));
  List("PUMP ")->setCurrentIndex(0);
  EXPECT_TRUE(form->DCKChanged());
  form->WriteDeck(form->FileName());
  EXPECT_FALSE(form->DCKChanged());
  EXPECT_FALSE(Input("FLOW ")->isModified());
}

TEST(FormDumpTool, SavesTheFormInTheUnitsAsked) {
  QTemporaryDir dir;
  CopyFolderFiles(FixtureDeckFolder("writeback"), dir.path());
  const QString out = dir.filePath(QStringLiteral("out.pzd"));
  QProcess tool;
  tool.start(QStringLiteral(PELMARK_BIN_DIR "/formdump"), {QStringLiteral("--ip"), QStringLiteral("--save"),
                                                           out, dir.filePath(QStringLiteral("deck.pzd"))});
  ASSERT_TRUE(tool.waitForFinished(30000));
  EXPECT_EQ(tool.exitCode(), 0);
  const QString dump = QString::fromUtf8(tool.readAllStandardOutput());
  EXPECT_TRUE(dump.contains(QLatin1String("\nsave ok\n")));
  EXPECT_TRUE(dump.contains(QLatin1String("shown text \"671.0\"")));  // TANK in gal
  EXPECT_EQ(ReadBytes(out), ReadBytes(SavedFixture()));
}

}  // namespace
}  // namespace pm::test
