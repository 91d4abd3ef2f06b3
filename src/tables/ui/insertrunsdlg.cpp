#include "tables/ui/insertrunsdlg.h"

#include "common/lib1.h"
#include "common/ui/dialoglook.h"
#include "platform/ui/waitcursor.h"
#include "tables/tableedits.h"
#include "tables/ui/tableform.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace pm {

namespace {

// The run-time's "heap overflow", shown when the new runs find no memory.
constexpr int kOutOfMemory = 203;

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text) {
  auto* radio = new QRadioButton(text, parent);
  radio->setObjectName(QLatin1String(name));
  return radio;
}

}  // namespace

TInsertRunsDlg::TInsertRunsDlg(TTableForm* table, QWidget* parent) : QDialog(parent), table_(table) {
  setObjectName(QStringLiteral("InsertRunsDlg"));
  setWindowTitle(QStringLiteral("Insert or Delete Table Runs"));
  setFont(DialogFont(false));
  const int editWidth = QFontMetrics(font()).horizontalAdvance(QStringLiteral("999999")) + 16;

  RowsEdit = new QLineEdit(this);
  RowsEdit->setObjectName(QStringLiteral("RowsEdit"));
  RowsEdit->setFixedWidth(editWidth);
  AfterRowEdit = new QLineEdit(this);
  AfterRowEdit->setObjectName(QStringLiteral("AfterRowEdit"));
  AfterRowEdit->setFixedWidth(editWidth);

  auto* action = new QGroupBox(this);
  InsertButton = MakeRadio(action, "InsertButton", QStringLiteral("Insert Rows"));
  DeleteButton = MakeRadio(action, "DeleteButton", QStringLiteral("Delete Rows"));
  auto* actionLayout = new QVBoxLayout(action);
  actionLayout->addWidget(InsertButton);
  actionLayout->addWidget(DeleteButton);

  auto* where = new QGroupBox(this);
  Attop = MakeRadio(where, "Attop", QStringLiteral("At top"));
  Atbottom = MakeRadio(where, "Atbottom", QStringLiteral("At bottom"));
  AfterRow = MakeRadio(where, "AfterRow", QStringLiteral("After row"));
  auto* whereLayout = new QGridLayout(where);
  whereLayout->addWidget(Attop, 0, 0);
  whereLayout->addWidget(Atbottom, 1, 0);
  whereLayout->addWidget(AfterRow, 2, 0);
  whereLayout->addWidget(AfterRowEdit, 2, 1);

  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

  auto* rows = new QHBoxLayout;
  rows->addWidget(new QLabel(QStringLiteral("No. of Rows"), this));
  rows->addWidget(RowsEdit);
  rows->addStretch();
  auto* groups = new QHBoxLayout;
  groups->addWidget(action);
  groups->addWidget(where);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKBtn);
  buttons->addWidget(CancelBtn);
  auto* all = new QVBoxLayout(this);
  all->addLayout(rows);
  all->addLayout(groups);
  all->addLayout(buttons);

  connect(InsertButton, &QRadioButton::clicked, this, &TInsertRunsDlg::InsertButtonClick);
  connect(DeleteButton, &QRadioButton::clicked, this, &TInsertRunsDlg::DeleteButtonClick);
  connect(Attop, &QRadioButton::clicked, this, &TInsertRunsDlg::AttopClick);
  connect(Atbottom, &QRadioButton::clicked, this, &TInsertRunsDlg::AtbottomClick);
  connect(AfterRow, &QRadioButton::clicked, this, &TInsertRunsDlg::AfterRowClick);
  connect(OKBtn, &QPushButton::clicked, this, &TInsertRunsDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TInsertRunsDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!filled_) FormActivate();
}

void TInsertRunsDlg::FormActivate() {
  filled_ = true;
  (Insert ? InsertButton : DeleteButton)->setChecked(true);
  QRadioButton* positions[] = {Attop, Atbottom, AfterRow};
  positions[Position >= 0 && Position <= 2 ? Position : 0]->setChecked(true);
  AfterRowEdit->setText(QString::number(AfterRowNumber));
  RowsEdit->setText(QString::number(RowsNumber));
  AfterRowEdit->setEnabled(Position == 2);
}

void TInsertRunsDlg::InsertButtonClick() { Insert = true; }

void TInsertRunsDlg::DeleteButtonClick() { Insert = false; }

void TInsertRunsDlg::SetPosition(int position) {
  Position = position;
  AfterRowEdit->setEnabled(position == 2);
}

void TInsertRunsDlg::AttopClick() { SetPosition(0); }

void TInsertRunsDlg::AtbottomClick() { SetPosition(1); }

void TInsertRunsDlg::AfterRowClick() { SetPosition(2); }

void TInsertRunsDlg::OKBtnClick() {
  if (!table_) {
    accept();
    return;
  }
  TableModel& t = table_->Table();
  int rows = 0;
  if (!ReadInteger(RowsEdit->text().toStdString(), &rows)) {
    RejectField(RowsEdit);
    return;
  }
  int after = -1;
  if (Position == 2 && !ReadInteger(AfterRowEdit->text().toStdString(), &after)) after = -1;
  RunsChange change;
  switch (CheckRunsChange(t.RunCount(), Insert, rows, static_cast<RunsPosition>(Position), after, &change)) {
    case RunsCheck::Ok:
      break;
    case RunsCheck::BadRows:
      RejectField(RowsEdit);
      return;
    case RunsCheck::BadAfterRow:
      RejectField(AfterRowEdit);
      return;
    case RunsCheck::TooManyRuns:
      RefuseEdit(RowsEdit, RunCountMessage());
      return;
    case RunsCheck::CloseTable: {
      // Every run would go: the table closes, after its own question.
      QMdiSubWindow* sub = table_->SubWindow();
      if (sub) {
        sub->close();
      } else {
        table_->close();
      }
      accept();
      return;
    }
  }
  bool done = false;
  {
    WaitCursor wait;
    done = ChangeRuns(t, change);
    if (done) table_->TableReshaped();
  }
  if (!done) {
    ShowMessageKind(ErrorNumberText(kOutOfMemory), 0, true);
    return;
  }
  accept();
}

}  // namespace pm
