// The controller's timer, bound to a window-system timer of its window.
#pragma once

#include <cstdint>

#include "platform/window_system.h"
#include "ui/control.h"

namespace vm {

class Timer {
public:
    Timer(IWindowSystem& win, std::uintptr_t id, std::uint32_t intervalMs)
        : win_(win), id_(id), interval_(intervalMs) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // The window that receives WM_TIMER; set once it exists.
    void Bind(Hwnd owner) { owner_ = owner; }
    std::uintptr_t Id() const { return id_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const { return interval_; }
    void SetInterval(std::uint32_t intervalMs);

    // Runs OnTimer for a WM_TIMER of this timer while it is enabled.
    void Fire() {
        if (enabled_ && OnTimer)
            OnTimer();
    }

    Handler OnTimer;

private:
    IWindowSystem& win_;
    Hwnd owner_ = 0;
    std::uintptr_t id_;
    std::uint32_t interval_;
    bool enabled_ = false;
};

} // namespace vm
