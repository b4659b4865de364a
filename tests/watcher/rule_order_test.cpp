// The rules run cheapest first; the decisions must be those of the rules in
// their written order (names, then monitors, then geometry, the repeat rule
// last). Two identical desktops under the same random churn, one watched by
// each order, must see the same moves, titles, sounds, log and repeat state.
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "encoding/sjis_literals.h"
#include "encoding/text.h"
#include "platform/constants.h"
#include "watcher/exclusion_table.h"
#include "watcher/window_relocation.h"
#include "watcher_scene.h"
#include "window_info/window_state.h"

namespace vm {
namespace {

// The rules in their written order, each as the program has always asked it.
class WrittenOrder {
public:
    explicit WrittenOrder(WatcherScene& s) : s_(s), state_(s.context->platform) {}

    std::optional<Candidate> Evaluate(Hwnd window, const WindowIdentity& id) {
        IWindowSystem& win = s_.context->platform.win;
        const MainFormControls& c = s_.controls;
        const WatchSettings& o = s_.options.settings;
        const Hwnd fg = win.GetForegroundWindow();
        if (!s_.context->commandLine.IsQuick() && fg == s_.Taskbar().Handle())
            return std::nullopt;
        for (const SecondaryTaskbar& bar : s_.Taskbar().Secondary()) {
            if (!s_.context->commandLine.IsQuick() && fg == bar.Handle)
                return std::nullopt;
        }
        if (s_.Taskbar().Hidden())
            return std::nullopt;
        for (const BuiltInExclusion& row : kBuiltInExclusions) {
            if (Matches(row, id))
                return std::nullopt;
        }
        for (const BuiltInExclusion& row : kShellSurfaces) {
            if (Matches(row, id))
                return std::nullopt;
        }
        if (win.IsZoomed(window) && !(o.watchMaximized && c.PPMax.Enabled()))
            return std::nullopt;
        const auto dot = id.ExeName.rfind('.');
        if (dot != std::string::npos && AsciiUpper(id.ExeName.substr(dot)) == ".SCR")
            return std::nullopt;
        for (const std::string& entry : o.ignoreList) {
            if (EqualsIgnoreCase(entry, id.ExeName) || EqualsIgnoreCase(entry, id.Title) ||
                EqualsIgnoreCase(entry, id.ClassName))
                return std::nullopt;
        }
        const HMonitor monitor = win.MonitorFromWindow(window, monitor::DEFAULTTONULL);
        if (monitor == 0 || s_.monitors.IndexOf(monitor) < 0)
            return std::nullopt;
        // The taskbar's monitor, or one with a top taskbar of its own.
        const int index = MonitorIndexOfWindow(win, s_.monitors, window);
        std::optional<std::int32_t> line;
        if (index == MonitorIndexOfWindow(win, s_.monitors, s_.Taskbar().Handle())) {
            line = s_.Taskbar().WatchLine();
        } else {
            for (const SecondaryTaskbar& bar : s_.Taskbar().Secondary()) {
                if (bar.Monitor == s_.monitors.At(static_cast<std::size_t>(index)))
                    line = bar.WatchLine;
            }
        }
        if (!line)
            return std::nullopt;
        WindowBounds b;
        if (!GetWindowBounds(win, window, b) || b.top >= *line)
            return std::nullopt;
        if (s_.monitors.Count() == 1) {
            Rect appBar;
            s_.tracker->GetTaskbarEdge(appBar);
            if (std::int64_t{b.top} + b.height < 0 ||
                std::int64_t{b.left} + b.width < appBar.left || b.left > appBar.right)
                return std::nullopt;
        }
        const auto style = static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::STYLE));
        if (style == 0)
            return std::nullopt;
        if (b.width >= win.GetSystemMetrics(sm::CXSCREEN) &&
            b.height >= win.GetSystemMetrics(sm::CYSCREEN) && (style & ws::THICKFRAME) == 0)
            return std::nullopt;
        if (HasNoFrameStyle(win, window))
            return std::nullopt;
        if (win.IsZoomed(window)) {
            const std::optional<Rect> work = s_.monitors.WorkArea(win, index);
            if ((work && work->top >= *line) ||
                b.top >= std::int64_t{*line} - state_.MaximizedOverhang(window))
                return std::nullopt;
        }
        const auto exStyle = static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::EXSTYLE));
        if ((exStyle & ws_ex::NOACTIVATE) != 0 || state_.IsCloaked(window) ||
            state_.InMoveSize(window))
            return std::nullopt;
        WatchState& w = s_.watch;
        if (window != w.LastHandledWindow) {
            w.LastHandledWindow = window;
            w.RepeatCount = 0;
        } else if (window == w.LastForeground) {
            if (++w.RepeatCount > 0 && o.skipActiveRepeats)
                return std::nullopt;
        } else {
            w.LastHandledWindow = 0;
            w.RepeatCount = 0;
        }
        return Candidate{b, index, *line};
    }

