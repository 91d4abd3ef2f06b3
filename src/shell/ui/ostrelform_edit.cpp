// The Edit menu: each command goes to the active child by its kind.
#include "shell/ui/ostrelform.h"

#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "common/globals.h"
#include "common/ui/finddialogs.h"
#include "formdeck/ui/plenzoform.h"
#include "shell/ui/editform.h"
#include "shell/ui/viewform.h"
#include "shell/ui/windowhelpers.h"
#include "tables/ui/tableform.h"

namespace pm {

namespace {

int ActiveKind(const TOSTRELFORM& main) { return main.ActiveChild ? KindOfChild(main.ActiveChild) : 0; }

// The active child when it is a text editor (kinds 1000 and 7000).
TEditForm* ActiveEditor(const TOSTRELFORM& main) {
  const int kind = ActiveKind(main);
  if (kind != KindTextEditor && kind != KindOtherText) return nullptr;
  return qobject_cast<TEditForm*>(main.ActiveChild->widget());
}

// The active child when it is a form window showing its Source tab (2100).
TPlenzoForm* ActiveSource(const TOSTRELFORM& main) {
  if (ActiveKind(main) != KindFormSource) return nullptr;
  return qobject_cast<TPlenzoForm*>(main.ActiveChild->widget());
}

// The focused value input (tag 21) of a form window showing its pages
// (2000); a list input, a check box or no focus gives none.
QLineEdit* ActiveValueInput(const TOSTRELFORM& main) {
  if (ActiveKind(main) != KindFormPages) return nullptr;
  auto* form = qobject_cast<TPlenzoForm*>(main.ActiveChild->widget());
  return form ? qobject_cast<QLineEdit*>(form->FocusedControl(21)) : nullptr;
}

// The active child when it is the table window (5000).
TTableForm* ActiveTable(const TOSTRELFORM& main) {
  if (ActiveKind(main) != KindTable) return nullptr;
  return qobject_cast<TTableForm*>(main.ActiveChild->widget());
}

// The active child when it is a read-only viewer (listings, logs, output
// files, the report).
TViewForm* ActiveViewer(const TOSTRELFORM& main) {
  return main.ActiveChild ? qobject_cast<TViewForm*>(main.ActiveChild->widget()) : nullptr;
}

// A viewer of a listing, log or output file; the report copies nothing.
TViewForm* ActiveFileViewer(const TOSTRELFORM& main) {
  const int kind = ActiveKind(main);
  if (kind != KindListing && kind != KindLog && kind != KindOutputViewer) return nullptr;
  return ActiveViewer(main);
}

// The kinds the Edit menu serves; plots and the diagram have no text.
bool EditableKind(int kind) {
  switch (kind) {
    case KindTextEditor:
    case KindOtherText:
    case KindFormPages:
    case KindFormSource:
    case KindListing:
    case KindLog:
    case KindOutputViewer:
    case KindResultsReport:
    case KindTable:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TOSTRELFORM::Undo1Click() {
  // The active editor, not the one made last: undoing in a window the user
  // is not looking at would change it unseen.
  if (TEditForm* editor = ActiveEditor(*this)) editor->Undo1Click();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Undo1Click();
}

void TOSTRELFORM::Cut1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) editor->Cut1Click();
  if (QLineEdit* input = ActiveValueInput(*this)) input->cut();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Cut1Click();
  if (TTableForm* table = ActiveTable(*this)) {
    table->CopytoClip();
    table->Clear();
  }
  UpdateMenu();
}

void TOSTRELFORM::Copy1Click() {
  if (TEditForm* editor = ActiveEditor(*this)) editor->Copy1Click();
  if (QLineEdit* input = ActiveValueInput(*this)) input->copy();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Copy1Click();
  if (TViewForm* viewer = ActiveFileViewer(*this)) viewer->Viewer()->copy();
  if (TTableForm* table = ActiveTable(*this)) table->CopytoClip();
}

void TOSTRELFORM::Paste1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) editor->Paste1Click();
  if (QLineEdit* input = ActiveValueInput(*this)) input->paste();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Paste1Click();
  if (TTableForm* table = ActiveTable(*this)) table->Paste();
  UpdateMenu();
}

void TOSTRELFORM::Clear1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) editor->Editor()->textCursor().removeSelectedText();
  if (QLineEdit* input = ActiveValueInput(*this); input && input->hasSelectedText()) input->del();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Editor()->textCursor().removeSelectedText();
  if (TTableForm* table = ActiveTable(*this)) table->Clear();
  UpdateMenu();
}

void TOSTRELFORM::Find1Click() {
  if (!EditableKind(ActiveKind(*this))) return;
  FindFlag = true;
  ReplaceFlag = false;
  if (TEditForm* editor = ActiveEditor(*this)) editor->FindDialog->Execute();
  if (TPlenzoForm* source = ActiveSource(*this)) {
    source->FindDialogTag = 0;
    source->FindDialog->Execute();
  }
  if (TViewForm* viewer = ActiveViewer(*this)) viewer->ShowFindDialog();
  UpdateMenu();
}

void TOSTRELFORM::Replace1Click() {
  TEditForm* editor = ActiveEditor(*this);
  TPlenzoForm* source = ActiveSource(*this);
  if (!editor && !source) return;
  FindFlag = false;
  ReplaceFlag = true;
  if (editor) editor->ReplaceDialog->Execute();
  if (source) source->ReplaceDialog->Execute();
  UpdateMenu();
}

void TOSTRELFORM::SearchAgain1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) {
    if (FindFlag) {
      editor->Find(editor->FindDialog);
    } else if (ReplaceFlag) {
      editor->Replace();
    }
  }
  if (TPlenzoForm* source = ActiveSource(*this)) {
    if (FindFlag) {
      source->Find(source->FindDialog);
    } else if (ReplaceFlag) {
      source->Replace();
    }
  }
  if (TViewForm* viewer = ActiveViewer(*this)) viewer->SearchAgain();
  UpdateMenu();
}

}  // namespace pm
