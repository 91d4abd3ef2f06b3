// The Edit menu: each command goes to the active child by its kind.
#include "shell/ui/ostrelform.h"

#include <QMdiSubWindow>

#include "common/globals.h"
#include "common/ui/finddialogs.h"
#include "shell/ui/editform.h"
#include "shell/ui/windowhelpers.h"

namespace pm {

namespace {

int ActiveKind(const TOSTRELFORM& main) { return main.ActiveChild ? KindOfChild(main.ActiveChild) : 0; }

// The active child when it is a text editor (kinds 1000 and 7000).
TEditForm* ActiveEditor(const TOSTRELFORM& main) {
  const int kind = ActiveKind(main);
  if (kind != KindTextEditor && kind != KindOtherText) return nullptr;
  return qobject_cast<TEditForm*>(main.ActiveChild->widget());
}

}  // namespace

void TOSTRELFORM::Undo1Click() {
  // The active editor, not the one made last: undoing in a window the user
  // is not looking at would change it unseen.
  if (TEditForm* editor = ActiveEditor(*this)) editor->Undo1Click();
}

void TOSTRELFORM::Cut1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) editor->Cut1Click();
  UpdateMenu();
}

void TOSTRELFORM::Copy1Click() {
  if (TEditForm* editor = ActiveEditor(*this)) editor->Copy1Click();
}

void TOSTRELFORM::Paste1Click() {
  if (!ActiveChild) return;
  if (TEditForm* editor = ActiveEditor(*this)) editor->Paste1Click();
  UpdateMenu();
}

void TOSTRELFORM::Find1Click() {
  if (!ActiveChild) return;
  FindFlag = true;
  ReplaceFlag = false;
  if (TEditForm* editor = ActiveEditor(*this)) editor->FindDialog->Execute();
  UpdateMenu();
}

void TOSTRELFORM::Replace1Click() {
  TEditForm* editor = ActiveEditor(*this);
  if (!editor) return;
  FindFlag = false;
  ReplaceFlag = true;
  editor->ReplaceDialog->Execute();
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
  UpdateMenu();
}

}  // namespace pm
