#include "common/lib1.h"

#include "platform/ui/qtuiservice.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace pm {
namespace {

TEST(ShowMessageKind, EachKindHasItsIconCaptionAndButtons) {
  struct Case {
    int kind;
    MessageIcon icon;
    const char* caption;
    MessageButtons buttons;
  } cases[] = {
      {0, MessageIcon::Error, "Error", MessageButtons::Ok},
      {1, MessageIcon::Information, "Information", MessageButtons::Ok},
      {2, MessageIcon::Warning, "Warning", MessageButtons::OkCancel},
      {3, MessageIcon::Error, "Error", MessageButtons::YesNo},
      {4, MessageIcon::Error, "Error", MessageButtons::Ok},
      {5, MessageIcon::Warning, "Warning", MessageButtons::YesNo},
      {6, MessageIcon::Warning, "Warning", MessageButtons::YesNo},
      {7, MessageIcon::Warning, "Warning", MessageButtons::YesNoCancel},
  };
  for (const Case& c : cases) {
    for (bool beep : {false, true}) {
      test::ScriptedUi ui;
      ui.answer(ModalResult::Cancel);
      EXPECT_EQ(ShowMessageKind(QStringLiteral("Text"), c.kind, beep), ModalResult::Cancel);
      ASSERT_EQ(ui.messages().size(), 1u) << c.kind;
      const auto& m = ui.messages().front();
      EXPECT_EQ(m.icon, c.icon) << c.kind;
      EXPECT_EQ(m.caption.isEmpty() ? iconWord(m.icon) : m.caption, QLatin1String(c.caption)) << c.kind;
      EXPECT_EQ(m.buttons, c.buttons) << c.kind;
      EXPECT_EQ(m.text, QStringLiteral("Text"));
      EXPECT_EQ(m.beepBefore, beep) << c.kind;
      EXPECT_EQ(ui.beeps(), beep ? 1 : 0) << c.kind;
    }
  }
}

TEST(ShowMessageKind, OtherKindsShowNothingButStillBeep) {
  for (int kind : {8, -1, 65}) {
    test::ScriptedUi ui;
    EXPECT_EQ(ShowMessageKind(QStringLiteral("Text"), kind, true), ModalResult::None);
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(ui.beeps(), 1);
  }
}

TEST(ShowMessageKind, LongTextIsCutAt255ForDisplay) {
  test::ScriptedUi ui;
  ShowMessageKind(QString(300, QLatin1Char('x')), 1, false);
  ASSERT_EQ(ui.messages().size(), 1u);
  EXPECT_EQ(ui.messages().front().text, QString(255, QLatin1Char('x')));
}

TEST(Lib1, FileErrorMessagesNameTheCodeAndThePath) {
  EXPECT_EQ(OpenErrorMessage(2, QStringLiteral("/srv/engine/INFO/TYPE60.INF")),
            QStringLiteral("Error 2 was encountered while trying to open file /srv/engine/INFO/TYPE60.INF"));
  EXPECT_EQ(WriteErrorMessage(13, QStringLiteral("/d/plant.pzd")),
            QStringLiteral("Error 13 was encountered while trying to write file /d/plant.pzd"));
}

TEST(Lib1, ErrorNumberTextAndFontNames) {
  EXPECT_EQ(ErrorNumberText(103), QStringLiteral("Error #103"));
  EXPECT_EQ(ErrorNumberText(-2), QStringLiteral("Error #-2"));
  EXPECT_EQ(SaveErrorMessage(13, QStringLiteral("/d/a.pzd")), QStringLiteral("Error #13\n/d/a.pzd: Permission denied"));
  EXPECT_EQ(IntToShortText(12345, 3), QStringLiteral("123"));
  EXPECT_EQ(OpenErrorMessage(2, QStringLiteral("/d/a.dck")),
            QStringLiteral("Error 2 was encountered while trying to open file /d/a.dck"));
  EXPECT_EQ(WriteErrorMessage(13, QStringLiteral("/d/a.dck")),
            QStringLiteral("Error 13 was encountered while trying to write file /d/a.dck"));
  EXPECT_EQ(UnencodableLineMessage(3, QStringLiteral("/d/a.dck")),
            QStringLiteral("Line 3 of /d/a.dck holds a character that a Windows-1252 file cannot hold; "
                           "the file was not saved."));
  const char* names[] = {"Arial", "Courier New", "MS Sans Serif", "Terminal", "Times New Roman"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(FontNameByIndex(i), QLatin1String(names[i]));
  EXPECT_EQ(FontNameByIndex(5), QStringLiteral("Courier New"));
  EXPECT_EQ(FontNameByIndex(-1), QStringLiteral("Courier New"));
}

TEST(Lib1, TrimInPlaceRemovesControlCharactersAndBlanks) {
  std::string s = "\t  a b \r\n";
  TrimInPlace(s);
  EXPECT_EQ(s, "a b");
  QString q = QStringLiteral("\x01 x\x1f");
  TrimInPlace(q);
  EXPECT_EQ(q, QStringLiteral("x"));
  std::string blank = " \t ";
  TrimInPlace(blank);
  EXPECT_EQ(blank, "");
  std::string longLine(300, 'y');  // never cut
  TrimInPlace(longLine);
  EXPECT_EQ(longLine.size(), 300u);
}

TEST(Lib1, StripQuotesDropsOnlyQuotesThatArePresent) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"\"abc\"", "abc"}, {"\"abc", "abc"}, {"abc\"", "abc\""}, {"\"", ""},
      {"\"\"", ""},       {"", ""},         {"a\"b", "a\"b"},   {"\"a b\"", "a b"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StripQuotes(std::string_view(c.in)), c.out) << c.in;
    EXPECT_EQ(StripQuotes(QString::fromLatin1(c.in)), QString::fromLatin1(c.out)) << c.in;
  }
}

