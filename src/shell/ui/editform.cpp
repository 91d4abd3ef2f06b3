#include "shell/ui/editform.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cerrno>

#include "common/childgeometry.h"
#include "common/commentlines.h"
#include "common/globals.h"
#include "common/lib1.h"
#include "common/textprint.h"
#include "common/textsearch.h"
#include "common/ui/finddialogs.h"
#include "common/ui/sourcefont.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "shell/filedialogs.h"
#include "shell/opendispatch.h"
#include "shell/textdocument.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/windowhelpers.h"

namespace pm {

QPointer<TEditForm>& EditForm() {
  static QPointer<TEditForm> editor;
  return editor;
}

TEditForm::TEditForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EditForm"));
  setWindowTitle(QStringLiteral("EditForm"));
  SetHelpContext(this, 122);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName(QStringLiteral("Editor"));
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setTabChangesFocus(false);
  editor_->setCenterOnScroll(false);
  editor_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  editor_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  layout->addWidget(editor_);

  // Top-level dialogs owned by this window: they close with it.
  FindDialog = new TFindDialog(this);
  ReplaceDialog = new TReplaceDialog(this);
  connect(FindDialog, &TFindDialog::Find, this, [this] { Find(FindDialog); });
  connect(ReplaceDialog, &TFindDialog::Find, this, [this] { Find(ReplaceDialog); });
  connect(ReplaceDialog, &TReplaceDialog::Replace, this, &TEditForm::Replace);

  BuildPopupMenu();
  SetKind(KindTextEditor);
  EditForm() = this;
}

TEditForm::~TEditForm() = default;

void TEditForm::BuildPopupMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  const auto item = [this](const char* name, const QString& caption, void (TEditForm::*handler)()) {
    QAction* action = PopupMenu1->addAction(caption);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  Comment1 = item("Comment1", QStringLiteral("Comment"), &TEditForm::Comment1Click);
  PopupMenu1->addSeparator();
  Undo1 = item("Undo1", QStringLiteral("Undo"), &TEditForm::Undo1Click);
  PopupMenu1->addSeparator();
  Cut1 = item("Cut1", QStringLiteral("Cut"), &TEditForm::Cut1Click);
  Copy1 = item("Copy1", QStringLiteral("Copy"), &TEditForm::Copy1Click);
  Paste1 = item("Paste1", QStringLiteral("Paste"), &TEditForm::Paste1Click);
  PopupMenu1->addSeparator();
  SelectAll1 = item("SelectAll1", QStringLiteral("Select All"), &TEditForm::SelectAll1Click);
  connect(PopupMenu1, &QMenu::aboutToShow, this, &TEditForm::PopupMenu1Popup);
  editor_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(editor_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { PopupMenu1->popup(editor_->viewport()->mapToGlobal(pos)); });
}

void TEditForm::FormCreate(int number) {
  SetFileName(QStringLiteral("NoName") + QString::number(number) + QStringLiteral(".DCK"));
  SetKind(KindTextEditor);
}

int TEditForm::Open(const QString& Name) {
  QByteArray bytes;
  if (const int err = ReadFileBytes(ResolveUnquoted(Name), &bytes); err != 0) {
    ShowMessageKind(ReadErrorMessage(err, StripQuotes(Name)), 0, true);
    return err;
  }
  const TextContent content = DecodeTextFile(bytes);
  SetKind(EditorKindForOpenedName(Name));
  SetFileName(Name);
  editor_->setPlainText(content.text);
  SetModified(false);
  SetReadOnly(!content.isText);
  if (!content.isText) ShowMessageKind(NotTextFileMessage(StripQuotes(Name)), 1, true);
  return 0;
}

int TEditForm::Save() {
  if (readOnly_) return 0;
  const QString name = StripQuotes(fileName_);
  int badLine = 0;
  const QByteArray bytes = EncodeTextFile(Text(), &badLine);
  if (badLine != 0) {
    // Writing "?" in its place would lose what was typed.
    ShowMessageKind(UnencodableLineMessage(badLine, name), 0, true);
    return EILSEQ;
  }
  if (const int err = WriteFileAtomic(ResolvePath(name), bytes); err != 0) {
    ShowMessageKind(WriteErrorMessage(err, name), 0, true);
    return err;
  }
  SetModified(false);
  return 0;
}

bool TEditForm::FormCloseQuery() {
  if (!Modified()) return true;
  const QString name = fileName_.isEmpty() ? QStringLiteral("This file") : fileName_;
  switch (ShowMessageKind(name + QStringLiteral(" has been changed.  Save it?"), 7, false)) {
    case ModalResult::Yes:
      // A failed save keeps the window and its text.
      return Save() == 0;
    case ModalResult::No:
      return true;
    default:
      return false;
  }
}

