#include "formdeck/groupstate.h"

namespace pm {

std::vector<GroupStateStep> GroupStateSteps(const GroupStateCase& c) {
  using S = GroupStateStep;
  std::vector<S> steps;
  if (c.boxShown && c.visualBox && c.radioItem) {
    if (c.namesFirst) steps.push_back(S::RunHandlerAsFirstItem);
    steps.push_back(S::CheckFirstItem);
    if (c.namesFirst) steps.push_back(S::SetF1);
    return steps;
  }
  if (!c.namesFirst) return steps;
  if (c.boxShown) {
    if (c.visualBox && !c.radioItem) return {S::SetF1, S::Toggle, S::Toggle, S::SetF1};
    return {S::SetF1};
  }
  if (!c.radioItem) return {S::SetNotF1, S::RunHandler};
  if (c.visualBox) return steps;
  return {S::SetF1, S::SetNotF1};
}

}  // namespace pm
