#include "ui/up_down.h"

#include <algorithm>

namespace vm {

int UpDown::Position() const {
    return window_ != 0 ? static_cast<int>(Send(udm::GETPOS32)) : position_;
}

void UpDown::SetPosition(int position) {
    const int clamped = std::clamp(position, min_, max_);
    if (window_ != 0)
        Send(udm::SETPOS32, 0, clamped);
    else
        position_ = clamped;
    associate_.SetValue(clamped);
}

void UpDown::StepUp() {
    const int position = Position();
    SetPosition(position >= max_ ? min_ : position + 1);
    if (OnClick)
        OnClick();
}

void UpDown::StepDown() {
    const int position = Position();
    SetPosition(position <= min_ ? max_ : position - 1);
    if (OnClick)
        OnClick();
}

void UpDown::HandOver() {
    Send(udm::SETBUDDY, associate_.Window().Value());
    Send(udm::SETRANGE32, static_cast<std::uintptr_t>(min_), max_);
    Send(udm::SETPOS32, 0, position_);
}

} // namespace vm
