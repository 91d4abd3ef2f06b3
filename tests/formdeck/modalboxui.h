#pragma once

#include <QApplication>
#include <QStringList>
#include <QWidget>

#include "platform/uiservice.h"

namespace pm::test {

// Records messages like the scripted service, and moves the focus the way a
// real modal message box does: the box's window takes the focus while it is
// shown (the form's focused input gets ActiveWindowFocusReason) and gives it
// back when it closes.
class ModalBoxUi final : public UiService {
 public:
  ModalBoxUi() { previous_ = setUi(this); }
  ~ModalBoxUi() override { setUi(previous_); }

  ModalResult message(const MessageRequest& request) override {
    texts << request.text;
    QWidget* back = QApplication::activeWindow();
    QWidget box;
    box.setFocusPolicy(Qt::StrongFocus);
    box.show();
    box.activateWindow();
    QApplication::setActiveWindow(&box);
    box.setFocus(Qt::ActiveWindowFocusReason);
    QApplication::processEvents();
    box.hide();
    if (back) {
      back->activateWindow();
      QApplication::setActiveWindow(back);
    }
    QApplication::processEvents();
    return ModalResult::Ok;
  }
  void beep() override { ++beeps; }
  QString openFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString saveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
  std::optional<QColor> color(QWidget*, const QColor&, const QStringList&) override { return std::nullopt; }

  QStringList texts;
  int beeps = 0;

 private:
  UiService* previous_ = nullptr;
};

}  // namespace pm::test
