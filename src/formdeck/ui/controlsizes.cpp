#include "formdeck/ui/controlsizes.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <vector>

namespace pm {

namespace {

// What QLineEdit keeps between its contents and the text on each side, and
// the cursor it leaves room for at the end.
constexpr int kLineEditSideMargin = 2;
constexpr int kCursorWidth = 1;

}  // namespace

namespace {

// What the style adds around the text of an edit; the same for every edit
// of one font, frame and style, so asked once for each.
int StyleRoom(const QLineEdit* edit, int width, int height) {
  struct Asked {
    QFont font;
    const QStyle* style;
    bool frame;
    bool readOnly;
    int width, height;
    int room;
  };
  static std::vector<Asked> asked;
  for (const Asked& a : asked) {
    if (a.style == edit->style() && a.frame == edit->hasFrame() && a.readOnly == edit->isReadOnly() &&
        a.width == width && a.height == height && a.font == edit->font())
      return a.room;
  }
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.rect = edit->rect();
  option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  if (edit->isReadOnly()) option.state |= QStyle::State_ReadOnly;
  option.features = QStyleOptionFrame::None;
  const QSize styled = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(width, height), edit);
  // The contents rectangle loses the frame on both sides whatever the style
  // adds to the size.
  const int room = std::max(styled.width(), width + 2 * option.lineWidth) - width;
  if (asked.size() >= 32) asked.erase(asked.begin());
  asked.push_back({edit->font(), edit->style(), edit->hasFrame(), edit->isReadOnly(), width, height, room});
  return room;
}

}  // namespace

int LineEditWidth(const QLineEdit* edit, int textWidth) {
  const QFontMetrics fm(edit->font());
  const QMargins text = edit->textMargins();
  const QMargins contents = edit->contentsMargins();
  // Glyphs that reach past their advance (italics) need their bearings too.
  const int bearings = std::max(0, -fm.minLeftBearing()) + std::max(0, -fm.minRightBearing());
  const int around = kCursorWidth + bearings + 2 * kLineEditSideMargin + text.left() + text.right() +
                     contents.left() + contents.right();
  const int height = fm.height() + text.top() + text.bottom() + contents.top() + contents.bottom();
  // The style's room is asked for the room around the text alone: it does
  // not depend on the text.
  return textWidth + around + StyleRoom(edit, around, height);
}

QSize DropDownSize(const QComboBox* list) { return list->sizeHint(); }

}  // namespace pm
