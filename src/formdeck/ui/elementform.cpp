#include "formdeck/ui/elementform.h"

#include <QWidget>

namespace pm {

ElementForm* FindElementForm(QWidget* control) {
  for (QWidget* w = control; w != nullptr; w = w->parentWidget()) {
    if (auto* form = dynamic_cast<ElementForm*>(w)) return form;
  }
  return nullptr;
}

FormServices& formServices() {
  static FormServices services;
  return services;
}

}  // namespace pm
