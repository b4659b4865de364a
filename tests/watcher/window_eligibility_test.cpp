#include "watcher/window_eligibility.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sys/sjis_literals.h"
#include "watcher/exclusion_table.h"
#include "watcher_scene.h"

namespace vm {
namespace {

// Whether one pass over the window moved or restored it.
bool Handled(WatcherScene& scene, Hwnd window) {
    scene.desk.clearCalls();
    scene.Pass(window);
    const std::string handle = std::to_string(window.Value()) + ",";
    for (const sim::CallRecord& call : scene.desk.calls()) {
        if (call.pid == scene.self &&
            (call.name == "SetWindowPos" || call.name == "ShowWindowAsync") &&
            call.args.rfind(handle, 0) == 0)
            return true;
    }
    return false;
}

TEST(WindowEligibilityTest, OnlyATopStrictlyAboveTheWatchLineIsACandidate) {
    WatcherScene scene;
    EXPECT_FALSE(Handled(scene, scene.Open({.rect = {100, 30, 500, 330}})));
    const Hwnd above = scene.Open({.rect = {100, 29, 500, 329}});
    EXPECT_TRUE(Handled(scene, above));
    EXPECT_EQ(scene.RectOf(above), (Rect{100, 30, 500, 330}));
}

TEST(WindowEligibilityTest, TaskbarInFrontBlocksAllButAQuickPass) {
    for (const bool quick : {false, true}) {
        WatcherScene scene(quick ? std::vector<std::string>{"/Q"} : std::vector<std::string>{});
        const Hwnd window = scene.Open({});
        scene.desk.setForeground(scene.desk.taskbar());
        EXPECT_EQ(Handled(scene, window), quick);
    }
}

TEST(WindowEligibilityTest, HiddenTaskbarBlocksEveryWindow) {
    WatcherScene scene;
    scene.taskbar.Hidden = true;
    EXPECT_FALSE(Handled(scene, scene.Open({})));
}

TEST(WindowEligibilityTest, BuiltInRowsNeedEveryColumn) {
    struct Row {
        std::string title, className, exe;
        bool excluded;
    };
    const std::string explorer = "C:\\WINDOWS\\Explorer.exe";
    const std::vector<Row> rows{
        {sjis::kExcludeViewSliderTitle, "ViewControlClass", "", true},
        {sjis::kExcludeViewSliderTitle, "ViewControlClas", "", false},
        {"Drag", "SysDragImage", "", true},
        {"Drag", "NoteWindow", "", false},
        {"drag", "SysDragImage", "", false},
        {sjis::kExcludeStartButtonTitle, "Button", explorer, true},
        {sjis::kExcludeStartButtonTitle, "Button", "", false},
        {sjis::kExcludeStartMenuTitle, "DV2ControlHost", "", true},
        {sjis::kExcludeStartButtonTitle, "DV2ControlHost", "", false},
        {"View Available Networks (Tooltip)", "VANUITooltip", "", true},
        {"View Available Networks", "VANUITooltip", "", false},
    };
    for (const Row& row : rows) {
        WatcherScene scene;
        const std::uint32_t pid = row.exe.empty() ? 0 : scene.desk.addProcess(row.exe);
        const Hwnd window =
            scene.Open({.className = row.className, .title = row.title, .pid = pid});
        EXPECT_EQ(Handled(scene, window), !row.excluded) << row.title << " / " << row.className;
    }
}

TEST(WindowEligibilityTest, ScreenSaversAndTheIgnoreListAreLeftAlone) {
    for (const auto& [exe, moved] : {std::pair<std::string, bool>{"C:\\S\\Bubbles.Scr", false},
                                     {"C:\\S\\ribbons.scr", false},
                                     {"C:\\S\\scr.exe", true}}) {
        WatcherScene scene;
        EXPECT_EQ(Handled(scene, scene.Open({.pid = scene.desk.addProcess(exe)})), moved) << exe;
    }
    // Whole strings in any letter case; a beginning alone does not count.
    for (const auto& [entry, moved] : {std::pair<std::string, bool>{"note.EXE", false},
                                       {"NOTE.", true},
                                       {"notepad MEMO", false},
                                       {"Notepad", true},
                                       {"noteWINDOW", false},
                                       {"NoteWin", true}}) {
        WatcherScene scene;
        scene.controls.ListBoxDisable.Add(entry);
        EXPECT_EQ(Handled(scene, scene.Open({.title = "Notepad memo"})), moved) << entry;
    }
}

TEST(WindowEligibilityTest, MaximizedWindowsFollowPPMaxAndTheSizingFrame) {
    struct Case {
        bool max, autoHide, restore;
        std::int32_t top;
        bool handled;
    };
    // The taskbar's work area starts at 30 and SM_CYFRAME is 4, so a
    // maximized window sits at 26.
    const std::vector<Case> cases{{false, false, false, 10, false},
                                  {true, true, false, 10, false},
                                  {true, false, false, 26, false},
                                  {true, false, false, 25, true},
                                  {true, false, true, 10, true}};
    for (const Case& c : cases) {
        WatcherScene scene({}, {.taskbar = {.autoHide = c.autoHide}});
        scene.controls.PPMax.SetChecked(c.max);
        scene.controls.PPRestore.SetChecked(c.restore);
        const Hwnd window = scene.Open({.maximized = true});
        scene.desk.window(window).rect.top = c.top;
        EXPECT_EQ(Handled(scene, window), c.handled) << "top " << c.top;
        if (c.handled) {
            EXPECT_EQ(scene.desk.window(window).maximized(), !c.restore);
        }
    }
}

TEST(WindowEligibilityTest, FullScreenAndFramelessWindows) {
    struct Case {
        Rect rect;
        std::uint32_t style;
        bool handled;
    };
    const std::uint32_t popup = ws::POPUP | ws::VISIBLE;
    const std::vector<Case> cases{{{0, 0, 1024, 768}, popup | ws::CAPTION, false},
                                  {{0, 0, 1024, 768}, popup | ws::THICKFRAME, true},
                                  {{0, 0, 1023, 768}, popup | ws::CAPTION, true},
                                  {{100, 0, 500, 300}, popup, false},
                                  {{100, 0, 500, 300}, popup | ws::BORDER, true}};
    for (const Case& c : cases) {
        WatcherScene scene;
        EXPECT_EQ(Handled(scene, scene.Open({.rect = c.rect, .style = c.style})), c.handled)
            << std::hex << c.style;
    }
}

TEST(WindowEligibilityTest, MonitorRules) {
    // Wholly left of the application-bar rectangle: off screen on one
    // monitor, beside it on two.
    for (const bool twoMonitors : {false, true}) {
        WatcherScene scene;
        scene.desk.setAppBarRect({200, 0, 1024, 30});
        if (twoMonitors)
            scene.desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
        scene.monitors.Refresh(scene.context->platform.win);
        EXPECT_EQ(Handled(scene, scene.Open({.rect = {-300, 0, 199, 300}})), twoMonitors);
        EXPECT_TRUE(Handled(scene, scene.Open({.rect = {-300, 0, 200, 300}})));
    }
    WatcherScene scene;
    scene.desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
    EXPECT_FALSE(Handled(scene, scene.Open({.rect = {1200, 0, 1600, 300}})))
        << "a monitor the program has not listed yet";
    scene.monitors.Refresh(scene.context->platform.win);
    EXPECT_FALSE(Handled(scene, scene.Open({.rect = {1200, 0, 1600, 300}})));
    EXPECT_FALSE(Handled(scene, scene.Open({.rect = {100, -400, 500, -100}})));
}

TEST(WindowEligibilityTest, RepeatRuleLeavesTheWindowInFrontAloneAfterOneMove) {
    for (const bool active : {true, false}) {
        WatcherScene scene;
        scene.controls.PPActive.SetChecked(active);
        const Hwnd window = scene.Open({});
        scene.watch.LastForeground = window;
        EXPECT_TRUE(Handled(scene, window));
        scene.desk.moveWindow(window, {100, 0, 500, 300});
        EXPECT_EQ(Handled(scene, window), !active);
        EXPECT_EQ(scene.watch.RepeatCount, 1);
        // No longer in front: the guard is cleared and the window handled.
        scene.desk.moveWindow(window, {100, 0, 500, 300});
        scene.watch.LastForeground = 0;
        EXPECT_TRUE(Handled(scene, window));
        EXPECT_EQ(scene.watch.LastHandledWindow, nullptr);
        scene.desk.moveWindow(window, {100, 0, 500, 300});
        scene.watch.LastForeground = window;
        EXPECT_TRUE(Handled(scene, window));
        EXPECT_EQ(scene.watch.LastHandledWindow, window);
    }
}

TEST(WindowEligibilityTest, RefusedWindowsNeverTouchTheRepeatGuard) {
    WatcherScene scene;
    const Hwnd moved = scene.Open({});
    EXPECT_TRUE(Handled(scene, moved));
    scene.controls.ListBoxDisable.Add("Other");
    EXPECT_FALSE(Handled(scene, scene.Open({.title = "Other"})));
    EXPECT_FALSE(Handled(scene, scene.Open({.rect = {0, 40, 100, 100}})));
    EXPECT_EQ(scene.watch.LastHandledWindow, moved);
}

} // namespace
} // namespace vm
