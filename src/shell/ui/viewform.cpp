#include "shell/ui/viewform.h"

#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "common/globals.h"
#include "common/lib1.h"
#include "platform/textfile.h"
#include "shell/opendispatch.h"
#include "shell/textdocument.h"

namespace pm {

TViewForm::TViewForm(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ViewForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  viewer_ = new QPlainTextEdit(this);
  viewer_->setObjectName(QStringLiteral("Viewer"));
  viewer_->setLineWrapMode(QPlainTextEdit::NoWrap);
  viewer_->setReadOnly(true);
  layout->addWidget(viewer_);
  SetChildKind(this, KindOutputViewer);
}

int TViewForm::View(const QString& Name) {
  QByteArray bytes;
  if (const int err = ReadFileBytes(ResolveUnquoted(Name), &bytes); err != 0) {
    ShowMessageKind(ReadErrorMessage(err, StripQuotes(Name)), 0, true);
    return err;
  }
  fileName_ = Name;
  setWindowTitle(Name);
  setWindowFilePath(Name);
  viewer_->setPlainText(DecodeTextFile(bytes).text);
  return 0;
}

bool TViewForm::event(QEvent* event) {
  // The sub-window carries the kind that the menu logic reads.
  if (event->type() == QEvent::ParentChange) {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) SetChildKind(sub, KindOutputViewer);
  }
  return QWidget::event(event);
}

}  // namespace pm
