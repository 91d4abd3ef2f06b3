// Opening and saving documents through the real main window, form window
// and text editor, with the scripted dialog service.
#include "shell/ui/documents.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>

#include "common/globals.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/filedialogs.h"
#include "shell/runstate.h"
#include "shell/ui/editform.h"
#include "shell/ui/menustate.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"
#include "shell/runprogram.h"
#include "support/standins.h"

namespace pm::test {
namespace {

class DocumentsTest : public ProgramFolderTest {
 protected:
  DocumentCommands& Docs() { return form_->Documents(); }

  // A fixture copied into the temporary folder (sub-folders made).
  QString Deck(const char* fixture, const QString& as) {
    return CopyOpeningFixture(fixture, folder_ + QLatin1Char('/') + as);
  }

  QStringList Questions() const {
    QStringList questions;
    for (const ScriptedUi::Message& m : ui_.messages()) {
      if (m.buttons == MessageButtons::YesNoCancel) questions << m.text;
    }
    return questions;
  }
  void Settle() { QCoreApplication::processEvents(); }
  // Opens a file through the dispatcher; its window of class W becomes the
  // active child, as activation makes it in the running program.
  template <typename W>
  W* OpenActive(const QString& path) {
    form_->ReadaFile(path);
    W* window = Only<W>();
    if (window) form_->SetActiveChild(qobject_cast<QMdiSubWindow*>(window->parentWidget()));
    return window;
  }
};

// ---- dispatch ---------------------------------------------------------------

TEST_F(DocumentsTest, EachFileOpensInItsWindowByMarkerExtensionAndRunMode) {
  struct Case {
    const char* program;
    const char* fixture;
    const char* as;
    std::vector<int> kinds;
    bool sourceTab;
    QStringList messages;
  } cases[] = {
      {"mivaro", "plant.pzd", "plant.pzd", {KindFormSource}, true, {}},
      {"mivaro",
       "marked.dck",
       "A.DCK",
       {KindFormSource},
       true,
       {QStringLiteral("File @ contains a *PLENZO comment line indicating that it is a Plenzo file. Please "
                       "change the filename extension to .PZD.")}},
      {"mivaro", "plain.dck", "plain.dck", {KindTextEditor}, false, {}},
      {"mivaro",
       "loose.dck",
       "loose.dck",
       {KindFormSource},
       true,
       {QStringLiteral("File @ contains a *PLENZO comment line indicating that it is a Plenzo file. Please "
                       "change the filename extension to .PZD.")}},
      {"mivaro", "line6.dck", "line6.dck", {KindTextEditor}, false, {}},
      {"mivaro", "notes.txt", "notes.txt", {KindOtherText}, false, {}},
      {"mivaro", "notes.txt", "A.WMF", {KindOtherText}, false, {}},
      {"mivaro", "notes.txt", "A.IDX", {KindOtherText}, false, {}},
      {"mivaro", "notes.txt", "A.LST", {KindListing}, false, {}},
      {"demo", "plant.pzd", "plant.pzd", {KindFormPages}, false, {}},
      {"demo", "marked.dck", "A.DCK", {}, false, {QStringLiteral("@ is not a Plenzo file.")}},
      {"demo", "plain.dck", "plain.dck", {}, false, {QStringLiteral("@ is not a Plenzo file.")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.as);
    Begin(QLatin1String(c.program));
    ui_.clear();
    const QString path = Deck(c.fixture, QLatin1String(c.as));
    const QStringList recent = form_->RecentFiles.Items();
    form_->ReadaFile(path);
    EXPECT_EQ(Kinds(), c.kinds);
    TPlenzoForm* plenzo = Only<TPlenzoForm>();
    EXPECT_EQ(plenzo && plenzo->HasSourceTab(), c.sourceTab);
    if (plenzo) {
      // The Source tab's presence and SourceMode agree.
      EXPECT_EQ(G().SourceMode, c.sourceTab ? 1 : 0);
      EXPECT_EQ(plenzo->FileName(), path);
    }
    QStringList expected = c.messages;
    for (QString& m : expected) m.replace(QLatin1Char('@'), path);
    EXPECT_EQ(ui_.texts(), expected);
    // A refused file changes nothing, the recent list included.
    if (c.kinds.empty()) {
      EXPECT_EQ(form_->RecentFiles.Items(), recent);
    } else {
      EXPECT_EQ(form_->RecentFiles.Items().constLast(), path);
    }
  }
}

TEST_F(DocumentsTest, APlainDeckBecomesTheInputAndReplacesTheOldPlainDeck) {
  Begin();
  const QString first = Deck("plain.dck", QStringLiteral("first.dck"));
  const QString second = Deck("plain.dck", QStringLiteral("second.dck"));
  form_->ReadaFile(first);
  form_->ReadaFile(second);
  ASSERT_EQ(Kinds(), std::vector<int>{KindTextEditor});
  EXPECT_EQ(Only<TEditForm>()->FileName(), second);
  EXPECT_EQ(form_->InputFileName, second);
  QAction* input = form_->Item(QStringLiteral("Input1"));
  EXPECT_EQ(input->text(), QStringLiteral("Input ") + second);
  EXPECT_TRUE(ItemEnabled(input));
  EXPECT_EQ(G().AssignFileList, QStringList{QStringLiteral("weather.dat")});
}

TEST_F(DocumentsTest, DedicatedModeEndsAtStartUpOnAFileThatIsNoPlenzoDeck) {
  Start(QStringLiteral("demo"));
  Docs().Quit = [this](int status) { quits_.push_back(status); };
  const QString path = Deck("plain.dck", QStringLiteral("plain.dck"));
  form_->ReadaFile(path);
  EXPECT_TRUE(Docs().EndRequested());
  EXPECT_EQ(Docs().ExitStatus(), 1);
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_EQ(ui_.texts(), QStringList{path + QStringLiteral(" is not a Plenzo file.")});
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  EXPECT_TRUE(quits_.empty());
}

TEST_F(DocumentsTest, DedicatedModeLaterEndsTheWayFileExitDoesEachWindowAskingFirst) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  const QString plain = Deck("plain.dck", QStringLiteral("plain.dck"));
  form_->ReadaFile(deck);
  ASSERT_EQ(Kinds(), std::vector<int>{KindFormPages});
  Only<TPlenzoForm>()->Model().Changed = true;  // the user changed a value

  // Cancel at the form's question keeps the program and the form.
  ui_.clear();
  ui_.answer(ModalResult::Ok);
  ui_.answer(ModalResult::Cancel);
  form_->ReadaFile(plain);
  EXPECT_EQ(ui_.texts(), (QStringList{plain + QStringLiteral(" is not a Plenzo file."),
                                      deck + QStringLiteral(" has been changed.  Save it?")}));
  EXPECT_TRUE(quits_.empty());
  EXPECT_EQ(Docs().ExitStatus(), 0);
  EXPECT_EQ(Kinds(), std::vector<int>{KindFormPages});
  EXPECT_FALSE(Docs().EndRequested());

  // Agreeing ends it with a failure status.
  ui_.answer(ModalResult::Ok);
  ui_.answer(ModalResult::No);
  form_->ReadaFile(plain);
  EXPECT_EQ(quits_, std::vector<int>{1});
  EXPECT_EQ(Docs().ExitStatus(), 1);
  EXPECT_TRUE(G().ShellClosing);
}

TEST_F(DocumentsTest, NothingOpensWhileAProgramIsWaitedFor) {
  Begin();
  const QString path = Deck("plain.dck", QStringLiteral("plain.dck"));
  {
    RunGuard busy(form_->Runs);
    ui_.answerFile(path);
    form_->Open1Click();
    form_->ReadaFile(path);
    form_->EditPlenzo(Deck("plant.pzd", QStringLiteral("plant.pzd")), 0);
  }
  EXPECT_TRUE(ui_.fileRequests().empty());
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_TRUE(ui_.messages().empty());
}

// ---- questions before replacing windows ---------------------------------------

TEST_F(DocumentsTest, OpeningOverAModifiedEditorAsksFirstAndCancelLosesNothing) {
  Begin();
  const QString plain = Deck("plain.dck", QStringLiteral("plain.dck"));
  const QString other = Deck("plain.dck", QStringLiteral("other.dck"));
  const QByteArray original = ReadBytes(plain);
  form_->ReadaFile(plain);
  TEditForm* editor = Only<TEditForm>();
  editor->Editor()->appendPlainText(QStringLiteral("NEW LINE"));
  const QStringList recent = form_->RecentFiles.Items();

  ui_.clear();
  ui_.answer(ModalResult::Cancel);
  form_->ReadaFile(other);
  EXPECT_EQ(Questions(), QStringList{plain + QStringLiteral(" has been changed.  Save it?")});
  ASSERT_EQ(Kinds(), std::vector<int>{KindTextEditor});
  EXPECT_EQ(Only<TEditForm>(), editor);
  EXPECT_TRUE(editor->Modified());
  EXPECT_TRUE(editor->Text().endsWith(QStringLiteral("NEW LINE")));
  EXPECT_EQ(form_->RecentFiles.Items(), recent);
  EXPECT_EQ(form_->InputFileName, plain);
  EXPECT_EQ(ReadBytes(plain), original);

  // Yes saves it, then the other deck takes its place.
  ui_.answer(ModalResult::Yes);
  form_->ReadaFile(other);
  EXPECT_EQ(ReadBytes(plain), original + QByteArray("NEW LINE\r\n"));
  ASSERT_EQ(Kinds(), std::vector<int>{KindTextEditor});
  EXPECT_EQ(Only<TEditForm>()->FileName(), other);
}

TEST_F(DocumentsTest, FileOpenAsksEachWindowOnceBeforeTheDialog) {
  Begin();
  const QString plain = Deck("plain.dck", QStringLiteral("plain.dck"));
  const QString deck = Deck("nomarker.pzd", QStringLiteral("plant.pzd"));
  const QByteArray original = ReadBytes(plain);
  form_->ReadaFile(plain);
  Only<TEditForm>()->Editor()->appendPlainText(QStringLiteral("DISCARDED"));

  // Cancel at the question: no dialog, nothing changes.
  ui_.clear();
  ui_.answer(ModalResult::Cancel);
  form_->Open1Click();
  EXPECT_TRUE(ui_.fileRequests().empty());
  EXPECT_EQ(Kinds(), std::vector<int>{KindTextEditor});

  // No: asked once, although File/Open and EditPlenzo both replace it.
  ui_.clear();
  ui_.answer(ModalResult::No);
  ui_.answerFile(deck);
  form_->Open1Click();
  EXPECT_EQ(Questions(), QStringList{plain + QStringLiteral(" has been changed.  Save it?")});
  EXPECT_EQ(ReadBytes(plain), original);
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(ui_.fileRequests()[0].filter, OpenDialogFilter());
  EXPECT_EQ(ui_.fileRequests()[0].selectedFilter, QStringLiteral("Plenzo files (*.PZD *.pzd)"));
  // A ".PZD" from File/Open in authoring mode opens for editing: the Source
  // tab first, even without the marker line.
  ASSERT_EQ(Kinds(), std::vector<int>{KindFormSource});
  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  EXPECT_TRUE(plenzo->HasSourceTab());
  EXPECT_TRUE(plenzo->IsSourceTabCurrent());
  EXPECT_EQ(G().SourceMode, 1);
  EXPECT_TRUE(plenzo->SourceSaved);
  EXPECT_EQ(form_->InputFileName, deck);
}

TEST_F(DocumentsTest, DedicatedModeOffersPlenzoDecksOnly) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  ui_.answerFile(deck);
  form_->Open1Click();
  ui_.answer(ModalResult::No);  // the form's question before the dialog
  form_->Open1Click();
  ASSERT_EQ(ui_.fileRequests().size(), 2u);
  EXPECT_EQ(ui_.fileRequests()[0].filter, QStringLiteral("Plenzo files (*.PZD *.pzd)"));
  EXPECT_EQ(ui_.fileRequests()[0].defaultSuffix, QStringLiteral("PZD"));
  EXPECT_TRUE(ui_.fileRequests()[0].fileName.isEmpty());
  EXPECT_EQ(ui_.fileRequests()[1].fileName, deck);
  EXPECT_EQ(Kinds(), std::vector<int>{KindFormPages});
}

// File/Open of a file that is no Plenzo deck in dedicated mode: the form's
// question comes once, before the dialog; the exit does not ask again.
TEST_F(DocumentsTest, DedicatedRefusalAsksEachWindowOnce) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  const QString plain = Deck("plain.dck", QStringLiteral("plain.dck"));
  form_->ReadaFile(deck);
  Only<TPlenzoForm>()->Model().Changed = true;
  ui_.clear();
  ui_.answer(ModalResult::No);
  ui_.answerFile(plain);
  form_->Open1Click();
  EXPECT_EQ(Questions(), QStringList{deck + QStringLiteral(" has been changed.  Save it?")});
  EXPECT_EQ(ui_.texts().size(), 2);
  EXPECT_EQ(ui_.texts().constLast(), plain + QStringLiteral(" is not a Plenzo file."));
  EXPECT_EQ(quits_, std::vector<int>{1});
  EXPECT_TRUE(Children().isEmpty());
}

