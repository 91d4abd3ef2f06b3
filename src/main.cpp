// Pelmark's main block: identity and run mode from the name it was started
// under, the windows, the splash, then the file to open, then the loop.
#include "common/globals.h"
#include "common/ui/setupdlg.h"
#include "platform/help.h"
#include "platform/openaction.h"
#include "platform/programidentity.h"
#include "platform/ui/helpviewer.h"
#include "platform/ui/fonts.h"
#include "platform/ui/qtuiservice.h"
#include "platform/ui/waitcursor.h"
#include "plots/ui/plotsetup.h"
#include "shell/startup.h"
#include "shell/ui/about.h"
#include "shell/ui/compiling.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/printdlg.h"
#include "shell/ui/printprogress.h"

#include <QApplication>
#include <QDir>
#include <QStringList>

#include <memory>

int main(int argc, char* argv[]) {
  // Taken before anything can change the current folder.
  const QString startFolder = QDir::currentPath();
  const QString argv0 = argc > 0 ? QString::fromLocal8Bit(argv[0]) : QString();
  QApplication app(argc, argv);
  pm::RegisterFontSubstitutes();
  pm::QtUiService dialogs;
  pm::setUi(&dialogs);
  pm::QtHelpService helpService;
  pm::setHelp(&helpService);
  pm::DesktopOpenAction openAction;
  pm::setOpenAction(&openAction);

  const pm::ProgramIdentity identity =
      pm::IdentifyProgram(argv0, startFolder, qEnvironmentVariable("PATH"));
  pm::Globals& g = pm::G();
  g.ProgramPath = identity.ProgramPath;
  g.ProgramFolder = identity.ProgramFolder;
  g.RuntimeMode = identity.RuntimeMode;

  // The main window makes the program folder current, so a relative file
  // name from the command line is made absolute first.
  const QStringList arguments = QApplication::arguments();
  const QString argument =
      arguments.size() > 1 ? pm::AbsoluteArgument(arguments.at(1), startFolder) : QString();

  std::unique_ptr<pm::TOSTRELFORM> form;
  std::unique_ptr<pm::TSetupDlg> setup;
  std::unique_ptr<pm::TPlotSetup> plotSetup;
  std::unique_ptr<pm::TAboutBox> about;
  std::unique_ptr<pm::TCompiling> compiling;
  std::unique_ptr<pm::TPrintDlg> printDlg;
  std::unique_ptr<pm::TPrintProgress> printProgress;
  {
    pm::WaitCursor wait;
    pm::SetApplicationTitle(QStringLiteral("PELMARK"));
    form = std::make_unique<pm::TOSTRELFORM>();
    if (!form->Created()) return 1;
    setup = std::make_unique<pm::TSetupDlg>(form.get());
    form->AttachSetupDialog(setup.get());
    plotSetup = std::make_unique<pm::TPlotSetup>(form.get());
    form->AttachPlotSetup(plotSetup.get());
    about = std::make_unique<pm::TAboutBox>(form.get());
    compiling = std::make_unique<pm::TCompiling>();
    printDlg = std::make_unique<pm::TPrintDlg>(form.get());
    printProgress = std::make_unique<pm::TPrintProgress>();
    form->PrintDlg = printDlg.get();
    form->PrintProgress = printProgress.get();
    form->AboutBox = about.get();
    form->Compiling = compiling.get();
    form->showMaximized();
  }

  if (qEnvironmentVariable("PELMARK_NO_SPLASH") != QLatin1String("1")) about->exec();

  const pm::StartupOpen plan = pm::PlanStartupOpen(argument, g.RuntimeMode, g.ProgramPath);
  switch (plan.action) {
    case pm::StartupOpen::OpenFile:
      g.SourceMode = plan.sourceMode ? 1 : 0;
      form->ReadaFile(plan.path);
      if (g.SourceMode != 0) form->LoadCommandLineSource(plan.path);
      break;
    case pm::StartupOpen::OpenIndex:
      form->OpenProjectIndex(plan.path);
      break;
    case pm::StartupOpen::OpenDialog:
      form->Open1Click();
      break;
    case pm::StartupOpen::Nothing:
      break;
  }
  // Dedicated mode ends at once on a start-up file that is no Plenzo deck.
  if (form->Documents().EndRequested()) return form->Documents().ExitStatus();
  form->Documents().StartupFinished();

  int rc = QApplication::exec();
  if (rc == 0) rc = form->Documents().ExitStatus();
  printProgress.reset();
  printDlg.reset();
  compiling.reset();
  about.reset();
  setup.reset();
  form.reset();
  pm::setOpenAction(nullptr);
  pm::setHelp(nullptr);
  pm::setUi(nullptr);
  return rc;
}
