// What the shell and the system answer: the taskbar's appbar data, its
// restart broadcast, the user name's size protocol and the version.
#include <gtest/gtest.h>

#include <vector>

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {
namespace {

class ShellAndSystemTest : public ::testing::Test {
protected:
    ShellAndSystemTest()
        : pid(desk.addProcess("C:\\Tools\\velmora.exe")), platform(desk.platformFor(pid)) {}

    SimDesktop desk;
    std::uint32_t pid;
    Platform platform;
};

TEST_F(ShellAndSystemTest, AppBarAnswersFollowTheTaskbarAndItsSlidAwayRectangle) {
    AppBarData data;
    EXPECT_EQ(platform.shell.SHAppBarMessage(abm::GETTASKBARPOS, data), 0u);

    desk.addTaskbar({.edge = abe::TOP, .rect = {0, 0, 1024, 30}, .autoHide = true});
    desk.shellObjects().setAppBarRect({0, -28, 1024, 2});
    ASSERT_EQ(platform.shell.SHAppBarMessage(abm::GETTASKBARPOS, data), 1u);
    EXPECT_EQ(data.uEdge, abe::TOP);
    EXPECT_EQ(data.rc, (Rect{0, -28, 1024, 2}));
    EXPECT_EQ(platform.shell.SHAppBarMessage(abm::GETSTATE, data),
              abs_::AUTOHIDE | abs_::ALWAYSONTOP);
    EXPECT_EQ(desk.calls().back().args, "4,36");

    desk.setTaskbar({.edge = 7, .rect = {0, 738, 1024, 768}});
    platform.shell.SHAppBarMessage(abm::GETTASKBARPOS, data);
    EXPECT_EQ(data.uEdge, 7u);
    EXPECT_EQ(data.rc, (Rect{0, 738, 1024, 768}));
    Rect rect;
    platform.win.GetWindowRect(platform.win.FindWindowA("Shell_TrayWnd", ""), rect);
    EXPECT_EQ(rect, (Rect{0, 738, 1024, 768}));
    EXPECT_EQ(platform.shell.SHAppBarMessage(abm::GETSTATE, data), abs_::ALWAYSONTOP);

    desk.destroyWindow(desk.shellObjects().taskbar());
    EXPECT_EQ(platform.shell.SHAppBarMessage(abm::GETTASKBARPOS, data), 0u);
}

TEST_F(ShellAndSystemTest, ARestartedTaskbarAnnouncesItselfToProgramWindows) {
    std::vector<std::uint32_t> heard;
    const Hwnd window = platform.win.CreateProgramWindow(
        {.className = "TMainForm",
         .width = 10,
         .height = 10,
         .proc = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) {
             heard.push_back(msg);
             return MsgResult{};
         }});
    ASSERT_NE(window, nullptr);
    desk.addTaskbar();
    const std::uint32_t created = platform.win.RegisterWindowMessageA("TaskbarCreated");
    EXPECT_EQ(platform.win.RegisterWindowMessageA("taskbarcreated"), created);
    EXPECT_GE(created, 0xC000u);
    desk.destroyWindow(desk.shellObjects().taskbar());
    desk.addTaskbar();
    desk.scheduler().advance(0);
    EXPECT_EQ(heard, (std::vector<std::uint32_t>{created}));
}

TEST_F(ShellAndSystemTest, UserNameReportsTheSizeItNeedsAndVersionFailsWithZeros) {
    desk.system().userName = "Hanako";
    char small[4];
    std::uint32_t size = sizeof small;
    EXPECT_FALSE(platform.os.GetUserNameA(small, &size));
    EXPECT_EQ(size, 7u);
    char buffer[260];
    size = sizeof buffer;
    ASSERT_TRUE(platform.os.GetUserNameA(buffer, &size));
    EXPECT_EQ(std::string(buffer), "Hanako");
    EXPECT_EQ(size, 7u);

    OsVersionInfo version;
    ASSERT_TRUE(platform.os.GetVersionExA(version));
    EXPECT_EQ(version.dwMajorVersion, 5u);
    EXPECT_EQ(version.dwPlatformId, ver_platform::WIN32_NT);
    desk.system().versionFails = true;
    EXPECT_FALSE(platform.os.GetVersionExA(version));
    EXPECT_EQ(version.dwMajorVersion, 0u);
    EXPECT_EQ(version.dwPlatformId, 0u);
}

} // namespace
} // namespace vm::sim