TEST_F(DocumentsTest, OpeningADeckOverAFormAsksTheFormOnceAndCancelKeepsIt) {
  Begin(QStringLiteral("demo"));
  const QString first = Deck("plant.pzd", QStringLiteral("a/first.pzd"));
  const QString second = Deck("plant.pzd", QStringLiteral("b/second.pzd"));
  form_->ReadaFile(first);
  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  plenzo->Model().Changed = true;  // the user changed a value
  ui_.clear();
  ui_.answer(ModalResult::Cancel);
  form_->ReadaFile(second);
  EXPECT_EQ(Questions(), QStringList{first + QStringLiteral(" has been changed.  Save it?")});
  EXPECT_EQ(Only<TPlenzoForm>(), plenzo);
  EXPECT_TRUE(QFileInfo::exists(folder_ + QStringLiteral("/a/~temp.pzd")));
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/b/~temp.pzd")));

  ui_.clear();
  ui_.answer(ModalResult::No);
  form_->ReadaFile(second);
  EXPECT_EQ(Questions().size(), 1);
  EXPECT_EQ(Only<TPlenzoForm>()->FileName(), second);
  EXPECT_EQ(Kinds().size(), 1u);
  // The old window took its working copy with it.
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/a/~temp.pzd")));
  EXPECT_TRUE(QFileInfo::exists(folder_ + QStringLiteral("/b/~temp.pzd")));
}

