#include "formdeck/sourcecolors.h"

#include <QTextDocument>

#include "common/settings.h"

namespace pm {

SourceLineLook SourceLineLookOf(const QString& line) {
  if (line.isEmpty()) return {};
  if (line.startsWith(QLatin1String("*|#"))) return {2, 2};
  if (line.startsWith(QLatin1String("*|"))) return {1, 1};
  if (line.startsWith(QLatin1Char('*'))) return {3, 3};
  // Only the start is upper-cased: a long engine line costs nothing more.
  const QString head = line.left(9).toUpper();
  if (head.startsWith(QLatin1String("CONSTANTS"))) return {4, 4};
  // Engine equations take the style of disabled commands, as the settings
  // have always been read.
  if (head.startsWith(QLatin1String("EQUATIONS"))) return {4, 2};
  return {4, 0};
}

QTextCharFormat StyleFromIndex(int index) {
  QTextCharFormat format;
  format.setFontWeight(index == 1 ? QFont::Bold : QFont::Normal);
  format.setFontItalic(index == 2);
  format.setFontUnderline(index == 3);
  return format;
}

SourceStyles SourceStylesFromSettings() {
  SourceStyles out;
  const DefaultSettingsRecord& s = DefaultSettings();
  for (int k = 1; k <= 4; ++k) {
    out.colors[static_cast<size_t>(k - 1)] = s.EditorColors[k];
    out.styles[static_cast<size_t>(k - 1)] = s.EditorStyles[k];
  }
  return out;
}

void SourceHighlighter::highlightBlock(const QString& text) {
  const SourceLineLook look = SourceLineLookOf(text);
  if (look.color == 0) return;
  QTextCharFormat format =
      StyleFromIndex(look.style == 0 ? 0 : styles_.styles[static_cast<size_t>(look.style - 1)]);
  format.setForeground(ToQColor(styles_.colors[static_cast<size_t>(look.color - 1)]));
  setFormat(0, static_cast<int>(text.size()), format);
}

}  // namespace pm
