#pragma once

#include <QString>
#include <string>

#include "common/colors.h"
#include "formdeck/formelement.h"
#include "formdeck/formslots.h"

namespace pm {

inline constexpr ColorValue kWindowColor = 0xFFFFFF;  // the form window is white

// What a parse builds besides the controls: the slots, the form's commands
// and flags, and the element records. Owned by the form window.
struct FormModel {
  QString FileName;  // the deck shown, as the opener named it
  FormSlots Slots = FormSlots::Defaults();
  std::string Before, After, Before1, After1;  // as written in the deck
  ColorValue Background = kWindowColor;
  bool WindowSizeMaximize = false;  // "<WINDOWSIZE"
  bool MaximizeForm = false;        // the marker line asked for a maximized window
  int ContentWidth = -1;            // the widest content seen
  int HighestPage = 0;
  bool Changed = false;      // a choice item changed the groups shown
  bool ParseFailed = false;  // the last parse of this form reported an error
  bool LayingOut = false;
  qint64 ParseTimeMs = 0;
  ElementStore Elements;

  // The state every parse starts from: the creation defaults of the slots,
  // no content width, no maximize flag, the window's colour.
  void ResetForParse();
  void ClearCommands();
};

}  // namespace pm
