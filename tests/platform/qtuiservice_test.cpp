#include "platform/ui/qtuiservice.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace pm {
namespace {

TEST(QtUiService, AutoAnswerPicksAButtonOfTheBox) {
  using B = MessageButtons;
  using R = ModalResult;
  struct Case {
    const char* word;
    R ok, okCancel, yesNo, yesNoCancel;
  } cases[] = {
      {"default", R::Ok, R::Ok, R::Yes, R::Yes},   // what Enter presses
      {"ok", R::Ok, R::Ok, R::Yes, R::Yes},
      {"yes", R::Ok, R::Ok, R::Yes, R::Yes},
      {"no", R::Ok, R::Cancel, R::No, R::No},      // no No button: Escape
      {"cancel", R::Ok, R::Cancel, R::No, R::Cancel},
      {"maybe", R::Ok, R::Ok, R::Yes, R::Yes},
  };
  for (const Case& c : cases) {
    const QString word = QString::fromLatin1(c.word);
    EXPECT_EQ(QtUiService::autoAnswer(word, B::Ok), c.ok) << c.word;
    EXPECT_EQ(QtUiService::autoAnswer(word, B::OkCancel), c.okCancel) << c.word;
    EXPECT_EQ(QtUiService::autoAnswer(word, B::YesNo), c.yesNo) << c.word;
    EXPECT_EQ(QtUiService::autoAnswer(word, B::YesNoCancel), c.yesNoCancel) << c.word;
  }
}

TEST(QtUiService, LogsEveryMessageAsOneLineAndAnswersWithoutAWindow) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString log = dir.path() + QStringLiteral("/messages.log");
  setenv("PELMARK_MESSAGE_LOG", log.toLocal8Bit().constData(), 1);
  setenv("PELMARK_AUTO_ANSWER", "No", 1);
  QtUiService service;
  unsetenv("PELMARK_MESSAGE_LOG");
  unsetenv("PELMARK_AUTO_ANSWER");

  MessageRequest question;
  question.icon = MessageIcon::Warning;
  question.buttons = MessageButtons::YesNoCancel;
  question.text = QStringLiteral("Save C:\\DATA\\PUMPS.LST?\r\nAll changes are lost.");
  EXPECT_EQ(service.message(question), ModalResult::No);
  MessageRequest note;
  note.icon = MessageIcon::Information;
  note.text = QStringLiteral("Done");
  EXPECT_EQ(service.message(note), ModalResult::Ok);
  EXPECT_TRUE(service.openFileName(nullptr, FileDialogRequest{}).isEmpty());
  MessageRequest sixth = question;
  sixth.buttons = MessageButtons::YesNo;
  sixth.kind = 6;
  sixth.text = QStringLiteral("Replace?");
  EXPECT_EQ(service.message(sixth), ModalResult::No);

  QFile f(log);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("7\tSave C:\\\\DATA\\\\PUMPS.LST?\\nAll changes are lost.\n"
                                    "1\tDone\n"
                                    "6\tReplace?\n"));
}

}  // namespace
}  // namespace pm
