#pragma once

#include <QStringList>

namespace pm {

class TFormPage;
struct TFormElement;

// The dump lines of an element's value controls: each input, units label
// and link button with its place on the page, its value, limits,
// conversion, help id and list or file fields.
QStringList DumpElementControls(const TFormElement& e, const TFormPage* page);

}  // namespace pm
