// How the system treats another program's thread and window: a thread is
// reported hung only once it has not read its queue for 5 s, a foreground
// change tells both windows and both programs, and what a window's
// procedure declines gets the default answer.
#pragma once

#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "desktop_suite.h"
#include "platform/constants.h"
#include "platform/platform.h"
#include "platform/program_window.h"

namespace vm::desktop_suite::threads {

// What a window heard of activation and focus: the message and whether its
// wParam said "active".
using Heard = std::vector<std::pair<std::uint32_t, bool>>;

// Guarded: the other program's window hears on the other thread on Windows.
class Log {
public:
    void Add(std::uint32_t msg, std::uintptr_t wParam) {
        const std::lock_guard lock(mutex_);
        if (msg == wm::ACTIVATE || msg == wm::ACTIVATEAPP || msg == wm::NCACTIVATE)
            heard_.emplace_back(msg, (wParam & 0xFFFFu) != 0);
        else if (msg == wm::SETFOCUS || msg == wm::KILLFOCUS)
            heard_.emplace_back(msg, msg == wm::SETFOCUS);
    }
    Heard Take() {
        const std::lock_guard lock(mutex_);
        return std::exchange(heard_, {});
    }

private:
    std::mutex mutex_;
    Heard heard_;
};

inline ProgramWindowSpec ListeningWindow(const char* className, int x, Log& log) {
    return {.className = className,
            .title = "threads contract",
            .style = ws::OVERLAPPEDWINDOW | ws::VISIBLE,
            .x = x,
            .y = 200,
            .width = 300,
            .height = 200,
            .proc = [&log](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t) {
                log.Add(msg, wParam);
                return MsgResult{};
            }};
}

inline std::uint32_t Elapsed(IOperatingSystem& os, std::uint32_t start) {
    return os.GetTickCount() - start;
}

// Before 5 s without reading its queue the thread is not hung: a send with
// SMTO_ABORTIFHUNG waits its whole time-out. After, the send gives up at
// once; once the thread reads again, it answers.
inline void AThreadIsHungOnlyAfterFiveSecondsWithoutReadingItsQueue(Host& host) {
    IWindowSystem& win = host.Win();
    IOperatingSystem& os = host.Os();
    const Hwnd window = OtherProgramWindow(host, {200, 200, 500, 400});
    ASSERT_NE(window, nullptr);
    host.OtherBusy(7000, [](IWindowSystem&) {});
    std::uintptr_t result = 0;
    std::uint32_t start = os.GetTickCount();
    EXPECT_EQ(win.SendMessageTimeoutA(window, wm::NULL_, 0, 0, smto::ABORTIFHUNG, 1000, &result),
              0);
    EXPECT_GE(Elapsed(os, start), 900u);
    host.Pump(4700);
    start = os.GetTickCount();
    EXPECT_EQ(win.SendMessageTimeoutA(window, wm::NULL_, 0, 0, smto::ABORTIFHUNG, 1000, &result),
              0);
    EXPECT_LT(Elapsed(os, start), 500u);
    host.Pump(2000);
    EXPECT_NE(win.SendMessageTimeoutA(window, wm::NULL_, 0, 0, smto::ABORTIFHUNG, 1000, &result),
              0);
    host.OtherRun([window](IWindowSystem& other) { other.DestroyWindow(window); });
}

// The window that loses the foreground hears WM_NCACTIVATE and WM_ACTIVATE
// (inactive), its program WM_ACTIVATEAPP (FALSE), its focus WM_KILLFOCUS;
// the new one hears WM_ACTIVATEAPP, WM_NCACTIVATE and WM_ACTIVATE (active)
// in that order, then the focus (the default handling of WM_ACTIVATE).
inline void AForegroundChangeTellsBothWindowsAndBothPrograms(Host& host) {
    IWindowSystem& win = host.Win();
    Log ownLog;
    Log otherLog;
    ProgramWindow own(win, ListeningWindow("VelmoraThreadsOwn", 100, ownLog));
    ASSERT_TRUE(own);
    // Wine's own activation of the new window comes back from the X server:
    // it is let settle before the other program takes the foreground.
    host.Pump(300);
    Hwnd other = 0;
    // The program in front may hand the foreground on, under the lock too.
    host.OtherRun([&](IWindowSystem& otherWin) {
        other = otherWin.CreateProgramWindow(ListeningWindow("VelmoraThreadsOther", 500, otherLog));
        otherWin.SetForegroundWindow(other);
    });
    ASSERT_NE(other, nullptr);
    // Wine hands the foreground on through the X server: under load it may
    // take longer than one short pump.
    host.Pump(200);
    for (int i = 0; i < 20 && win.GetForegroundWindow() != other; ++i)
        host.Pump(100);
    ASSERT_EQ(win.GetForegroundWindow(), other);
    ownLog.Take();
    otherLog.Take();

    host.OtherRun([&](IWindowSystem& otherWin) { otherWin.SetForegroundWindow(own.Get()); });
    host.Pump(200);
    for (int i = 0; i < 20 && win.GetForegroundWindow() != own.Get(); ++i)
        host.Pump(100);
    EXPECT_EQ(win.GetForegroundWindow(), own.Get());
    const Heard left = otherLog.Take();
    const Heard came = ownLog.Take();
    const auto heard = [](const Heard& all, std::uint32_t msg, bool active) {
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (all[i] == std::make_pair(msg, active))
                return static_cast<int>(i);
        }
        return -1;
    };
    EXPECT_GE(heard(left, wm::NCACTIVATE, false), 0);
    EXPECT_GE(heard(left, wm::ACTIVATE, false), 0);
    EXPECT_GE(heard(left, wm::ACTIVATEAPP, false), 0);
    EXPECT_GE(heard(left, wm::KILLFOCUS, false), 0);
    const int app = heard(came, wm::ACTIVATEAPP, true);
    const int caption = heard(came, wm::NCACTIVATE, true);
    const int activate = heard(came, wm::ACTIVATE, true);
    const int focus = heard(came, wm::SETFOCUS, true);
    EXPECT_GE(app, 0);
    EXPECT_GT(caption, app);
    EXPECT_GT(activate, caption);
    EXPECT_GT(focus, activate);
    host.OtherRun([other](IWindowSystem& otherWin) { otherWin.DestroyWindow(other); });
}

