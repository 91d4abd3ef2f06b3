#pragma once

#include <vector>

namespace pm {

// A focusable control of a form page in tab order: its top in page
// coordinates (controls in group boxes included) and whether it is a tab stop.
struct TabOrderControl {
  int top = 0;
  bool tabStop = true;
};

// The next (forward) or previous tab stop after index from, round the end;
// from -1 gives the first or the last. -1 when there is none.
int NextInTabOrder(const std::vector<TabOrderControl>& controls, int from, bool forward);

// Page Down (down) or Page Up from the focused control (-1: none): the index
// of the control to focus, or focused itself to keep the focus.
int PageKeyTarget(const std::vector<TabOrderControl>& controls, int focused, bool down, int clientHeight);

// Up or Down arrow: the previous or next tab stop, unless the tab order
// wraps round there (it lies lower for Up, higher for Down).
int ArrowKeyTarget(const std::vector<TabOrderControl>& controls, int focused, bool down);

}  // namespace pm
