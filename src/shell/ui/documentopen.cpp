// Opening files: File/Open, the recent items, the file dispatcher and the
// open of a form deck for editing.
#include "common/globals.h"
#include "common/lib1.h"
#include "common/ui/childplacement.h"
#include "formdeck/assignfiles.h"
#include "formdeck/deckreader.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "plots/ui/plotform.h"
#include "shell/filedialogs.h"
#include "shell/opendispatch.h"
#include "shell/ui/documents.h"
#include "shell/ui/editform.h"
#include "shell/ui/ostrelform.h"
#include "platform/ui/waitcursor.h"
#include "shell/ui/windowhelpers.h"

#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTimer>

namespace pm {

namespace {

bool IsPzd(const QString& ext) { return ext == QLatin1String(".PZD"); }

void ShowMessages(const std::vector<ShellMessage>& messages) {
  for (const ShellMessage& m : messages) ShowMessageKind(m.text, m.kind, m.beep);
}

// The file a name stands for, by its canonical path; empty when missing.
QString CanonicalFile(const QString& name) { return QFileInfo(ResolveUnquoted(name)).canonicalFilePath(); }

}  // namespace

void DocumentCommands::New1Click() {
  auto* editor = new TEditForm;
  editor->FormCreate(++main_.EditorCount);
  QMdiSubWindow* sub = AddChild(editor);
  sub->show();
  PlaceChildInArea(sub);
  main_.UpdateMenu();
}

void DocumentCommands::Open1Click() {
  if (RunBusy(main_.Runs)) return;
  Command command(*this);
  // Text editors, form windows and the table may hold unsaved work.
  if (!command.Ask({KindTextEditor, KindFormPages, KindTable})) {
    main_.UpdateMenu();
    return;
  }
  Globals& g = G();
  g.ParseErrorState = 0;
  g.SourceMode = 0;
  host_.CloseResultsReport();
  DisposeQuorvelWindows(KindOutputViewer);
  FileDialogRequest request = openRequest_;
  if (g.RuntimeMode != 0) {
    request.defaultSuffix = QStringLiteral("PZD");
    request.filter = RuntimeOpenFilter();
    request.selectedFilter = request.filter;
    if (request.fileName.startsWith(QLatin1Char('*'))) request.fileName = QStringLiteral("*.PZD");
  }
  const QString path = ui().openFileName(&main_, request);
  if (!path.isEmpty()) {
    openRequest_.fileName = path;
    const QString ext = ExtensionKey(path);
    if (ext == QLatin1String(".IDX")) {
      main_.OpenProjectIndex(path);
    } else if (IsPzd(ext) && g.RuntimeMode == 0) {
      EditPlenzo(path, 0);
    } else {
      ReadaFile(path);
    }
  }
  main_.UpdateMenu();
}

// A form's restore point is no deck of its own: opening it would close the
// form, which deletes it.
bool DocumentCommands::RefuseWorkingCopy(const QString& path) {
  const QString file = CanonicalFile(path);
  if (file.isEmpty()) return false;
  const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    const auto* form = qobject_cast<TPlenzoForm*>(child->widget());
    if (!form || form->WorkingCopyPath().isEmpty() || CanonicalFile(form->WorkingCopyPath()) != file) continue;
    ShowMessageKind(path + QStringLiteral(" is the working copy of ") + form->FileName() +
                        QStringLiteral(", which is open.  It cannot be opened."),
                    1, true);
    return true;
  }
  return false;
}

// One window per file: a text file open in an editor is shown there.
bool DocumentCommands::ShowOpenEditor(const QString& path) {
  const QString file = CanonicalFile(path);
  if (file.isEmpty()) return false;
  const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    const int kind = KindOfChild(child);
    const auto* editor = qobject_cast<TEditForm*>(child->widget());
    if (!editor || (kind != KindTextEditor && kind != KindOtherText) || editor->FileName().isEmpty() ||
        CanonicalFile(editor->FileName()) != file)
      continue;
    child->show();
    main_.MdiArea()->setActiveSubWindow(child);
    return true;
  }
  return false;
}

bool DocumentCommands::ShowOpenPlot(const QString& path) {
  const QString file = CanonicalFile(path);
  if (file.isEmpty()) return false;
  const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    const auto* plot = qobject_cast<TPlotForm*>(child->widget());
    if (!plot || plot->PlotFileName().isEmpty() || CanonicalFile(plot->PlotFileName()) != file) continue;
    child->show();
    main_.MdiArea()->setActiveSubWindow(child);
    return true;
  }
  return false;
}

