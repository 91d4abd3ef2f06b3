#pragma once

class QFont;

namespace pm {

// The forms name Windows fonts; these map them onto the fonts Debian ships
// (Liberation, metric-compatible, and DejaVu). Called once at start-up.
void RegisterFontSubstitutes();

// Layout works at 96 pixels per inch whatever the display says, so a form
// looks the same everywhere: a point size becomes this many pixels.
int PointsToPixels(int points);
// Sets the font's size in pixels for a size in points (at least 1 pixel).
void SetPointSizeAt96Dpi(QFont& font, int points);

}  // namespace pm
