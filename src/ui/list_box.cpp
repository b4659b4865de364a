#include "ui/list_box.h"

#include "sys/text.h"

namespace vm {

void ListBox::Clear() {
    items_.clear();
    itemIndex_ = -1;
}

void ListBox::Delete(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size())
        return;
    items_.erase(items_.begin() + index);
    itemIndex_ = -1;
}

int ListBox::FindStringExact(std::string_view text) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (EqualsIgnoreCase(items_[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

void ListBox::SetItemIndex(int index) {
    itemIndex_ = (index >= 0 && static_cast<std::size_t>(index) < items_.size()) ? index : -1;
}

void UpdateListHorizontalExtent(ListBox& list) {
    int widest = 0;
    for (const std::string& item : list.Items()) {
        const int width = list.TextWidth ? list.TextWidth(item) : static_cast<int>(item.size()) * 6;
        if (width > widest)
            widest = width;
    }
    list.SetHorizontalExtent(2 * widest);
}

} // namespace vm
