// An unsorted list of ANSI strings with the list box's exact-string search.
#pragma once

#include <cstddef>
#include <cstdint>
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

    std::vector<std::string> Items() const;
    std::size_t Count() const;
    void Add(const std::string& item);
    void Clear();
    // Deletes the line at index; an index outside the list deletes nothing.
    // Deleting the selected line leaves none selected.
    void Delete(int index);
    // Counts the changes of the lines (only the program changes them), so
    // a copy of them can tell whether it is still current.
    std::uint64_t Revision() const { return revision_; }

    // Index of the first line equal to text as a whole string, ignoring the
    // letter case (on Windows as the list box compares, in the simulation
    // the ASCII letters); -1 when there is none.
    int FindStringExact(std::string_view text) const;

    // The selected line, -1 for none. Setting it notifies nobody.
    int ItemIndex() const;
    void SetItemIndex(int index);

    int HorizontalExtent() const;
    void SetHorizontalExtent(int extent);

    // The user changed the selection.
    void Notify(std::uint32_t code) override {
        if (code == lbn::SELCHANGE && OnClick)
            OnClick();
    }

    // Pixel width of a line in the list's font. The real list measures with
    // its font; alone, the model counts 6 pixels a byte.
    std::function<int(const std::string&)> TextWidth;
    Handler OnClick;

protected:
    const char* ClassName() const override { return control_class::LISTBOX; }
    std::uint32_t KindStyle() const override {
        return lbs::NOTIFY | lbs::NOINTEGRALHEIGHT | ws::VSCROLL | ws::HSCROLL | ws::TABSTOP;
    }
    void HandOver() override;

private:
    std::vector<std::string> items_;
    std::uint64_t revision_ = 0;
    int itemIndex_ = -1;
    int horizontalExtent_ = 0;
};

// Lets the list scroll sideways over its widest line: the extent is twice
// the widest line's pixel width, 0 for an empty list.
void UpdateListHorizontalExtent(ListBox& list);

} // namespace vm
