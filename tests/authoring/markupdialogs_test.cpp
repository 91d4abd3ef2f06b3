// The mark-up dialogs driven through their real controls over a Source
// editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTimer>
#include <functional>

#include "authoring/ui/addpicturedlg.h"
#include "authoring/ui/assigndlg.h"
#include "authoring/ui/backcolordlg.h"
#include "authoring/ui/dialogparts.h"
#include "authoring/ui/displayfiledlg.h"
#include "authoring/ui/fileinputdlg.h"
#include "authoring/ui/makegroupdlg.h"
#include "authoring/ui/showfigdlg.h"
#include "authoring/ui/textinputdlg.h"
#include "authoring/ui/valueinputdlg.h"
#include "support/scriptedui.h"
#include "support/testpaths.h"

namespace pm::test {
namespace {

const QString kDeck = QStringLiteral(
    "*|<FONT2> \"ARIAL\" 10 NONE BLACK\n"
    "*|<COLOR3> BLUE\n"
    "EQUATIONS 3\n"
    "A = 1\n"
    "B=2\n"
    "*|Flow rate|kg/s|lb/h|0|7936.6|0|100|120\n"
    "C = 3\n"
    "ASSIGN \"weather.dat\" 12\n"
    "*|?Weather file|4\n"
    "END");

class MarkupDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { editor.setPlainText(kDeck); }
  // Selects from the start of line `first` to the start of line `end`.
  void SelectLines(int first, int end) {
    QTextCursor c(editor.document());
    c.setPosition(editor.document()->findBlockByNumber(first).position());
    c.setPosition(editor.document()->findBlockByNumber(end).position(), QTextCursor::KeepAnchor);
    editor.setTextCursor(c);
  }
  QString Line(int i) const { return editor.document()->findBlockByNumber(i).text(); }
  // After an OK, one Undo gives the text back as it was.
  void ExpectOneUndoStep() {
    editor.document()->undo();
    EXPECT_EQ(editor.toPlainText(), kDeck);
  }

  ScriptedUi ui;
  QPlainTextEdit editor;
};

TEST_F(MarkupDialogsTest, ValueDialogLoadsAndRewritesAnInput) {
  TValueInputDlg dlg(&editor);
  dlg.show();
  ASSERT_EQ(dlg.VariableBox->count(), 3);  // A, B, C in order
  EXPECT_EQ(dlg.VariableBox->itemText(0), QStringLiteral("A"));
  EXPECT_EQ(dlg.AddEdit->text(), QStringLiteral("0"));  // the first item is loaded at once
  dlg.VariableBox->setCurrentIndex(1);
  dlg.VariableBoxChange();
  EXPECT_EQ(dlg.Edit1->text(), QStringLiteral("Flow rate"));
  EXPECT_EQ(dlg.MultEdit->text(), QStringLiteral("7936.6"));
  EXPECT_EQ(dlg.HelpSpin->value(), 120);
  EXPECT_EQ(dlg.FontBox2->currentText(), QStringLiteral("ARIAL"));
  EXPECT_EQ(dlg.ColorBox3->currentText(), QStringLiteral("BLUE"));
  EXPECT_TRUE(dlg.TabV2->isHidden());
  dlg.Edit1->setText(QStringLiteral("Mass flow"));
  dlg.FontBox2->setCurrentText(QStringLiteral("Times"));
  dlg.SameBox->setChecked(false);
  dlg.OKBtn->click();
  EXPECT_EQ(dlg.result(), QDialog::Accepted);
  EXPECT_EQ(Line(4), QStringLiteral("*|<FONT2> \"Times\" 10 NONE BLACK"));
  EXPECT_EQ(Line(5), QStringLiteral("B=2"));
  EXPECT_EQ(Line(6), QStringLiteral("*|Mass flow|kg/s|lb/h|0|7936.6|0|100|120"));
  EXPECT_EQ(Line(7), QStringLiteral("*|<FONT2> \"ARIAL\" 10 NONE BLACK"));
  ExpectOneUndoStep();
}

TEST_F(MarkupDialogsTest, ValueDialogRefusesAFieldWithABeepAndFocus) {
  TValueInputDlg dlg(&editor);
  dlg.show();
  QApplication::setActiveWindow(&dlg);
  dlg.MinValueEdit->setText(QStringLiteral("0"));
  dlg.MaxValueEdit->setText(QStringLiteral("ten"));
  dlg.OKBtn->click();
  QApplication::processEvents();
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_TRUE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), 0);
  EXPECT_EQ(QApplication::focusWidget(), dlg.MaxValueEdit);
  EXPECT_EQ(editor.toPlainText(), kDeck);
}

