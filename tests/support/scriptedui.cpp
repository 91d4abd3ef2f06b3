#include "support/scriptedui.h"

namespace pm::test {

ScriptedUi::ScriptedUi() { previous_ = setUi(this); }
ScriptedUi::~ScriptedUi() { setUi(previous_); }

ModalResult ScriptedUi::message(const MessageRequest& request) {
  messages_.push_back({request.icon, request.buttons, request.text, request.caption, pendingBeep_});
  pendingBeep_ = false;
  if (onMessage) onMessage(request);
  if (answers_.empty()) return defaultButton(request.buttons);
  const ModalResult r = answers_.front();
  answers_.pop_front();
  return r;
}

void ScriptedUi::beep() {
  ++beeps_;
  pendingBeep_ = true;
}

QString ScriptedUi::openFileName(QWidget*, const FileDialogRequest& request) {
  fileRequests_.push_back(request);
  if (files_.empty()) return {};
  const QString f = files_.front();
  files_.pop_front();
  enterFolderOf(f);
  return f;
}

QString ScriptedUi::saveFileName(QWidget* parent, const FileDialogRequest& request) {
  return openFileName(parent, request);
}

QString ScriptedUi::folderName(QWidget*, const QString& title, const QString&) {
  folderTitles_.push_back(title);
  if (folders_.empty()) return {};
  const QString f = folders_.front();
  folders_.pop_front();
  return f;
}

std::optional<QColor> ScriptedUi::color(QWidget*, const QColor&, const QStringList&) {
  if (colors_.empty()) return std::nullopt;
  const QColor c = colors_.front();
  colors_.pop_front();
  return c;
}

QStringList ScriptedUi::texts() const {
  QStringList out;
  for (const Message& m : messages_) out << m.text;
  return out;
}

void ScriptedUi::clear() {
  messages_.clear();
  fileRequests_.clear();
  folderTitles_.clear();
  beeps_ = 0;
  pendingBeep_ = false;
}

}  // namespace pm::test
