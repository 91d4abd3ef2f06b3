#pragma once

#include "platform/uiservice.h"

#include <QString>
#include <QStringList>

namespace pm {

// A text in double quotes, backslash, quote and line ends escaped, as the
// dump tools print names and messages.
QString QuotedForDump(const QString& text);

// For the dump tools: records every message as one line (message kind 0
// beep "text", the text escaped), answers as Enter would and cancels every
// dialog. Installed for the lifetime of the object.
class RecordingUi final : public UiService {
 public:
  RecordingUi() { previous_ = setUi(this); }
  ~RecordingUi() override { setUi(previous_); }
  RecordingUi(const RecordingUi&) = delete;
  RecordingUi& operator=(const RecordingUi&) = delete;

  ModalResult message(const MessageRequest& request) override;
  void beep() override { beep_ = true; }
  QString openFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString saveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
  std::optional<QColor> color(QWidget*, const QColor&, const QStringList&) override { return std::nullopt; }

  QStringList lines;

 private:
  UiService* previous_ = nullptr;
  bool beep_ = false;
};

}  // namespace pm
