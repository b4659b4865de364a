#include "ui/track_bar.h"

#include <algorithm>

namespace vm {

void TrackBar::Store(int position) {
    if (window_ != 0)
        Send(tbm::SETPOS, 1, position);
    else
        position_ = position;
}

void TrackBar::SetPosition(int position) {
    const int min = Min();
    const int clamped = std::clamp(position, min, std::max(min, Max()));
    if (clamped == Position())
        return;
    Store(clamped);
    if (OnChange)
        OnChange();
}

void TrackBar::SetRange(int min, int max) {
    max = std::max(min, max);
    const int before = Position();
    if (window_ != 0) {
        Send(tbm::SETRANGEMIN, 0, min);
        Send(tbm::SETRANGEMAX, 1, max);
    } else {
        min_ = min;
        max_ = max;
    }
    // The control may or may not have moved the thumb into the new range.
    const int clamped = std::clamp(before, min, max);
    if (Position() != clamped)
        Store(clamped);
    if (clamped != before && OnChange)
        OnChange();
}

void TrackBar::HandOver() {
    Send(tbm::SETRANGEMIN, 0, min_);
    Send(tbm::SETRANGEMAX, 0, max_);
    Send(tbm::SETPOS, 1, position_);
}

} // namespace vm
