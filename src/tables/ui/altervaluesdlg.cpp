#include "tables/ui/altervaluesdlg.h"

#include "common/lib1.h"
#include "common/ui/dialoglook.h"
#include "platform/cp1252.h"
#include "platform/ui/waitcursor.h"
#include "tables/ui/tableform.h"
#include "tables/ui/tablegrid.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pm {

namespace {

QLineEdit* MakeEdit(QWidget* parent, const char* name, const QString& text, int width) {
  auto* edit = new QLineEdit(text, parent);
  edit->setObjectName(QLatin1String(name));
  edit->setFixedWidth(width);
  return edit;
}

QPushButton* MakePush(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  return button;
}

}  // namespace

TAlterValuesDlg::TAlterValuesDlg(TTableForm* table, QWidget* parent) : QDialog(parent), table_(table) {
  setObjectName(QStringLiteral("AlterValuesDlg"));
  setWindowTitle(QStringLiteral("Alter Table Values"));
  setFont(DialogFont(false));
  const QFontMetrics metrics(font());

  ListBox = new QListWidget(this);
  ListBox->setObjectName(QStringLiteral("ListBox"));
  ListBox->setMinimumSize(metrics.horizontalAdvance(QString(20, QLatin1Char('N'))) + 40, 180);

  const int runWidth = metrics.horizontalAdvance(QStringLiteral("999999")) + 16;
  const int valueWidth = metrics.horizontalAdvance(QStringLiteral("-1.23456789E+100")) + 16;
  FirstRunV = MakeEdit(this, "FirstRunV", QStringLiteral("1"), runWidth);
  LastRunV = MakeEdit(this, "LastRunV", QStringLiteral("9999"), runWidth);
  FirstValue = MakeEdit(this, "FirstValue", QString(), valueWidth);
  IncorLast = MakeEdit(this, "IncorLast", QString(), valueWidth);
  FirstValueL = new QLabel(QStringLiteral("First Value"), this);
  FirstValueL->setObjectName(QStringLiteral("FirstValueL"));

  PopupMenu = new QMenu(this);
  PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
  LastValue1 = PopupMenu->addAction(QStringLiteral("Last Value"), this, &TAlterValuesDlg::LastValue1Click);
  Increment1 = PopupMenu->addAction(QStringLiteral("Increment"), this, &TAlterValuesDlg::Increment1Click);
  Multiplier1 = PopupMenu->addAction(QStringLiteral("Multiplier"), this, &TAlterValuesDlg::Multiplier1Click);
  LastIncBox = new QToolButton(this);
  LastIncBox->setObjectName(QStringLiteral("LastIncBox"));
  LastIncBox->setMenu(PopupMenu);
  LastIncBox->setPopupMode(QToolButton::InstantPopup);
  LastIncBox->setToolButtonStyle(Qt::ToolButtonTextOnly);
  int widest = 0;
  for (QAction* a : PopupMenu->actions()) widest = std::max(widest, metrics.horizontalAdvance(a->text()));
  LastIncBox->setMinimumWidth(widest + 32);
  LastIncBox->setText(QStringLiteral("Increment"));

  SetValues = new QRadioButton(QStringLiteral("Set Values"), this);
  SetValues->setObjectName(QStringLiteral("SetValues"));
  ClearValues = new QRadioButton(QStringLiteral("Clear Values"), this);
  ClearValues->setObjectName(QStringLiteral("ClearValues"));
  SetValues->setChecked(true);

  Button1 = MakePush(this, "Button1", QStringLiteral("Apply"));
  OKBtn = MakePush(this, "OKBtn", QStringLiteral("OK"));
  OKBtn->setDefault(true);
  Cancel = MakePush(this, "Cancel", QStringLiteral("Cancel"));

  auto* runs = new QFormLayout;
  runs->addRow(QStringLiteral("First Run"), FirstRunV);
  runs->addRow(QStringLiteral("Last Run"), LastRunV);
  auto* series = new QGridLayout;
  series->addWidget(FirstValueL, 0, 0);
  series->addWidget(FirstValue, 0, 1);
  series->addWidget(LastIncBox, 1, 0);
  series->addWidget(IncorLast, 1, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(runs);
  right->addSpacing(8);
  right->addWidget(SetValues);
  right->addWidget(ClearValues);
  right->addSpacing(8);
  right->addLayout(series);
  right->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(ListBox, 1);
  top->addLayout(right);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(OKBtn);
  buttons->addWidget(Cancel);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addLayout(buttons);

  connect(ClearValues, &QRadioButton::clicked, this, &TAlterValuesDlg::ClearValuesClick);
  connect(SetValues, &QRadioButton::clicked, this, &TAlterValuesDlg::SetValuesClick);
  connect(Button1, &QPushButton::clicked, this, &TAlterValuesDlg::Button1Click);
  connect(OKBtn, &QPushButton::clicked, this, &TAlterValuesDlg::OKBtnClick);
  connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TAlterValuesDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!filled_) FormActivate();
}

