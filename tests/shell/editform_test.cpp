#include "shell/ui/editform.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <csignal>

#include "common/globals.h"
#include "shellfixture.h"
#include "support/scriptedui.h"

namespace pm::test {
namespace {

// Files above `bytes` cannot be written while it lives (EFBIG, also for
// root, whom folder permissions do not stop).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

class EditFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path();
  }
  QString Copy(const char* fixture, const QString& as) {
    return CopyOpeningFixture(fixture, folder_ + QLatin1Char('/') + as);
  }

  QTemporaryDir dir_;
  QString folder_;
  ScriptedUi ui_;
};

TEST_F(EditFormTest, TakesItsKindFromTheExtension) {
  struct Case {
    const char* as;
    int kind;
  } cases[] = {{"a.dck", KindTextEditor},
               {"b.DCK", KindTextEditor},
               {"c.DEK", KindOtherText},
               {"d.txt", KindOtherText},
               {"e", KindOtherText}};
  for (const Case& c : cases) {
    TEditForm editor;
    const QString path = Copy("plain.dck", QLatin1String(c.as));
    ASSERT_EQ(editor.Open(path), 0);
    EXPECT_EQ(editor.Kind(), c.kind) << c.as;
    EXPECT_EQ(editor.windowTitle(), path);
    EXPECT_FALSE(editor.Modified());
  }
  TEditForm fresh;
  fresh.FormCreate(3);
  EXPECT_EQ(fresh.FileName(), QStringLiteral("NoName3.DCK"));
  EXPECT_EQ(fresh.Kind(), KindTextEditor);
}

TEST_F(EditFormTest, SavesItsLinesWithCrLfInWindows1252) {
  const QString path = Copy("notes.txt", QStringLiteral("notes.txt"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  EXPECT_EQ(editor.Text(), QStringLiteral("Notes: caf\u00e9 \u00a0 \u20ac 5\nsecond line"));
  editor.Editor()->moveCursor(QTextCursor::End);
  editor.Editor()->insertPlainText(QStringLiteral("\nthird \u00fc"));
  EXPECT_TRUE(editor.Modified());
  EXPECT_EQ(editor.Save(), 0);
  EXPECT_EQ(ReadBytes(path), original + QByteArray("third \xfc\r\n"));
  EXPECT_FALSE(editor.Modified());
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(EditFormTest, AFailedSaveIsReportedAndLeavesTheFileAsItWas) {
  const QString path = Copy("plain.dck", QStringLiteral("plain.dck"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  editor.Editor()->appendPlainText(QString(200, QLatin1Char('x')));
  {
    FileSizeLimit limit(16);
    EXPECT_EQ(editor.Save(), EFBIG);
  }
  EXPECT_EQ(ReadBytes(path), original);
  EXPECT_TRUE(editor.Modified());
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text,
            QStringLiteral("Error 27 was encountered while trying to write file ") + path);
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  // No leftover temporary file beside it.
  EXPECT_EQ(QDir(folder_).entryList(QDir::Files), QStringList{QStringLiteral("plain.dck")});
}

TEST_F(EditFormTest, AFileThatIsNoTextIsShownReadOnlyAndNeverWritten) {
  const QString path = Copy("picture.dat", QStringLiteral("picture.wmf"));
  const QByteArray original = ReadBytes(path);
  TEditForm editor;
  ASSERT_EQ(editor.Open(path), 0);
  EXPECT_TRUE(editor.IsReadOnly());
  EXPECT_TRUE(editor.Editor()->isReadOnly());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("The file ") + path +
                                     QStringLiteral(" is not a text file; it is shown read-only.")});
  editor.SetModified(true);
  EXPECT_EQ(editor.Save(), 0);
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(EditFormTest, CloseQuestionCancelKeepsTheTextYesSavesNoDiscards) {
  const QString path = Copy("plain.dck", QStringLiteral("plain.dck"));
  const QByteArray original = ReadBytes(path);
  struct Case {
    ModalResult answer;
    bool closes;
    bool written;
  } cases[] = {
      {ModalResult::Cancel, false, false}, {ModalResult::No, true, false}, {ModalResult::Yes, true, true}};
  for (const Case& c : cases) {
    WriteBytes(path, original);
    TEditForm editor;
    ASSERT_EQ(editor.Open(path), 0);
    editor.Editor()->appendPlainText(QStringLiteral("EXTRA"));
    ui_.clear();
    ui_.answer(c.answer);
    EXPECT_EQ(editor.FormCloseQuery(), c.closes);
    ASSERT_EQ(ui_.messages().size(), 1u);
    EXPECT_EQ(ui_.messages()[0].text, path + QStringLiteral(" has been changed.  Save it?"));
    EXPECT_EQ(ui_.messages()[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ReadBytes(path) != original, c.written);
    EXPECT_TRUE(editor.Text().endsWith(QStringLiteral("EXTRA")));
  }
}

}  // namespace
}  // namespace pm::test
