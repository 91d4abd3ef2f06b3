#include "common/lib1.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace pm {

void RejectField(QWidget* field) {
  BeepWarning();
  QTimer::singleShot(0, field, [box = QPointer<QWidget>(field)] {
    if (!box) return;
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box.data())) edit->selectAll();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(box.data())) spin->selectAll();
    if (auto* combo = qobject_cast<QComboBox*>(box.data()); combo && combo->lineEdit()) combo->lineEdit()->selectAll();
  });
}

namespace {

void Reject(QLineEdit* edit, bool* ok) {
  RejectField(edit);
  *ok = false;
}

}  // namespace

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

void RefuseEdit(QLineEdit* edit, const QString& message) {
  ShowMessageKind(message, 0, true);
  QTimer::singleShot(0, edit, [box = QPointer<QLineEdit>(edit)] {
    if (!box) return;
    box->setFocus();
    box->selectAll();
  });
}

void RefuseInteger(QLineEdit* edit) { RefuseEdit(edit, NotIntegerMessage(edit->text())); }

}  // namespace pm
