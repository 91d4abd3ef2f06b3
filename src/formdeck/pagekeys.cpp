#include "formdeck/pagekeys.h"

#include <algorithm>

namespace pm {

int NextInTabOrder(const std::vector<TabOrderControl>& controls, int from, bool forward) {
  const int n = static_cast<int>(controls.size());
  for (int k = 0; k < n; ++k) {
    int i = 0;
    if (from < 0) {
      i = forward ? k : n - 1 - k;
    } else {
      i = ((forward ? from + 1 + k : from - 1 - k) % n + n) % n;
      if (i == from) break;
    }
    if (controls[static_cast<size_t>(i)].tabStop) return i;
  }
  return -1;
}

int PageKeyTarget(const std::vector<TabOrderControl>& controls, int focused, bool down, int clientHeight) {
  const int n = static_cast<int>(controls.size());
  if (n == 0) return -1;
  if (focused < 0 || focused >= n) {
    focused = NextInTabOrder(controls, -1, down);
    if (focused < 0) return -1;
  }
  auto top = [&](int i) { return controls[static_cast<size_t>(i)].top; };
  const int target = down ? top(focused) + clientHeight : std::max(0, top(focused) - clientHeight);
  // Walk on while the tops keep going the same way: the walk ends where the
  // tab order wraps round.
  int candidate = focused;
  int previousTop = top(focused);
  for (int k = 1; k < n; ++k) {
    const int i = down ? (focused + k) % n : (focused - k + n) % n;
    const int t = top(i);
    if (down) {
      if (t < previousTop || t > target) break;
      candidate = i;
    } else {
      if (t > previousTop || (t <= target && t != 0)) break;
      if (t < top(candidate) && t > 0) candidate = i;
    }
    previousTop = t;
  }
  if (candidate != focused) return candidate;
  const int next = NextInTabOrder(controls, focused, down);
  if (next < 0) return focused;
  if (down && top(next) < top(focused)) return focused;
  if (!down && (top(next) > top(focused) || top(next) == 0)) return focused;
  return next;
}

int ArrowKeyTarget(const std::vector<TabOrderControl>& controls, int focused, bool down) {
  const int next = NextInTabOrder(controls, focused, down);
  if (next < 0 || focused < 0 || focused >= static_cast<int>(controls.size())) return next;
  const int from = controls[static_cast<size_t>(focused)].top;
  const int to = controls[static_cast<size_t>(next)].top;
  if (down ? to < from : to > from) return focused;
  return next;
}

}  // namespace pm
