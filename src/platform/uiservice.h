#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace pm {

// Button values match the modal results of the original message boxes.
enum class ModalResult { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

enum class MessageIcon { Error, Information, Warning };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };

struct MessageRequest {
  MessageIcon icon = MessageIcon::Information;
  MessageButtons buttons = MessageButtons::Ok;
  QString text;
  QString caption;  // empty: the icon's word
  int kind = -1;    // the message kind (0..7) when known; else derived
};

// The message kind of a box: the one given, else the lowest kind with this
// icon and these buttons.
int MessageKindOf(const MessageRequest& request);

struct FileDialogRequest {
  QString title;
  QString filter;         // Qt syntax, ";;" between entries
  QString selectedFilter;  // entry chosen at start
  QString directory;      // start folder; empty: the current folder
  QString fileName;       // name proposed at start
  QString defaultSuffix;  // without the dot
};

// Every modal message, question, file, folder and colour dialog and the
// warning beep goes through this one object, so tests can script them.
class UiService {
 public:
  virtual ~UiService() = default;

  virtual ModalResult message(const MessageRequest& request) = 0;
  virtual void beep() = 0;
  // Empty result: cancelled. After an accepted Open or Save the chosen
  // file's folder becomes the current folder (done by the caller's service).
  virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
  virtual QString folderName(QWidget* parent, const QString& title, const QString& start) = 0;
  virtual std::optional<QColor> color(QWidget* parent, const QColor& initial,
                                      const QStringList& customColors) = 0;
};

// The service in use. Until one is installed a silent one answers every
// question with its default button.
UiService& ui();
// Installs a service (not owned) and returns the previous one.
UiService* setUi(UiService* service);

// The button Enter presses in a box with these buttons.
ModalResult defaultButton(MessageButtons buttons);
// The button Escape or the window's close button gives.
ModalResult escapeButton(MessageButtons buttons);

// Makes the folder of an accepted file the current folder, as the original's
// dialogs did.
void enterFolderOf(const QString& fileName);

}  // namespace pm
