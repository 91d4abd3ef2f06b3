#include "shell/ui/editform.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>

#include "common/globals.h"
#include "common/lib1.h"
#include "platform/pathresolver.h"
#include "platform/textfile.h"
#include "shell/filedialogs.h"
#include "shell/opendispatch.h"
#include "shell/textdocument.h"

namespace pm {

QPointer<TEditForm>& EditForm() {
  static QPointer<TEditForm> editor;
  return editor;
}

TEditForm::TEditForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("EditForm"));
  setWindowTitle(QStringLiteral("EditForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  editor_ = new QPlainTextEdit(this);
  editor_->setObjectName(QStringLiteral("Editor"));
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  editor_->setTabChangesFocus(false);
  layout->addWidget(editor_);
  SetKind(KindTextEditor);
  EditForm() = this;
}

TEditForm::~TEditForm() = default;

void TEditForm::FormCreate(int number) {
  SetFileName(QStringLiteral("NoName") + QString::number(number) + QStringLiteral(".DCK"));
  SetKind(KindTextEditor);
}

int TEditForm::Load(const QString& Name, bool* isText) {
  QByteArray bytes;
  if (const int err = ReadFileBytes(ResolveUnquoted(Name), &bytes); err != 0) {
    ShowMessageKind(ReadErrorMessage(err, StripQuotes(Name)), 0, true);
    return err;
  }
  const TextContent content = DecodeTextFile(bytes);
  SetFileName(Name);
  editor_->setPlainText(content.text);
  SetModified(false);
  *isText = content.isText;
  return 0;
}

int TEditForm::Open(const QString& Name) {
  bool isText = true;
  if (const int err = Load(Name, &isText); err != 0) return err;
  SetKind(EditorKindForOpenedName(Name));
  SetReadOnly(!isText);
  if (!isText) ShowMessageKind(NotTextFileMessage(StripQuotes(Name)), 1, true);
  return 0;
}

int TEditForm::Save() {
  if (readOnly_) return 0;
  const QString name = StripQuotes(fileName_);
  const int err = WriteFileAtomic(ResolvePath(name), EncodeTextFile(Text()));
  if (err != 0) {
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

QMdiSubWindow* TEditForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

bool TEditForm::event(QEvent* event) {
  // The sub-window carries the kind that the menu logic reads.
  if (event->type() == QEvent::ParentChange) SetKind(Kind());
  return QWidget::event(event);
}

void TEditForm::closeEvent(QCloseEvent* event) {
  if (!answered_ && !FormCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
  EditForm() = nullptr;
}

}  // namespace pm
