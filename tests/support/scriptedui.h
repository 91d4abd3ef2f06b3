#pragma once

#include "platform/uiservice.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace pm::test {

// Records every request and gives the answers the test queued; with nothing
// queued a message gets the button Enter would press and a dialog is
// cancelled. Installed for the lifetime of the object.
class ScriptedUi final : public UiService {
 public:
  struct Message {
    MessageIcon icon;
    MessageButtons buttons;
    QString text;
    QString caption;
    bool beepBefore;  // a beep came right before this message
  };

  ScriptedUi();
  ~ScriptedUi() override;
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;

  ModalResult message(const MessageRequest& request) override;
  void beep() override;
  QString openFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString saveFileName(QWidget* parent, const FileDialogRequest& request) override;
  QString folderName(QWidget* parent, const QString& title, const QString& start) override;
  std::optional<QColor> color(QWidget* parent, const QColor& initial,
                              const QStringList& customColors) override;

  void answer(ModalResult result) { answers_.push_back(result); }
  // Called at the moment each message shows, before it is answered.
  std::function<void(const MessageRequest&)> onMessage;
  void answerFile(const QString& path) { files_.push_back(path); }
  void answerFolder(const QString& path) { folders_.push_back(path); }
  void answerColor(const QColor& color) { colors_.push_back(color); }

  const std::vector<Message>& messages() const { return messages_; }
  QStringList texts() const;
  int beeps() const { return beeps_; }
  const std::vector<FileDialogRequest>& fileRequests() const { return fileRequests_; }
  // The title of every folder dialog shown.
  const QStringList& folderTitles() const { return folderTitles_; }
  void clear();

 private:
  UiService* previous_ = nullptr;
  std::vector<Message> messages_;
  std::vector<FileDialogRequest> fileRequests_;
  QStringList folderTitles_;
  std::deque<ModalResult> answers_;
  std::deque<QString> files_;
  std::deque<QString> folders_;
  std::deque<QColor> colors_;
  int beeps_ = 0;
  bool pendingBeep_ = false;
};

}  // namespace pm::test