bool DocumentCommands::OpenPlotWindow(const QString& path) {
  if (ShowOpenPlot(path)) return true;
  auto* window = new TPlotForm;
  if (!window->Open(path)) {
    delete window;
    return false;
  }
  AddPlotWindow(window);
  return true;
}

OpenResult DocumentCommands::ReadaFile(const QString& path, int) {
  if (RunBusy(main_.Runs)) return OpenResult::NotOpened;
  if (RefuseWorkingCopy(path)) {
    main_.UpdateMenu();
    return OpenResult::Cancelled;
  }
  if (ShowOpenEditor(path)) {
    main_.UpdateMenu();
    return OpenResult::Opened;
  }
  Command command(*this);
  const QString ext = ExtensionKey(path);
  const OpenDecision decision = DecideOpen(path, ext, FindMarkerLine(path).found, G().RuntimeMode);
  ShowMessages(decision.messages);
  if (decision.target == OpenTarget::Refused) {
    EndAfterRefusal();
    return OpenResult::Refused;
  }
  if (!command.Ask(DocumentKindsReplacedBy(decision.target))) {
    main_.UpdateMenu();
    return OpenResult::Cancelled;
  }
  main_.RecentFiles.Add(path);
  main_.FixFileNameList();
  {
    WaitCursor wait;
    switch (decision.target) {
      case OpenTarget::PlainDeck:
        OpenPlainDeck(path);
        break;
      case OpenTarget::FormDeck:
        OpenFormDeck(path, nullptr, decision.withSource);
        break;
      case OpenTarget::Plot:
        OpenPlotWindow(path);
        break;
      case OpenTarget::Diagram:
        GetDGMFile(path);
        break;
      case OpenTarget::Table:
        GetTBLFile(path, true);
        break;
      case OpenTarget::PlotData:
        GetPLTFile(path, true);
        break;
      case OpenTarget::Listing:
        GetLSTFile(path, true);
        break;
      case OpenTarget::Log:
        GetLOGFile(path, true);
        break;
      case OpenTarget::TextEditor:
        OpenTextEditor(path);
        break;
      case OpenTarget::Refused:
        break;
    }
  }
  main_.FixFileNameList();
  return OpenResult::Opened;
}

TEditForm* DocumentCommands::OpenTextEditor(const QString& path) {
  auto* editor = new TEditForm;
  editor->FormCreate(++main_.EditorCount);
  if (editor->Open(path) != 0) {
    delete editor;
    return nullptr;
  }
  QMdiSubWindow* sub = AddChild(editor);
  sub->show();
  PlaceChildInArea(sub);
  return editor;
}

void DocumentCommands::OpenPlainDeck(const QString& path) {
  DisposeQuorvelWindows(KindTextEditor);
  GetDGMFile(path);
  GetLSTFile(path, false);
  GetLOGFile(path, false);
  GetTBLFile(path, false);
  GetPLTFile(path, false);
  Globals& g = G();
  g.AssignFileList.clear();
  std::vector<std::string> lines;
  ReadTextLines(ResolveUnquoted(path), &lines);
  for (const std::string& line : lines) AddAssignFile(path, line);
  GetOUTFile(path);
  if (!OpenTextEditor(path)) return;
  SetInput(path);
}

TPlenzoForm* DocumentCommands::CreateFormWindow() {
  auto* form = new TPlenzoForm(&host_);
  AddChild(form);
  PlenzoFormInstance() = form;
  return form;
}

TPlenzoForm* DocumentCommands::OpenFormDeck(const QString& path, TPlenzoForm* window, bool withSource) {
  Globals& g = G();
  if (!window) DisposeQuorvelWindows(KindFormPages);
  GetDGMFile(path);
  GetPLTFile(path, false);
  GetLSTFile(path, false);
  GetLOGFile(path, false);
  GetTBLFile(path, false);
  g.SourceMode = withSource ? 1 : 0;
  // The restore point lies beside the deck, whatever the current folder;
  // the old window has closed, so it no longer claims a copy there.
  const QString copy = WorkingCopyPathFor(path);
  const bool copied = !copy.isEmpty() && CopyFileBytes(ResolveUnquoted(path), copy) == 0;
  TPlenzoForm* form = window ? window : CreateFormWindow();
  PlenzoFormInstance() = form;
  form->ClearTabs();
  if (withSource) form->AddSourceTab();
  form->SetWorkingCopy(copied ? copy : QString());
  form->ReadDeck(path);
  GetOUTFile(path);
  if (g.ParseErrorState > 0 && host_.IsShown()) host_.Hide();
  if (withSource) form->LoadEditor(path);
  form->ShowTab(0);
  SetInput(path);
  if (form->Model().ParseFailed && !form->HasSourceTab()) {
    // Nothing of it can be shown or saved: it closes once the opener is done.
    QTimer::singleShot(0, form, [failed = QPointer<TPlenzoForm>(form)] {
      const CommandClose byCommand;
      if (failed && failed->SubWindow()) failed->SubWindow()->close();
    });
  }
  return form;
}

