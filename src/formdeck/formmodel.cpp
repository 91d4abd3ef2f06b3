#include "formdeck/formmodel.h"

namespace pm {

void FormModel::ResetForParse() {
  Slots = FormSlots::Defaults();
  ClearCommands();
  Background = kWindowColor;
  WindowSizeMaximize = false;
  MaximizeForm = false;
  ContentWidth = -1;
  HighestPage = 0;
  Elements.Clear();
}

void FormModel::ClearCommands() {
  Before.clear();
  After.clear();
  Before1.clear();
  After1.clear();
}

}  // namespace pm
