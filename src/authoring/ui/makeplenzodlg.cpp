#include "authoring/ui/makeplenzodlg.h"

#include "authoring/deckwriter.h"
#include "common/filenames.h"
#include "common/lib1.h"
#include "common/settings.h"
#include "common/ui/dialoglook.h"
#include "platform/cp1252.h"
#include "platform/help.h"
#include "platform/pathresolver.h"
#include "platform/uiservice.h"

#include <QCheckBox>
#include <QDir>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace pm {

namespace {

QListWidget* MakeList(const QString& name, QAbstractItemView::SelectionMode mode, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(name);
  list->setSelectionMode(mode);
  return list;
}

QLabel* MakeLabel(const QString& name, const QString& caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  label->setAlignment(Qt::AlignHCenter);
  return label;
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TMakePlenzoDlg::TMakePlenzoDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("MakePlenzoDlg"));
  setWindowTitle(QStringLiteral("Make Plenzo File"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFont(DialogFont(true));

  UnitBox = MakeList(QStringLiteral("UnitBox"), QAbstractItemView::SingleSelection, this);
  ParBox = MakeList(QStringLiteral("ParBox"), QAbstractItemView::MultiSelection, this);
  InpBox = MakeList(QStringLiteral("InpBox"), QAbstractItemView::MultiSelection, this);
  Units = MakeLabel(QStringLiteral("Units"), QStringLiteral("&Units"), UnitBox, this);
  Parameters = MakeLabel(QStringLiteral("Parameters"), QStringLiteral("&Parameters"), ParBox, this);
  Inputs = MakeLabel(QStringLiteral("Inputs"), QStringLiteral("&Inputs"), InpBox, this);
  for (QListWidget* list : {UnitBox, ParBox, InpBox}) list->installEventFilter(this);

  IncludeBox = MakeIncludeBox(QStringLiteral("Include"), this, &Header, &Simulationcard);

  All = MakeButton(QStringLiteral("All"), QStringLiteral("&All"), this);
  None = MakeButton(QStringLiteral("None"), QStringLiteral("&None"), this);
  OKBtn = MakeButton(QStringLiteral("OKBtn"), QStringLiteral("OK"), this);
  OKBtn->setDefault(true);
  CancelBtn = MakeButton(QStringLiteral("CancelBtn"), QStringLiteral("Cancel"), this);

  connect(UnitBox, &QListWidget::currentRowChanged, this, [this](int row) {
    // A change that leaves no line selected keeps the unit shown.
    if (row >= 0) UnitBoxClick();
  });
  // Emitted once the list has toggled the line, so the check sees the result.
  connect(InpBox, &QListWidget::itemPressed, this, &TMakePlenzoDlg::InpBoxMouseDown);
  connect(All, &QPushButton::clicked, this, &TMakePlenzoDlg::AllClick);
  connect(None, &QPushButton::clicked, this, &TMakePlenzoDlg::NoneClick);
  connect(OKBtn, &QPushButton::clicked, this, &TMakePlenzoDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &TMakePlenzoDlg::reject);

  // Units and the include box above, the two lists below, then the buttons.
  auto* grid = new QGridLayout(this);
  grid->addWidget(Units, 0, 0);
  grid->addWidget(UnitBox, 1, 0);
  grid->addWidget(IncludeBox, 1, 1, Qt::AlignCenter);
  grid->addWidget(Parameters, 2, 0);
  grid->addWidget(Inputs, 2, 1);
  grid->addWidget(ParBox, 3, 0);
  grid->addWidget(InpBox, 3, 1);
  auto* left = new QHBoxLayout;
  left->addStretch();
  left->addWidget(All);
  left->addStretch();
  left->addWidget(None);
  left->addStretch();
  auto* right = new QHBoxLayout;
  right->addStretch();
  right->addWidget(OKBtn);
  right->addStretch();
  right->addWidget(CancelBtn);
  right->addStretch();
  grid->addLayout(left, 4, 0);
  grid->addLayout(right, 4, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(3, 1);
  for (QListWidget* list : {UnitBox, ParBox, InpBox}) list->setMinimumWidth(340);
  // About six units and ten items show at once, as in the original.
  const int line = UnitBox->fontMetrics().lineSpacing() + 2;
  UnitBox->setFixedHeight(6 * line + 2 * UnitBox->frameWidth());
  ParBox->setMinimumHeight(10 * line + 2 * ParBox->frameWidth());
  InpBox->setMinimumHeight(10 * line + 2 * InpBox->frameWidth());

  HelpAction = AddHelpAction(this, [] { ShowContextHelp(kMakePlenzoHelpContext, 9999); });

  OKBtn->setFocus();
}

bool TMakePlenzoDlg::MakeDeck(const QString& FileName) {
  DeckFileName = FileName;
  if (!pm::MakeDeck(DeckFileName, DefaultSettings().EngineFolder, &deck_)) {
    FreeLists();
    return false;
  }
  FillUnitBox();
  return true;
}

TUnitInfo* TMakePlenzoDlg::currentUnit() {
  if (UnitBox->count() == 0 || CurrentUnitIndex < 0 ||
      static_cast<size_t>(CurrentUnitIndex) >= deck_.UnitsList.size())
    return nullptr;
  return &deck_.UnitsList[static_cast<size_t>(CurrentUnitIndex)];
}

void TMakePlenzoDlg::FillUnitBox() {
  // Selecting from code runs no click handler.
  const QSignalBlocker block(UnitBox);
  UnitBox->clear();
  for (TUnitInfo& u : deck_.UnitsList) {
    UnitBox->addItem(FromCp1252(u.Header));
    for (TUnitItem& i : u.ParamItems) i.Selected = false;
    for (TUnitItem& i : u.InputItems) i.Selected = false;
  }
  if (UnitBox->count() > 0) UnitBox->setCurrentRow(0);
  CurrentUnitIndex = 0;
  FillParamInputBox();
}

void TMakePlenzoDlg::FillParamInputBox() {
  ParBox->clear();
  InpBox->clear();
  const int row = UnitBox->currentRow();
  if (row < 0 || static_cast<size_t>(row) >= deck_.UnitsList.size()) return;
  const TUnitInfo& u = deck_.UnitsList[static_cast<size_t>(row)];
  auto fill = [](QListWidget* list, const std::vector<TUnitItem>& items, const std::vector<Word>& values) {
    for (size_t k = 0; k < items.size(); ++k) {
      const bool eligible = k < values.size() && values[k].eligible;
      auto* line = new QListWidgetItem(FromCp1252((eligible ? " " : "*") + items[k].Description), list);
      line->setSelected(eligible && items[k].Selected);
    }
  };
  fill(ParBox, u.ParamItems, u.ParamValues);
  fill(InpBox, u.InputItems, u.InputConnections);
}

void TMakePlenzoDlg::SetParamInputBox() {
  TUnitInfo* u = currentUnit();
  if (!u) return;
  auto take = [](const QListWidget* list, std::vector<TUnitItem>& items, const std::vector<Word>& values) {
    for (size_t k = 0; k < items.size(); ++k) {
      const QListWidgetItem* line = list->item(static_cast<int>(k));
      if (k < values.size() && values[k].eligible && line) items[k].Selected = line->isSelected();
    }
  };
  take(ParBox, u->ParamItems, u->ParamValues);
  take(InpBox, u->InputItems, u->InputConnections);
}

void TMakePlenzoDlg::UnitBoxClick() {
  SetParamInputBox();
  FillParamInputBox();
  CurrentUnitIndex = UnitBox->currentRow();
}

void TMakePlenzoDlg::UnitBoxEnter() { FocusedList = UnitBox; }
void TMakePlenzoDlg::ParBoxEnter() { FocusedList = ParBox; }
void TMakePlenzoDlg::InpBoxEnter() { FocusedList = InpBox; }

void TMakePlenzoDlg::AllClick() {
  TUnitInfo* u = currentUnit();
  if (!u) return;
  const bool inputs = FocusedList == InpBox;
  QListWidget* list = inputs ? InpBox : ParBox;
  const std::vector<Word>& values = inputs ? u->InputConnections : u->ParamValues;
  for (int k = 0; k < list->count(); ++k) {
    if (static_cast<size_t>(k) < values.size() && values[static_cast<size_t>(k)].eligible) {
      list->item(k)->setSelected(true);
    }
  }
}

void TMakePlenzoDlg::NoneClick() { (FocusedList == InpBox ? InpBox : ParBox)->clearSelection(); }

void TMakePlenzoDlg::InpBoxMouseDown(QListWidgetItem* item) {
  const TUnitInfo* u = currentUnit();
  if (!u || !item) return;
  const int k = InpBox->row(item);
  if (k < 0 || static_cast<size_t>(k) >= u->InputItems.size()) return;
  if (static_cast<size_t>(k) >= u->InputConnections.size() || !u->InputConnections[static_cast<size_t>(k)].eligible) {
    item->setSelected(false);
    BeepWarning();
  }
}

void TMakePlenzoDlg::OKBtnClick() {
  SetParamInputBox();
  FileDialogRequest request;
  request.filter = QStringLiteral("Plenzo File (*.PZD *.pzd)");
  request.fileName = ChangeExt(DeckFileName, QStringLiteral(".PZD"));
  request.defaultSuffix = QStringLiteral("PZD");
  const QString chosen = ui().saveFileName(this, request);
  if (!chosen.isEmpty()) {
    const QString path = ResolveNewFileName(StripQuotes(chosen));
    const DeckIncludes includes{Header->isChecked(), Simulationcard->isChecked()};
    if (const int err = WritePlenzoDeck(path, deck_, DefaultSettings().EngineFolder, includes); err != 0) {
      ShowMessageKind(WriteErrorMessage(err, QDir::toNativeSeparators(path)), 0, true);
    }
  }
  FreeLists();
  accept();
}

void TMakePlenzoDlg::reject() {
  FreeLists();
  QDialog::reject();
}

void TMakePlenzoDlg::FormActivate() {
  Header->setChecked(DefaultSettings().IncludeHeader > 0);
  Simulationcard->setChecked(DefaultSettings().IncludeSimulationCard > 0);
}

void TMakePlenzoDlg::showEvent(QShowEvent* event) {
  FormActivate();
  QDialog::showEvent(event);
  CentreOnScreen(this);
}

bool TMakePlenzoDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == UnitBox) UnitBoxEnter();
    if (watched == ParBox) ParBoxEnter();
    if (watched == InpBox) InpBoxEnter();
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace pm
