#include "formdeck/progresshidingui.h"

namespace pm {

ProgressHidingUi::ProgressHidingUi(ParseProgress* progress, bool* hidden, const int* lineInHand,
                                   int* messageLine)
    : progress_(progress),
      hidden_(hidden),
      lineInHand_(lineInHand),
      messageLine_(messageLine),
      next_(ui()),
      previous_(setUi(this)) {}

ProgressHidingUi::~ProgressHidingUi() { setUi(previous_); }

ModalResult ProgressHidingUi::message(const MessageRequest& request) {
  if (messageLine_ && lineInHand_) *messageLine_ = *lineInHand_;
  if (progress_ && progress_->IsShown()) {
    progress_->Hide();
    if (hidden_) *hidden_ = true;
  }
  return next_.message(request);
}

void ProgressHidingUi::beep() { next_.beep(); }

QString ProgressHidingUi::openFileName(QWidget* parent, const FileDialogRequest& request) {
  return next_.openFileName(parent, request);
}

QString ProgressHidingUi::saveFileName(QWidget* parent, const FileDialogRequest& request) {
  return next_.saveFileName(parent, request);
}

QString ProgressHidingUi::folderName(QWidget* parent, const QString& title, const QString& start) {
  return next_.folderName(parent, title, start);
}

std::optional<QColor> ProgressHidingUi::color(QWidget* parent, const QColor& initial,
                                              const QStringList& customColors) {
  return next_.color(parent, initial, customColors);
}

}  // namespace pm
