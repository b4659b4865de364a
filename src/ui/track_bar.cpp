#include "ui/track_bar.h"

#include <algorithm>

namespace vm {

void TrackBar::SetPosition(int position) {
    const int clamped = std::clamp(position, min_, std::max(min_, max_));
    if (clamped == position_)
        return;
    position_ = clamped;
    if (OnChange)
        OnChange();
}

void TrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
}

} // namespace vm
