// A popup menu: its items in display order. The real menu is built from
// the items each time it opens, since Win32 menu items have no visibility.
#pragma once

#include <vector>

#include "platform/window_system.h"
#include "ui/menu_item.h"

namespace vm {

class PopupMenu {
public:
    explicit PopupMenu(std::vector<MenuItem*> items) : items_(std::move(items)) {}

    const std::vector<MenuItem*>& Items() const { return items_; }
    // The items shown when the menu opens: visible items, with a separator
    // only where it stands between two visible items.
    std::vector<const MenuItem*> ShownItems() const;

    // Runs OnPopup, opens the menu at the point and runs the chosen item,
    // all before it returns.
    void Popup(IWindowSystem& win, Hwnd owner, Point at);

    Handler OnPopup;

private:
    std::vector<MenuItem*> items_;
};

} // namespace vm