private:
    WatcherScene& s_;
    WindowState state_;
};

// One desktop and its watcher; written selects the order.
struct Side {
    Side(bool writtenOrder, bool twoMonitors, bool secondaryBar) : written(writtenOrder) {
        // A system that can tell of cloaking and pads the sizing frame.
        scene.desk.system().version = {148, 10, 0, 19045, ver_platform::WIN32_NT};
        if (twoMonitors)
            scene.desk.addMonitor({1024, 0, 2048, 768}, {1024, 0, 2048, 768});
        if (twoMonitors && secondaryBar)
            scene.desk.addSecondaryTaskbar({1024, 0, 2048, 40});
        if (written) {
            order.emplace(scene);
            relocation.emplace(scene.Parts(), untouchable);
        }
        scene.desk.files().write("C:\\Media\\ding.wav", "RIFF");
        scene.options.settings.moveSound = "C:\\Media\\ding.wav";
        scene.options.settings.moveTitle = "MOVING";
        apps = {scene.note, scene.desk.addProcess("C:\\WINDOWS\\Explorer.exe"),
                scene.desk.addProcess("C:\\Savers\\Stars.Scr"),
                scene.desk.addProcess("C:\\Apps\\paint.exe")};
    }

    // A full pass: the taskbar check, then every plausible window in z-order.
    void Pass() {
        Platform& p = scene.context->platform;
        scene.monitors.Refresh(p.win);
        scene.tracker->CheckTaskbar();
        const Hwnd fg = p.win.GetForegroundWindow();
        scene.watch.LastForeground = fg != 0 && p.win.IsWindowVisible(fg) ? fg : 0;
        p.win.EnumWindows([&](Hwnd w) {
            if (!IsUserWindow(p.win, w) || !p.win.IsWindowEnabled(w))
                return true;
            if (!written) {
                LazyIdentity identity([&] { return GetWindowIdentity(p, w); });
                scene.handler->HandleWindow(w, identity, scene.watch.LastForeground);
                return true;
            }
            const WindowIdentity identity = GetWindowIdentity(p, w);
            const auto candidate = order->Evaluate(w, identity);
            if (candidate && !untouchable.Refuses(p.win, w, candidate->bounds))
                relocation->Relocate(w, identity, *candidate);
            return true;
        });
        // The windows' programs carry out the moves before the next pass.
        scene.desk.scheduler().advance(0);
    }

    // Everything the two watchers may differ in.
    std::vector<std::string> Outcome() {
        std::vector<std::string> out;
        for (const sim::CallRecord& call : scene.desk.calls()) {
            if (call.pid != scene.self)
                continue;
            if (call.name == "SetWindowPos" || call.name == "ShowWindowAsync" ||
                call.name == "sndPlaySoundA")
                out.push_back(call.name + "(" + call.args + ")");
            // The title's text goes by address; the window is what counts.
            if (call.name == "SendMessageTimeoutA" || call.name == "SendMessageTimeoutW")
                out.push_back(call.name + "(" + call.args.substr(0, call.args.find(',')) + ")");
        }
        for (const Hwnd w : scene.desk.windows().zOrder()) {
            const Rect r = scene.desk.windows().window(w).rect;
            out.push_back("rect " + std::to_string(w.Value()) + " " + std::to_string(r.left) + " " +
                          std::to_string(r.top) + " " + std::to_string(r.right) + " " +
                          std::to_string(r.bottom) + " " + scene.desk.windows().window(w).titleA());
        }
        for (const std::string& item : scene.controls.ListBoxLog.Items())
            out.push_back("log " + item);
        out.push_back("repeat " + std::to_string(scene.watch.LastHandledWindow.Value()) + " " +
                      std::to_string(scene.watch.RepeatCount));
        return out;
    }

