#include "ui/up_down.h"

#include <algorithm>

namespace vm {

void UpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    associate_.SetText(std::to_string(position_));
}

void UpDown::StepUp() {
    SetPosition(position_ >= max_ ? min_ : position_ + 1);
    if (OnClick)
        OnClick();
}

void UpDown::StepDown() {
    SetPosition(position_ <= min_ ? max_ : position_ - 1);
    if (OnClick)
        OnClick();
}

} // namespace vm