bool TEditForm::CloseAnswered() {
  answered_ = true;
  QMdiSubWindow* sub = SubWindow();
  const bool closed = sub ? sub->close() : close();
  answered_ = false;
  return closed;
}

void TEditForm::CopyFindText(const QString& text) {
  FindDialog->SetFindText(text);
  ReplaceDialog->SetFindText(text);
}

void TEditForm::ShowFound(const QTextCursor& found) {
  editor_->setFocus();
  editor_->setTextCursor(found);
  const QRect hit = FoundTextRect(*editor_, found);
  FindDialog->KeepClearOf(hit);
  ReplaceDialog->KeepClearOf(hit);
}

void TEditForm::Find(TFindDialog* dialog) {
  const QString what = dialog->FindText();
  const QTextCursor found =
      FindForward(*editor_->document(), what, editor_->textCursor().selectionEnd(), dialog->Options());
  CopyFindText(what);
  if (found.isNull()) {
    BeepWarning();
    return;
  }
  ShowFound(found);
}

void TEditForm::Replace() {
  const ReplaceRequest request = ReplaceDialog->Request();
  if (readOnly_) {
    BeepWarning();
    return;
  }
  const ReplaceOutcome outcome = ReplaceForward(editor_->document(), editor_->textCursor(), request);
  if (!outcome.found) {
    editor_->setTextCursor(outcome.cursor);
    BeepWarning();
  } else {
    ShowFound(outcome.cursor);
  }
  if (auto* main = qobject_cast<TOSTRELFORM*>(window())) main->UpdateMenu();
}

void TEditForm::Comment1Click() {
  const QTextCursor cursor = editor_->textCursor();
  if (readOnly_ || !cursor.hasSelection()) return;
  ToggleCommentLines(editor_->document(), cursor.selectionStart(), cursor.selectionEnd());
}

void TEditForm::Undo1Click() { editor_->undo(); }
void TEditForm::Cut1Click() { editor_->cut(); }
void TEditForm::Copy1Click() { editor_->copy(); }
void TEditForm::Paste1Click() { editor_->paste(); }
void TEditForm::SelectAll1Click() { editor_->selectAll(); }

void TEditForm::PopupMenu1Popup() {
  const QTextCursor cursor = editor_->textCursor();
  const bool selected = cursor.hasSelection();
  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  Undo1->setEnabled(!readOnly_ && editor_->document()->isUndoAvailable());
  Paste1->setEnabled(!readOnly_ && clipboard && clipboard->hasText());
  Cut1->setEnabled(!readOnly_ && selected);
  Copy1->setEnabled(selected);
  Comment1->setEnabled(!readOnly_ && selected);
  const bool uncomment = Comment1->isEnabled() && LineAtIsCommented(*editor_->document(), cursor.selectionStart());
  Comment1->setText(uncomment ? QStringLiteral("Undo Comment") : QStringLiteral("Comment"));
}

void TEditForm::FormPaint() { ApplySourceFont(editor_); }

void TEditForm::Print() {
  if (const TextLinesPrinter& print = PrintTextLines()) print(Lines());
}

void TEditForm::SetFileName(const QString& name) {
  fileName_ = name;
  setWindowTitle(name);
  setWindowFilePath(name);
}

int TEditForm::Kind() const { return ChildKindOf(this); }

void TEditForm::SetKind(int kind) {
  SetChildKind(this, kind);
  if (QMdiSubWindow* sub = SubWindow()) SetChildKind(sub, kind);
}

void TEditForm::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  editor_->setReadOnly(readOnly);
}

bool TEditForm::Modified() const { return editor_->document()->isModified(); }

void TEditForm::SetModified(bool modified) { editor_->document()->setModified(modified); }

QString TEditForm::Text() const {
  // The raw text keeps non-breaking spaces; blocks end with U+2029.
  QString text = editor_->document()->toRawText();
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
  return text;
}

QStringList TEditForm::Lines() const {
  const QString text = Text();
  return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QSize TEditForm::sizeHint() const { return kDefaultChildSize; }

QMdiSubWindow* TEditForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

bool TEditForm::event(QEvent* event) {
  // The sub-window carries the kind that the menu logic reads.
  if (event->type() == QEvent::ParentChange) SetKind(Kind());
  return QWidget::event(event);
}

void TEditForm::showEvent(QShowEvent* event) {
  FormPaint();
  QWidget::showEvent(event);
}

void TEditForm::closeEvent(QCloseEvent* event) {
  if (!answered_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  FindDialog->close();
  ReplaceDialog->close();
  EditForm() = nullptr;
}

}  // namespace pm
