#include "formdeck/ui/appbutton.h"

#include "common/lib1.h"
#include "common/settings.h"
#include "formdeck/ui/elementform.h"
#include "platform/uiservice.h"

namespace pm {

TAppButton::TAppButton(QWidget* parent) : QToolButton(parent) {
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
  connect(this, &QToolButton::clicked, this, &TAppButton::AppButtonClicked);
}

void TAppButton::AppButtonClicked() {
  QString Command = Arguments;
  if (LinkIndex >= 1 && LinkIndex <= 4 && !DefaultSettings().AppLinkPaths[LinkIndex].isEmpty()) {
    QString program;
    if (!LocateLinkProgram(LinkIndex, this, &program)) return;
    Command = LinkCommand(program, Arguments);
  }
  RunLinkCommand(LinkCommand(QString(), Command));
}

bool LocateLinkProgram(int k, QWidget* parent, QString* program) {
  const QString path = DefaultSettings().AppLinkPaths[k];
  if (FileExistsUnquoted(path)) {
    *program = path;
    return true;
  }
  const QString chosen = BrowseForMissingFile(QStringLiteral("Application link"), path, parent);
  if (chosen.isEmpty()) return false;
  DefaultSettings().AppLinkPaths[k] = chosen;
  *program = chosen;
  return true;
}

QString BrowseForMissingFile(const QString& what, const QString& path, QWidget* parent) {
  const QString question = what + QLatin1Char(' ') + path +
                           QStringLiteral(" was not found.  Do you want to browse to locate this file?");
  if (ShowMessageKind(question, 5, true) != ModalResult::Yes) return QString();
  FileDialogRequest request;
  request.fileName = path;
  request.filter = QStringLiteral("Applications (*);;All files (*)");
  return ui().openFileName(parent, request);
}

QString LinkCommand(const QString& program, const QString& arguments) {
  QString command;
  if (!program.isEmpty()) {
    const bool quote = program.contains(QLatin1Char(' ')) && !program.startsWith(QLatin1Char('"'));
    command = quote ? QLatin1Char('"') + program + QLatin1Char('"') : program;
    command += QLatin1Char(' ') + arguments;
  } else {
    command = arguments;
  }
  qsizetype lead = 0;
  while (lead < command.size() && command.at(lead) == QLatin1Char(' ')) ++lead;
  return command.mid(lead);
}

bool RunLinkCommand(const QString& command) {
  const auto& run = formServices().RunProgram;
  return run ? run(command) : false;
}

}  // namespace pm