// A deck opened and left alone closes without a question, however it was
// opened; an edit of its Source text brings the question back.
TEST_F(DocumentsTest, AnUntouchedDeckClosesWithoutAQuestionHoweverItWasOpened) {
  for (const char* way : {"command line", "recent item", "File/Open", "dedicated start-up"}) {
    const std::string how(way);
    Begin(how == "dedicated start-up" ? QStringLiteral("demo") : QStringLiteral("mivaro"));
    const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
    const QByteArray original = ReadBytes(deck);
    if (how == "recent item") {
      form_->RecentFiles.Add(deck);
      form_->OpenFileItem(form_->RecentFiles.Count() - 1);
    } else if (how == "File/Open") {
      ui_.answerFile(deck);
      form_->Open1Click();
    } else {
      form_->ReadaFile(deck);
    }
    ASSERT_EQ(Kinds().size(), 1u) << way;
    ui_.clear();
    EXPECT_TRUE(Children().first()->close()) << way;
    EXPECT_TRUE(Questions().isEmpty()) << way;
    EXPECT_EQ(ReadBytes(deck), original) << way;
  }

  Begin();
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  form_->ReadaFile(deck);
  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  ASSERT_TRUE(plenzo->HasSourceTab());
  plenzo->Editor()->appendPlainText(QStringLiteral("* more"));
  ui_.clear();
  ui_.answer(ModalResult::Cancel);
  EXPECT_FALSE(Children().first()->close());
  EXPECT_EQ(Questions(), QStringList{deck + QStringLiteral(" has been changed.  Save it?")});
}

