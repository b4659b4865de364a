#include "ui/list_box.h"

#include "sys/text.h"

namespace vm {

void ListBox::Clear() {
  items_.clear();
  itemIndex_ = -1;
}

void ListBox::Delete(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) return;
  items_.erase(items_.begin() + index);
  itemIndex_ = -1;
}

int ListBox::FindStringExact(std::string_view text) const {
  for (std::size_t i = 0; i < items_.size(); ++i) {
    if (EqualsIgnoreCase(items_[i], text)) return static_cast<int>(i);
  }
  return -1;
}

void ListBox::SetItemIndex(int index) {
  itemIndex_ = (index >= 0 && static_cast<std::size_t>(index) < items_.size()) ? index : -1;
}

}  // namespace vm
