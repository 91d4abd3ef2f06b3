#include "formdeck/ui/input.h"

#include <QApplication>
#include <QFocusEvent>
#include <QPointer>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "common/globals.h"
#include "formdeck/inputmarkup.h"
#include "formdeck/ui/elementform.h"

namespace pm {

namespace {

// Used by inputs that lie on no form (tests, dialogs).
bool looseCheckRunning = false;

bool& checkRunningFlag(QWidget* input) {
  ElementForm* form = FindElementForm(input);
  return form ? form->InputCheckRunning : looseCheckRunning;
}

}  // namespace

TInput::TInput(QWidget* parent) : QLineEdit(parent) { setFrame(false); }

void TInput::SetMaxLength(int length) { setMaxLength(length <= 0 ? 32767 : length); }

void TInput::RejectBars() {
  setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^|]*")), this));
}

void TInput::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Only a move the user made counts: a message box taking the focus
  // (ActiveWindow) or a pop-up must not start a second check.
  switch (event->reason()) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::OtherFocusReason:
      break;
    default:
      return;
  }
  if (checkRunningFlag(this)) return;
  ExitV();
}

void TInput::ExitV() {
  G().ParseErrorState = 0;
  ElementForm* form = FindElementForm(this);
  if ((form && form->SourceTabShown()) || !IsNumeric) return;
  // Results computed from the old value are stale once the text was edited.
  if (isModified() && form) form->CloseResultsReport();
  const QString message = CheckMessage(form ? form->UnitSystem() : 1);
  if (message.isEmpty()) return;
  G().ParseErrorState = 100;
  checkRunningFlag(this) = true;
  ShowMessageKind(message, 4, true);
  refocusLater();
}

QString TInput::CheckMessage(int unitSystem) const {
  if (!IsNumeric) return {};
  const std::string typed = text().toStdString();
  int errorPos = 0;
  const long double V = TextToNumberDot(typed, &errorPos);
  if (errorPos != 0)
    return typed.empty() ? QStringLiteral("The input field is empty")
                         : QStringLiteral("Illegal character in input");
  const long double Low = ToDisplayUnits(Min, Offset, Factor, unitSystem);
  const long double High = ToDisplayUnits(Max, Offset, Factor, unitSystem);
  if (NumberInRange(3, V, Low, High)) return {};
  // Rounded outward, so that every value the message allows passes.
  return QStringLiteral("This parameter must be >= ") +
         QString::fromStdString(FormatNumberOutward(Format, Low, true)) + QStringLiteral(" and <= ") +
         QString::fromStdString(FormatNumberOutward(Format, High, false));
}

void TInput::refocusLater() {
  // The focus comes back once the message box has gone and the focus has
  // settled; the guard stays up until then, so the input that the user
  // moved to is not checked when it loses the focus again.
  QPointer<TInput> self(this);
  ElementForm* form = FindElementForm(this);
  const QPointer<QWidget> formWidget = dynamic_cast<QWidget*>(form);
  const bool onForm = form != nullptr;
  QTimer::singleShot(0, qApp, [self, formWidget, onForm]() {
    if (self) {
      self->setFocus(Qt::OtherFocusReason);
      self->selectAll();
    }
    if (!onForm)
      looseCheckRunning = false;
    else if (formWidget)
      dynamic_cast<ElementForm*>(formWidget.data())->InputCheckRunning = false;
  });
}

}  // namespace pm
