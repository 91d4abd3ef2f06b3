#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <array>
#include <cstdint>

#include "common/colors.h"

class QTextDocument;

namespace pm {

// Which of the settings' four editor colours and styles a Source line takes.
// style 0: the line keeps no style.
struct SourceLineLook {
  int color = 0;  // 1..4; 0 for an empty line, which is not coloured
  int style = 0;  // 1..4, or 0
};
SourceLineLook SourceLineLookOf(const QString& line);

// Style index of the settings: 0 none, 1 bold, 2 italic, 3 underline; any
// other index none.
QTextCharFormat StyleFromIndex(int index);

// The editor colours and styles as the settings hold them (index 1..4 at 0..3).
struct SourceStyles {
  std::array<ColorValue, 4> colors{};
  std::array<std::int32_t, 4> styles{};
  friend bool operator==(const SourceStyles&, const SourceStyles&) = default;
};
SourceStyles SourceStylesFromSettings();

// Colours the deck text line by line. Formats live in the blocks' layouts,
// never in the text, so colouring is no edit and no undo step.
class SourceHighlighter final : public QSyntaxHighlighter {
 public:
  explicit SourceHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}
  void SetStyles(const SourceStyles& styles) { styles_ = styles; }
  const SourceStyles& Styles() const { return styles_; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  SourceStyles styles_;
};

}  // namespace pm
