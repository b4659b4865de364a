// Windows 8 to 11 open the shell's own surfaces at the taskbar's bottom edge,
// inside the band once the slider offset is above 0. A running program on
// such a desktop leaves them alone, on a pass and on a window event alike,
// while ordinary windows of the same shapes are moved as always.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../app/app_test.h"
#include "app/program.h"
#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"

namespace vm {
namespace {

constexpr std::uint32_t kTick = 250;
constexpr std::uint32_t kTitled = ws::POPUP | ws::CAPTION | ws::SYSMENU;

struct Shape {
    const char* name;
    sim::WindowSpec spec;
    bool byExplorer = false;
    bool moved = false;
};

// The shell's surfaces, each titled and with a frame bit, as they are.
std::vector<Shape> Surfaces() {
    const auto titled = [](const char* className, const char* title, bool immersive = false) {
        return sim::WindowSpec{.className = className,
                               .title = title,
                               .style = kTitled | ws::VISIBLE,
                               .skippedByEnumWindows = immersive};
    };
    return {
        {"start", titled("Windows.UI.Core.CoreWindow", "Start", true)},
        {"search", titled("Windows.UI.Core.CoreWindow", "Search", true)},
        {"toast", titled("Windows.UI.Core.CoreWindow", "New notification", true)},
        {"overflow", titled("NotifyIconOverflowWindow", "Overflow"), true},
        {"overflow island", titled("TopLevelWindowForOverflowXamlIsland", "Overflow"), true},
        {"thumbnails", titled("TaskListThumbnailWnd", "Thumbnails"), true},
        {"XAML popup", titled("Xaml_WindowedPopupClass", "PopupHost"), true},
        {"XAML island", titled("XamlExplorerHostIslandWindow", "Island"), true},
        {"task view", titled("MultitaskingViewFrame", "Task View"), true},
        {"Alt+Tab", titled("TaskSwitcherWnd", "Task Switching"), true},
        {"staging", titled("ForegroundStaging", "Staging"), true},
        {"input switcher", titled("Shell_InputSwitchTopLevelWindow", "Input"), true},
        {"clock flyout", titled("ClockFlyoutWindow", "Clock"), true},
        {"flyout host", titled("NativeHWNDHost", "Volume"), true},
        {"light dismiss", titled("Shell_LightDismissOverlay", "Dismiss"), true},
        {"edge UI", titled("EdgeUiInputTopWndClass", "Edge"), true},
        {"app manager", titled("ApplicationManager_DesktopShellWindow", "Shell"), true},
        {"overlay",
         {.className = "OsdWindow",
          .title = "Volume",
          .style = kTitled | ws::VISIBLE,
          .exStyle = ws_ex::NOACTIVATE}},
        {"other desktop", {.className = "AppWindow", .title = "Elsewhere", .cloaked = true}},
    };
}

// Ordinary programs' windows of the same shapes.
std::vector<Shape> Ordinary() {
    return {
        {"captioned", {.className = "AppWindow", .title = "Captioned"}, false, true},
        {"thick frame",
         {.className = "AppWindow",
          .title = "Sized",
          .style = ws::POPUP | ws::THICKFRAME | ws::VISIBLE},
         false,
         true},
        {"skinned popup",
         {.className = "SkinWindow",
          .title = "Skinned",
          .style = ws::POPUP | ws::SYSMENU | ws::MINIMIZEBOX | ws::VISIBLE},
         false,
         true},
        {"owned dialog",
         {.className = "#32770", .title = "Dialog", .style = kTitled | ws::VISIBLE},
         false,
         true},
        {"flyout host of another program",
         {.className = "NativeHWNDHost", .title = "Host"},
         false,
         true},
    };
}

struct ShellScene {
    ShellScene(bool events, int offset) {
        AddTopTaskbarDesktop(desk);
        desk.system().version = {148, 10, 0, 19045, ver_platform::WIN32_NT};
        if (!events)
            desk.libraries().removeExport("user32.dll", "SetWinEventHook");
        app = desk.addProcess("C:\\Apps\\app.exe");
        explorer = desk.addProcess("C:\\WINDOWS\\explorer.exe");
        owner = desk.addWindow(
            {.className = "AppWindow", .title = "Owner", .rect = {100, 400, 500, 700}, .pid = app});
        pid = desk.addProcess(kExe);
        program = std::make_unique<Program>(desk.platformFor(pid), CommandLine({"/w", "/S"}));
        program->Start();
        program->Controller()->Controls().Slider.SetPosition(offset);
        // A window opening makes the next tick's pass take the new line.
        desk.addWindow(
            {.className = "AppWindow", .title = "Below", .rect = {0, 300, 100, 400}, .pid = app});
        desk.scheduler().advance(2 * kTick + 10);
    }

