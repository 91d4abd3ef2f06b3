#include "common/ui/setupdlg.h"

#include "common/globals.h"
#include "common/ui/linkglyphs.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pm {
namespace {

DefaultSettingsRecord StartSettings() {
  DefaultSettingsRecord s;
  s.UnitSystem = 2;
  s.IncludeHeader = 1;
  s.Reserved12 = {0, 5, 5};
  s.SourceFontSize = 0;    // shows 10
  s.SourceFontIndex = 7;   // not in the list: shows Courier New
  s.EngineFolder = QStringLiteral("/opt/eng");
  s.AppLinkPaths[1] = QStringLiteral("/bin/one");
  s.AppLinkPaths[5] = QStringLiteral("/bin/five");
  s.EditorColors[1] = 0x112233;
  s.EditorColors[2] = 0x445566;
  s.EditorStyles[3] = 9;   // not in the list: shows Normal, kept unless chosen
  return s;
}

class SetupDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    G().ProgramFolder = dir_.path();
    DefaultSettings() = StartSettings();
    LinkButtonBitmaps() = LinkBitmapNames{};
    LinkGlyphStore().Load(LinkButtonBitmaps());
    dlg_ = std::make_unique<TSetupDlg>();
    dlg_->setUnitSystemRoutine([this](int n) {
      unitCalls_.push_back(n);
      oldUnitsSeen_.push_back(DefaultSettings().UnitSystem);
      DefaultSettings().UnitSystem = n;
    });
    dlg_->show();
  }

  void TearDown() override {
    dlg_.reset();
    DefaultSettings() = DefaultSettingsRecord{};
    LinkButtonBitmaps() = LinkBitmapNames{};
    LinkGlyphStore().Load(LinkButtonBitmaps());
    G().ProgramFolder.clear();
  }

  QString Bitmap32x16() {
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir_.filePath(QStringLiteral("pic.bmp"));
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  // Changes a value on every page, as a user would.
  void EditEverything() {
    QTest::mouseClick(dlg_->SIB, Qt::LeftButton);
    QTest::mouseClick(dlg_->Simulationcard, Qt::LeftButton);
    QTest::mouseClick(dlg_->SaveDeckNamesCB, Qt::LeftButton);
    dlg_->TabSet->setCurrentIndex(1);
    QTest::keyClicks(dlg_->LinkFileE[2], QStringLiteral("/bin/two"));
    bitmap_ = Bitmap32x16();
    ui_.answerFile(bitmap_);
    QTest::mouseClick(dlg_->SpeedButton[4], Qt::LeftButton);
    dlg_->TabSet->setCurrentIndex(2);
    dlg_->SizeSpin->setValue(14);
    ui_.answerColor(QColor(1, 2, 3));
    QTest::mouseClick(dlg_->ColorBox[2], Qt::LeftButton);
    QTest::keyClick(dlg_->ComboBox[1], Qt::Key_Down);
  }

  void ExpectEditsCommitted() {
    const DefaultSettingsRecord& s = DefaultSettings();
    EXPECT_EQ(s.UnitSystem, 1);
    EXPECT_EQ(s.IncludeHeader, 1);
    EXPECT_EQ(s.IncludeSimulationCard, 1);
    EXPECT_EQ(s.SaveDeckNames, 1);
    EXPECT_EQ(s.Reserved12, (RawBytes<3>{1, 0, 0}));
    EXPECT_EQ(s.SourceFontSize, 14);
    EXPECT_EQ(s.SourceFontIndex, 1);
    EXPECT_EQ(s.AppLinkPaths[1], QStringLiteral("/bin/one"));
    EXPECT_EQ(s.AppLinkPaths[2], QStringLiteral("/bin/two"));
    EXPECT_EQ(s.AppLinkPaths[5], QString());
    EXPECT_EQ(LinkButtonBitmaps()[4], bitmap_);
    EXPECT_EQ(LinkGlyphStore().glyph(4).numGlyphs, 2);
    EXPECT_EQ(s.EditorColors[1], 0x112233u);
    EXPECT_EQ(s.EditorColors[2], 0x030201u);
    EXPECT_EQ(s.EditorStyles[1], 1);
    EXPECT_EQ(s.EditorStyles[3], 9);
    EXPECT_EQ(s.EngineFolder, QStringLiteral("/opt/eng"));
    EXPECT_EQ(unitCalls_, std::vector<int>{1});
    EXPECT_EQ(oldUnitsSeen_, std::vector<int>{2});
  }

  void ExpectNothingCommitted() {
    EXPECT_EQ(DefaultSettings(), StartSettings());
    EXPECT_EQ(LinkButtonBitmaps(), LinkBitmapNames{});
    EXPECT_EQ(LinkGlyphStore().icon(4).pixmap(16).toImage(), LinkGlyphStore().icon(0).pixmap(16).toImage());
    EXPECT_TRUE(unitCalls_.empty());
  }

  test::ScriptedUi ui_;
  QTemporaryDir dir_;
  std::unique_ptr<TSetupDlg> dlg_;
  std::vector<int> unitCalls_;
  std::vector<int> oldUnitsSeen_;
  QString bitmap_;
};

