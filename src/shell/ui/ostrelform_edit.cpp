// The Edit menu: each command goes to the active child by its kind.
#include "shell/ui/ostrelform.h"

#include <QMdiSubWindow>

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
  if (TPlenzoForm* source = ActiveSource(*this)) source->Cut1Click();
  if (TTableForm* table = ActiveTable(*this)) {
    table->CopytoClip();
    table->Clear();
  }
  UpdateMenu();
}

void TOSTRELFORM::Copy1Click() {
  if (TEditForm* editor = ActiveEditor(*this)) editor->Copy1Click();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Copy1Click();
  if (TTableForm* table = ActiveTable(*this)) table->CopytoClip();
}

void TOSTRELFORM::Paste1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) editor->Paste1Click();
  if (TPlenzoForm* source = ActiveSource(*this)) source->Paste1Click();
  if (TTableForm* table = ActiveTable(*this)) table->Paste();
  UpdateMenu();
}

void TOSTRELFORM::Find1Click() {
  if (!ActiveChild) return;
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