// While a program is waited for, the close buttons of the form and the text
// editor are refused with a beep; afterwards they close again.
TEST_F(DocumentsTest, CloseRequestsAreRefusedDuringAProgramWait) {
  Begin();
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  const QString notes = Deck("notes.txt", QStringLiteral("notes.txt"));
  form_->ReadaFile(deck);
  form_->ReadaFile(notes);
  ASSERT_EQ(Children().size(), 2);
  Only<TPlenzoForm>()->Model().Changed = true;
  const QString engineDeck = folder_ + QStringLiteral("/run.dck");
  WriteBytes(engineDeck, "* deck\r\n");
  G().ProgramFolder = BinDir();
  ScopedEnv sleep("ZANTOR_SLEEP_MS", "300");
  std::vector<bool> closed;
  LocalTimer timer(50, [&] {
    for (QMdiSubWindow* child : Children()) closed.push_back(child->close());
  });
  ui_.clear();
  EXPECT_TRUE(RunProgramOK(BinDir() + QStringLiteral("/Zantor \"") + engineDeck + QLatin1Char('"'), form_->Runs));
  EXPECT_EQ(closed, (std::vector<bool>{false, false}));
  EXPECT_EQ(Children().size(), 2);
  EXPECT_TRUE(ui_.messages().empty());
  EXPECT_EQ(ui_.beeps(), 2);

  ui_.answer(ModalResult::No);
  EXPECT_TRUE(Only<TPlenzoForm>()->SubWindow()->close());
}

