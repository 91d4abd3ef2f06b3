#pragma once

#include "common/globals.h"
#include "platform/help.h"
#include "common/settings.h"
#include "shell/ui/documents.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/windowhelpers.h"
#include "support/fakehelp.h"
#include "support/scriptedui.h"
#include "support/testfiles.h"
#include "support/testpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace pm::test {

// Copies a file of the opening fixtures to `to` (folders made); gives `to`.
inline QString CopyOpeningFixture(const char* name, const QString& to) {
  WriteBytes(to, ReadBytes(QStringLiteral(PELMARK_FIXTURES_DIR "/opening/") + QLatin1String(name)));
  return to;
}

// The argument lines of each program start a stand-in recorded in its
// trace file, one joined line per start.
inline QStringList TraceStarts(const QString& trace) {
  QStringList starts;
  for (const QByteArray& line : ReadBytes(trace).split('\n')) {
    if (line.startsWith("pid ")) starts << QString();
    if (line.startsWith("arg ") && !starts.isEmpty()) {
      starts.last() += (starts.last().isEmpty() ? QString() : QStringLiteral(" ")) + QString::fromUtf8(line.mid(4));
    }
  }
  return starts;
}
// The current folder of each start.
inline QStringList TraceFolders(const QString& trace) {
  QStringList folders;
  for (const QByteArray& line : ReadBytes(trace).split('\n')) {
    if (line.startsWith("cwd ")) folders << QString::fromUtf8(line.mid(4));
  }
  return folders;
}

// Runs the real program through `program` (a link to it), offscreen and
// without the splash, its messages logged to `log` and answered with
// `autoAnswer`. True when it ended within 20 seconds.
inline bool RunProgram(QProcess& process, const QString& program, const QStringList& arguments,
                       const QString& workingFolder, const QString& autoAnswer, const QString& log) {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("PELMARK_NO_SPLASH"), QStringLiteral("1"));
  env.insert(QStringLiteral("PELMARK_AUTO_ANSWER"), autoAnswer);
  env.insert(QStringLiteral("PELMARK_MESSAGE_LOG"), log);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  process.setProcessEnvironment(env);
  process.setWorkingDirectory(workingFolder);
  process.start(program, arguments);
  return process.waitForFinished(20000);
}

// A temporary program folder holding a settings file, the shared state
// pointed at it, and the current folder given back afterwards.
class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    savedFolder_ = QDir::currentPath();
    savedGlobals_ = G();
    UnloadHelpControl();
    folder_ = dir_.path();
    WriteBytes(folder_ + QStringLiteral("/Mivaro.DFT"), QByteArray(5452, '\0'));
  }
  void TearDown() override {
    form_.reset();
    QDir::setCurrent(savedFolder_);
    G() = savedGlobals_;
  }

  // Starts the main window as the program named `name` in the folder.
  TOSTRELFORM* Start(const QString& name = QStringLiteral("mivaro")) {
    form_.reset();
    Globals& g = G();
    g = Globals();
    g.ProgramFolder = folder_;
    g.ProgramPath = folder_ + QLatin1Char('/') + name;
    g.RuntimeMode = name.toUpper().startsWith(QLatin1String("MIVARO")) ? 0 : 1;
    form_ = std::make_unique<TOSTRELFORM>();
    return form_.get();
  }

  // Start, and past start-up, with the program's end recorded in quits_
  // instead of done.
  TOSTRELFORM* Begin(const QString& name = QStringLiteral("mivaro")) {
    TOSTRELFORM* main = Start(name);
    main->Documents().StartupFinished();
    main->Documents().Quit = [this](int status) { quits_.push_back(status); };
    return main;
  }

  // A stand-in document window of the given kind.
  QMdiSubWindow* AddChild(int kind, const QString& file = QString(), const QString& title = QString()) {
    auto* widget = new QWidget;
    SetChildKind(widget, kind);
    widget->setWindowFilePath(file);
    widget->setWindowTitle(title.isEmpty() ? QStringLiteral("child") : title);
    QMdiSubWindow* child = form_->MdiArea()->addSubWindow(widget);
    child->show();
    return child;
  }

  // The document windows, their kinds, and the last window of class W.
  QList<QMdiSubWindow*> Children() const { return form_->MdiArea()->subWindowList(); }
  std::vector<int> Kinds() const {
    std::vector<int> kinds;
    for (QMdiSubWindow* child : Children()) kinds.push_back(KindOfChild(child));
    return kinds;
  }
  template <typename W>
  W* Only() const {
    W* found = nullptr;
    for (QMdiSubWindow* child : Children()) {
      if (auto* w = qobject_cast<W*>(child->widget())) found = w;
    }
    return found;
  }

  QTemporaryDir dir_;
  QString folder_;
  ScriptedUi ui_;
  std::unique_ptr<TOSTRELFORM> form_;
  std::vector<int> quits_;

 private:
  QString savedFolder_;
  Globals savedGlobals_;
};

}  // namespace pm::test
