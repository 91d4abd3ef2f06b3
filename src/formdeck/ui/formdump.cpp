#include "formdeck/ui/formdump.h"

#include <QDir>
#include <QFileInfo>

#include "common/globals.h"
#include "common/settings.h"
#include "formdeck/ui/controldump.h"
#include "formdeck/ui/descriptor.h"
#include "formdeck/ui/formpage.h"
#include "formdeck/ui/formtabbar.h"
#include "formdeck/ui/groupdump.h"
#include "formdeck/ui/plenzoform.h"
#include "platform/cp1252.h"
#include "platform/recordingui.h"

namespace pm {

namespace {

QString Quoted(const QString& text) { return QuotedForDump(text); }

QString Quoted(const std::string& bytes) { return Quoted(FromCp1252(bytes)); }

QString Colour(ColorValue value) { return QLatin1Char('#') + ToQColor(value).name().mid(1).toUpper(); }

QString Style(std::uint8_t style) {
  QStringList words;
  if (style & StyleBold) words << QStringLiteral("bold");
  if (style & StyleItalic) words << QStringLiteral("italic");
  if (style & StyleUnderline) words << QStringLiteral("underline");
  return words.isEmpty() ? QStringLiteral("plain") : words.join(QLatin1Char('+'));
}

QString Align(std::uint8_t align) {
  switch (align) {
    case AlignRight:
      return QStringLiteral("right");
    case AlignCenter:
      return QStringLiteral("center");
    default:
      return QStringLiteral("left");
  }
}

// The text a control shows, whatever its class.
QString ShownText(const QWidget* w) {
  if (!w) return {};
  const QVariant current = w->property("currentText");
  return current.isValid() ? current.toString() : w->property("text").toString();
}

QString ElementLine(int index, const TFormElement& e, const TFormPage* page) {
  const QWidget* input = e.valueInput ? e.valueInput : e.listInput ? e.listInput : e.fileInput;
  const QWidget* shown = IsGroupKind(e.kind) ? e.groupBox : e.label;
  QString at = QStringLiteral("-");
  QString visible = QStringLiteral("-");
  if (shown && page) {
    at = QStringLiteral("%1,%2 %3x%4")
             .arg(shown->mapTo(page->Content(), QPoint(0, 0)).x())
             .arg(page->TopInPage(shown))
             .arg(shown->width())
             .arg(shown->height());
    visible = DumpYesNo(ShownTo(shown, page));
  }
  return QStringLiteral(
             "  %1 %2 line %3 no %4 name %5 text %6 value %7 unit %8 slot %9 group %10 visible %11 at %12")
      .arg(index)
      .arg(QLatin1String(ElementKindName(e.kind)))
      .arg(e.lineNumber)
      .arg(e.number)
      .arg(Quoted(e.name), Quoted(e.text), input ? Quoted(ShownText(input)) : Quoted(e.valueText),
           e.unitsLabel ? Quoted(ShownText(e.unitsLabel)) : QStringLiteral("-"), QString::number(e.fontSlot),
           e.group ? Quoted(e.group->name) : QStringLiteral("-"), visible, at);
}

}  // namespace

QString DumpForm(const TPlenzoForm& form) {
  const FormModel& m = form.Model();
  QStringList out;
  out << QStringLiteral("ParseErrorState %1").arg(G().ParseErrorState);
  out << QStringLiteral("parse %1").arg(m.ParseFailed ? QStringLiteral("failed") : QStringLiteral("ok"));
  out << QStringLiteral("window %1 caption %2")
             .arg(form.isHidden() ? QStringLiteral("hidden") : QStringLiteral("shown"),
                  Quoted(form.windowTitle()));
  out << QStringLiteral("background %1 maximize %2 windowsize %3 contentwidth %4 clientwidth %5")
             .arg(Colour(m.Background), DumpYesNo(m.MaximizeForm), DumpYesNo(m.WindowSizeMaximize))
             .arg(m.ContentWidth)
             .arg(form.ClientWidth());
  out << QStringLiteral("commands before %1 after %2 before1 %3 after1 %4")
             .arg(Quoted(m.Before), Quoted(m.After), Quoted(m.Before1), Quoted(m.After1));
  for (int i = 1; i <= 3; ++i) {
    const FontSlot& f = m.Slots.Font(i);
    out << QStringLiteral("font%1 %2 %3 %4 %5")
               .arg(i)
               .arg(Quoted(f.name))
               .arg(f.size)
               .arg(Style(f.style), Colour(f.color));
  }
  out << QStringLiteral("align %1 %2 %3")
             .arg(Align(m.Slots.align[0]), Align(m.Slots.align[1]), Align(m.Slots.align[2]));
  out << QStringLiteral("tabstops %1 %2 %3 %4")
             .arg(m.Slots.tabs[0])
             .arg(m.Slots.tabs[1])
             .arg(m.Slots.tabs[2])
             .arg(m.Slots.tabs[3]);
  QStringList tabs;
  for (int i = 0; i < form.TabCount(); ++i) tabs << Quoted(form.TabControl()->TabName(i));
  out << QStringLiteral("tabs %1").arg(tabs.isEmpty() ? QStringLiteral("none") : tabs.join(QLatin1Char(' ')));
  const int base = form.HasSourceTab() ? 1 : 0;
  for (int p = 0; p < kPageCount; ++p) {
    const std::vector<TFormElement*> elements = m.Elements.OnPage(p);
    if (!form.HasPage(p)) continue;
    const int tab = p + base;
    out << QStringLiteral("page %1 %2")
               .arg(p)
               .arg(tab < form.TabCount() ? Quoted(form.TabControl()->TabName(tab)) : QStringLiteral("-"));
    out << DumpPageRange(form.Page(p));
    int index = 0;
    for (const TFormElement* e : elements) {
      out << ElementLine(++index, *e, form.Page(p));
      out << DumpElementControls(*e, form.Page(p));
      out << DumpGroupControls(*e, form.Page(p));
    }
  }
  for (const QString& name : G().AssignFileList) out << QStringLiteral("assign %1").arg(Quoted(name));
  return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString DumpDeck(const QString& deckPath, const DumpOptions& options) {
  // The deck is named from the folder above its own, so every name in the
  // dump is the same wherever the tree lies.
  const QFileInfo deck(deckPath);
  const QDir folder = deck.absoluteDir();
  const QString name = folder.dirName() + QLatin1Char('/') + deck.fileName();
  const QString startFolder = QDir::currentPath();
  const QString saveAs = options.saveAs.isEmpty() ? QString() : QFileInfo(options.saveAs).absoluteFilePath();
  QDir::setCurrent(QFileInfo(folder.absolutePath()).absolutePath());
  RecordingUi recorder;
  G().ParseErrorState = 0;
  G().AssignFileList.clear();
  const int savedUnits = DefaultSettings().UnitSystem;
  DefaultSettings().UnitSystem = options.unitSystem;
  QString text;
  {
    TPlenzoForm form(nullptr);
    form.ClearTabs();
    if (options.withSource) form.AddSourceTab();
    form.ReadDeck(name);
    QString saved;
    if (!saveAs.isEmpty()) {
      // As the shell names it: the dump's short name is relative to another folder.
      form.Model().FileName = deck.absoluteFilePath();
      form.WriteDeck(saveAs);
      saved = form.SaveSucceeded ? QStringLiteral("save ok\n") : QStringLiteral("save failed\n");
    }
    text = QStringLiteral("deck %1\n").arg(Quoted(name)) + recorder.lines.join(QLatin1Char('\n')) +
           (recorder.lines.isEmpty() ? QString() : QStringLiteral("\n")) + saved + DumpForm(form);
  }
  QDir::setCurrent(startFolder);
  DefaultSettings().UnitSystem = savedUnits;
  return text;
}

}  // namespace pm
