#include "ui/timer.h"

namespace vm {

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (owner_ == 0)
        return;
    if (enabled_) {
        win_.SetTimer(owner_, id_, interval_);
    } else {
        win_.KillTimer(owner_, id_);
    }
}

void Timer::SetInterval(std::uint32_t intervalMs) {
    interval_ = intervalMs;
    if (enabled_ && owner_ != 0)
        win_.SetTimer(owner_, id_, interval_);
}

} // namespace vm
