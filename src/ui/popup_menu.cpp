#include "ui/popup_menu.h"

namespace vm {

std::vector<const MenuItem*> PopupMenu::ShownItems() const {
    std::vector<const MenuItem*> shown;
    const MenuItem* pendingSeparator = nullptr;
    for (const MenuItem* item : items_) {
        if (!item->Visible())
            continue;
        if (item->IsSeparator()) {
            if (!shown.empty() && pendingSeparator == nullptr)
                pendingSeparator = item;
            continue;
        }
        if (pendingSeparator != nullptr) {
            shown.push_back(pendingSeparator);
            pendingSeparator = nullptr;
        }
        shown.push_back(item);
    }
    return shown;
}

} // namespace vm
