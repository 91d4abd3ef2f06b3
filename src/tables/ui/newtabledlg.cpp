#include "tables/ui/newtabledlg.h"

#include "common/deckconstants.h"
#include "common/lib1.h"
#include "common/ui/dialoglook.h"
#include "common/ui/draglist.h"
#include "platform/cp1252.h"
#include "tables/tableedits.h"
#include "tables/tablefile.h"
#include "tables/ui/tableform.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace pm {

namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setFixedSize(32, 26);
  return button;
}

std::string NameOf(const QListWidgetItem* item) {
  return item->data(TNewTableDlg::kNameRole).toByteArray().toStdString();
}

}  // namespace

QString TNewTableDlg::NotInDeckMark() { return QStringLiteral(" (not in deck)"); }

TNewTableDlg::TNewTableDlg(const QString& deckFileName, bool modify, TTableForm* table,
                           std::function<void(TTableForm*)> showTable, QWidget* parent)
    : QDialog(parent), Modify(modify), DeckFileName(deckFileName), table_(table), showTable_(std::move(showTable)) {
  setObjectName(QStringLiteral("NewTableDlg"));
  setWindowTitle(QStringLiteral("New Parametric Table"));
  setFont(DialogFont(false));
  // The list of another deck may be loaded; the table's own deck counts.
  if (Modify && table_) {
    DeckFileName = table_->Table().DeckFileName;
    ReadDeckConstants(DeckFileName);
  }

  SrcList = new DragList(this);
  SrcList->setObjectName(QStringLiteral("SrcList"));
  SrcList->setSortingEnabled(true);
  DstList = new DragList(this);
  DstList->setObjectName(QStringLiteral("DstList"));
  // Twenty-character names fit without a horizontal scroll bar, marked
  // ones in the table list too.
  const QFontMetrics metrics(font());
  const int chrome = 2 * SrcList->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
  const int nameWidth = metrics.horizontalAdvance(QString(20, QLatin1Char('N')));
  SrcList->setMinimumSize(nameWidth + chrome, 200);
  DstList->setMinimumSize(nameWidth + metrics.horizontalAdvance(NotInDeckMark()) + chrome, 200);
  SrcList->OnDrop = [this] { ExcludeBtnClick(); };
  DstList->OnDrop = [this] { IncludeBtnClick(); };

  IncludeBtn = MakeButton(this, "IncludeBtn", QStringLiteral(">"));
  IncAllBtn = MakeButton(this, "IncAllBtn", QStringLiteral(">>"));
  ExcludeBtn = MakeButton(this, "ExcludeBtn", QStringLiteral("<"));
  ExAllBtn = MakeButton(this, "ExAllBtn", QStringLiteral("<<"));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel"));
  panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  Label1 = new QLabel(panel);
  Label1->setObjectName(QStringLiteral("Label1"));
  Label2 = new QLabel(panel);
  Label2->setObjectName(QStringLiteral("Label2"));
  Label2->setWordWrap(true);
  Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->addWidget(Label1);
  panelLayout->addWidget(Label2, 1);
  panel->setMinimumHeight(metrics.lineSpacing() * 4 + 16);

  Runs = new QLineEdit(QStringLiteral("10"), this);
  Runs->setObjectName(QStringLiteral("Runs"));
  Runs->setFixedWidth(metrics.horizontalAdvance(QStringLiteral("99999")) + 16);
  auto* runsLabel = new QLabel(QStringLiteral("No. of Runs"), this);
  runsLabel->setBuddy(Runs);
  OKBtn = new QPushButton(QStringLiteral("OK"), this);
  OKBtn->setObjectName(QStringLiteral("OKBtn"));
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
  CancelBtn->setObjectName(QStringLiteral("CancelBtn"));

  auto* buttons = new QVBoxLayout;
  buttons->addStretch();
  for (QToolButton* b : {IncludeBtn, IncAllBtn, ExcludeBtn, ExAllBtn}) buttons->addWidget(b);
  buttons->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Parameters in File"), this), 0, 0);
  grid->addWidget(new QLabel(QStringLiteral("Parameters in Table"), this), 0, 2);
  grid->addWidget(SrcList, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addWidget(DstList, 1, 2);
  grid->addWidget(panel, 2, 0, 1, 3);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(runsLabel);
  bottom->addWidget(Runs);
  bottom->addStretch();
  bottom->addWidget(OKBtn);
  bottom->addWidget(CancelBtn);
  grid->addLayout(bottom, 3, 0, 1, 3);

  connect(IncludeBtn, &QToolButton::clicked, this, &TNewTableDlg::IncludeBtnClick);
  connect(IncAllBtn, &QToolButton::clicked, this, &TNewTableDlg::IncAllBtnClick);
  connect(ExcludeBtn, &QToolButton::clicked, this, &TNewTableDlg::ExcludeBtnClick);
  connect(ExAllBtn, &QToolButton::clicked, this, &TNewTableDlg::ExcAllBtnClick);
  connect(SrcList, &QListWidget::itemPressed, this, &TNewTableDlg::SrcListMouseDown);
  connect(DstList, &QListWidget::itemPressed, this, &TNewTableDlg::DstListMouseDown);
  connect(OKBtn, &QPushButton::clicked, this, &TNewTableDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  SetButtons();
}

void TNewTableDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once only: a message box shown by OK activates the dialog again, and
  // the lists the user built stay.
  if (!filled_) FormActivate();
}

void TNewTableDlg::AddEntry(QListWidget* list, int index) {
  const TConstItem& entry = (*PEQList())[static_cast<size_t>(index)];
  auto* item = new QListWidgetItem(FromCp1252(entry.Name));
  item->setData(kEntryRole, index);
  item->setData(kNameRole, QByteArray::fromStdString(entry.Name));
  list->addItem(item);
}

void TNewTableDlg::FormActivate() {
  filled_ = true;
  SrcList->clear();
  DstList->clear();
  const std::optional<TConstList>& constants = PEQList();
  if (constants) {
    for (size_t i = 0; i < constants->size(); ++i) {
      if (!(*constants)[i].Name.empty()) AddEntry(SrcList, static_cast<int>(i));
    }
  }
  if (Modify && table_) {
    for (const TTableColumn& column : table_->Table().TableColumns) {
      QListWidgetItem* found = nullptr;
      for (int i = 0; i < SrcList->count() && !found; ++i) {
        if (NameOf(SrcList->item(i)) == column.VarName) found = SrcList->item(i);
      }
      if (found) {
        DstList->addItem(SrcList->takeItem(SrcList->row(found)));
        continue;
      }
      // Kept, marked, so nothing leaves the table unless the user moves it.
      auto* item = new QListWidgetItem(FromCp1252(column.VarName) + NotInDeckMark());
      item->setData(kEntryRole, -1);
      item->setData(kNameRole, QByteArray::fromStdString(column.VarName));
      DstList->addItem(item);
    }
  }
  SetButtons();
}

void TNewTableDlg::ShowItem(QListWidgetItem* item) {
  if (!item) return;
  const int index = item->data(kEntryRole).toInt();
  const std::optional<TConstList>& constants = PEQList();
  if (index < 0 || !constants || index >= static_cast<int>(constants->size()) ||
      (*constants)[static_cast<size_t>(index)].Name != NameOf(item)) {
    Label1->clear();
    Label2->setText(QStringLiteral("No description available"));
    return;
  }
  const TConstItem& entry = (*constants)[static_cast<size_t>(index)];
  Label1->setText(FromCp1252(entry.Units));
  Label2->setText(FromCp1252(GetItemDescription(entry)));
}

void TNewTableDlg::SrcListMouseDown(QListWidgetItem* item) { ShowItem(item); }

void TNewTableDlg::DstListMouseDown(QListWidgetItem* item) { ShowItem(item); }

bool TNewTableDlg::NamesFit(const QList<QListWidgetItem*>& items) {
  for (const QListWidgetItem* item : items) {
    const std::string name = NameOf(item);
    if (VarNameFits(name)) continue;
    ShowMessageKind(VarNameTooLongMessage(name), 0, true);
    return false;
  }
  return true;
}

void TNewTableDlg::DropUnmatched(QListWidget* list) {
  for (int i = list->count() - 1; i >= 0; --i) {
    QListWidgetItem* item = list->item(i);
    if (item->isSelected() && item->data(kEntryRole).toInt() < 0) delete list->takeItem(i);
  }
}

void TNewTableDlg::SetItem(QListWidget* List, int Index) {
  List->setFocus();
  if (List->count() > 0) {
    const int last = List->count() - 1;
    // The last but one after a move; never beyond the ends.
    const int at = Index < 0 ? 0 : std::clamp(std::min(Index, List->count() - 2), 0, last);
    List->item(at)->setSelected(true);
    List->setCurrentRow(at, QItemSelectionModel::Select);
  }
  SetButtons();
}

void TNewTableDlg::SetButtons() {
  const bool inFile = SrcList->count() > 0;
  const bool inTable = DstList->count() > 0;
  IncludeBtn->setEnabled(inFile);
  IncAllBtn->setEnabled(inFile);
  ExcludeBtn->setEnabled(inTable);
  ExAllBtn->setEnabled(inTable);
  OKBtn->setEnabled(inTable);
}

void TNewTableDlg::IncludeBtnClick() {
  if (!NamesFit(SrcList->selectedItems())) return;
  const int index = GetFirstSelection(SrcList);
  MoveSelected(SrcList, DstList);
  SetItem(SrcList, index);
}

void TNewTableDlg::ExcludeBtnClick() {
  const int index = GetFirstSelection(DstList);
  DropUnmatched(DstList);
  MoveSelected(DstList, SrcList);
  SetItem(DstList, index);
}

void TNewTableDlg::IncAllBtnClick() {
  QList<QListWidgetItem*> all;
  for (int i = 0; i < SrcList->count(); ++i) all.push_back(SrcList->item(i));
  if (!NamesFit(all)) return;
  MoveAll(SrcList, DstList);
  SetItem(SrcList, 0);
}

void TNewTableDlg::ExcAllBtnClick() {
  DstList->selectAll();
  DropUnmatched(DstList);
  MoveAll(DstList, SrcList);
  SetItem(DstList, 0);
}

std::vector<std::string> TNewTableDlg::TableNames() const {
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(DstList->count()));
  for (int i = 0; i < DstList->count(); ++i) names.push_back(NameOf(DstList->item(i)));
  return names;
}

void TNewTableDlg::OKBtnClick() {
  if (DstList->count() == 0) return;
  if (Modify) {
    OKModify();
  } else {
    OKNew();
  }
}

void TNewTableDlg::OKNew() {
  int runs = 0;
  if (!ReadInteger(Runs->text().toStdString(), &runs)) {
    RefuseInteger(Runs);
    return;
  }
  if (!RunCountFits(runs)) {
    RefuseEdit(Runs, RunCountMessage());
    return;
  }
  if (!DeckNameFits(DeckFileName)) {
    ShowMessageKind(DeckNameTooLongMessage(DeckFileName), 0, true);
    return;
  }
  // The open table goes only when its close question lets it; Cancel, or a
  // save that failed, keeps it and this dialog.
  if (table_) {
    if (!table_->FormCloseQuery()) return;
    if (!table_->CloseAnswered()) return;
  }
  auto* window = new TTableForm(NewTable(DeckFileName, runs, TableNames()));
  if (showTable_) {
    showTable_(window);
  } else {
    window->show();
  }
  accept();
}

void TNewTableDlg::OKModify() {
  if (table_) {
    ChangeVariables(table_->Table(), TableNames());
    table_->TableReshaped();
  }
  accept();
}

}  // namespace pm
