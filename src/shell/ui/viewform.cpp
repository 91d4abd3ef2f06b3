#include "shell/ui/viewform.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPalette>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "common/globals.h"
#include "common/lib1.h"
#include "common/textsearch.h"
#include "common/ui/finddialogs.h"
#include "platform/help.h"
#include "platform/rtfreader.h"
#include "platform/textfile.h"
#include "shell/opendispatch.h"
#include "shell/ui/ostrelform.h"

namespace pm {

TViewForm::TViewForm(TOSTRELFORM* main, QWidget* parent)
    : QWidget(parent), main_(main), viewer_(new QTextEdit(this)) {
  setObjectName(QStringLiteral("ViewForm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  viewer_->setObjectName(QStringLiteral("Viewer"));
  viewer_->setReadOnly(true);
  viewer_->setLineWrapMode(QTextEdit::NoWrap);
  viewer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewer_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewer_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The selection stays visible when the viewer loses the focus (a found
  // match while the find dialog has it).
  QPalette palette = viewer_->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                   palette.color(QPalette::Active, QPalette::HighlightedText));
  viewer_->setPalette(palette);
  QFont font(QStringLiteral("Courier New"));
  font.setPixelSize(12);
  viewer_->document()->setDefaultFont(font);
  viewer_->installEventFilter(this);
  layout->addWidget(viewer_);
  SetKind(KindListing);
}

TViewForm::~TViewForm() = default;

int TViewForm::Load(const QString& Name) {
  QByteArray bytes;
  if (const int err = ReadFileBytes(ResolveUnquoted(Name), &bytes); err != 0) {
    ShowMessageKind(ReadErrorMessage(err, StripQuotes(Name)), 0, true);
    return err;
  }
  SetFileName(Name);
  // The caption names the file read, as the resolver found it.
  setWindowTitle(ResolveUnquoted(Name));
  LoadBytes(bytes);
  return 0;
}

void TViewForm::LoadBytes(const QByteArray& bytes) {
  bytes_ = bytes;
  ReadRichText(bytes, viewer_->document());
  viewer_->moveCursor(QTextCursor::Start);
}

bool TViewForm::Find(const QString& text, bool matchCase, bool wholeWord) {
  const QTextCursor current = viewer_->textCursor();
  const int start = current.hasSelection() ? current.selectionEnd() : 0;
  const QTextCursor found = FindForward(*viewer_->document(), text, start, SearchOptions{matchCase, wholeWord});
  if (found.isNull()) {
    BeepWarning();
    return false;
  }
  viewer_->setFocus();
  viewer_->setTextCursor(found);
  if (findDialog_) findDialog_->KeepClearOf(FoundTextRect(*viewer_, found));
  return true;
}

TFindDialog* TViewForm::Dialog() {
  if (!findDialog_) {
    findDialog_ = new TFindDialog(this);
    connect(findDialog_, &TFindDialog::Find, this, &TViewForm::FindFromDialog);
  }
  return findDialog_;
}

void TViewForm::ShowFindDialog() { Dialog()->Execute(); }

void TViewForm::SearchAgain() {
  if (!findDialog_ || findDialog_->FindText().isEmpty()) {
    ShowFindDialog();
    return;
  }
  FindFromDialog();
}

void TViewForm::FindFromDialog() {
  const SearchOptions options = findDialog_->Options();
  Find(findDialog_->FindText(), options.matchCase, options.wholeWord);
}

void TViewForm::SetFileName(const QString& name) {
  fileName_ = name;
  setWindowTitle(name);
  setWindowFilePath(name);
}

int TViewForm::Kind() const { return ChildKindOf(this); }

void TViewForm::SetKind(int kind) {
  SetChildKind(this, kind);
  if (QMdiSubWindow* sub = SubWindow()) SetChildKind(sub, kind);
}

QMdiSubWindow* TViewForm::SubWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void TViewForm::closeEvent(QCloseEvent* event) {
  event->accept();
  if (findDialog_) findDialog_->close();
  if (!main_) return;
  QMdiSubWindow* sub = SubWindow();
  if (sub && main_->ActiveChild == sub) main_->ActiveChild = nullptr;
  if (Kind() == KindResultsReport) {
    const QWidget* frame = sub ? static_cast<QWidget*>(sub) : this;
    main_->ResultsViewerLeft = frame->x();
    main_->ResultsViewerTop = frame->y();
    main_->ResultsViewer = nullptr;
    main_->MdiArea()->activateNextSubWindow();
  }
}

bool TViewForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == viewer_ && event->type() == QEvent::KeyRelease &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1 && Kind() == KindResultsReport) {
    HtmlHelpContext(9500);
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace pm
