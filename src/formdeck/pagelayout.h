#pragma once

#include <vector>

namespace pm {

// The arithmetic of the page layout, apart from the widgets it moves.

// A control as the scroll range measures it, in page coordinates.
struct Extent {
  int top = 0;
  int height = 0;
};

// The vertical scroll range of a page: each bottom that passes the range
// makes it that bottom + 10, so the lowest control is fully reachable.
int ScrollRange(const std::vector<Extent>& measured);

// Inputs are right-aligned to the content width only when there is one
// (above 100): a form without a measured width keeps its inputs where the
// builders put them, as a maximized form does.
bool CanFitToContent(int contentWidth);

// The client width of a form window that is not maximized: the content
// width and its margins; a form without one (100 or less) measures from the
// right edge of its widest shown control instead. Either way no shown
// control is cut at the right.
int FormClientWidth(int contentWidth, int W8, int widestRight);

// What FitPageWidths aligns to: the content width, the left margin M, the
// width of "8" and the widest units label u of the page.
struct FitMeasures {
  int contentWidth = 0;
  int M = 0;
  int W8 = 0;
  int widestUnits = 0;
};
int FitUnitsLeft(const FitMeasures& f);
int FitValueInputLeft(const FitMeasures& f, int inputWidth);
int FitListLeft(const FitMeasures& f, int dropDownWidth);
struct Span {
  int left = 0;
  int width = 0;
  friend bool operator==(const Span&, const Span&) = default;
};
// A file input keeps 5 pixels to its label and narrows when the room is short.
Span FitFileInput(const FitMeasures& f, int inputWidth, bool inGroup, int labelRight);

// A check-box or radio group inside a visual group: left at M, it leaves
// the 20 pixels that every element leaves to the right edge of its box.
int NestedBoxWidth(int outerWidth, int M);

// Choice items: item n (from 1) of a box whose font slot is boxPoints big,
// with items h high; the box's height for count items.
int ChoiceItemTop(int boxPoints, int n, int h);
int ChoiceBoxHeight(int boxPoints, int h, int count);

}  // namespace pm
