#include "ui/list_box.h"

#include "encoding/text.h"

namespace vm {

std::vector<std::string> ListBox::Items() const {
    if (window_ == 0)
        return items_;
    std::vector<std::string> items;
    const auto count = static_cast<int>(Send(lb::GETCOUNT));
    for (int i = 0; i < count; ++i) {
        const std::intptr_t length = Send(lb::GETTEXTLEN, static_cast<std::uintptr_t>(i));
        std::string line(static_cast<std::size_t>(std::max<std::intptr_t>(length, 0)) + 1, '\0');
        const std::intptr_t copied = Send(lb::GETTEXT, static_cast<std::uintptr_t>(i),
                                          reinterpret_cast<std::intptr_t>(line.data()));
        line.resize(static_cast<std::size_t>(std::max<std::intptr_t>(copied, 0)));
        items.push_back(std::move(line));
    }
    return items;
}

std::size_t ListBox::Count() const {
    return window_ != 0 ? static_cast<std::size_t>(std::max<std::intptr_t>(Send(lb::GETCOUNT), 0))
                        : items_.size();
}

void ListBox::Add(const std::string& item) {
    ++revision_;
    if (window_ != 0)
        Send(lb::ADDSTRING, 0, reinterpret_cast<std::intptr_t>(item.c_str()));
    else
        items_.push_back(item);
}

void ListBox::Clear() {
    ++revision_;
    if (window_ != 0) {
        Send(lb::RESETCONTENT);
        return;
    }
    items_.clear();
    itemIndex_ = -1;
}

void ListBox::Delete(int index) {
    ++revision_;
    if (window_ != 0) {
        if (index >= 0)
            Send(lb::DELETESTRING, static_cast<std::uintptr_t>(index));
        return;
    }
    if (index < 0 || static_cast<std::size_t>(index) >= items_.size())
        return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index)
        itemIndex_ = -1;
    else if (itemIndex_ > index)
        --itemIndex_;
}

int ListBox::FindStringExact(std::string_view text) const {
    if (window_ != 0) {
        const std::string whole(text);
        return static_cast<int>(Send(lb::FINDSTRINGEXACT, static_cast<std::uintptr_t>(-1),
                                     reinterpret_cast<std::intptr_t>(whole.c_str())));
    }
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (EqualsIgnoreCase(items_[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

int ListBox::ItemIndex() const {
    return window_ != 0 ? static_cast<int>(Send(lb::GETCURSEL)) : itemIndex_;
}

void ListBox::SetItemIndex(int index) {
    if (window_ != 0) {
        Send(lb::SETCURSEL, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(index)));
        return;
    }
    itemIndex_ = (index >= 0 && static_cast<std::size_t>(index) < items_.size()) ? index : -1;
}

int ListBox::HorizontalExtent() const {
    return window_ != 0 ? static_cast<int>(Send(lb::GETHORIZONTALEXTENT)) : horizontalExtent_;
}

void ListBox::SetHorizontalExtent(int extent) {
    if (window_ != 0)
        Send(lb::SETHORIZONTALEXTENT, static_cast<std::uintptr_t>(extent));
    else
        horizontalExtent_ = extent;
}

void ListBox::HandOver() {
    for (const std::string& item : items_)
        Send(lb::ADDSTRING, 0, reinterpret_cast<std::intptr_t>(item.c_str()));
    Send(lb::SETCURSEL, static_cast<std::uintptr_t>(static_cast<std::intptr_t>(itemIndex_)));
    Send(lb::SETHORIZONTALEXTENT, static_cast<std::uintptr_t>(horizontalExtent_));
    items_.clear();
    itemIndex_ = -1;
    horizontalExtent_ = 0;
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