TEST_F(SetupDlgTest, ShowsTheSettings) {
  EXPECT_EQ(dlg_->windowTitle(), QStringLiteral("Mivaro Setup"));
  EXPECT_EQ(dlg_->TabSet->tabPosition(), QTabWidget::South);
  EXPECT_TRUE(dlg_->English->isChecked());
  EXPECT_TRUE(dlg_->Header->isChecked());
  EXPECT_FALSE(dlg_->Simulationcard->isChecked());
  EXPECT_EQ(dlg_->SizeSpin->value(), 10);
  EXPECT_EQ(dlg_->FontBox->count(), 5);
  EXPECT_EQ(dlg_->FontBox->currentText(), QStringLiteral("Courier New"));
  EXPECT_EQ(dlg_->ComboBox[3]->currentText(), QStringLiteral("Normal"));
  EXPECT_EQ(dlg_->LinkFileE[1]->text(), QStringLiteral("/bin/one"));
  EXPECT_EQ(dlg_->LinkFileE[2]->text(), QString());
  EXPECT_TRUE(dlg_->SpeedButton[0]->isHidden());
  EXPECT_EQ(dlg_->ColorBox[1]->palette().color(QPalette::Window), QColor(0x33, 0x22, 0x11));
}

TEST_F(SetupDlgTest, OkCommitsEveryValue) {
  EditEverything();
  // A chosen bitmap is only previewed until OK.
  EXPECT_EQ(LinkGlyphStore().glyph(4).numGlyphs, LinkGlyphStore().glyph(0).numGlyphs);
  EXPECT_EQ(LinkButtonBitmaps()[4], QString());
  QTest::mouseClick(dlg_->OKBtn, Qt::LeftButton);
  EXPECT_EQ(dlg_->result(), QDialog::Accepted);
  EXPECT_TRUE(dlg_->isHidden());
  ExpectEditsCommitted();
  EXPECT_FALSE(QFile::exists(dir_.filePath(QStringLiteral("Mivaro.DFT"))));
  ASSERT_FALSE(ui_.fileRequests().empty());
  EXPECT_EQ(ui_.fileRequests().front().title,
            QStringLiteral("Select a bitmap for the button (16 x 16 or 32 x 16 pixels)"));
}

TEST_F(SetupDlgTest, CancelDiscardsEverything) {
  EditEverything();
  QTest::mouseClick(dlg_->CancelBtn, Qt::LeftButton);
  EXPECT_EQ(dlg_->result(), QDialog::Rejected);
  EXPECT_TRUE(dlg_->isHidden());
  ExpectNothingCommitted();
  // Shown again, the dialog holds the settings, not the cancelled edits.
  dlg_->show();
  EXPECT_TRUE(dlg_->English->isChecked());
  EXPECT_EQ(dlg_->LinkFileE[2]->text(), QString());
}

