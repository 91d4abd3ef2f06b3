#include "platform/help.h"
#include "shellfixture.h"

#include "support/fakeopenaction.h"

#include "formdeck/ui/plenzoform.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QUrl>

namespace pm::test {
namespace {

class HelpMenuTest : public ProgramFolderTest {
 protected:
  void SetUp() override {
    ProgramFolderTest::SetUp();
    UnloadHelpControl();
  }
  void TearDown() override {
    ProgramFolderTest::TearDown();
    UnloadHelpControl();
  }
  void MakeHelp() {
    WriteBytes(folder_ + QStringLiteral("/help/index.html"), "<html>main</html>");
    WriteBytes(folder_ + QStringLiteral("/help/pumps.html"), "<html>pumps</html>");
    WriteBytes(folder_ + QStringLiteral("/help/context.map"), "120=pumps.html\r\n");
  }
  FakeHelp fake_;
};

TEST_F(HelpMenuTest, HelpItemsShowTheMainTopicOrTheFocusedInputsPage) {
  MakeHelp();
  TOSTRELFORM* form = Start();
  form->Item(QStringLiteral("MivaroHelp"))->trigger();
  form->Item(QStringLiteral("QuorvelHelp"))->trigger();  // no form window: main topic
  int focusedId = 120;
  form->FocusedHelpId = [&focusedId] { return focusedId; };
  form->Item(QStringLiteral("QuorvelHelp"))->trigger();
  focusedId = 9999;
  form->Item(QStringLiteral("QuorvelHelp"))->trigger();
  EXPECT_EQ(fake_.shown, (QStringList{QStringLiteral("index.html"), QStringLiteral("index.html"),
                                      QStringLiteral("pumps.html"), QStringLiteral("index.html")}));
}

TEST_F(HelpMenuTest, TheHelpItemShowsThePageOfTheFormsFocusedInput) {
  MakeHelp();
  TOSTRELFORM* main = Begin(QStringLiteral("demo"));
  const QString deck = folder_ + QStringLiteral("/plant.pzd");
  WriteBytes(deck, "*PLENZO\r\nCONSTANTS 1\r\nTANK = 2.5\r\n*|Tank volume|m3|gal|0|264.172|0.1|100.0|120\r\n");
  main->ReadaFile(deck);
  TPlenzoForm* form = PlenzoFormInstance();
  ASSERT_NE(form, nullptr);
  ASSERT_TRUE(ui_.texts().isEmpty()) << ui_.texts().join(QLatin1Char('\n')).toStdString();
  QLineEdit* input = form->findChild<QLineEdit*>();
  ASSERT_NE(input, nullptr);
  main->activateWindow();
  input->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(QTest::qWaitFor([&] { return form->FocusedHelpId() == 120; }));
  main->Item(QStringLiteral("QuorvelHelp"))->trigger();
  EXPECT_EQ(fake_.shown, QStringList{QStringLiteral("pumps.html")});
}

TEST_F(HelpMenuTest, WithoutAHelpFolderNothingHappens) {
  TOSTRELFORM* form = Start();
  form->Item(QStringLiteral("MivaroHelp"))->trigger();
  form->Item(QStringLiteral("QuorvelHelp"))->trigger();
  EXPECT_TRUE(fake_.shown.isEmpty());
  EXPECT_TRUE(ui_.messages().empty());
}

TEST_F(HelpMenuTest, WebsiteOpensTheLocalHelpIndex) {
  MakeHelp();
  TOSTRELFORM* form = Start();
  FakeOpenAction open(false);  // a refusal is not reported
  form->Item(QStringLiteral("Website"))->trigger();
  ASSERT_EQ(open.opened().size(), 1);
  EXPECT_EQ(open.opened().first(), QUrl::fromLocalFile(folder_ + QStringLiteral("/help/index.html")));
  EXPECT_TRUE(ui_.messages().empty());
}

}  // namespace
}  // namespace pm::test
