#pragma once

#include <QStringList>

namespace pm {

class TFormPage;
struct TFormElement;

// The dump lines of a group: its box with its shown flag and commands, and
// each choice item with its state, its group names and its place.
QStringList DumpGroupControls(const TFormElement& e, const TFormPage* page);

// The page's vertical scroll range.
QString DumpPageRange(const TFormPage* page);

}  // namespace pm
