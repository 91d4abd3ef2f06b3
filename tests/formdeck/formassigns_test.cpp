// The check before a run that the files the form names exist.
#include <QAbstractButton>

#include "writebacksupport.h"

namespace pm::test {

namespace {

// File inputs on the main page, in a group that a check box hides, and on
// a tab page; the listing is the engine's own.
QByteArray AssignDeck(const char* otherPageLine) {
  return QByteArray(
             "*PLENZO\n"
             "ASSIGN in.dat 10\n*|?Input file|1\n"
             "ASSIGN ***.LST 6\n*|?Listing|2\n"
             "ASSIGN out.dat 11\n*|?Output file|3\n"
             "*|{Opt|Options\n*|Show extra|Extra\n*|}\n"
             "*|#*|[Extra|Extra files\n*|#ASSIGN extra.dat 12\n*|#*|?Extra file|4\n*|#*|]\n"
             "*|<TABWINDOW NAME=\"Other\">\n") +
         otherPageLine + "\n*|?Data file|5\n*|</TABWINDOW>\n";
}

class CheckAssignsTest : public DeckCopyTest {
 protected:
  void OpenDeck(const char* otherPageLine, const std::vector<const char*>& existing) {
    for (const char* name : existing) WriteBytes(Path(QLatin1String(name)), "x");
    WriteBytes(Path(QStringLiteral("deck.pzd")), AssignDeck(otherPageLine));
    Reopen();
    ui.clear();
  }
};

TEST_F(CheckAssignsTest, MissingFilesAskOnceAndTheAnswerDecides) {
  struct Case {
    const char* what;
    std::vector<const char*> existing;
    ModalResult answer;
    bool result;
    const char* question;  // none: no question
  } cases[] = {
      {"all there", {"in.dat", "out.dat", "my data.dat"}, ModalResult::None, true, nullptr},
      {"yes goes on", {"in.dat", "my data.dat"}, ModalResult::Yes, true, "File out.dat for Output file"},
      {"no stops", {"in.dat", "my data.dat"}, ModalResult::No, false, "File out.dat for Output file"},
      {"one question for two", {"in.dat"}, ModalResult::Yes, true, "File out.dat for Output file"},
      {"another page, quotes off",
       {"in.dat", "out.dat"},
       ModalResult::No,
       false,
       "File my data.dat for Data file"},
  };
  int n = 0;
  for (const Case& c : cases) {
    UseSubFolder(QString::number(++n));
    OpenDeck("ASSIGN \"my data.dat\" 13", c.existing);
    if (c.answer != ModalResult::None) ui.answer(c.answer);
    EXPECT_EQ(form->CheckAssigns(), c.result) << c.what;
    if (!c.question) {
      EXPECT_TRUE(ui.messages().empty()) << c.what;
      continue;
    }
    ASSERT_EQ(ui.messages().size(), 1u) << c.what;
    const ScriptedUi::Message& m = ui.messages()[0];
    EXPECT_EQ(m.text, QLatin1String(c.question) + QStringLiteral(" was not found. Continue anyway?"))
        << c.what;
    EXPECT_EQ(m.icon, MessageIcon::Warning) << c.what;
    EXPECT_EQ(m.buttons, MessageButtons::YesNo) << c.what;
    EXPECT_FALSE(m.beepBefore) << c.what;
  }
}

// A blank name stops the run, on whatever page it lies.
TEST_F(CheckAssignsTest, ABlankNameStopsTheRun) {
  OpenDeck("ASSIGN \"\" 13", {"in.dat", "out.dat"});
  EXPECT_EQ(form->CurrentPage, 0);
  EXPECT_FALSE(form->CheckAssigns());
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text,
            QStringLiteral("The name of the file for Data file is blank.  Calculations can not proceed."));
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
}

// The hidden group's file counts once the group is shown.
TEST_F(CheckAssignsTest, FilesOfHiddenGroupsAreNotChecked) {
  OpenDeck("ASSIGN in.dat 13", {"in.dat", "out.dat"});
  EXPECT_TRUE(form->CheckAssigns());
  EXPECT_TRUE(ui.messages().empty());
  TFormElement* options = Element("Opt");
  ASSERT_TRUE(options && options->groupBox);
  auto* showExtra = options->groupBox->findChild<QAbstractButton*>();
  ASSERT_NE(showExtra, nullptr);
  showExtra->click();
  ui.answer(ModalResult::No);
  EXPECT_FALSE(form->CheckAssigns());
  EXPECT_EQ(ui.texts(),
            QStringList{QStringLiteral("File extra.dat for Extra file was not found. Continue anyway?")});
}

}  // namespace
}  // namespace pm::test
