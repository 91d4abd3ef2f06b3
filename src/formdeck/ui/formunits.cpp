// Numeric inputs between the unit systems.
#include "formdeck/ui/formunits.h"

#include <QFontMetrics>
#include <QLabel>
#include <cmath>

#include "common/lib1.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/plenzoform.h"
#include "formdeck/writeback.h"
#include "platform/cp1252.h"

namespace pm {

bool TakeTypedValue(TInput& input, int unitSystem) {
  if (!input.isModified() || input.text() == input.ValueText) return true;
  int errorPos = 0;
  const long double shown = TextToNumberDot(ToCp1252(input.text()), &errorPos);
  if (errorPos != 0 || !std::isfinite(shown)) {
    BeepWarning();
    return false;
  }
  input.Value = ToSIUnits(shown, input.Offset, input.Factor, unitSystem);
  input.ValueText = input.text();
  return true;
}

void TPlenzoForm::ConvertUnits(int From, int To) {
  if (From == To) return;
  builtUnits_ = To;
  for (TFormElement* e = model_.Elements.Oldest(); e; e = e->newer) {
    auto* input = e->kind == ElementKind::NumericInput ? dynamic_cast<TInput*>(e->valueInput) : nullptr;
    if (!input || !input->IsNumeric) continue;
    // setText clears the mark; a value typed but not saved still counts.
    const bool modified = input->isModified();
    if (TakeTypedValue(*input, From)) {
      const QString shown = QString::fromStdString(
          FormatNumber(input->Format, ToDisplayUnits(input->Value, input->Offset, input->Factor, To)));
      input->setText(shown);
      input->ValueText = input->text();
    }
    input->setModified(modified);
    if (auto* units = dynamic_cast<TDescriptor*>(e->unitsLabel)) {
      const QRect was = units->geometry();
      units->setText(FromCp1252(To == 1 ? e->siUnit : e->englishUnit));
      units->resize(QFontMetrics(units->font()).horizontalAdvance(units->text()), units->height());
      units->Repaint(was);
    }
  }
}

void ConvertFormWindowUnits(QMdiSubWindow* child, int From, int To) {
  if (auto* form = qobject_cast<TPlenzoForm*>(child ? child->widget() : nullptr))
    form->ConvertUnits(From, To);
}

}  // namespace pm
