#pragma once

#include "formdeck/formhost.h"
#include "platform/uiservice.h"

namespace pm {

// While it lives, every message first hides the progress window: it stays
// on top and would cover the message's buttons. The deck parse and the
// table run install one.
class ProgressHidingUi final : public UiService {
 public:
  // hidden (when given) is set once the window was hidden for a message; at
  // each message the line in hand (when given) is copied to messageLine.
  explicit ProgressHidingUi(ParseProgress* progress, bool* hidden = nullptr, const int* lineInHand = nullptr,
                            int* messageLine = nullptr);
  ~ProgressHidingUi() override;
  ProgressHidingUi(const ProgressHidingUi&) = delete;
  ProgressHidingUi& operator=(const ProgressHidingUi&) = delete;

  ModalResult message(const MessageRequest& request) override;
  void beep() override;
  QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString folderName(QWidget* parent, const QString& title, const QString& start) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial,
                              const QStringList& customColors) override;

 private:
  ParseProgress* progress_;
  bool* hidden_;
  const int* lineInHand_;
  int* messageLine_;
  UiService& next_;
  UiService* previous_;
};

}  // namespace pm