void TAlterValuesDlg::FormActivate() {
  filled_ = true;
  ListBox->clear();
  if (table_) {
    const TableModel& t = table_->Table();
    for (const TTableColumn& column : t.TableColumns) ListBox->addItem(FromCp1252(column.VarName));
    FirstRunV->setText(QString::number(t.FirstRun));
    LastRunV->setText(QString::number(t.LastRun));
  }
  if (ListBox->count() > 0) ListBox->setCurrentRow(0);
  if (ClearValues->isChecked()) {
    ClearValuesClick();
  } else {
    SetValuesClick();
  }
}

void TAlterValuesDlg::ShowSeries(bool show) {
  for (QWidget* w : std::initializer_list<QWidget*>{FirstValueL, FirstValue, IncorLast, LastIncBox}) {
    w->setVisible(show);
  }
}

void TAlterValuesDlg::ClearValuesClick() { ShowSeries(false); }

void TAlterValuesDlg::SetValuesClick() { ShowSeries(true); }

void TAlterValuesDlg::LastIncBoxMouseDown() { LastIncBox->showMenu(); }

void TAlterValuesDlg::SetMode(SeriesMode mode, const QString& caption) {
  Mode = mode;
  LastIncBox->setText(caption);
}

void TAlterValuesDlg::LastValue1Click() { SetMode(SeriesMode::LastValue, QStringLiteral("Last Value")); }

void TAlterValuesDlg::Increment1Click() { SetMode(SeriesMode::Increment, QStringLiteral("Increment")); }

void TAlterValuesDlg::Multiplier1Click() { SetMode(SeriesMode::Multiplier, QStringLiteral("Multiplier")); }

bool TAlterValuesDlg::FillTable() {
  if (!table_) return false;
  TableModel& t = table_->Table();
  int first = 0;
  int last = 0;
  if (!ReadInteger(FirstRunV->text().toStdString(), &first)) {
    RejectField(FirstRunV);
    return false;
  }
  if (!ReadInteger(LastRunV->text().toStdString(), &last)) {
    RejectField(LastRunV);
    return false;
  }
  RunRange range;
  // A first run beyond the table has no cells to fill.
  if (!FitRunRange(first, last, t.RunCount(), &range)) {
    RejectField(FirstRunV);
    return false;
  }
  t.FirstRun = range.first;
  t.LastRun = range.last;
  const bool set = SetValues->isChecked();
  long double a = 0;
  long double b = 0;
  if (set) {
    bool ok = false;
    a = TextToValue(FirstValue->text().toStdString(), &ok);
    if (!ok) {
      RejectField(FirstValue);
      return false;
    }
    b = TextToValue(IncorLast->text().toStdString(), &ok);
    if (!ok) {
      RejectField(IncorLast);
      return false;
    }
  }
  const QList<QListWidgetItem*> chosen = ListBox->selectedItems();
  const int column = chosen.isEmpty() ? 0 : ListBox->row(chosen.first()) + 1;
  if (!t.Column(column)) {
    BeepWarning();
    return false;
  }
  {
    WaitCursor wait;
    if (set) {
      FillColumnValues(t, column, range, Mode, a, b);
    } else {
      ClearColumnValues(t, column, range);
    }
  }
  table_->GridModel()->CellsChanged(range.first, column, range.last, column);
  return true;
}

void TAlterValuesDlg::Button1Click() { FillTable(); }

void TAlterValuesDlg::OKBtnClick() {
  if (FillTable()) accept();
}

}  // namespace pm
