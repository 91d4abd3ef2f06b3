#pragma once

#include <QToolButton>

namespace pm {

// A button that starts the program of an application link with the
// element's arguments.
class TAppButton : public QToolButton {
  Q_OBJECT
 public:
  explicit TAppButton(QWidget* parent);

  int LinkIndex = 0;  // 1..4 a link of the settings; 0 the arguments alone
  QString Arguments;

  void AppButtonClicked();
};

// The program of application link k (1..4) for a click. When the settings
// name a program that does not exist the user may browse for it; the choice
// is kept for this run. False when the user refused (nothing may run).
bool LocateLinkProgram(int k, QWidget* parent, QString* program);

// Offers to browse for a file that was not found ("<what> <path> was not
// found.  Do you want to browse ..."); the file chosen, or empty when the
// user declined or cancelled.
QString BrowseForMissingFile(const QString& what, const QString& path, QWidget* parent);

// Command := program + " " + arguments, the program quoted when it holds a
// blank, leading blanks removed.
QString LinkCommand(const QString& program, const QString& arguments);

// Runs a command line through the shell's RunProgramOK.
bool RunLinkCommand(const QString& command);

}  // namespace pm
