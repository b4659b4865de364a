// The record a bound tray icon sends: its tip rules and the shared window.
#include "ui/tray_icon.h"

#include <string>

#include <gtest/gtest.h>

#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

TEST(TrayIconRecordTest, TheTipIsCutTo127CharactersAndTwoIconsShareOneWindow) {
    sim::SimDesktop desk;
    desk.addMonitor({0, 0, 1024, 768}, {0, 30, 1024, 768});
    desk.addTaskbar();
    Platform platform = desk.platformFor(desk.addProcess("C:\\Velmora\\Velmora.exe"));
    TrayImages images(platform.win);
    {
        TrayIcon first;
        TrayIcon second;
        first.Bind(platform, images, 0);
        second.Bind(platform, images, 0);
        const std::string longTip(200, 'a');
        const std::u16string longTipW(longTip.begin(), longTip.end());
        first.SetHint(UiText{longTip.c_str(), longTipW.c_str()});
        first.SetIconVisible(true);
        second.SetHint(UiText{"", u""});
        second.SetIconVisible(true);
        ASSERT_EQ(desk.shellObjects().notifyIcons().size(), 2u);
        EXPECT_EQ(desk.shellObjects().notifyIcons()[0].tip, std::string(127, 'a'));
        EXPECT_EQ(desk.shellObjects().notifyIcons()[1].tip, "");
        EXPECT_EQ(desk.shellObjects().notifyIcons()[0].window,
                  desk.shellObjects().notifyIcons()[1].window);
        EXPECT_NE(desk.shellObjects().notifyIcons()[0].id, desk.shellObjects().notifyIcons()[1].id);
        char className[64] = {};
        platform.win.GetClassNameA(desk.shellObjects().notifyIcons()[0].window, className, 64);
        EXPECT_STREQ(className, "TTrayIconHandler");
    }
    // The last icon took its window with it, and each icon its entry.
    EXPECT_TRUE(desk.shellObjects().notifyIcons().empty());
    EXPECT_EQ(platform.win.FindWindowA("TTrayIconHandler", nullptr), nullptr);
}

} // namespace
} // namespace vm