// One window per file: a text file open in an editor is shown there, also
// when named in another case or through another path.
TEST_F(DocumentsTest, ASecondOpenOfATextFileShowsItsWindow) {
  Begin();
  const QString notes = Deck("notes.txt", QStringLiteral("notes.txt"));
  TEditForm* first = OpenActive<TEditForm>(notes);
  ASSERT_NE(first, nullptr);
  first->Editor()->appendPlainText(QStringLiteral("typed"));
  const QString other = Deck("plain.dck", QStringLiteral("other.txt"));
  OpenActive<TEditForm>(other);
  ASSERT_EQ(Children().size(), 2);
  ui_.clear();
  for (const QString& name : {notes, folder_ + QStringLiteral("/./NOTES.TXT")}) {
    form_->ReadaFile(name);
    EXPECT_EQ(Children().size(), 2);
    EXPECT_EQ(form_->MdiArea()->activeSubWindow(), first->SubWindow());
    EXPECT_TRUE(first->Modified());
  }
  form_->RecentFiles.Add(notes);
  form_->OpenFileItem(form_->RecentFiles.Count() - 1);
  EXPECT_EQ(Children().size(), 2);
  EXPECT_TRUE(ui_.messages().empty());
}

// The restore point beside an open deck is not opened: nothing is deleted
// and no window is made.
TEST_F(DocumentsTest, AnOpenDecksWorkingCopyIsNotOpened) {
  for (const char* program : {"mivaro", "demo"}) {
    Begin(QLatin1String(program));
    const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
    form_->ReadaFile(deck);
    TPlenzoForm* plenzo = Only<TPlenzoForm>();
    const QString copy = folder_ + QStringLiteral("/~temp.pzd");
    ASSERT_EQ(plenzo->WorkingCopyPath(), copy);
    const QByteArray bytes = ReadBytes(copy);
    ui_.clear();
    form_->ReadaFile(copy);
    form_->EditPlenzo(copy, 0);
    const QString message = copy + QStringLiteral(" is the working copy of ") + deck +
                            QStringLiteral(", which is open.  It cannot be opened.");
    EXPECT_EQ(ui_.texts(), (QStringList{message, message})) << program;
    EXPECT_EQ(ReadBytes(copy), bytes) << program;
    EXPECT_EQ(Children().size(), 1) << program;
    EXPECT_EQ(Only<TPlenzoForm>(), plenzo) << program;
    EXPECT_FALSE(Docs().EndRequested()) << program;
  }
}

TEST_F(DocumentsTest, AFormWhoseParseFailedClosesOnceTheOpenerIsDone) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("broken.pzd", QStringLiteral("broken.pzd"));
  form_->ReadaFile(deck);
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("***Unrecognized color***   *|<COLOR1> ORANGE")});
  Settle();
  EXPECT_TRUE(Children().isEmpty());
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/~temp.pzd")));

  // With a Source tab it stays, on the Source tab.
  Begin();
  form_->ReadaFile(deck);
  Settle();
  EXPECT_EQ(Kinds(), std::vector<int>{KindFormSource});
}

// ---- working copy -------------------------------------------------------------

