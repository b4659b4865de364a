// The program's own windows on the real desktop: creation, finding, text,
// geometry, the messages the procedure declines, WM_COPYDATA, timers and the
// message loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

constexpr const char* kClass = "VelmoraBackendTest";
// "Velmora！ - 設定" in Shift-JIS.
constexpr const char* kCaption = "Velmora\x81I - \x90\xDD\x92\xE8";
// Messages the program never names but the system answers by default.
constexpr std::uint32_t kGetTextLength = 0x000E;

using Handler = std::function<MsgResult(Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t)>;

class ProgramWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = win.CreateProgramWindow(
            {.className = kClass,
             .title = kCaption,
             .style = ws::OVERLAPPEDWINDOW,
             .x = 100,
             .y = 100,
             .width = 300,
             .height = 200,
             .proc = [this](Hwnd self, std::uint32_t msg, std::uintptr_t wParam,
                            std::intptr_t lParam) {
                 seen.push_back(msg);
                 return onMessage ? onMessage(self, msg, wParam, lParam) : MsgResult{};
             }});
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override {
        onMessage = nullptr;
        if (win.IsWindow(window)) {
            win.DestroyWindow(window);
        }
        win.ProcessMessages();
    }

    bool Saw(std::uint32_t msg) const {
        return std::find(seen.begin(), seen.end(), msg) != seen.end();
    }

    Win32Platform backend;
    IWindowSystem& win = backend.platform().win;
    Hwnd window = 0;
    std::vector<std::uint32_t> seen;
    Handler onMessage;
};

TEST_F(ProgramWindowTest, IsFoundByClassAndShiftJisCaptionAndEnumerated) {
    EXPECT_EQ(win.FindWindowA(kClass, kCaption), window);
    EXPECT_EQ(win.FindWindowA(kClass, nullptr), window);
    EXPECT_EQ(win.FindWindowA(kClass, "Velmora"), nullptr);

    char text[64] = {};
    ASSERT_EQ(win.GetWindowTextA(window, text, sizeof(text)),
              static_cast<int>(std::strlen(kCaption)));
    EXPECT_STREQ(text, kCaption);
    EXPECT_EQ(win.GetWindowTextLengthA(window), static_cast<int>(std::strlen(kCaption)));
    // The caption is code page 932 text.
    char16_t wide[32] = {};
    win.GetWindowTextW(window, wide, 32);
    EXPECT_EQ(std::u16string(wide), u"Velmora\uFF01 - \u8A2D\u5B9A");
    char className[64] = {};
    win.GetClassNameA(window, className, sizeof(className));
    EXPECT_STREQ(className, kClass);

    bool found = false;
    win.EnumWindows([&](Hwnd w) {
        found = found || w == window;
        return !found;
    });
    EXPECT_TRUE(found);
}

TEST_F(ProgramWindowTest, AnErrorInAnEnumerationCallbackEndsTheWalkAndReachesTheCaller) {
    // As on the simulated desktop: the caller's guard sees the error.
    int visited = 0;
    EXPECT_THROW(win.EnumWindows([&](Hwnd) -> bool {
        ++visited;
        throw std::runtime_error("fails inside the pass");
    }),
                 std::runtime_error);
    EXPECT_EQ(visited, 1);
    EXPECT_THROW(win.EnumDisplayMonitors([](HMonitor) -> bool { throw std::runtime_error("x"); }),
                 std::runtime_error);
}

TEST_F(ProgramWindowTest, MovedRectangleIsReadBack) {
    ASSERT_TRUE(win.MoveWindow(window, 40, 60, 320, 240, true));
    Rect r;
    ASSERT_TRUE(win.GetWindowRect(window, r));
    EXPECT_EQ(r, (Rect{40, 60, 360, 300}));

    win.DestroyWindow(window);
    EXPECT_FALSE(win.IsWindow(window));
    EXPECT_FALSE(win.GetWindowRect(window, r));
}

TEST_F(ProgramWindowTest, IsOnOneOfTheDisplayMonitors) {
    const HMonitor nearest = win.MonitorFromWindow(window, monitor::DEFAULTTONEAREST);
    std::vector<HMonitor> monitors;
    win.EnumDisplayMonitors([&](HMonitor m) {
        monitors.push_back(m);
        return true;
    });
    ASSERT_FALSE(monitors.empty());
    EXPECT_NE(std::find(monitors.begin(), monitors.end(), nearest), monitors.end());

    MonitorInfo info;
    ASSERT_TRUE(win.GetMonitorInfoA(nearest, info));
    EXPECT_GT(info.rcMonitor.Width(), 0);
    EXPECT_LE(info.rcWork.Height(), info.rcMonitor.Height());
    if (monitors.size() == 1) {
        EXPECT_EQ(info.rcMonitor.Width(), win.GetSystemMetrics(sm::CXSCREEN));
        EXPECT_EQ(info.rcMonitor.Height(), win.GetSystemMetrics(sm::CYSCREEN));
    }
}

