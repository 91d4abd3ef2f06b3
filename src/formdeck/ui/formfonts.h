#pragma once

#include <QFont>
#include <QString>

#include "formdeck/formslots.h"

namespace pm {

// A font slot as a font: the name through the font substitutes, the size in
// points as pixels at 96 pixels per inch.
QFont SlotFont(const FontSlot& slot);
// A named font of a pixel height (the window's own font).
QFont PixelFont(const QString& family, int pixels);

// The measures every element builder uses.
int GetHeight(const QFont& font);                      // height of "ghT"
int GetWidth(const QFont& font, const QString& text);  // text followed by two blanks
int aveCharWidth(const QFont& font);                   // the alphabet's width / 52

}  // namespace pm
