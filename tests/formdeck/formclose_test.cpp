#include <QFile>
#include <QPlainTextEdit>

#include "formdeck/ui/formpage.h"
#include "formtestsupport.h"
#include "platform/textfile.h"

namespace pm::test {
namespace {

void WriteAll(const QString& path, const QByteArray& bytes) { ASSERT_EQ(WriteFileAtomic(path, bytes), 0); }

// The write-back as a seam: counts its calls and can fail.
class SavingForm final : public TPlenzoForm {
 public:
  using TPlenzoForm::TPlenzoForm;
  void WriteDeck(const QString& NewName) override {
    ++writes;
    TPlenzoForm::WriteDeck(NewName);
    SaveSucceeded = !failWrite;
  }
  int writes = 0;
  bool failWrite = false;
};

class FormCloseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G().ParseErrorState = 0;
    deck = dir.filePath(QStringLiteral("plant.pzd"));
    copy = dir.filePath(QStringLiteral("~temp.pzd"));
    WriteAll(deck, "edited\r\n");
    WriteAll(copy, "at opening\r\n");
    form = std::make_unique<SavingForm>(&host);
    form->Model().FileName = deck;
    form->SetWorkingCopy(copy);
  }
  void TearDown() override { G().ParseErrorState = 0; }

  QString Question() const { return deck + QStringLiteral(" has been changed.  Save it?"); }

  QTemporaryDir dir;
  QString deck;
  QString copy;
  ScriptedUi ui;
  FakeHost host;
  std::unique_ptr<SavingForm> form;
};

TEST_F(FormCloseTest, NoQuestionWhenNothingChanged) {
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(ReadBytes(deck), "edited\r\n");
  EXPECT_FALSE(QFile::exists(copy));  // the window's own copy goes with it
}

TEST_F(FormCloseTest, EditedSourceTextAsks) {
  form->ClearTabs();
  form->AddSourceTab();
  form->LoadEditor(deck);
  form->Editor()->setPlainText(QStringLiteral("edited again"));
  ui.answer(ModalResult::Cancel);
  EXPECT_FALSE(form->close());
  ASSERT_EQ(ui.messages().size(), 1u);
  const ScriptedUi::Message& m = ui.messages()[0];
  EXPECT_EQ(m.text, Question());
  EXPECT_EQ(m.icon, MessageIcon::Warning);
  EXPECT_EQ(m.buttons, MessageButtons::YesNoCancel);
  EXPECT_FALSE(m.beepBefore);
  EXPECT_EQ(form->writes, 0);
  EXPECT_EQ(ReadBytes(deck), "edited\r\n");
  EXPECT_TRUE(QFile::exists(copy));
}

TEST_F(FormCloseTest, YesWritesTheDeckBack) {
  form->Model().Changed = true;
  ui.answer(ModalResult::Yes);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(form->writes, 1);
  EXPECT_EQ(ui.texts(), QStringList{Question()});
}

TEST_F(FormCloseTest, FailedWriteKeepsTheWindowOpen) {
  form->Model().Changed = true;
  form->failWrite = true;
  ui.answer(ModalResult::Yes);
  EXPECT_FALSE(form->close());
  EXPECT_EQ(form->writes, 1);
  EXPECT_TRUE(QFile::exists(copy));
}

TEST_F(FormCloseTest, YesWithAFailingInputKeepsTheWindowAndWritesNothing) {
  form->ClearTabs();
  form->Show();
  FakeInput* input = FocusedInput(*form, QStringLiteral("abc"));
  form->Model().Changed = true;
  ui.answer(ModalResult::Yes);
  EXPECT_FALSE(form->close());
  EXPECT_EQ(input->checks, 1);
  EXPECT_EQ(form->writes, 0);
}

TEST_F(FormCloseTest, NoRestoresThisWindowsWorkingCopy) {
  form->Model().Changed = true;
  ui.answer(ModalResult::No);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadBytes(deck), "at opening\r\n");
  EXPECT_EQ(form->writes, 0);
  EXPECT_FALSE(QFile::exists(copy));
}

