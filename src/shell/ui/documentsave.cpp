// File/Save, File/Save as and the save of a window that has no file yet.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "common/globals.h"
#include "common/lib1.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "plots/ui/plotform.h"
#include "shell/filedialogs.h"
#include "shell/opendispatch.h"
#include "shell/ui/diagramform.h"
#include "shell/ui/documents.h"
#include "shell/ui/editform.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/windowhelpers.h"
#include "tables/ui/tableform.h"

namespace pm {

namespace {

TEditForm* EditorOf(QMdiSubWindow* child) {
  return child ? qobject_cast<TEditForm*>(child->widget()) : nullptr;
}
TPlenzoForm* FormOf(QMdiSubWindow* child) {
  return child ? qobject_cast<TPlenzoForm*>(child->widget()) : nullptr;
}
TTableForm* TableOf(QMdiSubWindow* child) {
  return child ? qobject_cast<TTableForm*>(child->widget()) : nullptr;
}
TPlotForm* PlotOf(QMdiSubWindow* child) {
  return child ? qobject_cast<TPlotForm*>(child->widget()) : nullptr;
}

// The kinds a text editor takes: an engine deck, or any other text file.
bool IsEditorKind(int kind) { return kind == KindTextEditor || kind == KindOtherText; }

// The deck a form edits, with its caption and the file the menus read.
void SetDeckName(TPlenzoForm* form, const QString& name) {
  form->Model().FileName = name;
  form->setWindowTitle(name);
  form->setWindowFilePath(name);
}

// A window writes the file its name resolves to: the file made first under
// the name given keeps a case variant of another file from taking its
// place. Gives the file when it was made here, to remove after a failure.
QString MakeNewFile(const QString& name) {
  const QString path = ResolveNewFileName(name);
  return !QFileInfo::exists(path) && WriteFileAtomic(path, QByteArray()) == 0 ? path : QString();
}

bool SaveTableAs(TTableForm* table, const QString& name) {
  const QString made = MakeNewFile(name);
  if (table->SaveTable(name)) return true;
  if (!made.isEmpty()) RemoveFile(made);
  return false;
}

// The caption names the new file only once the plot is written there.
bool SavePlotAs(TPlotForm* plot, const QString& name) {
  const QString made = MakeNewFile(name);
  const QString old = plot->windowTitle();
  plot->setWindowTitle(name);
  if (plot->Save(name)) return true;
  plot->setWindowTitle(old);
  if (!made.isEmpty()) RemoveFile(made);
  return false;
}

}  // namespace

QString DocumentCommands::AskSaveName(const FileDialogRequest& request) {
  FileDialogRequest r = request;
  r.filter = SaveDialogFilter();
  return ui().saveFileName(&main_, r);
}

// A form showing its pages writes its values into its own deck.
bool DocumentCommands::SaveFormPages(TPlenzoForm* form) {
  // A form whose parse failed is half built: it is never written back.
  if (form->Model().ParseFailed || !form->CheckInputs()) return false;
  form->WriteDeck(form->FileName());
  if (!form->SaveSucceeded) return false;
  if (form->HasSourceTab()) form->LoadEditor(form->FileName());
  MoveRestorePoint(form);
  form->SourceSaved = true;
  return true;
}

// A form showing its Source saves the edited text (and reads the deck again
// after a parse error), then writes the text to name.
bool DocumentCommands::SaveFormSource(TPlenzoForm* form, const QString& name, bool asGiven) {
  if (!form->Save(asGiven)) return false;
  if (const int err = form->SaveEditorLines(name, asGiven); err != 0) {
    ShowMessageKind(form->SourceWriteMessage(err, name), 0, true);
    form->Editor()->document()->setModified(true);
    return false;
  }
  MoveRestorePoint(form);
  form->SourceSaved = true;
  return true;
}

// After a save the restore point holds the deck as saved, beside it; one
// left beside another file the form edited before is removed.
void DocumentCommands::MoveRestorePoint(TPlenzoForm* form) {
  const QString copy = WorkingCopyPathFor(form->FileName());
  if (copy != form->WorkingCopyPath()) {
    form->RemoveWorkingCopy();
    if (copy.isEmpty()) return;
    form->SetWorkingCopy(copy);
  }
  form->RefreshWorkingCopy();
}

// A form's Source saved under a new name: the form then edits that file.
bool DocumentCommands::SaveFormSourceAs(TPlenzoForm* form, const QString& name) {
  const QString old = form->FileName();
  form->Model().FileName = name;
  if (!SaveFormSource(form, name, true)) {
    form->Model().FileName = old;
    return false;
  }
  SetDeckName(form, name);
  return true;
}

bool DocumentCommands::SaveEditorAs(TEditForm* editor, const QString& name) {
  const QString made = MakeNewFile(name);
  const QString old = editor->FileName();
  editor->SetFileName(name);
  if (editor->Save() != 0) {
    editor->SetFileName(old);
    if (!made.isEmpty()) RemoveFile(made);
    return false;
  }
  return true;
}

void DocumentCommands::Save1Click() {
  const QList<QMdiSubWindow*> children = main_.MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    const int kind = KindOfChild(child);
    if (IsEditorKind(kind)) {
      TEditForm* editor = EditorOf(child);
      // Only changed text is written: a file that was not edited, or is no
      // text, stays as it is.
      if (!editor || editor->IsReadOnly() || !editor->Modified()) continue;
      if (editor->FileName().isEmpty()) {
        SaveChildWindow(child, editor->windowTitle(), kind);
      } else {
        editor->Save();
      }
    } else if (kind == KindFormPages) {
      if (TPlenzoForm* form = FormOf(child)) SaveFormPages(form);
    } else if (kind == KindFormSource) {
      TPlenzoForm* form = FormOf(child);
      if (!form) continue;
      if (form->FileName().isEmpty()) {
        SaveChildWindow(child, form->windowTitle(), kind);
      } else {
        SaveFormSource(form, form->FileName());
      }
    } else if (kind == KindTable) {
      // The table's own name, and only when it changed.
      TTableForm* table = TableOf(child);
      if (table && table->Table().Changed) table->SaveTable(table->Table().TableFileName);
    } else if (kind == KindPlot) {
      // A plot without a file counts as changed.
      TPlotForm* plot = PlotOf(child);
      if (!plot || !plot->Modified()) continue;
      if (plot->PlotFileName().isEmpty()) {
        SaveChildWindow(child, plot->windowTitle(), kind);
      } else {
        plot->Save(plot->PlotFileName());
      }
    }
  }
  main_.UpdateMenu();
}

