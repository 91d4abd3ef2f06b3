#include "formdeck/pagelayout.h"

#include <algorithm>

namespace pm {

int ScrollRange(const std::vector<Extent>& measured) {
  int range = 0;
  for (const Extent& e : measured) {
    const int bottom = e.top + e.height;
    if (range < bottom) range = bottom + 10;
  }
  return range;
}

bool CanFitToContent(int contentWidth) { return contentWidth > 100; }

int FormClientWidth(int contentWidth, int W8, int widestRight) {
  if (!CanFitToContent(contentWidth)) return widestRight + 2 * W8 + 40;
  // Text lines are placed apart from the content width: none is cut.
  return std::max(contentWidth + 2 * W8 + 40, widestRight + 2 * W8);
}

int FitUnitsLeft(const FitMeasures& f) { return f.contentWidth - f.M - f.widestUnits; }

int FitValueInputLeft(const FitMeasures& f, int inputWidth) { return FitUnitsLeft(f) - f.W8 - inputWidth; }

int FitListLeft(const FitMeasures& f, int dropDownWidth) {
  return f.contentWidth - f.widestUnits - 3 * f.W8 - dropDownWidth + 1;
}

Span FitFileInput(const FitMeasures& f, int inputWidth, bool inGroup, int labelRight) {
  Span s{f.contentWidth - 3 * f.W8 - inputWidth - f.widestUnits + 1 + (inGroup ? 0 : f.M), inputWidth};
  const int earliest = labelRight + 5;
  if (s.left < earliest) {
    s.width -= earliest - s.left;
    s.left = earliest;
  }
  if (s.width < 0) s.width = 0;
  return s;
}

int NestedBoxWidth(int outerWidth, int M) { return outerWidth - M - 20; }

int ChoiceItemTop(int boxPoints, int n, int h) { return boxPoints / 2 + n * h - h / 4; }

int ChoiceBoxHeight(int boxPoints, int h, int count) { return boxPoints / 2 + (h + 3) * count + 24; }

}  // namespace pm
