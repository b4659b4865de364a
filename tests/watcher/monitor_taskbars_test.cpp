#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "watcher_scene.h"

namespace vm {
namespace {

// The primary monitor at 96 DPI under the main 30-pixel bar, a second one
// at 144 DPI to its right, whose own bar is 45 pixels high.
constexpr Rect kSecond{1024, 0, 2560, 960};
constexpr Rect kSecondTopBar{1024, 0, 2560, 45};

struct TwoMonitors {
    explicit TwoMonitors(std::optional<Rect> secondaryBar) {
        scene.desk.addMonitor(kSecond, {1024, 45, 2560, 960});
        if (secondaryBar)
            bar = scene.desk.addSecondaryTaskbar(*secondaryBar);
        scene.monitors.Refresh(scene.context->platform.win);
    }
    WatcherScene scene{{"/Q", "/S"}};
    Hwnd bar = 0;
};

TEST(MonitorTaskbarsTest, AWindowAtTheTopOfEitherMonitorGoesBelowItsOwnBar) {
    struct Case {
        const char* what;
        std::optional<Rect> secondaryBar;
        int offset;
        int primaryTop, secondTop; // where windows opened at y = 0 end up
    };
    const std::vector<Case> cases{
        {"both bars at the top", kSecondTopBar, 0, 30, 45},
        {"with the slider's offset", kSecondTopBar, 5, 35, 50},
        {"no secondary bar, as on Windows 7", std::nullopt, 0, 30, 0},
        {"the secondary bar at its bottom", Rect{1024, 915, 2560, 960}, 0, 30, 0},
        {"a vertical secondary bar", Rect{1024, 0, 1090, 960}, 0, 30, 0},
    };
    for (const Case& c : cases) {
        TwoMonitors desk(c.secondaryBar);
        WatcherScene& scene = desk.scene;
        scene.options.settings.offset = c.offset;
        const Hwnd primary = scene.Open({.rect = {100, 0, 500, 300}});
        const Hwnd second = scene.Open({.rect = {1200, 0, 1600, 300}});
        scene.Pass(primary);
        scene.Pass(second);
        EXPECT_EQ(scene.RectOf(primary).top, c.primaryTop) << c.what;
        EXPECT_EQ(scene.RectOf(second).top, c.secondTop) << c.what;
    }
}

TEST(MonitorTaskbarsTest, TheRulesOfTheMainBarHoldOnTheOtherMonitor) {
    // Dialogs centred in that monitor's work area, windows cut to its room.
    {
        TwoMonitors desk(kSecondTopBar);
        desk.scene.options.settings.centreDialogs = true;
        const Hwnd dialog = desk.scene.Open({.className = "#32770", .rect = {1100, 0, 1500, 300}});
        desk.scene.Pass(dialog);
        EXPECT_EQ(desk.scene.RectOf(dialog), (Rect{1592, 352, 1992, 652}));
    }
    {
        TwoMonitors desk(kSecondTopBar);
        desk.scene.options.settings.fitHeight = true;
        const Hwnd tall = desk.scene.Open({.rect = {1100, 10, 1500, 1000}});
        desk.scene.Pass(tall);
        EXPECT_EQ(desk.scene.RectOf(tall), (Rect{1100, 45, 1500, 960}));
    }
    // An auto-hidden bar that slid away: its band still counts with the
    // reserve option, and not without it.
    for (const bool reserve : {false, true}) {
        TwoMonitors desk(Rect{1024, -43, 2560, 2});
        WatcherScene& scene = desk.scene;
        scene.desk.setTaskbar({.rect = {0, 0, 1024, 30}, .autoHide = true});
        scene.options.settings.reserveBand = reserve;
        const Hwnd window = scene.Open({.rect = {1200, 10, 1600, 300}});
        scene.Pass(window);
        EXPECT_EQ(scene.RectOf(window).top, reserve ? 45 : 10) << reserve;
    }
    // The secondary bar in front counts as the taskbar in front.
    {
        WatcherScene scene;
        scene.desk.addMonitor(kSecond, {1024, 45, 2560, 960});
        const Hwnd bar = scene.desk.addSecondaryTaskbar(kSecondTopBar);
        scene.monitors.Refresh(scene.context->platform.win);
        const Hwnd window = scene.Open({.rect = {1200, 0, 1600, 300}});
        scene.desk.windows().setForeground(bar);
        scene.Pass(window);
        EXPECT_EQ(scene.RectOf(window).top, 0);
    }
}

TEST(MonitorTaskbarsTest, TheBarsAreLookedUpOncePerPassAndForgottenWhileSuspended) {
    TwoMonitors desk(kSecondTopBar);
    WatcherScene& scene = desk.scene;
    scene.desk.clearCalls();
    scene.tracker->CheckTaskbar();
    ASSERT_EQ(scene.Taskbar().Secondary().size(), 1u);
    EXPECT_EQ(scene.Taskbar().Secondary()[0].WatchLine, 45);
    const std::vector<std::string> names = scene.desk.callNames(scene.self);
    // The bar, then the end of the class's windows.
    EXPECT_EQ(std::count(names.begin(), names.end(), "FindWindowExA"), 2);
    scene.desk.setTaskbar({.edge = abe::BOTTOM, .rect = {0, 738, 1024, 768}});
    scene.tracker->CheckTaskbar();
    EXPECT_TRUE(scene.Taskbar().Secondary().empty());
}

} // namespace
} // namespace vm