// The procedure's answer is the result of what it handles; what it declines
// keeps the default handling, and a WM_CLOSE it handles destroys nothing.
TEST_F(ProgramWindowTest, ProcedureAnswersWhatItHandlesAndDefaultAnswersTheRest) {
    const std::uint32_t registered = win.RegisterWindowMessageA("VelmoraBackendTestMessage");
    ASSERT_GE(registered, 0xC000u);
    onMessage = [registered](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
        return msg == wm::USER + 5 || msg == registered || msg == wm::CLOSE ? MsgResult{1234}
                                                                            : MsgResult{};
    };

    EXPECT_EQ(win.SendMessageA(window, wm::USER + 5, 0, 0), 1234);
    EXPECT_EQ(win.SendMessageA(window, registered, 0, 0), 1234);
    EXPECT_EQ(win.SendMessageA(window, kGetTextLength, 0, 0),
              static_cast<std::intptr_t>(std::strlen(kCaption)));
    EXPECT_TRUE(Saw(kGetTextLength));

    EXPECT_EQ(win.SendMessageA(window, wm::CLOSE, 0, 0), 1234);
    EXPECT_TRUE(win.IsWindow(window));
}

TEST_F(ProgramWindowTest, ExceptionOfTheProcedureIsDropped) {
    onMessage = [](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) -> MsgResult {
        if (msg == wm::USER + 2 || msg == kGetTextLength || msg == wm::CLOSE) {
            throw std::runtime_error("handler failed");
        }
        return msg == wm::USER + 3 ? MsgResult{7} : MsgResult{};
    };
    EXPECT_EQ(win.SendMessageA(window, wm::USER + 2, 0, 0), 0);
    EXPECT_EQ(win.SendMessageA(window, kGetTextLength, 0, 0),
              static_cast<std::intptr_t>(std::strlen(kCaption)));
    EXPECT_EQ(win.SendMessageA(window, wm::USER + 3, 0, 0), 7);
    // A close that failed is no close.
    win.SendMessageA(window, wm::CLOSE, 0, 0);
    EXPECT_TRUE(win.IsWindow(window));
}

TEST_F(ProgramWindowTest, CopyDataArrivesAsTheSentRecord) {
    std::uintptr_t data = 0;
    std::string bytes;
    onMessage = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t lParam) {
        if (msg == wm::COPYDATA) {
            const auto* cds = reinterpret_cast<const CopyDataStruct*>(lParam);
            data = cds->dwData;
            bytes.assign(static_cast<const char*>(cds->lpData), cds->cbData);
        }
        return MsgResult{};
    };
    const char show[] = "/Show";
    const CopyDataStruct sent{3, sizeof(show), show};
    win.SendMessageA(window, wm::COPYDATA, 0, reinterpret_cast<std::intptr_t>(&sent));
    EXPECT_EQ(data, 3u);
    EXPECT_EQ(bytes, std::string("/Show\0", 6));
}

TEST_F(ProgramWindowTest, TimerTicksThroughTheMessageLoopUntilQuit) {
    int ticks = 0;
    onMessage = [&](Hwnd self, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t) {
        if (msg == wm::TIMER && wParam == 7 && ++ticks == 3) {
            win.KillTimer(self, 7);
            win.PostQuitMessage(42);
        }
        return MsgResult{};
    };
    ASSERT_TRUE(win.SetTimer(window, 7, 10));
    EXPECT_EQ(win.RunMessageLoop(), 42);
    EXPECT_EQ(ticks, 3);
}

TEST_F(ProgramWindowTest, ProcessMessagesDispatchesAndLeavesQuitToTheLoop) {
    std::uintptr_t gotW = 0;
    std::intptr_t gotL = 0;
    onMessage = [&](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
        if (msg == wm::USER + 1) {
            gotW = wParam;
            gotL = lParam;
        }
        return MsgResult{};
    };
    ASSERT_TRUE(win.PostMessageA(window, wm::USER + 1, 5, -6));
    win.ProcessMessages();
    EXPECT_EQ(gotW, 5u);
    EXPECT_EQ(gotL, -6);

    win.PostQuitMessage(9);
    win.ProcessMessages();
    EXPECT_EQ(win.RunMessageLoop(), 9);
}

// The procedure may destroy its own window and go on; the window lets go of
// it once destroyed.
TEST_F(ProgramWindowTest, ProcedureOutlivesItsWindowOnlyWhileRunning) {
    auto token = std::make_shared<int>(0);
    const Hwnd own = win.CreateProgramWindow(
        {.className = kClass,
         .title = "closing",
         .style = ws::OVERLAPPEDWINDOW,
         .width = 100,
         .height = 100,
         .proc = [this, token](Hwnd self, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
             if (msg != wm::CLOSE)
                 return MsgResult{};
             win.DestroyWindow(self);
             ++*token;
             return MsgResult{0};
         }});
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(token.use_count(), 2); // here and in the window's procedure
    win.SendMessageA(own, wm::CLOSE, 0, 0);
    EXPECT_FALSE(win.IsWindow(own));
    EXPECT_EQ(*token, 1);
    EXPECT_EQ(token.use_count(), 1);
}

} // namespace
} // namespace vm
