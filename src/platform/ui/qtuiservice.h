#pragma once

#include "platform/uiservice.h"

#include <QString>

namespace pm {

// The real dialogs. PELMARK_MESSAGE_LOG=<file> appends every message as
// "<kind>\t<text>" and PELMARK_AUTO_ANSWER=<button> answers without showing
// anything (file, folder and colour dialogs are then cancelled).
class QtUiService final : public UiService {
 public:
  QtUiService();

  ModalResult message(const MessageRequest& request) override;
  void beep() override;
  QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString folderName(QWidget* parent, const QString& title, const QString& start) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial,
                              const QStringList& customColors) override;

  // The answer PELMARK_AUTO_ANSWER gives for a box with these buttons.
  static ModalResult autoAnswer(const QString& word, MessageButtons buttons);

 private:
  void log(const MessageRequest& request) const;

  QString logFile_;
  QString autoAnswer_;
};

QString iconWord(MessageIcon icon);

}  // namespace pm
