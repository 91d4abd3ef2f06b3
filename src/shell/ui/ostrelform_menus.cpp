// The main menu as built at creation, and its pruning by run mode.
#include "shell/ui/ostrelform.h"

#include "common/captions.h"
#include "common/settings.h"
#include "shell/menutable.h"
#include "shell/ui/menustate.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

namespace pm {

QMenu* TOSTRELFORM::AddMenu(const char* name, const QString& caption, int helpContext) {
  auto* menu = new QMenu(caption, this);
  menu->setObjectName(QLatin1String(name));
  menu->menuAction()->setObjectName(QLatin1String(name) + QStringLiteral("Menu"));
  menu->menuAction()->setData(helpContext);
  menuBar()->addMenu(menu);
  return menu;
}

QAction* TOSTRELFORM::AddItem(QMenu* menu, const char* name, const QString& caption, const QKeySequence& key,
                              int helpContext, void (TOSTRELFORM::*handler)()) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QLatin1String(name));
  item->setShortcut(key);
  if (helpContext > 0) item->setData(helpContext);
  if (handler) connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
  items_.insert(item->objectName(), item);
  return item;
}

QAction* TOSTRELFORM::AddSeparator(QMenu* menu, const char* name) {
  QAction* separator = menu->addSeparator();
  separator->setObjectName(QLatin1String(name));
  items_.insert(separator->objectName(), separator);
  return separator;
}

