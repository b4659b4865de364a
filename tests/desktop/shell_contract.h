// What the rules about today's shell rely on, shown on both desktops: a
// maximized window overhangs its work area by the frame and its padding as
// the system reports them at the window's DPI.
#pragma once

#include <cstdint>

#include <gtest/gtest.h>

#include "desktop_suite.h"
#include "platform/constants.h"
#include "platform/platform.h"
#include "window_info/window_state.h"

namespace vm::desktop_suite::shell {

inline Hwnd OpenOwnWindow(Host& host, std::uint32_t exStyle, std::uint32_t style) {
    return host.Win().CreateProgramWindow(
        {.className = "VelmoraShellContract",
         .title = "Velmora shell contract",
         .style = style,
         .exStyle = exStyle,
         .x = 100,
         .y = 100,
         .width = 400,
         .height = 300,
         .proc = [](Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) { return MsgResult{}; }});
}

inline void MaximizedOverhangIsTheFrameAndItsPaddingAtTheWindowsDpi(Host& host) {
    IWindowSystem& win = host.Win();
    const Hwnd window = OpenOwnWindow(host, 0, ws::OVERLAPPEDWINDOW);
    ASSERT_NE(window, nullptr);
    win.ShowWindow(window, sw::MAXIMIZE);
    host.Pump(50);
    // Without a window manager Wine maximizes only with "Managed" off,
    // which the end-to-end fixture sets in the tests' prefix.
    if (!win.IsZoomed(window)) {
        win.DestroyWindow(window);
        GTEST_SKIP() << "this display does not maximize windows";
    }
    Rect rect;
    ASSERT_TRUE(win.GetWindowRect(window, rect));
    MonitorInfo info;
    info.cbSize = 40;
    ASSERT_TRUE(
        win.GetMonitorInfoA(win.MonitorFromWindow(window, monitor::DEFAULTTONEAREST), info));
    Platform platform{win, host.Shell(), host.Os()};
    WindowState state(platform);
    const int overhang = state.MaximizedOverhang(window);
    EXPECT_GT(overhang, 0);
    EXPECT_EQ(info.rcWork.top - rect.top, overhang);
    EXPECT_EQ(info.rcWork.left - rect.left, overhang);
    win.DestroyWindow(window);
}

} // namespace vm::desktop_suite::shell

#define VELMORA_DESKTOP_SHELL_CONTRACT(Fixture)                                                    \
    TEST_F(Fixture, MaximizedOverhangIsTheFrameAndItsPaddingAtTheWindowsDpi) {                     \
        ::vm::desktop_suite::shell::MaximizedOverhangIsTheFrameAndItsPaddingAtTheWindowsDpi(       \
            *this);                                                                                \
    }
