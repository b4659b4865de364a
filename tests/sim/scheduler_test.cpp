// Virtual time: scene events, posted messages, timers and the end of a
// message loop come in the order Windows would deliver them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {
namespace {

constexpr std::uint32_t kPing = wm::USER + 1;
constexpr std::uint32_t kPong = wm::USER + 2;

class SchedulerTest : public ::testing::Test {
protected:
    SchedulerTest()
        : pid(desk.addProcess("C:\\Tools\\velmora.exe")), platform(desk.platformFor(pid)) {
        window = platform.win.CreateProgramWindow(
            {.className = "TMainForm",
             .width = 100,
             .height = 100,
             .proc = [this](Hwnd, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t) {
                 seen.push_back(std::to_string(desk.scheduler().now()) + ":" + name(msg) +
                                std::to_string(wParam));
                 if (onMessage)
                     onMessage(msg);
                 return MsgResult{};
             }});
    }

    static std::string name(std::uint32_t msg) {
        switch (msg) {
            case wm::TIMER:
                return "timer";
            case kPing:
                return "ping";
            case kPong:
                return "pong";
            default:
                return "msg" + std::to_string(msg) + "/";
        }
    }

    SimDesktop desk;
    std::uint32_t pid;
    Platform platform;
    Hwnd window = 0;
    std::vector<std::string> seen;
    std::function<void(std::uint32_t)> onMessage;
};

TEST_F(SchedulerTest, PostedMessagesComeBeforeTimersAndALateTimerFiresOnce) {
    ASSERT_TRUE(platform.win.SetTimer(window, 1, 250));
    ASSERT_TRUE(platform.win.PostMessageA(window, kPing, 0, 0));
    bool slept = false;
    onMessage = [&](std::uint32_t msg) {
        if (msg == wm::TIMER && !slept) {
            slept = true;
            platform.os.Sleep(400);
        }
    };
    desk.scheduler().advance(1000);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"0:ping0", "250:timer1", "650:timer1", "900:timer1"}));
    EXPECT_EQ(desk.scheduler().now(), 1000u);
    EXPECT_EQ(platform.os.GetTickCount(), 1000u);
}

TEST_F(SchedulerTest, SleepRunsOtherProgramsButDispatchesNothing) {
    platform.win.SetTimer(window, 1, 100);
    platform.win.PostMessageA(window, kPing, 0, 0);
    const std::uint32_t other = desk.addProcess("C:\\Apps\\edit.exe");
    desk.scheduler().at(150, [&] { desk.addWindow({.className = "Late", .pid = other}); });
    platform.os.Sleep(300);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(desk.scheduler().longestWaitMs(pid), 300u);
    EXPECT_EQ(desk.scheduler().longestWaitMs(other), 0u);
    EXPECT_NE(platform.win.FindWindowA("Late", nullptr), nullptr);
    // Only what was waiting: the ping, then one timer message.
    desk.scheduler().advance(0);
    EXPECT_EQ(seen, (std::vector<std::string>{"300:ping0", "300:timer1"}));
}

// A thread that does not read its queue gets neither posted messages nor
// timers, counts as hung only after 5 s, and holds up a synchronous change
// of its window (the caller waits, virtual time passing) but never an
// asynchronous one.
TEST_F(SchedulerTest, AThreadThatReadsNoMessagesHoldsUpOnlySynchronousCalls) {
    const std::uint32_t other = desk.addProcess("C:\\Apps\\edit.exe");
    IWindowSystem& otherWin = desk.platformFor(other).win;
    std::vector<std::string> otherSeen;
    const Hwnd note = otherWin.CreateProgramWindow(
        {.className = "Note",
         .width = 100,
         .height = 100,
         .proc = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
             otherSeen.push_back(std::to_string(desk.scheduler().now()) + ":" + name(msg));
             return MsgResult{};
         }});
    otherWin.SetTimer(note, 1, 1000);
    platform.win.SetTimer(window, 1, 1000);
    desk.setBusy(other, 7000);
    platform.win.PostMessageA(note, kPing, 0, 0);
    desk.scheduler().advance(4900);
    EXPECT_TRUE(otherSeen.empty());
    EXPECT_EQ(seen.size(), 4u) << "our own timer goes on";
    EXPECT_FALSE(desk.scheduler().hung(other));
    std::uintptr_t answer = 0;
    EXPECT_EQ(platform.win.SendMessageTimeoutA(note, kPong, 0, 0, smto::ABORTIFHUNG, 500, &answer),
              0);
    EXPECT_EQ(desk.scheduler().now(), 5400u) << "not hung yet: the whole time-out";
    EXPECT_TRUE(desk.scheduler().hung(other));
    EXPECT_EQ(platform.win.SendMessageTimeoutA(note, kPong, 0, 0, smto::ABORTIFHUNG, 500, &answer),
              0);
    EXPECT_EQ(desk.scheduler().now(), 5400u);
    EXPECT_TRUE(platform.win.SetWindowPos(note, 0, 0, 40, 0, 0,
                                          swp::NOSIZE | swp::NOZORDER | swp::ASYNCWINDOWPOS));
    EXPECT_EQ(desk.scheduler().now(), 5400u);
    desk.scheduler().resetLongestWaits();
    EXPECT_TRUE(platform.win.SetWindowPos(note, 0, 0, 80, 0, 0, swp::NOSIZE | swp::NOZORDER));
    EXPECT_EQ(desk.scheduler().now(), 7000u) << "blocked until the thread reads its queue";
    EXPECT_EQ(desk.scheduler().longestWaitMs(pid), 1600u);
    EXPECT_EQ(desk.scheduler().frozenCalls(), 1u);
    desk.scheduler().advance(0);
    // Its queue in order, one late timer; the asynchronous move after the
    // synchronous one.
    EXPECT_EQ(otherSeen, (std::vector<std::string>{"7000:ping", "7000:timer"}));
    EXPECT_EQ(desk.windows().window(note).rect.top, 40);
}

