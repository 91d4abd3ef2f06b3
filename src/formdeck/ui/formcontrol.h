#pragma once

namespace pm {

// What the form window asks of the controls its elements put on a page:
// F1 reads the help id of value inputs (tag 21) and list inputs (tag 22);
// CheckactiveInput runs the check of a focused value input.
class FormControl {
 public:
  virtual ~FormControl() = default;
  // 21 value input, 22 list or file input, 0 any other control.
  virtual int ControlTag() const = 0;
  virtual int ControlHelpId() const { return 0; }
  // The check of a value input when it loses the focus; a failure sets
  // ParseErrorState to 100 and keeps the focus there.
  virtual void ExitV() {}
};

}  // namespace pm