bool DocumentCommands::SaveChildWindow(QMdiSubWindow* child, const QString& caption, int kind) {
  const QString ext = DefaultSaveExtension(kind);
  FileDialogRequest request;
  request.title = QStringLiteral("Saving window ") + caption;
  request.fileName = QStringLiteral("*.") + ext;
  request.defaultSuffix = ext;
  if (const SaveAsEntry* entry = FindSaveAsEntry(QLatin1Char('.') + ext)) {
    request.selectedFilter = SaveFilterEntry(entry->index);
  }
  const QString name = AskSaveName(request);
  if (name.isEmpty()) return false;
  if (TEditForm* editor = EditorOf(child); editor && IsEditorKind(kind)) {
    return SaveEditorAs(editor, name);
  }
  if (TPlenzoForm* form = FormOf(child); form && kind == KindFormSource) {
    return SaveFormSourceAs(form, name);
  }
  if (TPlotForm* plot = PlotOf(child); plot && kind == KindPlot) return SavePlotAs(plot, name);
  return false;
}

void DocumentCommands::Saveas1Click() {
  if (RunBusy(main_.Runs)) return;
  QMdiSubWindow* child = main_.CurrentChild();
  if (!child) return;
  const int kind = KindOfChild(child);
  TEditForm* editor = EditorOf(child);
  TPlenzoForm* form = FormOf(child);
  auto* diagram = qobject_cast<TDiagramForm*>(child->widget());
  QString start;
  if (editor && IsEditorKind(kind)) {
    // A file that is no text is only shown.
    if (editor->IsReadOnly()) return;
    start = editor->FileName();
  } else if (form && (kind == KindFormPages || kind == KindFormSource)) {
    if (kind == KindFormPages && form->Model().ParseFailed) return;
    if (!form->CheckInputs()) return;
    start = form->FileName();
  } else if (kind == KindPlot && PlotOf(child)) {
    // The plot's own file, never the deck's plot data.
    start = PlotOf(child)->PlotFileName();
    if (start.isEmpty()) start = QStringLiteral("*.KPL");
  } else if (kind == KindTable && TableOf(child)) {
    start = TableOf(child)->Table().TableFileName;
  } else if (kind == KindDiagram && diagram) {
    start = diagram->FileName();
  }
  FileDialogRequest request;
  request.fileName = start;
  if (const SaveAsEntry* entry = FindSaveAsEntry(ExtensionKey(start))) {
    request.selectedFilter = SaveFilterEntry(entry->index);
    request.defaultSuffix = entry->ext.mid(1);
  }
  const QString name = AskSaveName(request);
  if (name.isEmpty()) {
    main_.UpdateMenu();
    return;
  }
  if (editor && IsEditorKind(kind)) {
    // The kind follows the file only once it is saved there.
    if (SaveEditorAs(editor, name)) {
      editor->SetKind(EditorKindForSavedName(name));
      SetInput(name);
    }
  } else if (form && kind == KindFormSource) {
    if (SaveFormSourceAs(form, name)) SetInput(name);
  } else if (form && kind == KindFormPages) {
    // The form goes on with the new file: its caption, the input deck, its
    // close question and its restore point all name it.
    const QString old = form->FileName();
    form->WriteDeck(name);
    if (form->SaveSucceeded) {
      SetDeckName(form, name);
      SetInput(name);
      MoveRestorePoint(form);
      form->SourceSaved = true;
    } else {
      SetDeckName(form, old);
    }
  } else if (diagram && kind == KindDiagram) {
    // The picture as read, in its own format whatever the new extension.
    const QString target = StripQuotes(name);
    if (const int err = WriteFileAtomic(ResolvePath(target), diagram->Bytes()); err != 0)
      ShowMessageKind(WriteErrorMessage(err, target), 0, true);
  } else if (TTableForm* table = TableOf(child); table && kind == KindTable) {
    // Written under the name as typed; the window then goes by it.
    if (SaveTableAs(table, name)) SetOutputItem("Table1", QStringLiteral("Table"), name);
  } else if (TPlotForm* plot = PlotOf(child); plot && kind == KindPlot) {
    SavePlotAs(plot, name);
  }
  main_.UpdateMenu();
}

}  // namespace pm