TEST_F(DocumentsTest, TheWorkingCopyIsMadeBesideTheDeckAndRestoredFromThereOnly) {
  Begin(QStringLiteral("demo"));
  // The current folder is the program folder, which holds a stale copy.
  const QString stale = folder_ + QStringLiteral("/~temp.pzd");
  WriteBytes(stale, "* another deck\r\n");
  const QString deck = Deck("plant.pzd", QStringLiteral("W.1/plant.pzd"));
  const QByteArray original = ReadBytes(deck);
  form_->ReadaFile(deck);
  const QString copy = folder_ + QStringLiteral("/W.1/~temp.pzd");
  EXPECT_EQ(ReadBytes(copy), original);
  EXPECT_EQ(Only<TPlenzoForm>()->WorkingCopyPath(), copy);

  // The deck changed on disk since opening; No at the close puts it back.
  WriteBytes(deck, "* changed\r\n");
  Only<TPlenzoForm>()->Model().Changed = true;
  ui_.answer(ModalResult::No);
  EXPECT_TRUE(Children().first()->close());
  EXPECT_EQ(ReadBytes(deck), original);
  EXPECT_FALSE(QFileInfo::exists(copy));
  EXPECT_EQ(ReadBytes(stale), QByteArray("* another deck\r\n"));
}

TEST_F(DocumentsTest, ADeckNamedLikeTheWorkingCopyIsNeverRemoved) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("plant.pzd", QStringLiteral("~temp.pzd"));
  form_->ReadaFile(deck);
  EXPECT_TRUE(Only<TPlenzoForm>()->WorkingCopyPath().isEmpty());
  ui_.answer(ModalResult::No);
  EXPECT_TRUE(Children().first()->close());
  EXPECT_TRUE(QFileInfo::exists(deck));
}

TEST_F(DocumentsTest, TheWorkingCopyIsKeptAfterARecentItemAndRemovedAtExit) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("plant.pzd", QStringLiteral("sub/plant.pzd"));
  form_->RecentFiles.Add(deck);
  form_->FixFileNameList();
  form_->OpenFileItem(0);
  const QString copy = folder_ + QStringLiteral("/sub/~temp.pzd");
  EXPECT_TRUE(QFileInfo::exists(copy));
  EXPECT_EQ(QDir::currentPath(), folder_ + QStringLiteral("/sub"));
  form_.reset();
  EXPECT_FALSE(QFileInfo::exists(copy));
}

TEST_F(DocumentsTest, ARecentItemWhoseFileIsGoneIsDropped) {
  Begin();
  const QString gone = folder_ + QStringLiteral("/gone.dck");
  form_->RecentFiles.Add(gone);
  form_->FixFileNameList();
  form_->OpenFileItem(0);
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages()[0].text, gone + QStringLiteral(" no longer exists"));
  EXPECT_EQ(ui_.messages()[0].icon, MessageIcon::Warning);
  EXPECT_TRUE(ui_.messages()[0].beepBefore);
  EXPECT_EQ(form_->RecentFiles.Count(), 0);
  EXPECT_TRUE(Children().isEmpty());
}

// ---- saving ---------------------------------------------------------------------

