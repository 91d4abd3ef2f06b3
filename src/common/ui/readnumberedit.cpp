#include "common/lib1.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace pm {

namespace {

// Focus and selection wait for the event loop: a refusal often runs inside
// a focus change, which would otherwise undo them.
void SelectLater(QLineEdit* edit) {
  QTimer::singleShot(0, edit, [box = QPointer<QLineEdit>(edit)] {
    if (!box) return;
    box->setFocus();
    box->selectAll();
  });
}

}  // namespace

void Reject(QLineEdit* edit, bool* ok) {
  BeepWarning();
  if (ok) *ok = false;
  SelectLater(edit);
}

void RefuseEdit(QLineEdit* edit, const QString& message) {
  ShowMessageKind(message, 0, true);
  SelectLater(edit);
}

void RefuseInteger(QLineEdit* edit) { RefuseEdit(edit, NotIntegerMessage(edit->text())); }

long double ReadNumberEdit(QLineEdit* edit, int kind, long double Low, long double High, bool* ok) {
  bool good = true;
  QString text = edit->text().left(255);
  if (text.isEmpty()) text = QStringLiteral(" ");
  long double V = 0;
  // Number text is ASCII; any other character fails the syntax anyway.
  const bool isNumber = TextToNumber(text.toLatin1().toStdString(), &V);
  if (kind < 0) Reject(edit, &good);
  if (!isNumber) Reject(edit, &good);
  if (good && !NumberInRange(kind, V, Low, High)) Reject(edit, &good);
  if (ok) *ok = good;
  return good ? V : 0;
}

}  // namespace pm
