#include "ui/popup_menu.h"

#include <algorithm>

#include "platform/constants.h"
#include "platform/unique.h"

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

namespace vm {

bool PopupMenu::Popup(IWindowSystem& win, Hwnd owner, Point at, std::uint32_t align) {
    if (OnPopup)
        OnPopup();
    int chosen = 0;
    // The menu is gone before the chosen item acts.
    if (const Unique<HMenu> menu = Own(win, win.CreatePopupMenu())) {
        // An item's command id is its place in the menu, counted from 1.
        for (const MenuItem* item : ShownItems()) {
            const auto place = std::find(items_.begin(), items_.end(), item) - items_.begin();
            const auto id = static_cast<std::uintptr_t>(place + 1);
            if (item->IsSeparator()) {
                win.AppendMenuA(menu.Get(), mf::SEPARATOR, id, nullptr);
                continue;
            }
            const std::uint32_t flags = mf::STRING | (item->Checked() ? mf::CHECKED : 0) |
                                        (item->Enabled() ? 0 : mf::GRAYED);
            if (item->WideCaption().empty())
                win.AppendMenuA(menu.Get(), flags, id, item->Caption().c_str());
            else
                win.AppendMenuW(menu.Get(), flags, id, item->WideCaption().c_str());
        }
        chosen = win.TrackPopupMenu(menu.Get(), tpm::RIGHTBUTTON | tpm::RETURNCMD | align, at.x,
                                    at.y, owner);
    }
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > items_.size())
        return false;
    items_[static_cast<std::size_t>(chosen) - 1]->Click();
    return true;
}

} // namespace vm
