#include "watcher/window_eligibility.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sys/sjis_literals.h"
#include "watcher/exclusion_table.h"
#include "watcher_scene.h"

namespace vm {
namespace {

using enum Eligibility;

// What the rules say of the window at a pass: the taskbar checked first,
// the window in front the one the last tick recorded.
Eligibility Judge(WatcherScene& scene, Hwnd window) {
    scene.tracker->CheckTaskbar();
    WindowEligibility rules(*scene.context, scene.controls, scene.taskbar, scene.watch,
                            scene.monitors, *scene.tracker);
    LazyIdentity identity([&] { return GetWindowIdentity(scene.context->platform, window); });
    return rules.Evaluate(window, identity, scene.watch.LastForeground).reason;
}

TEST(WindowEligibilityTest, OnlyATopStrictlyAboveTheWatchLineIsACandidate) {
    WatcherScene scene;
    EXPECT_EQ(Judge(scene, scene.Open({.rect = {100, 30, 500, 330}})), AtOrBelowWatchLine);
    const Hwnd above = scene.Open({.rect = {100, 29, 500, 329}});
    EXPECT_EQ(Judge(scene, above), Eligible);
    scene.Pass(above);
    EXPECT_EQ(scene.RectOf(above), (Rect{100, 30, 500, 330}));
}

TEST(WindowEligibilityTest, TaskbarInFrontBlocksAllButAQuickPass) {
    for (const bool quick : {false, true}) {
        WatcherScene scene(quick ? std::vector<std::string>{"/Q"} : std::vector<std::string>{});
        const Hwnd window = scene.Open({});
        scene.desk.setForeground(scene.desk.taskbar());
        EXPECT_EQ(Judge(scene, window), quick ? Eligible : TaskbarInFront);
    }
}

TEST(WindowEligibilityTest, HiddenTaskbarBlocksEveryWindow) {
    WatcherScene scene;
    scene.taskbar.Hidden = true;
    EXPECT_EQ(Judge(scene, scene.Open({})), TaskbarHidden);
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
        EXPECT_EQ(Judge(scene, window), row.excluded ? BuiltInExclusion : Eligible)
            << row.title << " / " << row.className;
    }
}

TEST(WindowEligibilityTest, ScreenSaversAndTheIgnoreListAreLeftAlone) {
    for (const auto& [exe, moved] : {std::pair<std::string, bool>{"C:\\S\\Bubbles.Scr", false},
                                     {"C:\\S\\ribbons.scr", false},
                                     {"C:\\S\\scr.exe", true}}) {
        WatcherScene scene;
        EXPECT_EQ(Judge(scene, scene.Open({.pid = scene.desk.addProcess(exe)})),
                  moved ? Eligible : ScreenSaver)
            << exe;
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
        EXPECT_EQ(Judge(scene, scene.Open({.title = "Notepad memo"})), moved ? Eligible : Ignored)
            << entry;
    }
}

TEST(WindowEligibilityTest, MaximizedWindowsFollowPPMaxAndTheSizingFrame) {
    struct Case {
        bool max, autoHide, restore;
        std::int32_t top;
        Eligibility verdict;
    };
    // The taskbar's work area starts at 30 and SM_CYFRAME is 4, so a
    // maximized window sits at 26. An auto-hidden taskbar disables PPMax.
    const std::vector<Case> cases{{false, false, false, 10, MaximizedNotWanted},
                                  {true, true, false, 10, MaximizedNotWanted},
                                  {true, false, false, 26, MaximizedNearWatchLine},
                                  {true, false, false, 25, Eligible},
                                  {true, false, true, 10, Eligible}};
    for (const Case& c : cases) {
        WatcherScene scene({}, {.taskbar = {.autoHide = c.autoHide}});
        scene.controls.PPMax.SetChecked(c.max);
        scene.controls.PPRestore.SetChecked(c.restore);
        const Hwnd window = scene.Open({.maximized = true});
        scene.desk.window(window).rect.top = c.top;
        EXPECT_EQ(Judge(scene, window), c.verdict) << "top " << c.top;
        if (c.verdict == Eligible) {
            scene.Pass(window);
            EXPECT_EQ(scene.desk.window(window).maximized(), !c.restore);
        }
    }
}

TEST(WindowEligibilityTest, FullScreenAndFramelessWindows) {
    struct Case {
        Rect rect;
        std::uint32_t style;
        Eligibility verdict;
    };
    const std::uint32_t popup = ws::POPUP | ws::VISIBLE;
    const std::vector<Case> cases{{{0, 0, 1024, 768}, popup | ws::CAPTION, FixedFullScreen},
                                  {{0, 0, 1024, 768}, popup | ws::THICKFRAME, Eligible},
                                  {{0, 0, 1023, 768}, popup | ws::CAPTION, Eligible},
                                  {{100, 0, 500, 300}, popup, Frameless},
                                  {{100, 0, 500, 300}, popup | ws::BORDER, Eligible}};
    for (const Case& c : cases) {
        WatcherScene scene;
        EXPECT_EQ(Judge(scene, scene.Open({.rect = c.rect, .style = c.style})), c.verdict)
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
        EXPECT_EQ(Judge(scene, scene.Open({.rect = {-300, 0, 199, 300}})),
                  twoMonitors ? Eligible : OffTheOnlyScreen);
        EXPECT_EQ(Judge(scene, scene.Open({.rect = {-300, 0, 200, 300}})), Eligible);
    }
    WatcherScene scene;
    scene.desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
    EXPECT_EQ(Judge(scene, scene.Open({.rect = {1200, 0, 1600, 300}})), UnknownMonitor)
        << "a monitor the program has not listed yet";
    scene.monitors.Refresh(scene.context->platform.win);
    EXPECT_EQ(Judge(scene, scene.Open({.rect = {1200, 0, 1600, 300}})), UnwatchedMonitor);
    EXPECT_EQ(Judge(scene, scene.Open({.rect = {100, -400, 500, -100}})), UnknownMonitor);
}

TEST(WindowEligibilityTest, RepeatRuleLeavesTheWindowInFrontAloneAfterOneMove) {
    for (const bool active : {true, false}) {
        WatcherScene scene;
        scene.controls.PPActive.SetChecked(active);
        const Hwnd window = scene.Open({});
        scene.watch.LastForeground = window;
        EXPECT_EQ(Judge(scene, window), Eligible);
        EXPECT_EQ(Judge(scene, window), active ? Repeat : Eligible);
        EXPECT_EQ(scene.watch.RepeatCount, 1);
        // No longer in front: the guard is cleared and the window handled.
        scene.watch.LastForeground = 0;
        EXPECT_EQ(Judge(scene, window), Eligible);
        EXPECT_EQ(scene.watch.LastHandledWindow, nullptr);
        scene.watch.LastForeground = window;
        EXPECT_EQ(Judge(scene, window), Eligible);
        EXPECT_EQ(scene.watch.LastHandledWindow, window);
    }
}

TEST(WindowEligibilityTest, RefusedWindowsNeverTouchTheRepeatGuard) {
    WatcherScene scene;
    const Hwnd moved = scene.Open({});
    EXPECT_EQ(Judge(scene, moved), Eligible);
    scene.controls.ListBoxDisable.Add("Other");
    EXPECT_EQ(Judge(scene, scene.Open({.title = "Other"})), Ignored);
    EXPECT_EQ(Judge(scene, scene.Open({.rect = {0, 40, 100, 100}})), AtOrBelowWatchLine);
    EXPECT_EQ(scene.watch.LastHandledWindow, moved);
}

} // namespace
} // namespace vm
