#pragma once

class QAction;
class QMenu;

namespace pm {

// An item's own enabled state and its menu's are kept apart, so that
// disabling a menu also stops its items' shortcuts, and enabling the menu
// again gives every item back its own state. Qt reports hidden actions as
// disabled, so the states are kept beside Qt's.
void SetItemEnabled(QAction* item, bool on);
void SetMenuEnabled(QMenu* menu, bool on);
// The item's own state, and the menu's.
bool ItemEnabled(const QAction* item);
bool MenuEnabled(const QMenu* menu);
// Whether the item works once shown: its own state and its menus'.
bool ItemUsable(const QAction* item);

}  // namespace pm