void TOSTRELFORM::BuildMenus() {
  const QKeySequence none;
  using T = TOSTRELFORM;

  File1 = AddMenu("File1", QStringLiteral("&File"), 2);
  AddItem(File1, "New1", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), 34, &T::New1Click);
  AddItem(File1, "Open1", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O), 3, &T::Open1Click);
  AddItem(File1, "Save1", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), 33, &T::Save1Click);
  AddItem(File1, "Saveas1", QStringLiteral("Save &as"), none, 44, &T::Saveas1Click);
  AddSeparator(File1, "N5");
  AddItem(File1, "Print1", QStringLiteral("&Print"), QKeySequence(Qt::CTRL | Qt::Key_P), 45, &T::Print1Click);
  AddItem(File1, "PrintSetup1", QStringLiteral("Print Setup"), none, 24, &T::PrintSetup1Click);
  AddSeparator(File1, "N6");
  AddItem(File1, "Setup1", QStringLiteral("Se&tup"), none, 22, &T::Setup1Click);
  AddSeparator(File1, "N10");
  AddItem(File1, "Exit1", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_Q), 49, &T::Exit1Click);

  Edit1 = AddMenu("Edit1", QStringLiteral("&Edit"), 4);
  AddItem(Edit1, "Undo1", QStringLiteral("Undo"), none, 0, &T::Undo1Click);
  AddItem(Edit1, "Cut1", QStringLiteral("Cut"), none, 51, &T::Cut1Click);
  AddItem(Edit1, "Copy1", QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C), 52, &T::Copy1Click);
  AddItem(Edit1, "Paste1", QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V), 53, &T::Paste1Click);
  AddSeparator(Edit1, "N2");
  AddItem(Edit1, "Find1", QStringLiteral("&Find"), QKeySequence(Qt::CTRL | Qt::Key_F), 55, &T::Find1Click);
  AddItem(Edit1, "Replace1", QStringLiteral("&Replace"), none, 57, &T::Replace1Click);
  AddItem(Edit1, "SearchAgain1", QStringLiteral("Search &Again"), QKeySequence(Qt::Key_F3), 56, &T::SearchAgain1Click);

  Quorvel1 = AddMenu("Quorvel1", QStringLiteral("Calculate"), 7);
  connect(Quorvel1, &QMenu::aboutToShow, this, &T::Quorvel1Click);
  AddItem(Quorvel1, "Calculate1", QStringLiteral("&Calculate Building Loads"), none, 39, &T::Calculate1Click);
  AddItem(Quorvel1, "SimulateSpecificSystem1", QStringLiteral("Run Single Simulation"), none, 0, &T::SpecificSystemClick);
  AddItem(Quorvel1, "OptimizePelmarkSystem1", QStringLiteral("Run Optimization"), none, 0, &T::ExecuteCommand1Click);
  QAction* runTable = AddItem(Quorvel1, "RunTable1", QStringLiteral("Run Table"), none, 0, &T::SpecificSystemClick);
  runTable->setProperty("pelmarkTag", 1);
  AddSeparator(Quorvel1, "N3");
  // Checkable: a click toggles the tick by itself.
  QAction* hide = AddItem(Quorvel1, "HideQuorvel1", QStringLiteral("Hide Quorvel"), none, 0, nullptr);
  hide->setCheckable(true);

  Plenzo1 = AddMenu("Plenzo1", QStringLiteral("P&lenzo"), 6);
  connect(Plenzo1, &QMenu::aboutToShow, this, &T::Plenzo1Click);
  AddItem(Plenzo1, "Background1", QStringLiteral("Background"), none, 0, &T::Background1Click);
  AddItem(Plenzo1, "SimpleText1", QStringLiteral("Add Text Item"), none, 0, &T::SimpleText1Click);
  AddItem(Plenzo1, "AddFigure1", QStringLiteral("Add Figure"), none, 0, &T::AddFigure1Click);
  AddItem(Plenzo1, "ValueInput", QStringLiteral("Value Input"), none, 0, &T::ValueInputClick);
  AddItem(Plenzo1, "DropdownInput1", QStringLiteral("Drop-down File Input"), none, 0, &T::DropdownInput1Click);
  AddItem(Plenzo1, "Assign1", QStringLiteral("Assign"), none, 0, &T::Assign1Click);
  AddItem(Plenzo1, "Group1", QStringLiteral("Make Group"), none, 0, &T::Group1Click);

  Parametrics1 = AddMenu("Parametrics1", QStringLiteral("&Parametrics"), 9);
  AddItem(Parametrics1, "NewTable1", QStringLiteral("&New Table"), none, 64, &T::NewTable1Click);
  AddItem(Parametrics1, "AlterTable1", QStringLiteral("&Alter Table"), none, 65, &T::AlterTable1Click);
  AddItem(Parametrics1, "InsertDeleteRuns1", QStringLiteral("&Insert/Delete Runs"), none, 68, &T::InsertDeleteRuns1Click);
  AddItem(Parametrics1, "InsertDeleteVars1", QStringLiteral("Insert/Delete Vars"), none, 69, &T::InsertDeleteVars1Click);

  Plot1 = AddMenu("Plot1", QStringLiteral("&Plot"), 10);
  connect(Plot1, &QMenu::aboutToShow, this, &T::Plot1Click);
  AddItem(Plot1, "NewPlot1", QStringLiteral("&New Plot"), none, 70, &T::NewPlot1Click);
  AddItem(Plot1, "OverlayPlot1", QStringLiteral("&Overlay Plot"), none, 71, &T::OverlayPlot1Click);
  AddItem(Plot1, "ModifyPlot1", QStringLiteral("&Modify Plot"), none, 73, &T::ModifyPlot1Click);

  Windows1 = AddMenu("Windows1", QStringLiteral("&Windows"), 11);
  connect(Windows1, &QMenu::aboutToShow, this, &T::RebuildWindowList);
  AddItem(Windows1, "Input1", QStringLiteral("Input"), none, 122, &T::Input1Click);
  AddItem(Windows1, "Results1", QStringLiteral("Results"), none, 0, &T::Results1Click);
  AddItem(Windows1, "Listing1", QStringLiteral("Listing"), none, 82, &T::Listing1Click);
  AddItem(Windows1, "Log1", QStringLiteral("Log"), none, 0, &T::Log1Click);
  AddItem(Windows1, "Table1", QStringLiteral("Table"), none, 79, &T::Table1Click);
  AddItem(Windows1, "Diagram1", QStringLiteral("Diagram"), none, 83, &T::Diagram1Click);
  AddSeparator(Windows1, "N1");
  AddItem(Windows1, "Tile1", QStringLiteral("&Tile"), none, 124, &T::Tile1Click);
  AddItem(Windows1, "Cascade1", QStringLiteral("&Cascade"), none, 125, &T::Cascade1Click);
  for (const char* name : {"Input1", "Listing1", "Log1", "Table1", "Diagram1"}) {
    SetItemEnabled(Item(QLatin1String(name)), false);
  }
  for (const char* name : {"Listing1", "Log1", "Table1", "Diagram1"}) Item(QLatin1String(name))->setVisible(false);

  Help1 = AddMenu("Help1", QStringLiteral("&Help"), 12);
  AddItem(Help1, "MivaroHelp", QStringLiteral("General Information about Pelmark"), none, 126, &T::MivaroHelpClick);
  AddItem(Help1, "QuorvelHelp", QStringLiteral("PELMARK Help"), none, 128, &T::QuorvelHelpClick);
  AddSeparator(Help1, "N8");
  AddItem(Help1, "AboutOstrel1", QStringLiteral("&About Pelmark"), none, 1, &T::AboutOstrel1Click);
  AddItem(Help1, "Website", QStringLiteral("Quorvel Website"), none, 0, &T::WebSiteClick);
}