OpenResult DocumentCommands::EditPlenzo(const QString& path, int force) {
  if (path.isEmpty()) {
    main_.UpdateMenu();
    return OpenResult::NotOpened;
  }
  if (RunBusy(main_.Runs)) return OpenResult::NotOpened;
  if (RefuseWorkingCopy(path)) {
    main_.UpdateMenu();
    return OpenResult::Cancelled;
  }
  Command command(*this);
  const QString ext = ExtensionKey(path);
  const bool opening = IsPzd(ext) || HasWholeMarkerLine(path) || force != 0;
  // Every window this open replaces is asked before any of them closes.
  const std::vector<int> kinds =
      opening ? std::vector<int>{KindFormPages, KindTextEditor, KindPlot, KindTable} : std::vector<int>{KindFormPages};
  if (!command.Ask(kinds)) {
    main_.UpdateMenu();
    return OpenResult::Cancelled;
  }
  Globals& g = G();
  g.AssignFileList.clear();
  DisposeQuorvelWindows(KindFormPages);
  if (!opening) {
    main_.UpdateMenu();
    return OpenResult::NotOpened;
  }
  DisposeQuorvelWindows(KindTextEditor);
  ShowMessages(DecideOpen(path, ext, FindMarkerLine(path).found, 0).messages);
  main_.RecentFiles.Add(path);
  main_.FixFileNameList();
  TPlenzoForm* form = nullptr;
  {
    WaitCursor wait;
    form = OpenFormDeck(path, CreateFormWindow(), true);
  }
  QDir::setCurrent(QFileInfo(ResolveUnquoted(path)).absolutePath());
  form->ShowTab(0);
  form->Editor()->document()->setModified(false);
  form->ClearModify();
  form->Show();
  if (g.ParseErrorState > 0 && form->ErrorLine > 0) form->SelectSourceLine(form->ErrorLine);
  main_.UpdateMenu();
  return OpenResult::Opened;
}

void DocumentCommands::OpenFileItem(int tag) {
  if (RunBusy(main_.Runs)) return;
  host_.CloseResultsReport();
  if (tag < 0 || tag >= main_.RecentFiles.Count()) return;
  const QString path = main_.RecentFiles.At(tag);
  G().SourceMode = 0;
  if (!FileExistsUnquoted(path)) {
    ShowMessageKind(NoLongerExistsMessage(path), 2, true);
    main_.RecentFiles.RemoveAt(tag);
    main_.FixFileNameList();
    return;
  }
  QDir::setCurrent(QFileInfo(ResolveUnquoted(path)).absolutePath());
  const QString ext = ExtensionKey(path);
  if (G().RuntimeMode == 0 && IsPzd(ext)) {
    EditPlenzo(path, 0);
  } else if (G().RuntimeMode == 0 && FindMarkerLine(path).found) {
    EditPlenzo(path, 1);
  } else {
    // The working copy stays until its window closes, as after File/Open.
    ReadaFile(path);
  }
  main_.UpdateMenu();
}

void DocumentCommands::ShowInput() {
  const QString& input = main_.InputFileName;
  if (input.isEmpty()) return;
  // Editors of decks and of other files, form pages and Source views alike.
  const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    const int kind = KindOfChild(child);
    QString file;
    if (kind == KindTextEditor || kind == KindOtherText) {
      if (auto* editor = qobject_cast<TEditForm*>(child->widget())) file = editor->FileName();
    } else if (kind == KindFormPages || kind == KindFormSource) {
      if (auto* form = qobject_cast<TPlenzoForm*>(child->widget())) file = form->FileName();
    }
    if (!file.isEmpty() && file == input) {
      child->show();
      main_.MdiArea()->setActiveSubWindow(child);
      main_.UpdateMenu();
      return;
    }
  }
  {
    WaitCursor wait;
    if (IsPzd(ExtensionKey(input))) {
      const OpenDecision decision = DecideOpen(input, ExtensionKey(input), FindMarkerLine(input).found, G().RuntimeMode);
      OpenFormDeck(input, CreateFormWindow(), decision.withSource);
    } else {
      OpenTextEditor(input);
    }
  }
  main_.UpdateMenu();
}

}  // namespace pm
