// The deck maker and the commands of the Parametrics and Plot menus: each
// opens its dialog for the active child, and does nothing for a child of
// another kind or while a run is busy.
#include "shell/ui/ostrelform.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "authoring/ui/makeplenzodlg.h"
#include "common/deckconstants.h"
#include "common/globals.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/uiservice.h"
#include "plots/ui/plotform.h"
#include "plots/ui/plotsetup.h"
#include "shell/ui/documents.h"
#include "shell/ui/editform.h"
#include "shell/ui/simulationrun.h"
#include "shell/ui/windowhelpers.h"
#include "tables/ui/altervaluesdlg.h"
#include "tables/ui/insertrunsdlg.h"
#include "tables/ui/newtabledlg.h"
#include "tables/ui/tableform.h"

namespace pm {

void TOSTRELFORM::ConnectDialogs() {
  NewTableDialog = [this](const QString& deck, bool modify) {
    // Modify mode reshapes the open table; without one there is nothing to modify.
    if (modify && !TableForm) return;
    TNewTableDlg dialog(deck, modify, TableForm, [this](TTableForm* table) { Documents().ShowTableWindow(table); },
                        this);
    dialog.exec();
  };
  AlterValuesDialog = [this] {
    if (!TableForm) return;
    TAlterValuesDlg dialog(TableForm, this);
    dialog.exec();
  };
  InsertRunsDialog = [this] {
    if (!TableForm) return;
    TInsertRunsDlg dialog(TableForm, this);
    dialog.exec();
  };
  ModifyPlotDialog = [](QMdiSubWindow* plot) {
    if (auto* form = plot ? qobject_cast<TPlotForm*>(plot->widget()) : nullptr) form->ModifyPlot();
  };
}

void TOSTRELFORM::MakePlenzo1Click() {
  if (RunBusy(Runs) || KindOfChild(ActiveChild) != KindTextEditor) return;
  auto* editor = qobject_cast<TEditForm*>(ActiveChild->widget());
  if (!editor) return;
  // The dialog reads the deck from disk: what the editor shows is saved
  // first, without a question, as a run does.
  if (editor->FileName().isEmpty() &&
      !Documents().SaveChildWindow(ActiveChild, editor->windowTitle(), KindTextEditor))
    return;
  RunInput input(*this);
  if (!input.Take() || input.Kind != KindTextEditor || !input.Save()) return;
  TMakePlenzoDlg dialog(this);
  dialog.DeckFileName = input.Deck;
  if (dialog.MakeDeck(input.Deck)) dialog.exec();
  UpdateMenu();
}

void TOSTRELFORM::NewTable1Click() {
  if (RunBusy(Runs)) return;
  QString deck;
  switch (KindOfChild(ActiveChild)) {
    case KindTextEditor:
      if (auto* editor = qobject_cast<TEditForm*>(ActiveChild->widget())) deck = editor->FileName();
      break;
    case KindFormPages:
    case KindFormSource:
      if (auto* form = qobject_cast<TPlenzoForm*>(ActiveChild->widget())) deck = form->FileName();
      break;
    default:
      break;
  }
  if (deck.isEmpty()) return;
  ReadDeckConstants(deck);
  if (PEQList()) {
    if (NewTableDialog) NewTableDialog(deck, false);
  } else {
    MessageRequest warning;
    warning.icon = MessageIcon::Warning;
    warning.buttons = MessageButtons::Ok;
    warning.text = QStringLiteral("File ") + deck + QStringLiteral(" does not have any Quorvel Constant statements.");
    ui().message(warning);
  }
  UpdateMenu();
}

void TOSTRELFORM::AlterTable1Click() {
  if (AlterValuesDialog) AlterValuesDialog();
  UpdateMenu();
}

void TOSTRELFORM::InsertDeleteRuns1Click() {
  if (InsertRunsDialog) InsertRunsDialog();
  UpdateMenu();
}

void TOSTRELFORM::InsertDeleteVars1Click() {
  if (RunBusy(Runs)) return;
  if (NewTableDialog) NewTableDialog(QString(), true);
  UpdateMenu();
}

void TOSTRELFORM::Plot1Click() { UpdateMenu(); }

void TOSTRELFORM::AttachPlotSetup(TPlotSetup* dialog) {
  PlotSetup = dialog;
  PlotSetupDialog = [this](const QString& dataFile, QMdiSubWindow* overlay) {
    if (!PlotSetup) return;
    if (overlay) {
      auto* window = qobject_cast<TPlotForm*>(overlay->widget());
      if (!window) return;
      PlotSetup->SetOverlay(dataFile, window);
    } else {
      PlotSetup->SetNewPlot(dataFile, PltFileName);
    }
    PlotSetup->exec();
  };
}

void TOSTRELFORM::NewPlot1Click() {
  if (RunBusy(Runs)) return;
  if (PlotSetupDialog) PlotSetupDialog(InputFileName, nullptr);
  UpdateMenu();
}

void TOSTRELFORM::OverlayPlot1Click() {
  if (RunBusy(Runs)) return;
  // Topmost last in stacking order: the first plot found is the one that
  // comes last in the frame's window order, below all the others.
  QList<QMdiSubWindow*> plots;
  for (QMdiSubWindow* child : MdiArea()->subWindowList(QMdiArea::StackingOrder)) {
    if (KindOfChild(child) == KindPlot) plots.push_back(child);
  }
  if (plots.isEmpty()) return;
  if (plots.size() > 1) {
    ui().beep();
    ui().beep();
  }
  if (PlotSetupDialog) PlotSetupDialog(PltFileName, plots.constFirst());
  UpdateMenu();
}

void TOSTRELFORM::ModifyPlot1Click() {
  // Only a plot window holds a plot to modify; the menu leaves the item on
  // for the table too.
  if (KindOfChild(ActiveChild) != KindPlot) return;
  if (ModifyPlotDialog) ModifyPlotDialog(ActiveChild);
}

}  // namespace pm
