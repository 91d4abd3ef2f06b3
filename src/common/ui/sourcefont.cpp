#include "common/ui/sourcefont.h"

#include <QFont>
#include <QWidget>

#include <algorithm>

#include "common/lib1.h"
#include "common/settings.h"
#include "platform/ui/fonts.h"

namespace pm {

bool ApplySourceFont(QWidget* editor) {
  const DefaultSettingsRecord& s = DefaultSettings();
  const int points = s.SourceFontSize < 1 ? 10 : s.SourceFontSize;
  const QString name = FontNameByIndex(s.SourceFontIndex);
  QFont font = editor->font();
  if (font.pixelSize() == std::max(1, PointsToPixels(points)) && font.family().toUpper() == name.toUpper()) return false;
  font.setFamily(name);
  SetPointSizeAt96Dpi(font, points);
  editor->setFont(font);
  return true;
}

}  // namespace pm
