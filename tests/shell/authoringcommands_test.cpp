// The authoring commands open the mark-up dialogs over the Source tab of the
// current form window, through the real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <functional>

#include "common/globals.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/windowhelpers.h"
#include "shellfixture.h"

namespace pm::test {
namespace {

class AuthoringCommandsTest : public ProgramFolderTest {
 protected:
  TPlenzoForm* OpenDeck(const QByteArray& text) {
    Begin();
    deck = folder_ + QStringLiteral("/plant.pzd");
    WriteBytes(deck, text);
    form_->ReadaFile(deck);
    QMdiSubWindow* child = form_->MdiArea()->subWindowList().value(0);
    if (!child) return nullptr;
    form_->SetActiveChild(child);
    return qobject_cast<TPlenzoForm*>(child->widget());
  }
  // Runs the command with the modal dialog answered by `fill`, then OK.
  static void WithDialog(const std::function<void()>& command, const std::function<void(QWidget*)>& fill) {
    QTimer::singleShot(0, [fill] {
      QWidget* dialog = QApplication::activeModalWidget();
      ASSERT_NE(dialog, nullptr);
      fill(dialog);
      dialog->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    command();
  }
  QString deck;
};

TEST_F(AuthoringCommandsTest, ValueInputWritesAtTheVariableAndOneUndoTakesItBack) {
  const QByteArray text =
      "*PLENZO\r\n*|<FONT2> \"ARIAL\" 10 NONE BLACK\r\n*|<COLOR3> BLUE\r\nEQUATIONS 1\r\n"
      "FLOW = 2\r\nEND\r\n";
  TPlenzoForm* plenzo = OpenDeck(text);
  ASSERT_TRUE(plenzo);
  plenzo->ShowTab(0);
  ASSERT_TRUE(plenzo->IsSourceTabCurrent());
  const QString before = plenzo->Editor()->toPlainText();
  WithDialog([this] { form_->ValueInputClick(); },
             [](QWidget* d) {
               d->findChild<QLineEdit*>(QStringLiteral("Edit1"))->setText(QStringLiteral("Flow rate"));
               d->findChild<QLineEdit*>(QStringLiteral("MinValueEdit"))->setText(QStringLiteral("0"));
               d->findChild<QLineEdit*>(QStringLiteral("MaxValueEdit"))->setText(QStringLiteral("10.0"));
             });
  QTextDocument* doc = plenzo->Editor()->document();
  EXPECT_EQ(doc->findBlockByNumber(5).text(), QStringLiteral("*|Flow rate|||0|1|0|10.0|0"));
  EXPECT_FALSE(plenzo->SourceSaved);
  form_->Undo1Click();
  EXPECT_EQ(plenzo->Editor()->toPlainText(), before);
  doc->redo();
  // Leaving the Source tab builds the new input.
  QTabBar* bar = plenzo->TabControl();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
  ASSERT_EQ(G().ParseErrorState, 0) << ui_.texts().join(QLatin1Char('|')).toStdString();
  const std::vector<TFormElement*> page = plenzo->Model().Elements.OnPage(0);
  ASSERT_EQ(page.size(), 1u);
  EXPECT_EQ(page[0]->kind, ElementKind::NumericInput);
  EXPECT_EQ(page[0]->text, "Flow rate");
}

TEST_F(AuthoringCommandsTest, BackgroundReplacesOrAddsItsLine) {
  struct Case {
    QByteArray text;
    int line;
    QString expected;
  } cases[] = {
      {"*PLENZO\r\n*|*Title\r\n", 1, QStringLiteral("*|<BACKGROUND> RGB(0,128,0)")},
      {"*PLENZO\r\n*|*Title\r\n*|<background>   RED\r\n", 2, QStringLiteral("*|<BACKGROUND> RGB(0,128,0)")},
  };
  for (const Case& c : cases) {
    TPlenzoForm* plenzo = OpenDeck(c.text);
    ASSERT_TRUE(plenzo);
    plenzo->ShowTab(0);
    ui_.answerColor(QColor(0, 128, 0));
    WithDialog([this] { form_->Background1Click(); },
               [](QWidget* d) {
                 d->findChild<QWidget*>(QStringLiteral("ColorBox"))->setFocus();
                 QTest::mouseClick(d->findChild<QWidget*>(QStringLiteral("ColorBox")), Qt::LeftButton);
               });
    EXPECT_EQ(plenzo->Editor()->document()->findBlockByNumber(c.line).text(), c.expected);
    EXPECT_EQ(plenzo->Editor()->document()->blockCount(), 3);
  }
}

TEST_F(AuthoringCommandsTest, WithoutAFormWindowTheCommandsDoNothing) {
  Begin();
  // A dialog shown here would block the test.
  form_->ValueInputClick();
  form_->DropdownInput1Click();
  form_->SimpleText1Click();
  form_->Group1Click();
  form_->Assign1Click();
  form_->AddFigure1Click();
  form_->Background1Click();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace pm::test