TEST_F(MarkupDialogsTest, NumbersThatAreNoIntegersStopTheLoadWithAMessage) {
  struct Case {
    QString text;
    std::function<QString(QPlainTextEdit*)> open;  // what the dialog shows
    const char* message;
    const char* shown;
  } cases[] = {
      {QStringLiteral("EQUATIONS 1\nA=1\n*|Flow|kg/s|lb/h|0|1|0|9|x7|APPLINK1|a"),
       [](QPlainTextEdit* e) {
         TValueInputDlg d(e);
         d.show();
         return d.Edit1->text();
       },
       "'x7' is not a valid integer value", "Flow"},
      {QStringLiteral("EQUATIONS 1\nA=1\n*|<Pumps|pumps.dat|one|2|0"),
       [](QPlainTextEdit* e) {
         TFileInputDlg d(e);
         d.show();
         return d.Edit1->text();
       },
       "'one' is not a valid integer value", "Pumps"},
      {QStringLiteral("EQUATIONS x\nA=1"),
       [](QPlainTextEdit* e) {
         TValueInputDlg d(e);
         return QString::number(d.VariableBox->count());
       },
       "'x' is not a valid integer value", "0"},
  };
  for (const Case& c : cases) {
    ui.clear();
    editor.setPlainText(c.text);
    const QString label = c.open(&editor);
    ASSERT_EQ(ui.messages().size(), 1u) << c.message;
    EXPECT_EQ(ui.messages()[0].text, QLatin1String(c.message));
    EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
    EXPECT_TRUE(ui.messages()[0].beepBefore);
    EXPECT_EQ(editor.toPlainText(), c.text);
    EXPECT_EQ(label, QLatin1String(c.shown));
  }
}

// A character a deck cannot hold is refused, not written as "?".
TEST_F(MarkupDialogsTest, TextsADeckCannotHoldAreRefused) {
  TTextInputDlg text(&editor);
  text.show();
  text.Edit1->setText(QStringLiteral("Pump \u4e2d"));
  text.OKBtn->click();
  TMakeGroupDlg group(&editor);
  group.show();
  group.DescriptionEdit->setText(QStringLiteral("\u0101"));
  group.OKBtn->click();
  EXPECT_EQ(ui.beeps(), 2);
  EXPECT_EQ(text.result(), 0);
  EXPECT_EQ(group.result(), 0);
  EXPECT_EQ(editor.toPlainText(), kDeck);
}

TEST_F(MarkupDialogsTest, ListDialogWritesTheBrowsedFile) {
  TFileInputDlg dlg(&editor);
  dlg.show();
  ASSERT_EQ(dlg.VariableBox->count(), 2);  // B has a numeric input: left out
  EXPECT_EQ(dlg.VariableBox->itemText(1), QStringLiteral("C"));
  dlg.VariableBox->setCurrentIndex(1);
  dlg.VariableBoxChange();
  dlg.Edit1->setText(QStringLiteral("Pump class"));
  ui.answerFile(QStringLiteral("/data/pumps.dat"));
  dlg.BrowseBtn->click();
  EXPECT_EQ(dlg.FileNameEdit->text(), QStringLiteral("/data/pumps.dat"));
  ASSERT_EQ(ui.fileRequests().size(), 1u);
  EXPECT_EQ(ui.fileRequests()[0].filter,
            QStringLiteral("Text Files (*.txt *.TXT);;Data Files (*.dat *.DAT);;All Files (*)"));
  dlg.DisplaySpin->setValue(1);
  dlg.ValueSpin->setValue(2);
  dlg.HelpSpin->setValue(250);
  dlg.OKBtn->click();
  EXPECT_EQ(Line(7), QStringLiteral("*|<Pump class|\"/data/pumps.dat\"|1|2|250"));
  ExpectOneUndoStep();
}

TEST_F(MarkupDialogsTest, ListDialogRefusesAnEmptyFileName) {
  TFileInputDlg dlg(&editor);
  dlg.show();
  dlg.OKBtn->click();
  EXPECT_EQ(ui.beeps(), 1);
  EXPECT_EQ(dlg.result(), 0);
  EXPECT_EQ(editor.toPlainText(), kDeck);
}

TEST_F(MarkupDialogsTest, TextDialogInsertsBeforeTheCaretLine) {
  SelectLines(2, 2);
  TTextInputDlg dlg(&editor);
  dlg.show();
  EXPECT_EQ(dlg.FontBox->currentText(), QStringLiteral("Arial"));
  EXPECT_EQ(dlg.ColorBox->currentText(), QStringLiteral("Black"));
  dlg.Edit1->setText(QStringLiteral("Équations"));
  dlg.AlignBox->setCurrentText(QStringLiteral("Center"));
  dlg.OKBtn->click();
  EXPECT_EQ(Line(2), QStringLiteral("*|<COLOR1> Black"));
  EXPECT_EQ(Line(3), QStringLiteral("*|<ALIGN1> Center"));
  EXPECT_EQ(Line(4), QStringLiteral("*|*Équations"));
  EXPECT_EQ(Line(5), QStringLiteral("EQUATIONS 3"));
  ExpectOneUndoStep();
}