// An explicit save moves the restore point: No then keeps what was saved.
TEST_F(FormCloseTest, NoAfterASaveRestoresTheSavedText) {
  WriteAll(deck, "saved\r\n");
  ASSERT_EQ(form->RefreshWorkingCopy(), 0);
  WriteAll(deck, "edited after the save\r\n");
  form->Model().Changed = true;
  ui.answer(ModalResult::No);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadBytes(deck), "saved\r\n");
}

TEST_F(FormCloseTest, NoWithoutAWorkingCopyLeavesTheDeck) {
  QFile::remove(copy);
  form->Model().Changed = true;
  ui.answer(ModalResult::No);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadBytes(deck), "edited\r\n");
  EXPECT_EQ(ui.messages().size(), 1u);
}

// Another deck of the same folder opened later made its own copy there:
// that text must never land in this deck.
TEST_F(FormCloseTest, NoNeverCopiesAnotherDecksWorkingCopy) {
  WriteAll(copy, "another deck\r\n");
  form->Model().Changed = true;
  ui.answer(ModalResult::No);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(ReadBytes(deck), "edited\r\n");
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_TRUE(ui.messages()[1].text.contains(QStringLiteral("was not restored")));
  EXPECT_EQ(ReadBytes(copy), "another deck\r\n");  // not this window's to delete
}

TEST_F(FormCloseTest, CancelKeepsTheWindowAndTheDeck) {
  form->Model().Changed = true;
  ui.answer(ModalResult::Cancel);
  EXPECT_FALSE(form->close());
  EXPECT_EQ(ReadBytes(deck), "edited\r\n");
  EXPECT_EQ(form->writes, 0);
}

// Nothing of a form whose parse failed can be written back; without a Source
// tab there is nothing else to save either.
TEST_F(FormCloseTest, FailedParseWithoutSourceTabClosesWithoutSaving) {
  form->SourceSaved = false;
  form->Model().ParseFailed = true;
  form->Model().Changed = true;
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(ui.messages().empty());
  EXPECT_EQ(form->writes, 0);
  EXPECT_EQ(ReadBytes(deck), "edited\r\n");
}

TEST_F(FormCloseTest, FailedParseWithSourceTabSavesTheSourceText) {
  form->ClearTabs();
  form->AddSourceTab();
  form->LoadEditor(deck);
  form->Editor()->setPlainText(QStringLiteral("*PLENZO\n\nTANK = 3"));
  form->Model().ParseFailed = true;
  ui.answer(ModalResult::Yes);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(form->writes, 0);
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\n*\r\nTANK = 3\r\n");
}

TEST_F(FormCloseTest, YesOnTheSourceTabSavesTheEditorNotTheForm) {
  form->ClearTabs();
  form->AddSourceTab();
  form->AddTab(QStringLiteral("Main"));
  form->LoadEditor(deck);
  form->ShowTab(0);
  form->Editor()->setPlainText(QStringLiteral("*PLENZO\nTANK = 4"));
  EXPECT_FALSE(form->SourceSaved);  // an edit in the Source editor
  ui.answer(ModalResult::Yes);
  EXPECT_TRUE(form->close());
  EXPECT_EQ(form->writes, 0);
  EXPECT_EQ(ReadBytes(deck), "*PLENZO\r\nTANK = 4\r\n");
}

TEST_F(FormCloseTest, FailedSourceSaveIsReportedAndKeepsTheWindow) {
  form->ClearTabs();
  form->AddSourceTab();
  form->LoadEditor(deck);
  form->ShowTab(0);
  form->Model().FileName = dir.filePath(QStringLiteral("no such folder/plant.pzd"));
  form->Model().Changed = true;
  ui.answer(ModalResult::Yes);
  EXPECT_FALSE(form->close());
  ASSERT_EQ(ui.messages().size(), 2u);
  EXPECT_TRUE(ui.messages()[1].text.startsWith(QStringLiteral("Error #")));
}

}  // namespace
}  // namespace pm::test
