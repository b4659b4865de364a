#include "watcher/window_eligibility.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "encoding/sjis_literals.h"
#include "watcher/exclusion_table.h"
#include "watcher_scene.h"

namespace vm {
namespace {

using enum Eligibility;

// What the rules say of the window at a pass: the taskbar checked first,
// the window in front the one the last tick recorded.
Eligibility Judge(WatcherScene& scene, Hwnd window) {
    scene.tracker->CheckTaskbar();
    WindowEligibility rules(scene.Parts());
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
        scene.desk.windows().setForeground(scene.desk.shellObjects().taskbar());
        EXPECT_EQ(Judge(scene, window), quick ? Eligible : TaskbarInFront);
    }
}

TEST(WindowEligibilityTest, HiddenTaskbarBlocksEveryWindow) {
    WatcherScene scene;
    scene.Taskbar().Hide();
    EXPECT_EQ(Judge(scene, scene.Open({})), TaskbarHidden);
}

// Class names are never translated: a row matches by class, and by
// executable where it names one, whatever the title on a Japanese system
// or any other.
TEST(WindowEligibilityTest, BuiltInRowsMatchByClassOnEveryLanguage) {
    struct Row {
        std::string title, className, exe;
        bool excluded;
    };
    const std::string explorer = "C:\\WINDOWS\\Explorer.exe";
    const std::vector<Row> rows{
        {sjis::kExcludeViewSliderTitle, "ViewControlClass", "", true},
        {"View Slider Control", "ViewControlClass", "", true},
        {sjis::kExcludeViewSliderTitle, "ViewControlClas", "", false},
        {"Drag", "SysDragImage", "", true},
        {"Drag", "NoteWindow", "", false},
        {"drag", "SysDragImage", "", true},
        {sjis::kExcludeStartButtonTitle, "Button", explorer, true},
        {"Start", "Button", explorer, true},
        {"Start", "button", explorer, false},
        {sjis::kExcludeStartButtonTitle, "Button", "", false},
        {sjis::kExcludeStartMenuTitle, "DV2ControlHost", "", true},
        {"Start Menu", "DV2ControlHost", "", true},
        {"View Available Networks (Tooltip)", "VANUITooltip", "", true},
        {"View Available Networks", "VANUITooltip", "", true},
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
        scene.options.settings.ignoreList.push_back(entry);
        EXPECT_EQ(Judge(scene, scene.Open({.title = "Notepad memo"})), moved ? Eligible : Ignored)
            << entry;
    }
}

// A maximized window overhangs its work area by the sizing frame and its
// padding at its DPI (8 pixels at 96 DPI from Vista on, 4 on XP), so only a
// window higher than that reaches into the band; under a bar that reserves
// its band, a maximized window never does.
TEST(WindowEligibilityTest, MaximizedWindowsFollowPPMaxTheirOverhangAndTheWorkArea) {
    constexpr std::int32_t kNatural = -1; // where maximizing put it
    struct Case {
        const char* name;
        bool max, autoHide, restore;
        OsVersionInfo version;
        std::uint32_t dpi;
        bool forDpi; // user32 has GetSystemMetricsForDpi
        int slider;
        std::int32_t top;
        Eligibility verdict;
    };
    const OsVersionInfo xp{148, 5, 1, 2600, ver_platform::WIN32_NT};
    const OsVersionInfo win81{148, 6, 3, 9600, ver_platform::WIN32_NT};
    const OsVersionInfo win10{148, 10, 0, 19045, ver_platform::WIN32_NT};
    const std::vector<Case> cases{
        {"unchecked", false, false, false, win10, 96, true, 20, 10, MaximizedNotWanted},
        // An auto-hidden taskbar disables PPMax.
        {"auto-hide", true, true, false, win10, 96, true, 20, 10, MaximizedNotWanted},
        {"in the work area", true, false, false, win10, 96, true, 0, kNatural, MaximizedInWorkArea},
        {"in the work area at 144", true, false, false, win10, 144, true, 0, kNatural,
         MaximizedInWorkArea},
        {"work area, whatever the top", true, false, false, win10, 96, true, 0, 5,
         MaximizedInWorkArea},
        {"offset, naturally above", true, false, false, win10, 96, true, 20, kNatural, Eligible},
        {"XP frame", true, false, false, xp, 96, true, 20, 46, MaximizedNearWatchLine},
        {"XP frame + 1", true, false, false, xp, 96, true, 20, 45, Eligible},
        {"padded", true, false, false, win10, 96, true, 20, 42, MaximizedNearWatchLine},
        {"padded + 1", true, false, false, win10, 96, true, 20, 41, Eligible},
        {"padded at 144", true, false, false, win10, 144, true, 20, 38, MaximizedNearWatchLine},
        {"padded at 144 + 1", true, false, false, win10, 144, true, 20, 37, Eligible},
        {"system metrics at 144", true, false, false, win81, 144, false, 20, 38,
         MaximizedNearWatchLine},
        {"restored", true, false, true, win10, 96, true, 20, kNatural, Eligible},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WatcherScene scene({}, {.taskbar = {.autoHide = c.autoHide}, .dpi = c.dpi});
        scene.desk.system().version = c.version;
        if (!c.forDpi)
            scene.desk.libraries().removeExport("user32.dll", "GetSystemMetricsForDpi");
        scene.options.settings.offset = c.slider;
        scene.options.settings.watchMaximized = c.max;
        scene.options.settings.restoreMaximized = c.restore;
        const Hwnd window = scene.Open({.maximized = true});
        if (c.top != kNatural)
            scene.desk.windows().window(window).rect.top = c.top;
        EXPECT_EQ(Judge(scene, window), c.verdict) << "top " << scene.RectOf(window).top;
        if (c.verdict == Eligible) {
            scene.Pass(window);
            EXPECT_EQ(scene.desk.windows().window(window).maximized(), !c.restore);
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

// Today's systems: windows the compositor hides, windows that never take
// the focus, windows the user is dragging and the shell's own surfaces are
// left alone; where a system cannot say, the window is handled as before.
TEST(WindowEligibilityTest, TodaysShellOverlaysCloakedAndDraggedWindowsAreLeftAlone) {
    struct Case {
        const char* name;
        std::function<Hwnd(WatcherScene&)> open;
        Eligibility verdict;
        OsVersionInfo version{148, 10, 0, 19045, ver_platform::WIN32_NT};
    };
    const std::string explorer = "C:\\WINDOWS\\explorer.exe";
    const std::vector<Case> cases{
        {"WS_EX_NOACTIVATE", [](WatcherScene& s) { return s.Open({.exStyle = ws_ex::NOACTIVATE}); },
         NoActivate},
        {"cloaked", [](WatcherScene& s) { return s.Open({.cloaked = true}); }, Cloaked},
        {"cloaked on Windows 7, which cannot say",
         [](WatcherScene& s) { return s.Open({.cloaked = true}); },
         Eligible,
         {148, 6, 1, 7601, ver_platform::WIN32_NT}},
        {"cloaked without dwmapi",
         [](WatcherScene& s) {
             s.desk.libraries().removeExport("dwmapi.dll", "DwmGetWindowAttribute");
             return s.Open({.cloaked = true});
         },
         Eligible},
        {"shown again",
         [](WatcherScene& s) {
             const Hwnd w = s.Open({.cloaked = true});
             s.desk.windows().setCloaked(w, false);
             return w;
         },
         Eligible},
        {"dragged",
         [](WatcherScene& s) {
             const Hwnd w = s.Open({});
             s.desk.windows().beginMoveSize(w);
             return w;
         },
         InMoveSize},
        {"its thread drags another window",
         [](WatcherScene& s) {
             s.desk.windows().beginMoveSize(s.Open({.rect = {100, 100, 500, 300}}));
             return s.Open({});
         },
         Eligible},
        {"dropped",
         [](WatcherScene& s) {
             const Hwnd w = s.Open({});
             s.desk.windows().beginMoveSize(w);
             s.desk.windows().endMoveSize(w);
             return w;
         },
         Eligible},
        {"start",
         [](WatcherScene& s) {
             return s.Open({.className = "Windows.UI.Core.CoreWindow", .title = "Start"});
         },
         ShellSurface},
        {"explorer's flyout host",
         [&](WatcherScene& s) {
             return s.Open({.className = "NativeHWNDHost", .pid = s.desk.addProcess(explorer)});
         },
         ShellSurface},
        {"another program's flyout host",
         [](WatcherScene& s) { return s.Open({.className = "NativeHWNDHost"}); }, Eligible},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WatcherScene scene;
        scene.desk.system().version = c.version;
        EXPECT_EQ(Judge(scene, c.open(scene)), c.verdict);
    }
}

TEST(WindowEligibilityTest, MonitorRules) {
    // Wholly left of the application-bar rectangle: off screen on one
    // monitor, beside it on two.
    for (const bool twoMonitors : {false, true}) {
        WatcherScene scene;
        scene.desk.shellObjects().setAppBarRect({200, 0, 1024, 30});
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
        scene.options.settings.skipActiveRepeats = active;
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
    scene.options.settings.ignoreList.push_back("Other");
    EXPECT_EQ(Judge(scene, scene.Open({.title = "Other"})), Ignored);
    EXPECT_EQ(Judge(scene, scene.Open({.rect = {0, 40, 100, 100}})), AtOrBelowWatchLine);
    EXPECT_EQ(scene.watch.LastHandledWindow, moved);
}

} // namespace
} // namespace vm
