// The gate: what reaches the program's windows while a pass waits on another
// program is handled once the pass has ended, in the order it came, and what
// a close makes pointless never runs.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "app_test.h"
#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"

namespace vm {
namespace {

using sim::SimDesktop;

// The shell's tray clicks, a second start's hand-over and another program's
// close, all arriving while the first pass swaps a window's title.
TEST(PassGateTest, WhatArrivesDuringATitleSwapIsHandledAfterThePassInOrder) {
    enum class Arrival { RightClick, DoubleClick, HandOver, Close };
    struct Case {
        const char* name;
        bool trayShown;
        std::vector<Arrival> arrivals;
        // After the pass: the menu opens, the taskbar is visible (a hand-over
        // after the menu hid it shows it again), watching is on, the program
        // has closed.
        bool menu;
        bool taskbarVisible;
        bool watching;
        bool closes;
    };
    const Case cases[] = {
        {"a right-click hiding the taskbar, then the hand-over",
         true,
         {Arrival::RightClick, Arrival::HandOver},
         true,
         true,
         true,
         false},
        {"the hand-over, then a right-click hiding the taskbar",
         true,
         {Arrival::HandOver, Arrival::RightClick},
         true,
         false,
         true,
         false},
        {"a double-click", true, {Arrival::DoubleClick}, false, true, false, false},
        {"a close, then the hand-over",
         false,
         {Arrival::Close, Arrival::HandOver},
         false,
         true,
         true,
         true},
        {"the hand-over, then a close",
         false,
         {Arrival::HandOver, Arrival::Close},
         false,
         true,
         true,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimDesktop here;
        AddTopTaskbarDesktop(here);
        here.files().write(kSettings, std::string("[Config]\r\nTray=") + (c.trayShown ? "1" : "0") +
                                          "\r\nCaption=1\r\nTitle=moving\r\n");
        Program program(here.platformFor(here.addProcess(kExe)), CommandLine{});
        Platform other = here.platformFor(here.addProcess("C:\\Apps\\other.exe"));
        std::vector<std::string> events;
        bool changedInside = false;
        int titleSets = 0;
        // Its window is at the top: the first pass sets the moving title, and
        // the shell and another program act while it waits for that.
        other.win.CreateProgramWindow(
            {.className = "Victim",
             .title = "victim",
             .style = ws::OVERLAPPEDWINDOW | ws::VISIBLE,
             .x = 100,
             .width = 400,
             .height = 300,
             .proc = [&](Hwnd, std::uint32_t msg, std::uintptr_t, std::intptr_t) -> MsgResult {
                 if (msg != wm::SETTEXT)
                     return std::nullopt;
                 ProgramController& form = *program.Controller();
                 if (++titleSets == 2) {
                     // Its own title comes back while the pass still runs.
                     events.push_back("restore");
                     changedInside =
                         form.Closed() || form.SettingsWindow().Visible() ||
                         !form.Controls().PPEnabled.Checked() ||
                         !here.windows().window(here.shellObjects().taskbar()).visible();
                     return std::nullopt;
                 }
                 if (titleSets != 1)
                     return std::nullopt;
                 events.push_back("swap");
                 char show[] = "/Show";
                 CopyDataStruct record{.dwData = 0, .cbData = 5, .lpData = show};
                 for (const Arrival arrival : c.arrivals) {
                     if (arrival == Arrival::RightClick)
                         here.clickNotifyIcon(0, wm::RBUTTONDOWN);
                     else if (arrival == Arrival::DoubleClick)
                         here.clickNotifyIcon(0, wm::LBUTTONDBLCLK);
                     else if (arrival == Arrival::HandOver)
                         other.win.SendMessageA(form.Window(), wm::COPYDATA, 0,
                                                reinterpret_cast<std::intptr_t>(&record));
                     else
                         other.win.SendMessageA(form.Window(), wm::CLOSE, 0, 0);
                 }
                 show[0] = 'x'; // the sender's buffer is its own again
                 return std::nullopt;
             }});
        here.shellObjects().chooseMenuItem(Text(Language::Japanese, TextId::MenuHide).ansi);
        here.beforeNextCall("TrackPopupMenu", [&] { events.push_back("menu"); });
        ASSERT_TRUE(program.Start());
        here.scheduler().advance(10);
        ProgramController& form = *program.Controller();
        EXPECT_FALSE(changedInside) << "handled inside the pass";
        std::vector<std::string> expected{"swap", "restore"};
        if (c.menu)
            expected.push_back("menu");
        EXPECT_EQ(events, expected);
        EXPECT_EQ(here.windows().window(here.shellObjects().taskbar()).visible(), c.taskbarVisible);
        EXPECT_EQ(form.Controls().PPEnabled.Checked(), c.watching);
        EXPECT_EQ(form.Closed(), c.closes);
        if (c.closes) {
            EXPECT_FALSE(form.WatchTimer().Enabled()) << "no tick after the close";
            int settingsShown = 0;
            for (const auto& call : here.calls()) {
                if (call.name == "ShowWindow" &&
                    call.args.rfind(std::to_string(form.Window().Value()) + ",", 0) == 0)
                    ++settingsShown;
            }
            EXPECT_EQ(settingsShown, 0) << "the settings window came up before the end";
        }
    }
}

} // namespace
} // namespace vm
