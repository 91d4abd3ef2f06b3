#include "shell/ui/finddialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pm {

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent),
      findEdit_(new QLineEdit(this)),
      wholeWord_(new QCheckBox(QStringLiteral("Match &whole word only"), this)),
      matchCase_(new QCheckBox(QStringLiteral("Match &case"), this)),
      findNext_(new QPushButton(QStringLiteral("&Find Next"), this)) {
  setObjectName(QStringLiteral("FindDialog"));
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);
  findEdit_->setObjectName(QStringLiteral("FindText"));
  wholeWord_->setObjectName(QStringLiteral("WholeWord"));
  matchCase_->setObjectName(QStringLiteral("MatchCase"));
  findNext_->setObjectName(QStringLiteral("FindNext"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Cancel"));

  auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
  label->setBuddy(findEdit_);
  auto* grid = new QGridLayout(this);
  grid->addWidget(label, 0, 0);
  grid->addWidget(findEdit_, 0, 1);
  grid->addWidget(wholeWord_, 1, 0, 1, 2);
  grid->addWidget(matchCase_, 2, 0, 1, 2);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(findNext_);
  buttons->addWidget(cancel);
  buttons->addStretch();
  grid->addLayout(buttons, 0, 2, 3, 1);
  grid->setColumnMinimumWidth(1, 200);

  findNext_->setDefault(true);
  findNext_->setEnabled(false);
  connect(findEdit_, &QLineEdit::textChanged, this,
          [this](const QString& text) { findNext_->setEnabled(!text.isEmpty()); });
  connect(findNext_, &QPushButton::clicked, this, &FindDialog::Find);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindDialog::FindText() const { return findEdit_->text(); }
void FindDialog::SetFindText(const QString& text) { findEdit_->setText(text); }
bool FindDialog::WholeWord() const { return wholeWord_->isChecked(); }
bool FindDialog::MatchCase() const { return matchCase_->isChecked(); }

}  // namespace pm
