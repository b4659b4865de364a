// An unsorted list of ANSI strings with the list box's exact-string search.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/control.h"

namespace vm {

class ListBox : public Control {
public:
    explicit ListBox(std::string name) : Control(std::move(name)) {}

    const std::vector<std::string>& Items() const { return items_; }
    std::size_t Count() const { return items_.size(); }
    void Add(std::string item) { items_.push_back(std::move(item)); }
    void Clear();
    // Deletes the item at index; an index outside the list deletes nothing.
    void Delete(int index);

    // Index of the first item equal to text as a whole string, ignoring the
    // case of ASCII letters; -1 when there is none.
    int FindStringExact(std::string_view text) const;

    // The selected line, -1 for none.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    int HorizontalExtent() const { return horizontalExtent_; }
    void SetHorizontalExtent(int extent) { horizontalExtent_ = extent; }

    // Pixel width of a line in the list's font. The real list measures with
    // its font; alone, the model counts 6 pixels a byte.
    std::function<int(const std::string&)> TextWidth;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int horizontalExtent_ = 0;
};

// Lets the list scroll sideways over its widest line: the extent is twice
// the widest line's pixel width, 0 for an empty list.
void UpdateListHorizontalExtent(ListBox& list);

} // namespace vm