// Another program's window whose procedure declines everything: the
// system's default handling answers the end of the session with TRUE,
// stores a new title, and carries out the system menu's minimize and
// restore.
inline void ADeclinedMessageGetsTheDefaultAnswer(Host& host) {
    IWindowSystem& win = host.Win();
    const Hwnd window = OtherProgramWindow(host, {200, 200, 500, 400});
    ASSERT_NE(window, nullptr);
    std::uintptr_t result = 0;
    ASSERT_NE(win.SendMessageTimeoutA(window, wm::QUERYENDSESSION, 0, 0, smto::ABORTIFHUNG, 1000,
                                      &result),
              0);
    EXPECT_EQ(result, 1u);
    const char title[] = "renamed by the contract";
    ASSERT_NE(win.SendMessageTimeoutA(window, wm::SETTEXT, 0,
                                      reinterpret_cast<std::intptr_t>(title), smto::ABORTIFHUNG,
                                      1000, &result),
              0);
    char read[64] = {};
    win.GetWindowTextA(window, read, sizeof read);
    EXPECT_STREQ(read, title);
    ASSERT_NE(win.SendMessageTimeoutA(window, wm::SYSCOMMAND, sc::MINIMIZE, 0, smto::ABORTIFHUNG,
                                      1000, &result),
              0);
    host.Pump(50);
    EXPECT_TRUE(win.IsIconic(window));
    ASSERT_NE(win.SendMessageTimeoutA(window, wm::SYSCOMMAND, sc::RESTORE, 0, smto::ABORTIFHUNG,
                                      1000, &result),
              0);
    host.Pump(50);
    EXPECT_FALSE(win.IsIconic(window));
    host.OtherRun([window](IWindowSystem& other) { other.DestroyWindow(window); });
}

} // namespace vm::desktop_suite::threads

#define VELMORA_DESKTOP_THREADS_CONTRACT(Fixture)                                                  \
    TEST_F(Fixture, AThreadIsHungOnlyAfterFiveSecondsWithoutReadingItsQueue) {                     \
        ::vm::desktop_suite::threads::AThreadIsHungOnlyAfterFiveSecondsWithoutReadingItsQueue(     \
            *this);                                                                                \
    }                                                                                              \
    TEST_F(Fixture, AForegroundChangeTellsBothWindowsAndBothPrograms) {                            \
        ::vm::desktop_suite::threads::AForegroundChangeTellsBothWindowsAndBothPrograms(*this);     \
    }                                                                                              \
    TEST_F(Fixture, ADeclinedMessageGetsTheDefaultAnswer) {                                        \
        ::vm::desktop_suite::threads::ADeclinedMessageGetsTheDefaultAnswer(*this);                 \
    }
