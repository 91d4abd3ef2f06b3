#include "formdeck/ui/controldump.h"

#include <algorithm>

#include "common/lib1.h"
#include "formdeck/formelement.h"
#include "formdeck/ui/appbutton.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/fileinputs.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/input.h"
#include "formdeck/ui/myimage.h"
#include "platform/cp1252.h"

namespace pm {

namespace {

QString Quoted(QString s) {
  s.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
  s.replace(QLatin1Char('"'), QStringLiteral("\\\""));
  return QLatin1Char('"') + s + QLatin1Char('"');
}

QString Number(long double x) { return QString::fromStdString(FormatNumber(ChooseNumberFormat(7, x), x)); }

QString Place(const QWidget* w, const TFormPage* page) {
  if (!page) return QStringLiteral("-");
  const QPoint at = w->mapTo(page->Content(), QPoint(0, 0));
  return QStringLiteral("%1,%2 %3x%4 %5")
      .arg(at.x())
      .arg(at.y())
      .arg(w->width())
      .arg(w->height())
      .arg(ShownTo(w, page) ? QStringLiteral("shown") : QStringLiteral("hidden"));
}

QString Format(const TNumberFormat& f) {
  return QStringLiteral("%1 %2")
      .arg(f.Fixed == 1 ? QStringLiteral("fixed") : QStringLiteral("sci"))
      .arg(f.Digits);
}

}  // namespace

QString DumpQuoted(const QString& text) { return Quoted(text); }

QString DumpPlace(const QWidget* w, const TFormPage* page) { return Place(w, page); }

QString DumpYesNo(bool b) { return b ? QStringLiteral("yes") : QStringLiteral("no"); }

QStringList DumpElementControls(const TFormElement& e, const TFormPage* page) {
  QStringList out;
  if (const auto* input = dynamic_cast<const TInput*>(e.valueInput)) {
    QString line = QStringLiteral("    input at %1 text %2 help %3 maxlength %4")
                       .arg(Place(input, page), Quoted(input->text()))
                       .arg(input->HelpId)
                       .arg(input->maxLength());
    if (input->IsNumeric)
      line += QStringLiteral(" value %1 min %2 max %3 offset %4 factor %5 format %6")
                  .arg(Number(input->Value), Number(input->Min), Number(input->Max), Number(input->Offset),
                       Number(input->Factor), Format(input->Format));
    else if (e.kind == ElementKind::NumericInput)
      line += QStringLiteral(" not a number");
    out << line;
  }
  if (e.unitsLabel)
    out << QStringLiteral("    units at %1 width %2").arg(Place(e.unitsLabel, page)).arg(e.unitsWidth);
  if (const auto* list = dynamic_cast<const TFileInput*>(e.listInput)) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << Quoted(list->itemText(i));
    out << QStringLiteral("    list at %1 file %2 display %3 value %4 help %5 assign %6 unit %7")
               .arg(Place(list, page), Quoted(list->ListFile))
               .arg(list->DisplayColumn)
               .arg(list->ValueColumn)
               .arg(list->HelpId)
               .arg(DumpYesNo(list->IsAssign))
               .arg(list->UnitNumber);
    out << QStringLiteral("    choice %1 %2 deck %3 items %4")
               .arg(list->currentIndex())
               .arg(Quoted(list->currentText()), Quoted(list->Value), items.join(QLatin1Char(' ')));
  }
  if (const auto* file = dynamic_cast<const TOpenFile*>(e.fileInput))
    out << QStringLiteral("    file at %1 name %2 unit %3 help %4")
               .arg(Place(file, page), Quoted(file->FileName))
               .arg(file->UnitNumber)
               .arg(e.helpId);
  if (const auto* button = dynamic_cast<const TAppButton*>(e.appButton))
    out << QStringLiteral("    link %1 arguments %2 at %3")
               .arg(button->LinkIndex)
               .arg(Quoted(button->Arguments), Place(button, page));
  if (const auto* image = dynamic_cast<const TmyImage*>(e.image)) {
    static const char* const kAlign[] = {"left", "center", "right"};
    out << QStringLiteral("    picture %1 tag %2 align %3 at %4 size %5x%6 transparent %7")
               .arg(Quoted(image->FileName))
               .arg(image->LinkIndex)
               .arg(QLatin1String(kAlign[std::clamp(image->Alignment, 0, 2)]), Place(image, page))
               .arg(image->Picture.width())
               .arg(image->Picture.height())
               .arg(DumpYesNo(image->Transparent));
    for (int i = 0; i < image->HRefs.size(); ++i) {
      const QRect r = image->Areas.value(i);
      out << QStringLiteral("    area %1 href %2 hint %3 rect %4,%5,%6,%7")
                 .arg(i + 1)
                 .arg(Quoted(image->HRefs[i]), Quoted(image->Hints.value(i)))
                 .arg(r.left())
                 .arg(r.top())
                 .arg(r.left() + r.width())
                 .arg(r.top() + r.height());
    }
  }
  if (e.hasHelpText) out << QStringLiteral("    helptext %1").arg(Quoted(FromCp1252(e.helpText)));
  return out;
}

}  // namespace pm
