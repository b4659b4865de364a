// The desktop contract: what the program relies on of the window system,
// written once and run on both backends (the simulated desktop natively, the
// real system under Wine), so that the simulation cannot drift from the real
// thing. Each topic's cases live in a header of their own beside this one.
// Where Wine differs from Windows, the case says so.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "platform/constants.h"
#include "platform/platform.h"

namespace vm::desktop_suite {

class Host {
public:
    virtual ~Host() = default;
    // The program under test, on the test's thread.
    virtual IWindowSystem& Win() = 0;
    virtual IOperatingSystem& Os() = 0;
    virtual IShell& Shell() = 0;
    // Runs action on another program's thread, with that thread's window
    // system, and waits for it to end.
    virtual void OtherRun(const std::function<void(IWindowSystem&)>& action) = 0;
    // The other program's thread reads no messages for busyMs, then runs
    // action, then reads its queue again. Returns once the busy time began.
    virtual void OtherBusy(std::uint32_t busyMs, std::function<void(IWindowSystem&)> action) = 0;
    // The test's thread reads its queue for ms (virtual time on the
    // simulated desktop).
    virtual void Pump(std::uint32_t ms) = 0;
};

// A plain window of the other program: captioned, sizable, visible.
inline Hwnd OtherProgramWindow(Host& host, Rect rect) {
    Hwnd window = 0;
    host.OtherRun([&](IWindowSystem& win) {
        window = win.CreateProgramWindow({.className = "VelmoraContractWindow",
                                          .title = "other",
                                          .style = ws::OVERLAPPEDWINDOW | ws::VISIBLE,
                                          .x = rect.left,
                                          .y = rect.top,
                                          .width = rect.Width(),
                                          .height = rect.Height(),
                                          .proc = [](Hwnd, std::uint32_t, std::uintptr_t,
                                                     std::intptr_t) { return MsgResult{}; }});
    });
    return window;
}

} // namespace vm::desktop_suite