    Hwnd Open(const Shape& shape, int top) {
        sim::WindowSpec spec = shape.spec;
        spec.rect = {100, top, 500, top + 300};
        spec.pid = shape.byExplorer ? explorer : app;
        if (spec.className == "#32770")
            spec.owner = owner;
        return desk.addWindow(spec);
    }

    sim::SimDesktop desk;
    std::uint32_t app = 0;
    std::uint32_t explorer = 0;
    std::uint32_t pid = 0;
    Hwnd owner = 0;
    std::unique_ptr<Program> program;
};

TEST(ShellSurfacesTest, TheShellsSurfacesStayWhereOrdinaryWindowsOfTheirShapesAreMoved) {
    std::vector<Shape> shapes = Surfaces();
    for (Shape& shape : Ordinary())
        shapes.push_back(shape);
    for (const bool events : {true, false}) {
        for (const int offset : {0, 20}) {
            SCOPED_TRACE(std::string(events ? "event" : "pass") + ", offset " +
                         std::to_string(offset));
            ShellScene scene(events, offset);
            // At the bar's bottom edge, inside the band with an offset.
            const int top = offset == 0 ? 0 : 30;
            const int line = 30 + offset;
            std::vector<Hwnd> windows;
            for (const Shape& shape : shapes)
                windows.push_back(scene.Open(shape, top));
            // An event is handled before the next tick; a pass at it.
            scene.desk.scheduler().advance(events ? 200 : 2 * kTick);
            for (std::size_t i = 0; i < shapes.size(); ++i) {
                EXPECT_EQ(scene.desk.windows().window(windows[i]).rect.top,
                          shapes[i].moved ? line : top)
                    << shapes[i].name;
            }
            scene.desk.scheduler().advance(2 * kTick);
            for (std::size_t i = 0; i < shapes.size(); ++i) {
                EXPECT_EQ(scene.desk.windows().window(windows[i]).rect.top,
                          shapes[i].moved ? line : top)
                    << shapes[i].name;
            }
        }
    }
}

// A window the user drags into the band, or that another virtual desktop
// hides, is left alone until the drag ends or it is shown, and handled at
// once then, with no other change to bring a pass; and an immersive window
// that EnumWindows leaves out is not handed to the rules by its events.
TEST(ShellSurfacesTest, DraggedAndCloakedWindowsAreHandledOnceDroppedOrShown) {
    for (const bool dragged : {true, false}) {
        SCOPED_TRACE(dragged ? "dragged" : "cloaked");
        ShellScene scene(true, 0);
        const Hwnd window = scene.Open({"window", {.className = "AppWindow", .title = "App"}}, 100);
        scene.desk.scheduler().advance(2 * kTick);
        if (dragged)
            scene.desk.windows().beginMoveSize(window);
        else
            scene.desk.windows().setCloaked(window, true);
        scene.desk.moveWindow(window, {100, 0, 500, 300});
        scene.desk.windows().setForeground(window);
        scene.desk.scheduler().advance(2 * kTick);
        EXPECT_EQ(scene.desk.windows().window(window).rect.top, 0);
        if (dragged)
            scene.desk.windows().endMoveSize(window);
        else
            scene.desk.windows().setCloaked(window, false);
        scene.desk.scheduler().advance(200);
        EXPECT_EQ(scene.desk.windows().window(window).rect.top, 30);
    }
    ShellScene scene(true, 0);
    const Hwnd immersive = scene.Open(
        {"immersive", {.className = "AppWindow", .title = "App", .skippedByEnumWindows = true}}, 0);
    scene.desk.scheduler().advance(2 * kTick);
    EXPECT_EQ(scene.desk.windows().window(immersive).rect.top, 0);
}

} // namespace
} // namespace vm
