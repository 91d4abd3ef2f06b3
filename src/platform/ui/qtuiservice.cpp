#include "platform/ui/qtuiservice.h"

#include "platform/ui/messagebox.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>

namespace pm {

QString iconWord(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error:
      return QStringLiteral("Error");
    case MessageIcon::Information:
      return QStringLiteral("Information");
    case MessageIcon::Warning:
      return QStringLiteral("Warning");
  }
  return {};
}

namespace {

// The Open and Save dialogs differ only in what the user may pick.
QString fileName(QWidget* parent, const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, request.title, request.directory, request.filter);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (!request.selectedFilter.isEmpty()) dialog.selectNameFilter(request.selectedFilter);
  if (!request.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QString chosen = dialog.selectedFiles().constFirst();
  enterFolderOf(chosen);
  return chosen;
}

}  // namespace

QtUiService::QtUiService()
    : logFile_(qEnvironmentVariable("PELMARK_MESSAGE_LOG")),
      autoAnswer_(qEnvironmentVariable("PELMARK_AUTO_ANSWER").trimmed().toLower()) {}

ModalResult QtUiService::autoAnswer(const QString& word, MessageButtons buttons) {
  const bool hasCancel = buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel;
  const bool hasYesNo = buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel;
  if (word == QLatin1String("ok")) return hasYesNo ? defaultButton(buttons) : ModalResult::Ok;
  if (word == QLatin1String("yes")) return hasYesNo ? ModalResult::Yes : ModalResult::Ok;
  if (word == QLatin1String("no")) return hasYesNo ? ModalResult::No : escapeButton(buttons);
  if (word == QLatin1String("cancel")) return hasCancel ? ModalResult::Cancel : escapeButton(buttons);
  return defaultButton(buttons);
}

void QtUiService::log(const MessageRequest& request) const {
  if (logFile_.isEmpty()) return;
  QFile file(logFile_);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
  QString text = request.text;
  text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
  text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  text.remove(QLatin1Char('\r'));
  file.write((QString::number(MessageKindOf(request)) + QLatin1Char('\t') + text + QLatin1Char('\n')).toUtf8());
}

ModalResult QtUiService::message(const MessageRequest& request) {
  log(request);
  if (!autoAnswer_.isEmpty()) return autoAnswer(autoAnswer_, request.buttons);

  return MessageBox(request).Ask();
}

void QtUiService::beep() { QApplication::beep(); }

QString QtUiService::openFileName(QWidget* parent, const FileDialogRequest& request) {
  if (!autoAnswer_.isEmpty()) return {};
  return fileName(parent, request, QFileDialog::AcceptOpen);
}

QString QtUiService::saveFileName(QWidget* parent, const FileDialogRequest& request) {
  if (!autoAnswer_.isEmpty()) return {};
  return fileName(parent, request, QFileDialog::AcceptSave);
}

QString QtUiService::folderName(QWidget* parent, const QString& title, const QString& start) {
  if (!autoAnswer_.isEmpty()) return {};
  return QFileDialog::getExistingDirectory(parent, title, start);
}

std::optional<QColor> QtUiService::color(QWidget* parent, const QColor& initial,
                                         const QStringList& customColors) {
  if (!autoAnswer_.isEmpty()) return std::nullopt;
  for (int i = 0; i < customColors.size() && i < QColorDialog::customCount(); ++i) {
    const QColor c = QColor::fromString(customColors.at(i));
    if (c.isValid()) QColorDialog::setCustomColor(i, c);
  }
  const QColor chosen = QColorDialog::getColor(initial, parent);
  if (!chosen.isValid()) return std::nullopt;
  return chosen;
}

}  // namespace pm
