#include "platform/ui/fonts.h"

#include <QFont>
#include <QString>

namespace pm {

void RegisterFontSubstitutes() {
  static const struct {
    const char* windowsName;
    const char* substitute;
  } kSubstitutes[] = {
      {"Arial", "Liberation Sans"},
      {"Times New Roman", "Liberation Serif"},
      {"Courier New", "Liberation Mono"},
      {"MS Sans Serif", "DejaVu Sans"},
      {"MS LineDraw", "DejaVu Sans Mono"},
      {"Terminal", "DejaVu Sans Mono"},
  };
  // Qt keeps each pair once, so a second call adds nothing.
  for (const auto& s : kSubstitutes)
    QFont::insertSubstitution(QString::fromLatin1(s.windowsName), QString::fromLatin1(s.substitute));
}

// Rounded half away from zero, as a Windows font height is computed.
int PointsToPixels(int points) {
  const long long scaled = static_cast<long long>(points) * 96;
  return static_cast<int>(scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72);
}

void SetPointSizeAt96Dpi(QFont& font, int points) {
  const int pixels = PointsToPixels(points);
  font.setPixelSize(pixels < 1 ? 1 : pixels);
}

}  // namespace pm