TEST(Lib1, FileExistsUnquotedFindsFilesNotFolders) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString name = dir.path() + QStringLiteral("/Sub/Pumps.lst");
  test::WriteBytes(name, {});
  const QString q = QStringLiteral("\"");
  EXPECT_TRUE(FileExistsUnquoted(name));
  EXPECT_TRUE(FileExistsUnquoted(q + name + q));
  EXPECT_TRUE(FileExistsUnquoted(q + name));  // no closing quote: nothing else is lost
  EXPECT_TRUE(FileExistsUnquoted(dir.path() + QStringLiteral("\\SUB\\PUMPS.LST")));
  EXPECT_FALSE(FileExistsUnquoted(dir.path() + QStringLiteral("/Sub")));
  EXPECT_FALSE(FileExistsUnquoted(name + QStringLiteral("x")));
  EXPECT_FALSE(FileExistsUnquoted(QString()));
  EXPECT_FALSE(FileExistsUnquoted(q));
  EXPECT_FALSE(FileExistsUnquoted(q + q));
}

TEST(Lib1, ReplaceAllText) {
  struct Case {
    const char* old;
    const char* replacement;
    std::string s;
    std::string expected;
  } cases[] = {
      {"\t", "", "a\tb\t\tc\t", "abc"},
      {"ab", "x", "abab-ab", "xx-x"},
      {"", "x", "abc", "abc"},             // an empty Old changes nothing
      {"a", "aa", "banana", "baanaanaa"},  // New holding Old: one pass
      {"aa", "a", "aaaa", "aa"},           // no search again from the front
      {"z", "y", "abc", "abc"},
  };
  for (const Case& c : cases) {
    std::string s = c.s;
    ReplaceAllText(c.old, c.replacement, s);
    EXPECT_EQ(s, c.expected) << c.s;
    QString q = QString::fromStdString(c.s);
    ReplaceAllText(QString::fromLatin1(c.old), QString::fromLatin1(c.replacement), q);
    EXPECT_EQ(q, QString::fromStdString(c.expected)) << c.s;
  }
  std::string longLine = std::string(300, 'x') + "\t" + std::string(300, 'y');
  ReplaceAllText("\t", "", longLine);
  EXPECT_EQ(longLine, std::string(300, 'x') + std::string(300, 'y'));  // nothing cut at 255
}

}  // namespace
}  // namespace pm
