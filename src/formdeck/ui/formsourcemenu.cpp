// The Source editor's pop-up menu, its clipboard commands, find and replace,
// and its hint.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "common/commentlines.h"
#include "common/lib1.h"
#include "common/textsearch.h"
#include "common/ui/finddialogs.h"
#include "formdeck/ui/plenzoform.h"

namespace pm {

namespace {

QAction* AddItem(QMenu* menu, const char* name, const QString& text) {
  QAction* action = menu->addAction(text);
  action->setObjectName(QLatin1String(name));
  return action;
}

}  // namespace

// The menu belongs to the editor alone: over a form page it would edit the
// hidden deck text.
void TPlenzoForm::CreatePopupMenu() {
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
  comment1_ = AddItem(popupMenu1_, "Comment1", QStringLiteral("Comment"));
  popupMenu1_->addSeparator();
  undo1_ = AddItem(popupMenu1_, "Undo1", QStringLiteral("Undo"));
  popupMenu1_->addSeparator();
  cut1_ = AddItem(popupMenu1_, "Cut1", QStringLiteral("Cut"));
  copy1_ = AddItem(popupMenu1_, "Copy1", QStringLiteral("Copy"));
  paste1_ = AddItem(popupMenu1_, "Paste1", QStringLiteral("Paste"));
  popupMenu1_->addSeparator();
  QAction* selectAll = AddItem(popupMenu1_, "SelectAll1", QStringLiteral("Select All"));
  connect(comment1_, &QAction::triggered, this, &TPlenzoForm::Comment1Click);
  connect(undo1_, &QAction::triggered, this, &TPlenzoForm::Undo1Click);
  connect(cut1_, &QAction::triggered, this, &TPlenzoForm::Cut1Click);
  connect(copy1_, &QAction::triggered, this, &TPlenzoForm::Copy1Click);
  connect(paste1_, &QAction::triggered, this, &TPlenzoForm::Paste1Click);
  connect(selectAll, &QAction::triggered, this, &TPlenzoForm::SelectAll1Click);
  connect(popupMenu1_, &QMenu::aboutToShow, this, &TPlenzoForm::PopupMenu1Popup);
  FindDialog = new TFindDialog(this);
  ReplaceDialog = new TReplaceDialog(this);
  connect(FindDialog, &TFindDialog::Find, this, [this] { Find(FindDialog); });
  connect(ReplaceDialog, &TFindDialog::Find, this, [this] { Find(ReplaceDialog); });
  connect(ReplaceDialog, &TReplaceDialog::Replace, this, &TPlenzoForm::Replace);
  editor_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(editor_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { popupMenu1_->popup(editor_->viewport()->mapToGlobal(pos)); });
}

void TPlenzoForm::PopupMenu1Popup() {
  const QTextCursor cursor = editor_->textCursor();
  const bool selected = cursor.hasSelection();
  undo1_->setEnabled(editor_->document()->isUndoAvailable());
  const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
  paste1_->setEnabled(clip && clip->hasText());
  cut1_->setEnabled(selected);
  copy1_->setEnabled(selected);
  comment1_->setEnabled(selected);
  comment1_->setText(selected && LineAtIsCommented(*editor_->document(), cursor.selectionStart())
                         ? QStringLiteral("Undo Comment")
                         : QStringLiteral("Comment"));
}

void TPlenzoForm::Comment1Click() {
  const QTextCursor cursor = editor_->textCursor();
  if (!cursor.hasSelection()) return;
  ToggleCommentLines(editor_->document(), cursor.selectionStart(), cursor.selectionEnd());
}

void TPlenzoForm::Cut1Click() { editor_->cut(); }
void TPlenzoForm::Copy1Click() { editor_->copy(); }
void TPlenzoForm::Paste1Click() { editor_->paste(); }
void TPlenzoForm::Undo1Click() { editor_->undo(); }
void TPlenzoForm::SelectAll1Click() { editor_->selectAll(); }

void TPlenzoForm::Find(TFindDialog* dialog) {
  // From the caret, so a match right there is found; after a hit, one past
  // its start, so the next one is.
  const QTextCursor caret = editor_->textCursor();
  const int from = caret.hasSelection() ? caret.selectionStart() + 1 : caret.position();
  const QTextCursor found = FindForward(*editor_->document(), dialog->FindText(), from, dialog->Options());
  if (found.isNull()) {
    BeepWarning();
    return;
  }
  editor_->setFocus();
  editor_->setTextCursor(found);
  dialog->KeepClearOf(FoundTextRect(*editor_, found));
  FindDialogTag = 1;
}

void TPlenzoForm::Replace() {
  const ReplaceOutcome outcome = ReplaceForward(editor_->document(), editor_->textCursor(), ReplaceDialog->Request());
  if (!outcome.found) {
    editor_->setTextCursor(outcome.cursor);
    BeepWarning();
    return;
  }
  editor_->setFocus();
  editor_->setTextCursor(outcome.cursor);
  ReplaceDialog->KeepClearOf(FoundTextRect(*editor_, outcome.cursor));
}

void TPlenzoForm::Editor1MouseMove(const QPoint& pos) {
  const int line = editor_->cursorForPosition(pos).blockNumber() + 1;
  editor_->viewport()->setToolTip(QStringLiteral("Line ") + QString::number(line));
}

}  // namespace pm
