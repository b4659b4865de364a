// A popup menu: its items in display order.
#pragma once

#include <vector>

#include "ui/menu_item.h"

namespace vm {

class PopupMenu {
public:
    explicit PopupMenu(std::vector<MenuItem*> items) : items_(std::move(items)) {}

    const std::vector<MenuItem*>& Items() const { return items_; }
    // The items shown when the menu opens: visible items, with a separator
    // only where it stands between two visible items.
    std::vector<const MenuItem*> ShownItems() const;

private:
    std::vector<MenuItem*> items_;
};

} // namespace vm