TEST_F(SchedulerTest, QuitEndsTheLoopAfterTheMessagesPostedBeforeItAndStopsTimers) {
    platform.win.SetTimer(window, 1, 250);
    desk.scheduler().at(100, [&] { platform.win.PostMessageA(window, kPing, 0, 0); });
    onMessage = [&](std::uint32_t msg) {
        if (msg == kPing) {
            platform.win.PostMessageA(window, kPong, 7, 0);
            platform.win.PostQuitMessage(3);
            EXPECT_EQ(desk.scheduler().exitCodeOf(pid), 3);
        }
    };
    EXPECT_EQ(desk.scheduler().exitCodeOf(pid), -1);
    EXPECT_EQ(platform.win.RunMessageLoop(), 3);
    EXPECT_EQ(seen, (std::vector<std::string>{"100:ping0", "100:pong7"}));
    desk.scheduler().advance(1000);
    EXPECT_EQ(seen.size(), 2u);
}

TEST_F(SchedulerTest, MessageLoopGivesUpWhenNothingCanEverArrive) {
    EXPECT_EQ(platform.win.RunMessageLoop(), -1);
    EXPECT_EQ(desk.scheduler().now(), 0u);

    // A timer that never quits: the loop gives up after a virtual day.
    platform.win.SetTimer(window, 1, 60000);
    EXPECT_EQ(platform.win.RunMessageLoop(), -1);
    EXPECT_EQ(desk.scheduler().now(), 24u * 60 * 60 * 1000);
}

TEST_F(SchedulerTest, ProcessMessagesDispatchesOnlyWhatIsAlreadyWaiting) {
    platform.win.SetTimer(window, 1, 10);
    desk.scheduler().at(0, [] {});
    platform.win.PostMessageA(window, kPing, 0, 0);
    onMessage = [&](std::uint32_t msg) {
        if (msg == kPing)
            platform.win.PostMessageA(window, kPong, 0, 0);
    };
    platform.win.ProcessMessages();
    EXPECT_EQ(seen, (std::vector<std::string>{"0:ping0"}));
}

TEST_F(SchedulerTest, ProgramWindowsHearOfShowingDestructionAndCopyData) {
    const std::uint32_t other = desk.addProcess("C:\\Tools\\velmora.exe");
    IWindowSystem& otherWin = desk.platformFor(other).win;
    const char text[] = "/Show";
    CopyDataStruct data{1, sizeof text, text};
    std::string received;
    onMessage = [&](std::uint32_t msg) {
        if (msg == wm::DESTROY)
            platform.win.PostQuitMessage(0);
    };
    desk.windows().window(window).proc = [&, proc = desk.windows().window(window).proc](
                                             Hwnd h, std::uint32_t msg, std::uintptr_t w,
                                             std::intptr_t l) {
        if (msg == wm::COPYDATA)
            received = static_cast<const char*>(reinterpret_cast<const CopyDataStruct*>(l)->lpData);
        return proc(h, msg, w, l);
    };
    EXPECT_EQ(
        otherWin.SendMessageA(window, wm::COPYDATA, 0, reinterpret_cast<std::intptr_t>(&data)), 0);
    EXPECT_EQ(received, "/Show");

    platform.win.ShowWindow(window, sw::SHOW);
    platform.win.ShowWindow(window, sw::SHOW);
    EXPECT_FALSE(otherWin.DestroyWindow(window));
    EXPECT_TRUE(platform.win.DestroyWindow(window));
    EXPECT_FALSE(desk.windows().exists(window));
    EXPECT_EQ(seen, (std::vector<std::string>{"0:msg74/0", "0:msg24/1", "0:msg2/0"}));
    EXPECT_EQ(desk.scheduler().exitCodeOf(pid), 0);
}

} // namespace
} // namespace vm::sim
