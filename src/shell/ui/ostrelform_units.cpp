// The Calculate menu's toggles and the unit system.
#include "shell/ui/ostrelform.h"

#include "common/globals.h"
#include "common/settings.h"
#include "shell/ui/windowhelpers.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace pm {

void TOSTRELFORM::Quorvel1Click() {
  const bool single = G().SimulateMode == 1;
  Item(QStringLiteral("SimulateSpecificSystem1"))->setVisible(single);
  Item(QStringLiteral("OptimizePelmarkSystem1"))->setVisible(!single);
}

void TOSTRELFORM::HideQuorvel1Click() { Item(QStringLiteral("HideQuorvel1"))->toggle(); }

void TOSTRELFORM::SIUnitsClick() { SetUnitSystem(1); }

void TOSTRELFORM::EngUnitsClick() { SetUnitSystem(2); }

void TOSTRELFORM::SetUnitSystem(int system) {
  const int old = DefaultSettings().UnitSystem;
  SIUnits1->setChecked(system == 1);
  EngUnits1->setChecked(system != 1);
  if (old == system) return;
  DefaultSettings().UnitSystem = system;
  const QList<QMdiSubWindow*> children = MdiArea()->subWindowList();
  for (QMdiSubWindow* child : children) {
    if (KindOfChild(child) != KindFormPages) continue;
    if (ConvertUnits) ConvertUnits(child, old, system);
    child->update();
  }
  // The report takes its units from the tick, so it is built again.
  if (ResultsViewer && !ResultsViewer->isHidden()) Results1Click();
}

}  // namespace pm
