#include "formdeck/ui/groupdump.h"

#include "formdeck/formelement.h"
#include "formdeck/ui/choiceitems.h"
#include "formdeck/ui/controldump.h"
#include "formdeck/ui/formpage.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

QString Names(const ChoiceGroupNames& names) {
  QStringList out;
  for (int i = 0; i < names.GroupCount(); ++i)
    out << DumpQuoted((names.PlainName[i] ? QString() : QStringLiteral("_")) + names.GroupNames[i]);
  return out.join(QLatin1Char(' '));
}

}  // namespace

QStringList DumpGroupControls(const TFormElement& e, const TFormPage* page) {
  QStringList out;
  const auto* box = dynamic_cast<const Tmygroupbox*>(e.groupBox);
  if (!box || !IsGroupKind(e.kind)) return out;
  QString line =
      QStringLiteral("    box %1 shown %2 before %3 after %4")
          .arg(DumpQuoted(box->GroupName), DumpYesNo(box->Shown), DumpQuoted(FromCp1252(box->BeforeCommand)),
               DumpQuoted(FromCp1252(box->AfterCommand)));
  if (box->autoFillBackground())
    line += QStringLiteral(" colour #") + box->palette().color(QPalette::Window).name().mid(1).toUpper();
  out << line;
  int index = 0;
  for (const QAbstractButton* item : box->Items) {
    QString caption = item->text();
    caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
    const auto* check = dynamic_cast<const TGCheckBox*>(item);
    const auto* radio = dynamic_cast<const TGRadioButton*>(item);
    QString itemLine = QStringLiteral("    item %1 %2 checked %3")
                           .arg(++index)
                           .arg(DumpQuoted(caption), DumpYesNo(item->isChecked()));
    if (radio) itemLine += QStringLiteral(" mark %1").arg(DumpYesNo(radio->CheckedMark));
    if (check) itemLine += QStringLiteral(" names %1").arg(Names(*check));
    if (radio) itemLine += QStringLiteral(" names %1").arg(Names(*radio));
    out << itemLine + QStringLiteral(" at ") + DumpPlace(item, page);
  }
  return out;
}

QString DumpPageRange(const TFormPage* page) {
  return QStringLiteral("  range %1").arg(page ? page->Range() : 0);
}

}  // namespace pm
