// Moving another program's window: an asynchronous move and a round trip to
// the window's thread both wait until that thread reads its queue, after
// whatever its program does first.
#pragma once

#include "desktop_suite.h"

#include "platform/constants.h"

namespace vm::desktop_suite {

inline Rect RectOf(Host& host, Hwnd window) {
    Rect rect;
    EXPECT_TRUE(host.Win().GetWindowRect(window, rect));
    return rect;
}

// A program that shows its window at the top and, before it reads its queue,
// puts it at its own place: a move asked for meanwhile comes after, with the
// rectangle it was asked with.
inline void AnAsynchronousMoveWaitsForTheWindowsThread(Host& host) {
    const Hwnd window = OtherProgramWindow(host, {100, 0, 500, 300});
    ASSERT_NE(window, Hwnd{0});
    host.OtherBusy(150, [window](IWindowSystem& win) {
        win.SetWindowPos(window, 0, 120, 200, 400, 300, swp::NOZORDER | swp::NOACTIVATE);
    });
    EXPECT_TRUE(host.Win().SetWindowPos(window, 0, 100, 30, 400, 300,
                                        swp::NOZORDER | swp::NOACTIVATE | swp::ASYNCWINDOWPOS));
    EXPECT_EQ(RectOf(host, window), (Rect{100, 0, 500, 300})) << "carried out at once";
    host.Pump(400);
    EXPECT_EQ(RectOf(host, window), (Rect{100, 30, 500, 330}))
        << "the program's own placement came first and was undone";
}

// SendMessageCallback returns at once; its answer comes once the window's
// thread has read its queue, when what its program did first shows.
inline void ARoundTripAnswersOnceTheThreadHasReadItsQueue(Host& host) {
    const Hwnd window = OtherProgramWindow(host, {100, 0, 500, 300});
    ASSERT_NE(window, Hwnd{0});
    host.OtherBusy(150, [window](IWindowSystem& win) {
        win.SetWindowPos(window, 0, 120, 200, 400, 300, swp::NOZORDER | swp::NOACTIVATE);
    });
    int answers = 0;
    Rect seen;
    EXPECT_TRUE(host.Win().SendMessageCallbackW(
        window, wm::NULL_, 0, 0, [&](Hwnd answered, std::uint32_t msg, std::intptr_t) {
            ++answers;
            EXPECT_EQ(answered, window);
            EXPECT_EQ(msg, wm::NULL_);
            seen = RectOf(host, window);
        }));
    EXPECT_EQ(answers, 0);
    host.Pump(50);
    EXPECT_EQ(answers, 0) << "answered while the thread was busy";
    host.Pump(400);
    EXPECT_EQ(answers, 1);
    EXPECT_EQ(seen, (Rect{120, 200, 520, 500}));
}

// To a window of the caller's own thread the procedure runs at once, and so
// does the callback, before the call returns.
inline void ARoundTripToOwnWindowAnswersAtOnce(Host& host) {
    int procCalls = 0;
    const Hwnd own = host.Win().CreateProgramWindow(
        {.className = "VelmoraContractOwn",
         .style = ws::POPUP,
         .width = 10,
         .height = 10,
         .proc = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
             if (msg == wm::NULL_) {
                 ++procCalls;
                 return MsgResult{7};
             }
             return MsgResult{};
         }});
    ASSERT_NE(own, Hwnd{0});
    std::intptr_t answer = -1;
    EXPECT_TRUE(host.Win().SendMessageCallbackW(
        own, wm::NULL_, 0, 0, [&](Hwnd, std::uint32_t, std::intptr_t result) { answer = result; }));
    EXPECT_EQ(procCalls, 1);
    EXPECT_EQ(answer, 7);
    host.Win().DestroyWindow(own);
}

} // namespace vm::desktop_suite

#define VELMORA_DESKTOP_MOVES_CONTRACT(Fixture)                                                    \
    TEST_F(Fixture, AnAsynchronousMoveWaitsForTheWindowsThread) {                                  \
        desktop_suite::AnAsynchronousMoveWaitsForTheWindowsThread(*this);                          \
    }                                                                                              \
    TEST_F(Fixture, ARoundTripAnswersOnceTheThreadHasReadItsQueue) {                               \
        desktop_suite::ARoundTripAnswersOnceTheThreadHasReadItsQueue(*this);                       \
    }                                                                                              \
    TEST_F(Fixture, ARoundTripToOwnWindowAnswersAtOnce) {                                          \
        desktop_suite::ARoundTripToOwnWindowAnswersAtOnce(*this);                                  \
    }