TEST_F(DocumentsTest, FileSaveWritesEachChangedWindowToItsOwnFile) {
  Begin();
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  const QString plain = Deck("plain.dck", QStringLiteral("plain.dck"));
  // LF line ends: a rewrite would show as CR LF.
  const QString notes = folder_ + QStringLiteral("/notes.txt");
  WriteBytes(notes, "untouched\nnotes\n");
  form_->ReadaFile(deck);
  form_->ReadaFile(plain);
  form_->ReadaFile(notes);
  ASSERT_EQ(Kinds(), (std::vector<int>{KindFormSource, KindTextEditor, KindOtherText}));

  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  plenzo->Editor()->appendPlainText(QStringLiteral("*|*Second heading"));
  QList<TEditForm*> editors;
  for (QMdiSubWindow* child : Children()) {
    if (auto* e = qobject_cast<TEditForm*>(child->widget())) editors << e;
  }
  editors[0]->Editor()->appendPlainText(QStringLiteral("* appended"));
  const QByteArray plainBefore = ReadBytes(plain);
  const QByteArray deckBefore = ReadBytes(deck);

  form_->Save1Click();
  EXPECT_EQ(ReadBytes(plain), plainBefore + QByteArray("* appended\r\n"));
  EXPECT_EQ(ReadBytes(deck), deckBefore + QByteArray("*|*Second heading\r\n"));
  EXPECT_EQ(ReadBytes(folder_ + QStringLiteral("/~temp.pzd")), ReadBytes(deck));
  EXPECT_EQ(ReadBytes(notes), QByteArray("untouched\nnotes\n"));
  EXPECT_FALSE(editors[0]->Modified());
  EXPECT_TRUE(plenzo->SourceSaved);
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(DocumentsTest, FileSaveWritesTheFormIntoItsOwnDeckNotTheLastInput) {
  Begin();
  const QString deck = Deck("plant.pzd", QStringLiteral("plant.pzd"));
  const QString plain = Deck("plain.dck", QStringLiteral("plain.dck"));
  form_->ReadaFile(deck);
  TPlenzoForm* plenzo = Only<TPlenzoForm>();
  plenzo->ShowTab(1);  // the form page: kind 2000
  form_->ReadaFile(plain);
  ASSERT_EQ(form_->InputFileName, plain);
  ASSERT_EQ(KindOfChild(Children().first()), KindFormPages);
  plenzo->Model().Changed = true;
  const QByteArray plainBefore = ReadBytes(plain);
  form_->Save1Click();
  EXPECT_EQ(plenzo->FileName(), deck);
  EXPECT_FALSE(plenzo->DCKChanged());
  EXPECT_EQ(ReadBytes(plain), plainBefore);
}

TEST_F(DocumentsTest, SaveAsMovesAnEditorToTheNewFileAndItsKindFollows) {
  Begin();
  const QString notes = Deck("notes.txt", QStringLiteral("notes.txt"));
  TEditForm* editor = OpenActive<TEditForm>(notes);
  ASSERT_EQ(editor->Kind(), KindOtherText);
  const QString target = folder_ + QStringLiteral("/out/deck.dck");
  QDir().mkpath(folder_ + QStringLiteral("/out"));
  ui_.answerFile(target);
  form_->Saveas1Click();
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  // ".TXT" has no filter of its own: "All files", with its extension.
  EXPECT_EQ(ui_.fileRequests()[0].selectedFilter, QStringLiteral("All files (*)"));
  EXPECT_EQ(ui_.fileRequests()[0].defaultSuffix, QStringLiteral("TXT"));
  EXPECT_EQ(ui_.fileRequests()[0].fileName, notes);
  EXPECT_EQ(ReadBytes(target), ReadBytes(notes));
  EXPECT_EQ(editor->FileName(), target);
  EXPECT_EQ(editor->windowTitle(), target);
  EXPECT_EQ(editor->Kind(), KindTextEditor);
  EXPECT_EQ(KindOfChild(editor->SubWindow()), KindTextEditor);
  EXPECT_EQ(form_->InputFileName, target);
  EXPECT_EQ(form_->Item(QStringLiteral("Input1"))->text(), QStringLiteral("Input ") + target);
}

// A name typed in the Save as dialog is written as typed: a case variant
// of an open file is a new file, and the original stays byte for byte.
TEST_F(DocumentsTest, SaveAsToACaseVariantLeavesTheOriginal) {
  Begin();
  const QString deck = Deck("plant.pzd", QStringLiteral("tank.pzd"));
  const QByteArray original = ReadBytes(deck);
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(deck);
  ASSERT_TRUE(plenzo->IsSourceTabCurrent());
  plenzo->Editor()->appendPlainText(QStringLiteral("* more"));
  const QString upper = folder_ + QStringLiteral("/TANK.PZD");
  ui_.answerFile(upper);
  form_->Saveas1Click();
  EXPECT_EQ(ReadBytes(deck), original);
  EXPECT_EQ(ReadBytes(upper), original + QByteArray("* more\r\n"));
  EXPECT_EQ(plenzo->FileName(), upper);
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/tank.BAK")));

  const QString notes = Deck("notes.txt", QStringLiteral("notes.txt"));
  const QByteArray notesBefore = ReadBytes(notes);
  TEditForm* editor = OpenActive<TEditForm>(notes);
  editor->Editor()->appendPlainText(QStringLiteral("more"));
  const QString notesUpper = folder_ + QStringLiteral("/NOTES.TXT");
  ui_.answerFile(notesUpper);
  form_->Saveas1Click();
  EXPECT_EQ(ReadBytes(notes), notesBefore);
  EXPECT_TRUE(ReadBytes(notesUpper).endsWith("more\r\n"));
  EXPECT_EQ(editor->FileName(), notesUpper);
}

TEST_F(DocumentsTest, ACancelledSaveAsChangesNeitherKindNorFile) {
  Begin();
  // ".DEK" opens as 7000, while the save-as table gives it 1000.
  const QString dek = Deck("plain.dck", QStringLiteral("plant.DEK"));
  TEditForm* editor = OpenActive<TEditForm>(dek);
  ASSERT_EQ(editor->Kind(), KindOtherText);
  form_->Saveas1Click();
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(ui_.fileRequests()[0].selectedFilter, QStringLiteral("Savrel file (*.DEK *.dek)"));
  EXPECT_EQ(editor->Kind(), KindOtherText);
  EXPECT_EQ(editor->FileName(), dek);
}

TEST_F(DocumentsTest, SaveAsMovesTheFormAndItsRestorePointToTheNewDeck) {
  Begin(QStringLiteral("demo"));
  const QString deck = Deck("plant.pzd", QStringLiteral("a/plant.pzd"));
  // Saved over an existing deck in another folder.
  const QString target = Deck("nomarker.pzd", QStringLiteral("b/copy.pzd"));
  TPlenzoForm* plenzo = OpenActive<TPlenzoForm>(deck);
  ui_.answerFile(target);
  form_->Saveas1Click();
  EXPECT_EQ(ui_.fileRequests()[0].fileName, deck);
  EXPECT_EQ(plenzo->FileName(), target);
  EXPECT_EQ(plenzo->windowTitle(), target);
  EXPECT_EQ(form_->InputFileName, target);
  EXPECT_FALSE(QFileInfo::exists(folder_ + QStringLiteral("/a/~temp.pzd")));
  EXPECT_EQ(plenzo->WorkingCopyPath(), folder_ + QStringLiteral("/b/~temp.pzd"));
  EXPECT_EQ(ReadBytes(folder_ + QStringLiteral("/b/~temp.pzd")), ReadBytes(target));
  // The close question names the new file.
  plenzo->Model().Changed = true;
  ui_.clear();
  ui_.answer(ModalResult::Cancel);
  plenzo->FormCloseQuery();
  EXPECT_EQ(Questions(), QStringList{target + QStringLiteral(" has been changed.  Save it?")});
}

TEST_F(DocumentsTest, AFileThatIsNoTextIsNeitherSavedNorSavedAs) {
  Begin();
  const QString path = Deck("picture.dat", QStringLiteral("A.WMF"));
  const QByteArray original = ReadBytes(path);
  TEditForm* editor = OpenActive<TEditForm>(path);
  ASSERT_EQ(Kinds(), std::vector<int>{KindOtherText});
  EXPECT_TRUE(editor->IsReadOnly());
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("The file ") + path +
                                     QStringLiteral(" is not a text file; it is shown read-only.")});
  form_->Save1Click();
  form_->Saveas1Click();
  EXPECT_TRUE(ui_.fileRequests().empty());
  EXPECT_EQ(ReadBytes(path), original);
}

TEST_F(DocumentsTest, AWindowWithoutAFileAsksForANameThenSaves) {
  Begin();
  form_->New1Click();
  TEditForm* editor = Only<TEditForm>();
  EXPECT_EQ(editor->FileName(), QStringLiteral("NoName1.DCK"));
  editor->SetFileName(QString());
  editor->Editor()->insertPlainText(QStringLiteral("TEXT"));
  const QString target = folder_ + QStringLiteral("/named.dck");
  ui_.answerFile(target);
  form_->Save1Click();
  ASSERT_EQ(ui_.fileRequests().size(), 1u);
  EXPECT_EQ(ui_.fileRequests()[0].title, QStringLiteral("Saving window "));
  EXPECT_EQ(ui_.fileRequests()[0].fileName, QStringLiteral("*.DCK"));
  EXPECT_EQ(ReadBytes(target), QByteArray("TEXT\r\n"));
  EXPECT_EQ(editor->FileName(), target);
}

}  // namespace
}  // namespace pm::test