TEST_F(SetupDlgTest, StoreWritesTheFileThenCommits) {
  EditEverything();
  QTest::mouseClick(dlg_->Store, Qt::LeftButton);
  EXPECT_TRUE(dlg_->isHidden());
  ExpectEditsCommitted();
  QFile file(dir_.filePath(QStringLiteral("Mivaro.DFT")));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray expected;
  ASSERT_TRUE(EncodeSettings(DefaultSettings(), LinkButtonBitmaps(), &expected));
  const QByteArray written = file.readAll();
  EXPECT_EQ(written, expected);
  EXPECT_EQ(written.left(4).toHex(), QByteArray("01000000"));
  // Nothing but the file and the test's bitmap: no temporary file is left.
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(SetupDlgTest, FailedStoreKeepsTheDialogOpenAndCommitsNothing) {
  const QString target = dir_.filePath(QStringLiteral("Mivaro.DFT"));
  ASSERT_TRUE(QDir().mkdir(target));  // a folder cannot be replaced by the file
  EditEverything();
  QTest::mouseClick(dlg_->Store, Qt::LeftButton);
  ASSERT_EQ(ui_.messages().size(), 1u);
  EXPECT_EQ(ui_.messages().front().text,
            QStringLiteral("Error 21 was encountered while trying to write file ") + target);
  EXPECT_EQ(ui_.messages().front().icon, MessageIcon::Error);
  EXPECT_TRUE(ui_.messages().front().beepBefore);
  EXPECT_FALSE(dlg_->isHidden());
  ExpectNothingCommitted();
  QTest::mouseClick(dlg_->CancelBtn, Qt::LeftButton);
  ExpectNothingCommitted();
}

TEST_F(SetupDlgTest, LinkEntriesThatDoNotFitAreRefused) {
  struct Case {
    QString text;
    const char* message;
  } cases[] = {
      {QString(256, QLatin1Char('x')),
       "The entry of link 3 is too long: the program name, together with its bitmap file name, must fit in 255 "
       "characters."},
      {QStringLiteral("/bin/\u4E2D"), "The entry of link 3 holds characters that cannot be stored in the settings file."},
  };
  for (const Case& c : cases) {
    ui_.clear();
    dlg_->LinkFileE[3]->setText(c.text);
    QTest::mouseClick(dlg_->OKBtn, Qt::LeftButton);
    ASSERT_EQ(ui_.texts(), QStringList{QLatin1String(c.message)});
    EXPECT_FALSE(dlg_->isHidden());
    EXPECT_EQ(dlg_->TabSet->currentIndex(), 1);
    ExpectNothingCommitted();
  }
}

TEST_F(SetupDlgTest, OkStoresWhatTheDialogShows) {
  dlg_->LinkFileE[1]->setText(QStringLiteral("/bin/a\x01" "junk"));
  QTest::mouseClick(dlg_->OKBtn, Qt::LeftButton);
  EXPECT_EQ(DefaultSettings().AppLinkPaths[1], QStringLiteral("/bin/a"));  // the text before character 1
  EXPECT_EQ(LinkButtonBitmaps()[1], QString());
  EXPECT_EQ(DefaultSettings().SourceFontSize, 10);  // 0 was shown as 10
  EXPECT_EQ(DefaultSettings().SourceFontIndex, 1);  // 7 was shown as Courier New
  EXPECT_EQ(DefaultSettings().EditorStyles[3], 9);  // shown as Normal, not chosen: kept
}

TEST_F(SetupDlgTest, AFileThatIsNoBitmapIsRefused) {
  const QString path = dir_.filePath(QStringLiteral("notes.bmp"));
  test::WriteBytes(path, "text");
  ui_.answerFile(path);
  QTest::mouseClick(dlg_->SpeedButton[1], Qt::LeftButton);
  EXPECT_EQ(ui_.texts(), QStringList{QStringLiteral("The file ") + path + QStringLiteral(" could not be read as a bitmap.")});
  QTest::mouseClick(dlg_->OKBtn, Qt::LeftButton);
  EXPECT_EQ(LinkButtonBitmaps()[1], QString());
}

TEST_F(SetupDlgTest, F1ShowsHelpContext22WhenARoutineIsSet) {
  dlg_->HelpAction->trigger();  // no routine: nothing happens
  std::vector<int> contexts;
  dlg_->setHelpRoutine([&](int c) { contexts.push_back(c); });
  dlg_->HelpAction->trigger();
  EXPECT_EQ(contexts, std::vector<int>{22});
  EXPECT_EQ(dlg_->HelpAction->shortcut(), QKeySequence(Qt::Key_F1));
}

}  // namespace
}  // namespace pm
