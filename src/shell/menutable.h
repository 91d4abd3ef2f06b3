#pragma once

#include <QString>

#include <vector>

namespace pm {

// What the main window's UpdateMenu sets for the kind of the active child,
// after it has enabled Save, Save as, Print and the Edit, Parametrics and
// Calculate menus. Items are named by their objectName; an item that is not
// listed keeps its state.
struct MenuItemState {
  const char* item;
  bool enabled;
};

// fileName is the active window's file, used by New Table and "Calculate
// Building Loads" for text windows (on for engine deck extensions).
std::vector<MenuItemState> MenuStatesForKind(int kind, const QString& fileName);

// ".DCK", ".PZD", ".D15" and ".D16" name engine decks.
bool IsDeckExtension(const QString& fileName);

}  // namespace pm
