// Closing windows, and the shell and system queries around the program's
// start: what the program relies on, checked on the simulated desktop and
// on the real one alike.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "desktop_suite.h"
#include "platform/constants.h"
#include "platform/program_window.h"

namespace vm::desktop_suite {

namespace close_contract {

// A window whose procedure writes down what it gets and declines all of it.
inline ProgramWindow DecliningWindow(IWindowSystem& win, const char* className, Hwnd owner,
                                     std::vector<std::uint32_t>& seen) {
    return ProgramWindow(win,
                         {.className = className,
                          .title = "close contract",
                          .style = ws::POPUP,
                          .x = 10,
                          .y = 10,
                          .width = 50,
                          .height = 50,
                          .owner = owner,
                          .proc = [&seen](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
                              if (msg == wm::CLOSE || msg == wm::DESTROY || msg == wm::SYSCOMMAND)
                                  seen.push_back(msg);
                              return MsgResult{};
                          }});
}

inline bool Saw(const std::vector<std::uint32_t>& seen, std::uint32_t msg) {
    for (const std::uint32_t m : seen) {
        if (m == msg)
            return true;
    }
    return false;
}

} // namespace close_contract

// A WM_CLOSE the procedure declines gets the default handling: the window is
// destroyed, and with it every window it owns (each told WM_DESTROY).
inline void DeclinedCloseDestroysTheWindowAndItsOwnedWindows(Host& host) {
    IWindowSystem& win = host.Win();
    std::vector<std::uint32_t> ownerSeen;
    std::vector<std::uint32_t> ownedSeen;
    ProgramWindow owner = close_contract::DecliningWindow(win, "CloseContractOwner", 0, ownerSeen);
    ASSERT_TRUE(owner);
    ProgramWindow owned =
        close_contract::DecliningWindow(win, "CloseContractOwned", owner.Get(), ownedSeen);
    ASSERT_TRUE(owned);
    win.SendMessageA(owner.Get(), wm::CLOSE, 0, 0);
    EXPECT_FALSE(win.IsWindow(owner.Get()));
    EXPECT_FALSE(win.IsWindow(owned.Get()));
    EXPECT_TRUE(close_contract::Saw(ownedSeen, wm::DESTROY));
    EXPECT_TRUE(close_contract::Saw(ownerSeen, wm::DESTROY));
}

// The system menu's close (Alt+F4) declined by the procedure becomes a
// WM_CLOSE, which, declined too, destroys the window.
inline void DeclinedSysCommandCloseSendsClose(Host& host) {
    IWindowSystem& win = host.Win();
    std::vector<std::uint32_t> seen;
    ProgramWindow window = close_contract::DecliningWindow(win, "CloseContractAltF4", 0, seen);
    ASSERT_TRUE(window);
    const Hwnd target = window.Get();
    win.SendMessageA(target, wm::SYSCOMMAND, sc::CLOSE, 0);
    EXPECT_EQ(seen.size() >= 2 ? seen[0] : 0u, wm::SYSCOMMAND);
    EXPECT_TRUE(close_contract::Saw(seen, wm::CLOSE));
    EXPECT_FALSE(win.IsWindow(target));
}

// A window that answers WM_CLOSE itself stays; so does the window it owns.
inline void AnAnsweredCloseLeavesTheWindows(Host& host) {
    IWindowSystem& win = host.Win();
    int closes = 0;
    ProgramWindow owner(win,
                        {.className = "CloseContractAnswers",
                         .title = "close contract",
                         .style = ws::POPUP,
                         .x = 10,
                         .y = 10,
                         .width = 50,
                         .height = 50,
                         .proc = [&closes](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
                             if (msg != wm::CLOSE)
                                 return MsgResult{};
                             ++closes;
                             return MsgResult{0};
                         }});
    std::vector<std::uint32_t> ownedSeen;
    ProgramWindow owned =
        close_contract::DecliningWindow(win, "CloseContractOwned2", owner.Get(), ownedSeen);
    ASSERT_TRUE(owner && owned);
    win.SendMessageA(owner.Get(), wm::CLOSE, 0, 0);
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(win.IsWindow(owner.Get()));
    EXPECT_TRUE(win.IsWindow(owned.Get()));
}

// The shell's file icon, asked for once COM is entered (the shell asks for
// it; the simulated desktop refuses the icon without it, which Windows does
// not promise to do, and Wine gives it anyway).
inline void TheFileIconComesOnceComIsEntered(Host& host) {
    IOperatingSystem& os = host.Os();
    const std::string exe = os.GetModuleFileNameA();
    const std::string path = exe.substr(0, exe.find_last_of('\\') + 1) + "close_contract.txt";
    ASSERT_TRUE(os.WriteWholeFile(path, "text"));
    ASSERT_TRUE(os.CoInitialize());
    ShFileInfo info;
    EXPECT_NE(host.Shell().SHGetFileInfoA(path.c_str(), 0, info, shgfi::ICON), 0u);
    EXPECT_NE(info.hIcon, HIcon{});
    if (info.hIcon != HIcon{})
        host.Win().DestroyIcon(info.hIcon);
    os.CoUninitialize();
    os.DeleteFileA(path);
}

// SPI_GETNONCLIENTMETRICS gives the message font at the system DPI whatever
// the process's awareness; SystemParametersInfoForDpi (Windows 10 1607 on,
// Wine 8) gives it at any DPI.
inline void TheMessageFontFollowsTheSystemDpiAndThePerDpiQueryAnyDpi(Host& host) {
    IWindowSystem& win = host.Win();
    const std::uint32_t system = win.GetDpiForSystem();
    ASSERT_GE(system, 96u);
    NonClientMetrics atSystem;
    ASSERT_TRUE(win.GetNonClientMetricsA(atSystem));
    ASSERT_NE(atSystem.lfMessageFont.lfHeight, 0);
    NonClientMetrics same;
    if (!win.GetNonClientMetricsForDpi(same, system))
        GTEST_SKIP() << "the system has no SystemParametersInfoForDpi";
    EXPECT_EQ(same.lfMessageFont.lfHeight, atSystem.lfMessageFont.lfHeight);
    EXPECT_STREQ(same.lfMessageFont.lfFaceName, atSystem.lfMessageFont.lfFaceName);
    NonClientMetrics doubled;
    ASSERT_TRUE(win.GetNonClientMetricsForDpi(doubled, system * 2));
    EXPECT_LE(std::abs(doubled.lfMessageFont.lfHeight - 2 * atSystem.lfMessageFont.lfHeight), 1);
}

} // namespace vm::desktop_suite

#define VELMORA_DESKTOP_CLOSE_CONTRACT(Fixture)                                                    \
    TEST_F(Fixture, DeclinedCloseDestroysTheWindowAndItsOwnedWindows) {                            \
        vm::desktop_suite::DeclinedCloseDestroysTheWindowAndItsOwnedWindows(*this);                \
    }                                                                                              \
    TEST_F(Fixture, DeclinedSysCommandCloseSendsClose) {                                           \
        vm::desktop_suite::DeclinedSysCommandCloseSendsClose(*this);                               \
    }                                                                                              \
    TEST_F(Fixture, AnAnsweredCloseLeavesTheWindows) {                                             \
        vm::desktop_suite::AnAnsweredCloseLeavesTheWindows(*this);                                 \
    }                                                                                              \
    TEST_F(Fixture, TheFileIconComesOnceComIsEntered) {                                            \
        vm::desktop_suite::TheFileIconComesOnceComIsEntered(*this);                                \
    }                                                                                              \
    TEST_F(Fixture, TheMessageFontFollowsTheSystemDpiAndThePerDpiQueryAnyDpi) {                    \
        vm::desktop_suite::TheMessageFontFollowsTheSystemDpiAndThePerDpiQueryAnyDpi(*this);        \
    }
