#include "common/ui/finddialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace pm {

TFindDialog::TFindDialog(QWidget* parent) : TFindDialog(parent, false) {}

TFindDialog::TFindDialog(QWidget* parent, bool withReplace) : QDialog(parent) {
  setObjectName(withReplace ? QStringLiteral("ReplaceDialog") : QStringLiteral("FindDialog"));
  setWindowTitle(withReplace ? QStringLiteral("Replace") : QStringLiteral("Find"));
  setModal(false);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  grid_ = new QGridLayout(this);
  grid_->setSizeConstraint(QLayout::SetFixedSize);

  auto* findLabel = new QLabel(QStringLiteral("Fi&nd what:"), this);
  FindEdit = new QLineEdit(this);
  FindEdit->setObjectName(QStringLiteral("FindWhat"));
  FindEdit->setMinimumWidth(220);
  findLabel->setBuddy(FindEdit);
  grid_->addWidget(findLabel, 0, 0);
  grid_->addWidget(FindEdit, 0, 1);

  auto* options = new QVBoxLayout;
  WholeWord = new QCheckBox(QStringLiteral("Match &whole word only"), this);
  WholeWord->setObjectName(QStringLiteral("WholeWord"));
  MatchCase = new QCheckBox(QStringLiteral("Match &case"), this);
  MatchCase->setObjectName(QStringLiteral("MatchCase"));
  options->addWidget(WholeWord);
  options->addWidget(MatchCase);
  options->addStretch();
  grid_->addLayout(options, withReplace ? 2 : 1, 0, 1, 2);

  FindNext = new QPushButton(QStringLiteral("&Find Next"), this);
  FindNext->setObjectName(QStringLiteral("FindNext"));
  FindNext->setDefault(true);
  CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
  CancelButton->setObjectName(QStringLiteral("CancelButton"));

  connect(FindEdit, &QLineEdit::textChanged, this, [this] { UpdateButtons(); });
  connect(FindNext, &QPushButton::clicked, this, [this] {
    if (!FindText().isEmpty()) Q_EMIT Find();
  });
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  if (!withReplace) {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(FindNext);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    grid_->addLayout(buttons, 0, 2, 2, 1);
    UpdateButtons();
  }
}

QString TFindDialog::FindText() const { return FindEdit->text(); }

void TFindDialog::SetFindText(const QString& text) {
  if (FindEdit->text() != text) FindEdit->setText(text);
}

SearchOptions TFindDialog::Options() const { return {MatchCase->isChecked(), WholeWord->isChecked()}; }

void TFindDialog::SetOptions(SearchOptions options) {
  MatchCase->setChecked(options.matchCase);
  WholeWord->setChecked(options.wholeWord);
}

void TFindDialog::Execute() {
  show();
  raise();
  activateWindow();
  FindEdit->setFocus();
  FindEdit->selectAll();
}

void TFindDialog::KeepClearOf(const QRect& hit) {
  if (!isVisible()) return;
  const QRect frame = frameGeometry();
  if (!frame.intersects(hit)) return;
  const QScreen* s = screen();
  const QRect room = s ? s->availableGeometry() : QRect();
  int top = hit.top() - frame.height();
  if (s && top < room.top()) top = std::min(hit.bottom() + 1, room.bottom() + 1 - frame.height());
  move(frame.left(), top);
}

namespace {

template <typename Edit>
QRect foundRect(const Edit& edit, const QTextCursor& found) {
  QTextCursor start = found;
  start.setPosition(found.selectionStart());
  const QRect local = edit.cursorRect(start).united(edit.cursorRect(found));
  return {edit.viewport()->mapToGlobal(local.topLeft()), local.size()};
}

}  // namespace

QRect FoundTextRect(const QPlainTextEdit& edit, const QTextCursor& found) { return foundRect(edit, found); }
QRect FoundTextRect(const QTextEdit& edit, const QTextCursor& found) { return foundRect(edit, found); }

void TFindDialog::UpdateButtons() { FindNext->setEnabled(!FindText().isEmpty()); }

TReplaceDialog::TReplaceDialog(QWidget* parent) : TFindDialog(parent, true) {
  auto* replaceLabel = new QLabel(QStringLiteral("Re&place with:"), this);
  ReplaceEdit = new QLineEdit(this);
  ReplaceEdit->setObjectName(QStringLiteral("ReplaceWith"));
  replaceLabel->setBuddy(ReplaceEdit);
  grid_->addWidget(replaceLabel, 1, 0);
  grid_->addWidget(ReplaceEdit, 1, 1);

  ReplaceButton = new QPushButton(QStringLiteral("&Replace"), this);
  ReplaceButton->setObjectName(QStringLiteral("ReplaceButton"));
  ReplaceAllButton = new QPushButton(QStringLiteral("Replace &All"), this);
  ReplaceAllButton->setObjectName(QStringLiteral("ReplaceAllButton"));
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(FindNext);
  buttons->addWidget(ReplaceButton);
  buttons->addWidget(ReplaceAllButton);
  buttons->addWidget(CancelButton);
  buttons->addStretch();
  grid_->addLayout(buttons, 0, 2, 3, 1);
  setTabOrder(FindEdit, ReplaceEdit);
  setTabOrder(ReplaceEdit, WholeWord);

  for (QPushButton* button : {ReplaceButton, ReplaceAllButton}) {
    connect(button, &QPushButton::clicked, this, [this, button] {
      if (FindText().isEmpty()) return;
      replaceAll_ = button == ReplaceAllButton;
      Q_EMIT Replace();
    });
  }
  UpdateButtons();
}

QString TReplaceDialog::ReplaceText() const { return ReplaceEdit->text(); }

void TReplaceDialog::SetReplaceText(const QString& text) { ReplaceEdit->setText(text); }

ReplaceRequest TReplaceDialog::Request() const { return {FindText(), ReplaceText(), Options(), replaceAll_}; }

void TReplaceDialog::UpdateButtons() {
  TFindDialog::UpdateButtons();
  ReplaceButton->setEnabled(!FindText().isEmpty());
  ReplaceAllButton->setEnabled(!FindText().isEmpty());
}

}  // namespace pm
