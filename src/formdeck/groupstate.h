#pragma once

#include <cstdint>
#include <vector>

namespace pm {

// What bringing a choice item into line with a group it names does
// (ApplyGroupState). F1 is the item's flag for its first group name: true
// when that name is plain (show), false for a "_" name (hide).
enum class GroupStateStep : std::uint8_t {
  RunHandlerAsFirstItem,  // the radio item's handler runs with its group's first item as sender
  CheckFirstItem,         // the first item of the radio item's group becomes checked
  SetF1,                  // the item's state := F1
  SetNotF1,               // the item's state := not F1
  Toggle,                 // the item's state is turned over
  RunHandler,             // the check box's handler runs
};

struct GroupStateCase {
  bool boxShown;    // the found box's shown flag (false: its opener came with "*|#")
  bool visualBox;   // the found box is a visual group (else a check-box or radio group)
  bool radioItem;   // the item in hand is a radio item (else a check box)
  bool namesFirst;  // the item's first group name is the found box's name
};

// The steps in order. Every change of a check box's state, and every change
// of a radio item to checked, also runs the item's handler.
std::vector<GroupStateStep> GroupStateSteps(const GroupStateCase& c);

}  // namespace pm
