#pragma once

#include "platform/uiservice.h"

#include <QMessageBox>

namespace pm {

// The box the dialog service shows: its text exactly as written (no markup
// is guessed, blanks kept), at least as wide as its caption needs, a long
// text wrapped, and never larger than the screen's available area.
class MessageBox final : public QMessageBox {
  Q_OBJECT
 public:
  explicit MessageBox(const MessageRequest& request, QWidget* parent = nullptr);

  // Shows the box modally; the button pressed, or the escape button's
  // answer when it was closed otherwise.
  ModalResult Ask();

  // The width the window needs to show its caption beside its title-bar
  // buttons.
  int CaptionWidth() const;

 protected:
  bool event(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void fitToScreen();

  ModalResult escape_;
};

}  // namespace pm