TEST_F(MarkupDialogsTest, MakeGroupWrapsTheSelectedLines) {
  SelectLines(3, 5);
  TMakeGroupDlg dlg(&editor);
  dlg.show();
  dlg.GroupNameEdit->setText(QStringLiteral("Flows"));
  dlg.DescriptionEdit->setText(QStringLiteral("Flow values"));
  ui.answerColor(QColor(200, 220, 255));
  dlg.ColorBoxMouseDown();
  dlg.OKBtn->click();
  EXPECT_EQ(Line(3), QStringLiteral("*|[Flows|Flow values|BACKGROUND=RGB(200,220,255)"));
  EXPECT_EQ(Line(4), QStringLiteral("A = 1"));
  EXPECT_EQ(Line(6), QStringLiteral("*|]"));
  EXPECT_EQ(Line(7), QStringLiteral("*|Flow rate|kg/s|lb/h|0|7936.6|0|100|120"));
  ExpectOneUndoStep();
}

TEST_F(MarkupDialogsTest, MakeGroupRefusesANestedGroup) {
  editor.setPlainText(QStringLiteral("*|[Outer|x\nA\nB\n*|]"));
  SelectLines(1, 2);
  TMakeGroupDlg dlg(&editor);
  dlg.show();
  dlg.GroupNameEdit->setText(QStringLiteral("Inner"));
  dlg.OKBtn->click();
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, QStringLiteral("A group cannot be placed inside another group."));
  EXPECT_EQ(ui.messages()[0].icon, MessageIcon::Error);
  EXPECT_TRUE(ui.messages()[0].beepBefore);
  EXPECT_EQ(editor.toPlainText(), QStringLiteral("*|[Outer|x\nA\nB\n*|]"));
}

TEST_F(MarkupDialogsTest, AssignLoadsTheFirstStatementAndUnlinksIt) {
  TAssignDlg dlg(&editor);
  dlg.show();
  ASSERT_EQ(dlg.FileRefBox->count(), 1);
  EXPECT_EQ(dlg.FileRefBox->currentText(), QStringLiteral("12"));
  EXPECT_EQ(dlg.FileNameEdit->text(), QStringLiteral("weather.dat"));
  EXPECT_TRUE(dlg.OpenFile->isChecked());
  EXPECT_EQ(dlg.Description->text(), QStringLiteral("Weather file"));
  EXPECT_TRUE(dlg.DisplaySpin->isHidden());
  dlg.FileReference->setChecked(true);
  EXPECT_FALSE(dlg.DisplaySpin->isHidden());
  dlg.NotLinked->setChecked(true);
  EXPECT_TRUE(dlg.Description->isHidden());
  dlg.OKBtn->click();
  EXPECT_EQ(Line(7), QStringLiteral("ASSIGN \"weather.dat\" 12"));
  EXPECT_EQ(Line(8), QStringLiteral("END"));
  ExpectOneUndoStep();
}

TEST_F(MarkupDialogsTest, BackgroundColourReturnsAnRgbText) {
  struct Case {
    const char* text;
    QColor shown;
    QColor chosen;  // invalid: none chosen
    const char* result;
  } cases[] = {
      {"RED", QColor(255, 0, 0), QColor(), "RGB(255,0,0)"},
      {"NOCOLOUR", QColor(255, 255, 255), QColor(0, 128, 64), "RGB(0,128,64)"},
      {"RGB(1,2", QColor(255, 255, 255), QColor(), "RGB(255,255,255)"},
  };
  for (const Case& c : cases) {
    TBackColorDlg dlg;
    dlg.ColorText = c.text;
    dlg.show();
    EXPECT_EQ(dlg.ColorBox->palette().color(QPalette::Window), c.shown) << c.text;
    if (c.chosen.isValid()) {
      ui.answerColor(c.chosen);
      dlg.ColorBoxMouseDown();
    }
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.ColorText, c.result);
  }
  EXPECT_TRUE(ui.messages().empty());  // a malformed text shows no syntax error
}

