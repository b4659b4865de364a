// The foreground lock: who may bring a window to the front, and how the
// program's helper gets past it.
#include <gtest/gtest.h>

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {
namespace {

class ForegroundTest : public ::testing::Test {
protected:
    ForegroundTest()
        : pid(desk.addProcess("C:\\Tools\\velmora.exe")),
          otherPid(desk.addProcess("C:\\Apps\\edit.exe")), win(desk.platformFor(pid).win) {
        desk.windows().setForegroundLock(true);
        front = desk.addWindow({.pid = otherPid});
        target = desk.addWindow({});
        desk.windows().setForeground(front);
    }

    std::uint32_t thread(Hwnd window) { return win.GetWindowThreadProcessId(window, nullptr); }

    SimDesktop desk;
    std::uint32_t pid;
    std::uint32_t otherPid;
    IWindowSystem& win;
    Hwnd front = 0;
    Hwnd target = 0;
};

TEST_F(ForegroundTest, LockedForegroundRefusesAStrangerButNotTheForegroundProcess) {
    EXPECT_FALSE(win.SetForegroundWindow(target));
    EXPECT_EQ(win.GetForegroundWindow(), front);

    IWindowSystem& owner = desk.platformFor(otherPid).win;
    EXPECT_TRUE(owner.SetForegroundWindow(target));
    EXPECT_EQ(win.GetForegroundWindow(), target);
    EXPECT_EQ(desk.windows().zOrder().front(), target);

    desk.windows().setForegroundLock(false);
    EXPECT_TRUE(win.SetForegroundWindow(front));
    EXPECT_EQ(win.GetForegroundWindow(), front);
}

TEST_F(ForegroundTest, AttachedInputPassesTheLockUntilDetached) {
    const std::uint32_t targetThread = thread(target);
    const std::uint32_t frontThread = thread(front);
    EXPECT_FALSE(win.AttachThreadInput(targetThread, targetThread, true));
    EXPECT_FALSE(win.AttachThreadInput(targetThread, 7, true));

    ASSERT_TRUE(win.AttachThreadInput(targetThread, frontThread, true));
    ASSERT_TRUE(win.AttachThreadInput(targetThread, frontThread, false));
    EXPECT_FALSE(win.SetForegroundWindow(target));

    ASSERT_TRUE(win.AttachThreadInput(targetThread, frontThread, true));
    EXPECT_TRUE(win.SetForegroundWindow(target));
    EXPECT_EQ(win.GetForegroundWindow(), target);

    desk.windows().setAttachFails(true);
    EXPECT_FALSE(win.AttachThreadInput(targetThread, frontThread, false));
}

TEST_F(ForegroundTest, ZeroLockTimeoutOpensTheLockAndTheOldValueCanBePutBack) {
    std::uint32_t saved = 0;
    ASSERT_TRUE(win.SystemParametersInfoA(spi::GETFOREGROUNDLOCKTIMEOUT, 0, &saved, 0));
    EXPECT_EQ(saved, 200000u);
    // Refused to a process that could not take the foreground itself.
    EXPECT_FALSE(
        win.SystemParametersInfoA(spi::SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, spi::SENDCHANGE));
    EXPECT_FALSE(win.SetForegroundWindow(target));
    desk.windows().grantForegroundRight(pid);
    ASSERT_TRUE(
        win.SystemParametersInfoA(spi::SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, spi::SENDCHANGE));
    // The user activates a window; with the time-out at 0 a stranger may
    // still take the foreground, and the old value can be put back.
    desk.windows().setForeground(target);
    EXPECT_TRUE(desk.platformFor(otherPid).win.SetForegroundWindow(front));
    ASSERT_TRUE(win.SystemParametersInfoA(spi::SETFOREGROUNDLOCKTIMEOUT, 0,
                                          reinterpret_cast<void*>(std::uintptr_t{saved}),
                                          spi::SENDCHANGE));
    EXPECT_EQ(desk.windows().lockTimeout(), 200000u);
    EXPECT_FALSE(win.SetForegroundWindow(target));
}

} // namespace
} // namespace vm::sim
