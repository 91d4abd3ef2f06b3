#include "platform/uiservice.h"

#include <QDir>
#include <QFileInfo>

namespace pm {

namespace {

class SilentUi final : public UiService {
 public:
  ModalResult message(const MessageRequest& request) override { return defaultButton(request.buttons); }
  void beep() override {}
  QString openFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString saveFileName(QWidget*, const FileDialogRequest&) override { return {}; }
  QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
  std::optional<QColor> color(QWidget*, const QColor&, const QStringList&) override { return std::nullopt; }
};

SilentUi g_silent;
UiService* g_current = &g_silent;

}  // namespace

UiService& ui() { return *g_current; }

UiService* setUi(UiService* service) {
  UiService* previous = g_current;
  g_current = service ? service : &g_silent;
  return previous;
}

ModalResult defaultButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
    case MessageButtons::OkCancel:
      return ModalResult::Ok;
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel:
      return ModalResult::Yes;
  }
  return ModalResult::None;
}

ModalResult escapeButton(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return ModalResult::Ok;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      return ModalResult::Cancel;
    case MessageButtons::YesNo:
      return ModalResult::No;
  }
  return ModalResult::None;
}

int MessageKindOf(const MessageRequest& request) {
  if (request.kind >= 0) return request.kind;
  switch (request.buttons) {
    case MessageButtons::Ok:
      return request.icon == MessageIcon::Information ? 1 : 0;
    case MessageButtons::OkCancel:
      return 2;
    case MessageButtons::YesNo:
      return request.icon == MessageIcon::Error ? 3 : 5;
    case MessageButtons::YesNoCancel:
      return 7;
  }
  return -1;
}

void enterFolderOf(const QString& fileName) {
  if (fileName.isEmpty()) return;
  const QString folder = QFileInfo(fileName).absolutePath();
  if (QFileInfo(folder).isDir()) QDir::setCurrent(folder);
}

}  // namespace pm