void TOSTRELFORM::PruneMenusForRuntimeMode() {
  Help1->removeAction(Item(QStringLiteral("MivaroHelp")));
  menuBar()->removeAction(Plenzo1->menuAction());
  menuBar()->removeAction(Edit1->menuAction());
  for (const char* name : {"New1", "Setup1", "N10"}) File1->removeAction(Item(QLatin1String(name)));
}

void TOSTRELFORM::AddUnitItems() {
  // Inserted before the item at index 3 (Run Table) and then index 4 and 5.
  QAction* separator = new QAction(Quorvel1);
  separator->setSeparator(true);
  separator->setObjectName(QStringLiteral("UnitsSeparator"));
  Quorvel1->insertAction(Quorvel1->actions().value(3), separator);
  SIUnits1 = new QAction(QStringLiteral("SI Units"), Quorvel1);
  SIUnits1->setObjectName(QStringLiteral("SIUnits1"));
  Quorvel1->insertAction(Quorvel1->actions().value(4), SIUnits1);
  EngUnits1 = new QAction(QStringLiteral("IP Units"), Quorvel1);
  EngUnits1->setObjectName(QStringLiteral("EngUnits1"));
  Quorvel1->insertAction(Quorvel1->actions().value(5), EngUnits1);
  for (QAction* item : {separator, SIUnits1, EngUnits1}) items_.insert(item->objectName(), item);

  // Exclusive: choosing the ticked item again keeps it ticked.
  unitGroup_ = new QActionGroup(this);
  unitGroup_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (QAction* item : {SIUnits1, EngUnits1}) {
    item->setCheckable(true);
    unitGroup_->addAction(item);
  }
  connect(SIUnits1, &QAction::triggered, this, &TOSTRELFORM::SIUnitsClick);
  connect(EngUnits1, &QAction::triggered, this, &TOSTRELFORM::EngUnitsClick);
  if (DefaultSettings().UnitSystem == 1) {
    SIUnits1->setChecked(true);
  } else {
    EngUnits1->setChecked(true);
  }
}

void TOSTRELFORM::RebuildWindowList() {
  for (QAction* item : std::as_const(windowListItems_)) {
    Windows1->removeAction(item);
    delete item;
  }
  windowListItems_.clear();
  const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
  if (children.isEmpty()) return;
  windowListItems_.append(Windows1->addSeparator());
  int number = 0;
  for (QMdiSubWindow* child : children) {
    QAction* item =
        Windows1->addAction(QString::number(++number) + QLatin1Char(' ') + ShownAsWritten(child->windowTitle()));
    item->setCheckable(true);
    item->setChecked(child == mdiArea_->activeSubWindow());
    QPointer<QMdiSubWindow> target(child);
    connect(item, &QAction::triggered, this, [this, target] {
      if (target) mdiArea_->setActiveSubWindow(target);
    });
    windowListItems_.append(item);
  }
}

}  // namespace pm