    WatcherScene scene;
    bool written;
    std::optional<WrittenOrder> order;
    UntouchableWindows untouchable;
    std::optional<WindowRelocation> relocation;
    std::vector<std::uint32_t> apps;
};

// One random change of the desktop or the options, the same on both sides
// as long as both sides drew the same numbers and agree so far.
void Churn(Side& side, std::mt19937& random) {
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    sim::SimDesktop& desk = side.scene.desk;
    WatchSettings& o = side.scene.options.settings;
    const std::vector<Hwnd> windows = desk.windows().zOrder();
    const Hwnd any = windows[static_cast<std::size_t>(pick(static_cast<int>(windows.size())))];
    const std::vector<std::string> titles{"Note", "Drag", "Paint", sjis::kExcludeStartButtonTitle,
                                          ""};
    const std::vector<std::string> classes{
        "NoteWindow",    "SysDragImage", "Button", "#32770", "Windows.UI.Core.CoreWindow",
        "NativeHWNDHost"};
    const std::vector<std::uint32_t> styles{ws::OVERLAPPEDWINDOW, ws::POPUP, ws::POPUP | ws::BORDER,
                                            ws::CAPTION};
    switch (pick(10)) {
        case 0:
        case 1: {
            const int left = pick(1300) - 200;
            const int top = pick(120) - 60;
            const int width = 50 + pick(1100);
            const int height = 50 + pick(800);
            desk.addWindow({.className = classes[static_cast<std::size_t>(pick(6))],
                            .title = titles[static_cast<std::size_t>(pick(5))],
                            .rect = {left, top, left + width, top + height},
                            .style = styles[static_cast<std::size_t>(pick(4))] | ws::VISIBLE,
                            .exStyle = pick(8) == 0 ? ws_ex::NOACTIVATE : 0u,
                            .enabled = pick(8) != 0,
                            .maximized = pick(6) == 0,
                            .pid = side.apps[static_cast<std::size_t>(pick(4))]});
            break;
        }
        case 2:
            if (any != desk.shellObjects().taskbar())
                desk.moveWindow(any, {10, pick(80) - 40, 410, 300});
            break;
        case 3:
            if (any != desk.shellObjects().taskbar())
                desk.destroyWindow(any);
            break;
        case 4:
            desk.windows().setForeground(any);
            break;
        case 5:
            o.skipActiveRepeats = !o.skipActiveRepeats;
            o.centreDialogs = !o.centreDialogs;
            break;
        case 6:
            o.watchMaximized = !o.watchMaximized;
            o.restoreMaximized = pick(2) == 0;
            o.fitHeight = pick(2) == 0;
            break;
        case 7:
            o.ignoreList.push_back(std::vector<std::string>{
                "paint.EXE", "Note", "#32770"}[static_cast<std::size_t>(pick(3))]);
            break;
        case 8:
            // Another virtual desktop, or the user's drag.
            if (any != desk.shellObjects().taskbar()) {
                desk.windows().setCloaked(any, pick(2) == 0);
                if (pick(2) == 0)
                    desk.windows().beginMoveSize(any);
                else
                    desk.windows().endMoveSize(any);
            }
            break;
        default:
            if (pick(4) == 0)
                side.scene.Taskbar().Hide();
            else
                side.scene.Taskbar().Reveal();
            break;
    }
}

TEST(RuleOrderTest, CheapFirstDecidesAsTheWrittenOrderOnRandomDesktops) {
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        // Every third desktop has a second monitor, every other of those
        // with a top taskbar of its own.
        const bool twoMonitors = seed % 3 == 0;
        Side cheap(false, twoMonitors, seed % 2 == 0);
        Side written(true, twoMonitors, seed % 2 == 0);
        std::mt19937 randomA(seed);
        std::mt19937 randomB(seed);
        for (int step = 0; step < 40; ++step) {
            Churn(cheap, randomA);
            Churn(written, randomB);
            cheap.Pass();
            written.Pass();
            ASSERT_EQ(cheap.Outcome(), written.Outcome()) << "seed " << seed << " step " << step;
        }
        EXPECT_LE(cheap.scene.desk.system().snapshotCount,
                  written.scene.desk.system().snapshotCount);
    }
}

} // namespace
} // namespace vm
