#include "platform/ui/messagebox.h"
#include "platform/ui/plainhint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace pm {
namespace {

QLabel* TextLabel(const MessageBox& box) { return box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")); }

MessageRequest Error(const QString& text) {
  MessageRequest request;
  request.icon = MessageIcon::Error;
  request.text = text;
  return request;
}

TEST(MessageBox, ShowsItsTextAsWrittenNeverAsMarkup) {
  for (const char* text : {"Picture house.jpg was not found:  *|<IMG SRC=house.jpg>", "<b>Bold</b>",
                           "Tom &amp; Jerry", "two  blanks   three", "line one\nline  two"}) {
    MessageBox box(Error(QString::fromLatin1(text)));
    box.show();
    QLabel* label = TextLabel(box);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(box.textFormat(), Qt::PlainText) << text;
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << text;
    EXPECT_EQ(label->text(), QString::fromLatin1(text));
  }
}

TEST(MessageBox, IsWideEnoughForItsCaptionAndFitsTheScreen) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  struct Case {
    QString text;
    QString caption;
  } cases[] = {
      {QStringLiteral("Error #13"), QString()},
      {QStringLiteral("Error #1"), QStringLiteral("A caption rather longer than its short text")},
      {QString(3000, QLatin1Char('x')), QString()},                                   // one long word
      {QStringLiteral("word ").repeated(4000), QString()},                            // wraps past the height
      {QStringLiteral("line\n").repeated(200), QStringLiteral("Information")},        // many lines
  };
  for (const Case& c : cases) {
    MessageRequest request = Error(c.text);
    request.caption = c.caption;
    MessageBox box(request);
    box.show();
    QCoreApplication::processEvents();
    EXPECT_GE(box.width(), std::min(box.CaptionWidth(), screen.width())) << c.caption.toStdString();
    EXPECT_TRUE(screen.contains(box.frameGeometry())) << c.text.left(20).toStdString();
    EXPECT_LE(box.height(), screen.height());
    // The buttons stay inside the box.
    for (QAbstractButton* button : box.buttons())
      EXPECT_TRUE(box.rect().contains(QRect(button->mapTo(&box, QPoint(0, 0)), button->size())));
  }
}

TEST(MessageBox, AskGivesThePressedButtonOrTheEscapeAnswer) {
  struct Case {
    MessageButtons buttons;
    QMessageBox::StandardButton press;  // NoButton: closed with Escape
    ModalResult answer;
  } cases[] = {
      {MessageButtons::YesNoCancel, QMessageBox::No, ModalResult::No},
      {MessageButtons::YesNoCancel, QMessageBox::NoButton, ModalResult::Cancel},
      {MessageButtons::YesNo, QMessageBox::NoButton, ModalResult::No},
      {MessageButtons::OkCancel, QMessageBox::Ok, ModalResult::Ok},
  };
  for (const Case& c : cases) {
    MessageRequest request = Error(QStringLiteral("Replace?"));
    request.buttons = c.buttons;
    MessageBox box(request);
    QTimer::singleShot(0, &box, [&box, &c] {
      if (c.press == QMessageBox::NoButton) {
        QTest::keyClick(&box, Qt::Key_Escape);
      } else {
        box.button(c.press)->click();
      }
    });
    EXPECT_EQ(box.Ask(), c.answer) << static_cast<int>(c.buttons);
  }
}

TEST(MessageBox, AHintShowsItsTextAsWritten) {
  for (const char* text : {"<b>Bold</b>", "Tom &amp; Jerry", "two  blanks", "<IMG SRC=house.jpg>"}) {
    const QString hint = PlainHint(QString::fromLatin1(text));
    ASSERT_TRUE(Qt::mightBeRichText(hint));  // taken as markup, so the escapes hold
    QTextDocument shown;
    shown.setHtml(hint);
    EXPECT_EQ(shown.toPlainText(), QString::fromLatin1(text));
  }
  EXPECT_TRUE(PlainHint(QString()).isEmpty());
}

}  // namespace
}  // namespace pm
