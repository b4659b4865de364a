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

    // Runs OnPopup, opens the menu at the point (its top edge there, or its
    // bottom edge with tpm::BOTTOMALIGN) and runs the chosen item, all
    // before it returns. False when the menu closed without a choice.
    bool Popup(IWindowSystem& win, Hwnd owner, Point at, std::uint32_t align = 0);

    Handler OnPopup;

private:
    std::vector<MenuItem*> items_;
};

} // namespace vm
