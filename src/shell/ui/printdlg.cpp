#include "shell/ui/printdlg.h"

#include "common/ui/dialoglook.h"
#include "platform/help.h"
#include "shell/printlist.h"
#include "shell/ui/compiling.h"
#include "shell/ui/ostrelform.h"
#include "shell/ui/printjob.h"
#include "shell/ui/windowhelpers.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QToolButton>

namespace pm {

namespace {

constexpr int kPrintHelpContext = 45;

// A list item keeps its window; a window closed meanwhile leaves it empty.
class WindowItem final : public QListWidgetItem {
 public:
  WindowItem(const QString& text, QMdiSubWindow* child) : QListWidgetItem(text), window(child) {}
  QPointer<QMdiSubWindow> window;
};

QToolButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QLatin1String(name));
  button->setText(text);
  button->setGeometry(geometry);
  return button;
}

QPushButton* MakePush(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  return button;
}

}  // namespace

TPrintDlg::TPrintDlg(TOSTRELFORM* main) : QDialog(main), main_(main) {
  setObjectName(QStringLiteral("PrintDlg"));
  setWindowTitle(QStringLiteral("Select Windows to Print"));
  SetHelpContext(this, kPrintHelpContext);
  setFont(DialogFont(false));
  setFixedSize(404, 236);
  auto* windows = new QLabel(QStringLiteral("Windows:"), this);
  windows->setGeometry(8, 8, 160, 16);
  auto* print = new QLabel(QStringLiteral("Print:"), this);
  print->setGeometry(236, 8, 160, 16);
  SrcList = new DragList(this);
  SrcList->setObjectName(QStringLiteral("SrcList"));
  SrcList->setGeometry(8, 26, 160, 164);
  SrcList->setSortingEnabled(true);
  DstList = new DragList(this);
  DstList->setObjectName(QStringLiteral("DstList"));
  DstList->setGeometry(236, 26, 160, 164);
  SrcList->OnDrop = [this] { ExcludeBtnClick(); };
  DstList->OnDrop = [this] { IncludeBtnClick(); };
  IncludeBtn = MakeButton(this, "IncludeBtn", QStringLiteral(">"), QRect(186, 40, 32, 26));
  IncAllBtn = MakeButton(this, "IncAllBtn", QStringLiteral(">>"), QRect(186, 72, 32, 26));
  ExcludeBtn = MakeButton(this, "ExcludeBtn", QStringLiteral("<"), QRect(186, 112, 32, 26));
  ExAllBtn = MakeButton(this, "ExAllBtn", QStringLiteral("<<"), QRect(186, 144, 32, 26));
  ExcludeBtn->setEnabled(false);
  ExAllBtn->setEnabled(false);
  OKBtn = MakePush(this, "OKBtn", QStringLiteral("OK"), QRect(150, 200, 77, 27));
  CancelBtn = MakePush(this, "CancelBtn", QStringLiteral("Cancel"), QRect(234, 200, 77, 27));
  HelpBtn = MakePush(this, "HelpBtn", QStringLiteral("Help"), QRect(318, 200, 77, 27));
  OKBtn->setDefault(true);
  connect(IncludeBtn, &QToolButton::clicked, this, &TPrintDlg::IncludeBtnClick);
  connect(IncAllBtn, &QToolButton::clicked, this, &TPrintDlg::IncAllBtnClick);
  connect(ExcludeBtn, &QToolButton::clicked, this, &TPrintDlg::ExcludeBtnClick);
  connect(ExAllBtn, &QToolButton::clicked, this, &TPrintDlg::ExcAllBtnClick);
  connect(OKBtn, &QPushButton::clicked, this, &TPrintDlg::OKBtnClick);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(HelpBtn, &QPushButton::clicked, this, [] { ShowContextHelp(kPrintHelpContext, 9998); });
}

void TPrintDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
  // A button keeps the focus it had when the dialog last closed, and a
  // focused button is the one Enter presses: OK is the default at every
  // opening.
  DstList->setFocus();
  OKBtn->setDefault(true);
  CentreOnScreen(this);
}

void TPrintDlg::AddWindow(QListWidget* list, QMdiSubWindow* child) {
  list->addItem(new WindowItem(PrintItemText(child->windowTitle()), child));
}

void TPrintDlg::FormActivate() {
  SrcList->clear();
  DstList->clear();
  if (main_) {
    // The current sub-window, not the active one: no sub-window is active
    // while this dialog is up.
    QMdiSubWindow* active = main_->CurrentChild();
    for (QMdiSubWindow* child : main_->MdiArea()->subWindowList()) {
      if (child == active || !KindPrints(KindOfChild(child))) continue;
      AddWindow(SrcList, child);
    }
    if (active && KindPrints(KindOfChild(active))) AddWindow(DstList, active);
  }
  SetButtons();
}

void TPrintDlg::SetItem(QListWidget* List, int Index) {
  List->setFocus();
  if (List->count() > 0) {
    if (Index < 0) Index = 0;
    if (Index >= List->count()) Index = List->count() - 1;
    List->item(Index)->setSelected(true);
    List->setCurrentRow(Index, QItemSelectionModel::Select);
  }
  SetButtons();
}

void TPrintDlg::SetButtons() {
  const bool toPrint = DstList->count() > 0;
  const bool open = SrcList->count() > 0;
  OKBtn->setEnabled(toPrint);
  IncludeBtn->setEnabled(open);
  IncAllBtn->setEnabled(open);
  ExcludeBtn->setEnabled(toPrint);
  ExAllBtn->setEnabled(toPrint);
}

void TPrintDlg::IncludeBtnClick() {
  const int index = GetFirstSelection(SrcList);
  MoveSelected(SrcList, DstList);
  SetItem(SrcList, index);
}

void TPrintDlg::ExcludeBtnClick() {
  const int index = GetFirstSelection(DstList);
  MoveSelected(DstList, SrcList);
  SetItem(DstList, index);
}

void TPrintDlg::IncAllBtnClick() {
  MoveAll(SrcList, DstList);
  SetItem(SrcList, 0);
}

void TPrintDlg::ExcAllBtnClick() {
  MoveAll(DstList, SrcList);
  SetItem(DstList, 0);
}

void TPrintDlg::OKBtnClick() {
  QList<QPointer<QMdiSubWindow>> windows;
  for (int i = 0; i < DstList->count(); ++i) {
    windows.push_back(static_cast<WindowItem*>(DstList->item(i))->window);
  }
  accept();
  if (!windows.isEmpty()) PrintWindows(windows, main_, Progress);
}

}  // namespace pm