TEST_F(MarkupDialogsTest, AddPictureInsertsAtTheCaretLine) {
  SelectLines(1, 1);
  TAddPictureDlg dlg(&editor);
  dlg.show();
  EXPECT_EQ(dlg.AlignBox->currentIndex(), -1);
  ui.answerFile(QStringLiteral("/data/my plant.bmp"));
  dlg.BrowseBtn->click();
  ASSERT_EQ(ui.fileRequests().size(), 1u);
  EXPECT_EQ(ui.fileRequests()[0].filter, QStringLiteral("Bitmap Files (*.bmp *.BMP);;All Files (*)"));
  EXPECT_EQ(ui.fileRequests()[0].defaultSuffix, QStringLiteral("bmp"));
  // Show File of a file that is not there does nothing.
  dlg.ShowFileBtn->click();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(ui.messages().empty());
  dlg.AlignBox->setCurrentIndex(1);
  dlg.OKBtn->click();
  EXPECT_EQ(Line(1), QStringLiteral("*|<PICTURE> \"/data/my plant.bmp\" Center"));
  ExpectOneUndoStep();
}

TEST_F(MarkupDialogsTest, ShowFigureSizesToThePictureOrTheScreen) {
  TShowFigDlg dlg;
  dlg.PictureName = QStringLiteral(PELMARK_FIXTURES_DIR "/pictures/small.bmp");
  ASSERT_TRUE(dlg.FormActivate());
  EXPECT_EQ(dlg.windowTitle(), dlg.PictureName);
  EXPECT_EQ(dlg.size(), dlg.Image1->pixmap().size());
  QTemporaryDir dir;
  const QString big = dir.filePath(QStringLiteral("big.bmp"));
  QImage(5000, 4000, QImage::Format_RGB32).save(big, "BMP");
  TShowFigDlg large;
  large.PictureName = big;
  ASSERT_TRUE(large.FormActivate());
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE(large.width(), screen.width());
  EXPECT_LE(large.height(), screen.height());
  EXPECT_EQ(large.Image1->size(), QSize(5000, 4000));
  TShowFigDlg bad;
  bad.PictureName = dir.filePath(QStringLiteral("none.bmp"));
  EXPECT_FALSE(bad.FormActivate());
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text,
            QStringLiteral("Figure file ") + bad.PictureName + QStringLiteral(" could not be read"));
  EXPECT_TRUE(ui.messages()[0].beepBefore);
}

TEST_F(MarkupDialogsTest, DisplayFileShowsTheTextOrTheOpenError) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("list.dat"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("1 Caf\xE9\r\n2 \x80uro\r\n");
  f.close();
  TDisplayFileDlg dlg;
  ASSERT_TRUE(dlg.LoadFile(path));
  EXPECT_EQ(dlg.ViewFile->toPlainText(), QStringLiteral("1 Café\n2 €uro"));
  EXPECT_TRUE(dlg.ViewFile->isReadOnly());
  EXPECT_EQ(dlg.ViewFile->lineWrapMode(), QPlainTextEdit::NoWrap);
  TDisplayFileDlg missing;
  EXPECT_FALSE(missing.LoadFile(dir.filePath(QStringLiteral("gone.dat"))));
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Error 2 was encountered while trying to open file ") +
                                       dir.filePath(QStringLiteral("gone.dat")));
  EXPECT_TRUE(ui.messages()[0].beepBefore);
}

TEST_F(MarkupDialogsTest, ShowFileOpensTheDisplayDialog) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("pumps.dat"));
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("P1 small\n");
  f.close();
  TFileInputDlg dlg(&editor);
  dlg.show();
  dlg.FileNameEdit->setText(QStringLiteral("\"") + path + QStringLiteral("\""));
  QString shown;
  QTimer::singleShot(0, [&shown] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      if (auto* view = d->findChild<QPlainTextEdit*>(QStringLiteral("ViewFile"))) shown = view->toPlainText();
      d->accept();
    }
  });
  dlg.ShowFileBtn->click();
  EXPECT_EQ(shown, QStringLiteral("P1 small"));
}

// Without a form window the commands open their dialogs and write nothing.
TEST_F(MarkupDialogsTest, EntryFunctionsWithoutAFormWindow) {
  const std::function<bool()> commands[] = {
      [] { return ShowValueInputDlg(nullptr); }, [] { return ShowFileInputDlg(nullptr); },
      [] { return ShowTextInputDlg(nullptr); },  [] { return ShowMakeGroupDlg(nullptr); },
      [] { return ShowAssignDlg(nullptr); },     [] { return ShowAddPictureDlg(nullptr); },
  };
  for (const auto& command : commands) {
    QTimer::singleShot(0, [] {
      if (QWidget* w = QApplication::activeModalWidget()) {
        if (auto* ok = w->findChild<QPushButton*>(QStringLiteral("OKBtn"))) ok->click();
      }
    });
    EXPECT_FALSE(command());
  }
  std::string colour = "RED";
  QTimer::singleShot(0, [] {
    if (QWidget* w = QApplication::activeModalWidget())
      w->findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
  });
  EXPECT_TRUE(ShowBackColorDlg(nullptr, &colour));
  EXPECT_EQ(colour, "RGB(255,0,0)");
}

}  // namespace
}  // namespace pm::test
