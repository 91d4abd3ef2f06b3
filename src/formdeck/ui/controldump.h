#pragma once

#include <QStringList>

class QWidget;

namespace pm {

class TFormPage;
struct TFormElement;

// The dump lines of an element's value controls: each input, units label
// and link button with its place on the page, its value, limits,
// conversion, help id and list or file fields.
QStringList DumpElementControls(const TFormElement& e, const TFormPage* page);

// For the dump lines of other controls: a text in double quotes, a
// control's place on its page ("x,y wxh shown"), and a flag as a word.
QString DumpQuoted(const QString& text);
QString DumpPlace(const QWidget* w, const TFormPage* page);
QString DumpYesNo(bool b);

}  // namespace pm
