// The restart after a change of the desktop's size, on the simulated desktop.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "app_test.h"
#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

using sim::SimDesktop;
using sim::WindowSpec;

struct Row {
    const char* name;
    WindowSpec front;
    bool taskbarEnabled;
    bool restarts;
    // The settings cannot be saved, the user hid the taskbar and answers
    // Cancel: asked once, the program keeps watching, the taskbar stays hidden.
    bool declined = false;
};

TEST(RestartTest, ADesktopChangeRestartsUnlessSomethingInFrontAsksToWait) {
    const Rect wide{0, 0, 1280, 700};
    const std::vector<Row> rows{
        {"normal window", {.title = "a"}, true, true},
        {"frameless window", {.title = "a", .style = ws::POPUP | ws::VISIBLE}, true, false},
        {"topmost window", {.title = "a", .exStyle = ws_ex::TOPMOST}, true, false},
        {"screen-wide without sizing border",
         {.title = "a", .rect = wide, .style = ws::CAPTION | ws::SYSMENU | ws::VISIBLE},
         true,
         false},
        {"screen-wide with sizing border", {.title = "a", .rect = wide}, true, true},
        {"disabled taskbar", {.title = "a"}, false, false},
        {"settings that cannot be saved, declined", {.title = "a"}, true, false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SimDesktop desk;
        const HMonitor monitor = AddTopTaskbarDesktop(desk);
        const std::uint32_t pid = desk.addProcess(kExe);
        Program program(desk.platformFor(pid), CommandLine{});
        ASSERT_TRUE(program.Start());
        const Hwnd front = desk.addWindow(row.front);
        desk.windows().setForeground(front);
        desk.windows().window(desk.shellObjects().taskbar()).setEnabled(row.taskbarEnabled);
        desk.scheduler().advance(250);
        if (row.declined) {
            program.Controller()->Controls().PPHide.Click();
            desk.files().setReadOnlyFolder("C:\\Velmora\\");
            desk.dialogs().queueMessageBoxAnswer(id_::CANCEL);
        }
        desk.setMonitor(monitor, {0, 0, 1280, 1024}, {0, 30, 1280, 1024});
        desk.clearCalls();
        const std::uint64_t before = desk.scheduler().now();
        desk.scheduler().advance(1000);
        EXPECT_EQ(program.Controller()->Closed(), row.restarts);
        std::vector<sim::CallRecord> launches;
        for (const auto& call : desk.calls()) {
            if (call.pid == pid && call.name == "ShellExecuteA")
                launches.push_back(call);
        }
        if (row.declined) {
            desk.scheduler().advance(1000);
            EXPECT_EQ(desk.dialogs().messageBoxes().size(), 1u);
            EXPECT_FALSE(program.Controller()->Closed());
            EXPECT_TRUE(program.Controller()->WatchTimer().Enabled());
            EXPECT_FALSE(desk.windows().window(desk.shellObjects().taskbar()).visible());
            continue;
        }
        if (!row.restarts) {
            EXPECT_TRUE(launches.empty());
            // Once nothing asks to wait any more, the restart follows.
            desk.windows().setForeground(desk.addWindow({.title = "b"}));
            desk.windows().window(desk.shellObjects().taskbar()).setEnabled(true);
            desk.scheduler().advance(250);
            EXPECT_TRUE(program.Controller()->Closed());
            continue;
        }
        ASSERT_EQ(launches.size(), 1u);
        EXPECT_EQ(launches[0].args, std::to_string(program.Controller()->Window().Value()) +
                                        ",null,C:\\Velmora\\Velmora.exe,/w,C:\\Velmora\\,1");
        EXPECT_GE(launches[0].timeMs - before, 5000u);
        EXPECT_TRUE(desk.files().exists("C:\\Velmora\\vmr_XP_Taro.ini"));
    }
}

// The settings cannot be saved when a restart comes, and while its message
// box is open the user chooses Exit from the tray menu (or another program
// closes the window): whatever the box's answer, the program does not start
// itself again.
TEST(RestartTest, AnExitChosenWhileTheRestartAsksIsNoRestart) {
    enum class Route { ExitItem, CloseMessage };
    struct Case {
        Route route;
        int answer;
    };
    const Case cases[] = {{Route::ExitItem, id_::OK},
                          {Route::ExitItem, id_::CANCEL},
                          {Route::CloseMessage, id_::OK},
                          {Route::CloseMessage, id_::CANCEL}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.route) << " " << c.answer);
        SimDesktop desk;
        const HMonitor monitor = AddTopTaskbarDesktop(desk);
        const std::uint32_t pid = desk.addProcess(kExe);
        Program program(desk.platformFor(pid), CommandLine{});
        ASSERT_TRUE(program.Start());
        desk.windows().setForeground(desk.addWindow({.title = "a"}));
        desk.scheduler().advance(250);
        desk.files().setReadOnlyFolder("C:\\Velmora\\");
        Platform other = desk.platformFor(desk.addProcess("C:\\Apps\\other.exe"));
        desk.dialogs().whileNextMessageBox([&] {
            if (c.route == Route::ExitItem)
                program.Controller()->Controls().PPExit.Click();
            else
                other.win.SendMessageA(program.Controller()->Window(), wm::CLOSE, 0, 0);
        });
        desk.dialogs().queueMessageBoxAnswer(c.answer);
        desk.setMonitor(monitor, {0, 0, 1280, 1024}, {0, 30, 1280, 1024});
        desk.clearCalls();
        desk.scheduler().advance(10000);
        for (const auto& call : desk.calls())
            EXPECT_NE(call.name, "ShellExecuteA");
        EXPECT_EQ(program.Controller()->Closed(), c.answer == id_::OK);
        EXPECT_EQ(desk.dialogs().messageBoxes().size(), 1u)
            << "asked once, not again at every tick";
        EXPECT_EQ(program.Controller()->WatchTimer().Enabled(), c.answer != id_::OK);
    }
}

} // namespace
} // namespace vm
