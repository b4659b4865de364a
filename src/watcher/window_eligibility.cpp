#include "watcher/window_eligibility.h"

#include <algorithm>
#include <string>

#include "encoding/text.h"
#include "platform/constants.h"
#include "watcher/exclusion_table.h"

namespace vm {

namespace {

constexpr char kScreenSaverExtension[] = ".SCR";

} // namespace

WindowEligibility::WindowEligibility(const WatcherParts& parts)
    : context_(parts.context), options_(parts.options), taskbar_(parts.tracker.Taskbar()),
      watch_(parts.state), monitors_(parts.monitors), tracker_(parts.tracker),
      state_(parts.windowState) {}

Verdict WindowEligibility::Evaluate(Hwnd window, LazyIdentity& identity, Hwnd foreground) {
    Verdict verdict = Judge(window, identity);
    // The one rule with state comes last, so the repeat guard only ever
    // names a window that met every other rule.
    if (verdict.Eligible() &&
        RefusesAsRepeat(window, foreground, watch_.LastHandledWindow, watch_.RepeatCount))
        return {Eligibility::Repeat};
    return verdict;
}

Verdict WindowEligibility::Judge(Hwnd window, LazyIdentity& identity) {
    // Every rule but the last only tests, and a window must pass them all, so
    // they run cheapest first: the window's rectangle dismisses nearly every
    // window before its names, which may cost a process snapshot, are read.
    IWindowSystem& win = context_.platform.win;
    if (TaskbarInFront())
        return {Eligibility::TaskbarInFront};
    if (taskbar_.Hidden())
        return {Eligibility::TaskbarHidden};
    WindowBounds bounds;
    if (!GetWindowBounds(win, window, bounds))
        return {Eligibility::NoRectangle};
    // Clear of the band: the verdict says where the window lay.
    const auto clear = [&bounds](Eligibility reason) { return Verdict{reason, {bounds}}; };
    if (BelowEveryWatchLine(bounds))
        return clear(Eligibility::AtOrBelowWatchLine);
    if (MaximizedNotWanted(window))
        return {Eligibility::MaximizedNotWanted};
    const std::int32_t style = win.GetWindowLongA(window, gwl::STYLE);
    if (style == 0)
        return {Eligibility::NoStyle};
    if (IsFixedFullScreen(bounds, style))
        return {Eligibility::FixedFullScreen};
    // The style is read again: the window may have changed meanwhile.
    if (HasNoFrameStyle(win, window))
        return {Eligibility::Frameless};
    if (!IsOnKnownMonitor(window))
        return {Eligibility::UnknownMonitor};
    std::optional<Candidate> candidate = WatchedMonitor(window);
    if (!candidate)
        return {Eligibility::UnwatchedMonitor};
    if (bounds.top >= candidate->watchLine)
        return clear(Eligibility::AtOrBelowWatchLine);
    if (const std::optional<Eligibility> below = MaximizedBelow(window, bounds, *candidate))
        return clear(*below);
    // The application-bar rectangle is a question to the shell.
    if (OffTheOnlyScreen(bounds))
        return {Eligibility::OffTheOnlyScreen};
    if (IsBuiltInExclusion(identity.Get()))
        return {Eligibility::BuiltInExclusion};
    if (IsShellSurface(identity.Get()))
        return {Eligibility::ShellSurface};
    if (IsScreenSaver(identity.Get()))
        return {Eligibility::ScreenSaver};
    if (IsIgnored(identity.Get()))
        return {Eligibility::Ignored};
    // Windows that place themselves or that the user cannot see or is
    // holding: asked last, as each is a question to another thread.
    if (IsNoActivate(window))
        return {Eligibility::NoActivate};
    if (state_.IsCloaked(window))
        return {Eligibility::Cloaked};
    if (state_.InMoveSize(window))
        return {Eligibility::InMoveSize};
    candidate->bounds = bounds;
    return {Eligibility::Eligible, *candidate};
}

bool WindowEligibility::TaskbarInFront() {
    // A quick pass runs from a shortcut, often clicked on the taskbar.
    if (context_.commandLine.IsQuick())
        return false;
    const Hwnd fg = context_.platform.win.GetForegroundWindow();
    return fg == taskbar_.Handle() ||
           std::any_of(taskbar_.Secondary().begin(), taskbar_.Secondary().end(),
                       [fg](const SecondaryTaskbar& bar) { return bar.Handle == fg; });
}

bool WindowEligibility::IsBuiltInExclusion(const WindowIdentity& identity) {
    return std::any_of(kBuiltInExclusions.begin(), kBuiltInExclusions.end(),
                       [&](const BuiltInExclusion& row) { return Matches(row, identity); });
}

bool WindowEligibility::IsShellSurface(const WindowIdentity& identity) {
    return std::any_of(kShellSurfaces.begin(), kShellSurfaces.end(),
                       [&](const BuiltInExclusion& row) { return Matches(row, identity); });
}

bool WindowEligibility::MaximizedNotWanted(Hwnd window) {
    return context_.platform.win.IsZoomed(window) && !tracker_.WatchesMaximized();
}

bool WindowEligibility::IsScreenSaver(const WindowIdentity& identity) const {
    // A '.' is never the trail byte of a double-byte character.
    const std::string::size_type dot = identity.ExeName.rfind('.');
    if (dot == std::string::npos)
        return false;
    return AsciiUpper(std::string_view(identity.ExeName).substr(dot)) == kScreenSaverExtension;
}

bool WindowEligibility::IsIgnored(const WindowIdentity& identity) const {
    const WatchSettings& chosen = options_.settings;
    return chosen.Ignores(identity.ExeName) || chosen.Ignores(identity.Title) ||
           chosen.Ignores(identity.ClassName);
}

bool WindowEligibility::IsOnKnownMonitor(Hwnd window) {
    const HMonitor monitor =
        context_.platform.win.MonitorFromWindow(window, monitor::DEFAULTTONULL);
    return monitor != 0 && monitors_.IndexOf(monitor) >= 0;
}

std::optional<Candidate> WindowEligibility::WatchedMonitor(Hwnd window) {
    IWindowSystem& win = context_.platform.win;
    const int taskbarIndex = MonitorIndexOfWindow(win, monitors_, taskbar_.Handle());
    const int index = MonitorIndexOfWindow(win, monitors_, window);
    if (index == taskbarIndex)
        return Candidate{{}, index, taskbar_.WatchLine()};
    const HMonitor monitor = monitors_.At(static_cast<std::size_t>(index));
    for (const SecondaryTaskbar& bar : taskbar_.Secondary()) {
        if (bar.Monitor == monitor)
            return Candidate{{}, index, bar.WatchLine};
    }
    return std::nullopt;
}

bool WindowEligibility::BelowEveryWatchLine(const WindowBounds& bounds) const {
    std::int32_t lowest = taskbar_.WatchLine();
    for (const SecondaryTaskbar& bar : taskbar_.Secondary())
        lowest = std::max(lowest, bar.WatchLine);
    return bounds.top >= lowest;
}

bool WindowEligibility::OffTheOnlyScreen(const WindowBounds& bounds) {
    // With several monitors a window beside the taskbar's extent may well
    // be on screen, so this is left to the monitor rules.
    if (monitors_.Count() != 1)
        return false;
    if (std::int64_t{bounds.top} + bounds.height < 0)
        return true;
    Rect appBar;
    tracker_.GetTaskbarEdge(appBar);
    return std::int64_t{bounds.left} + bounds.width < appBar.left || bounds.left > appBar.right;
}

bool WindowEligibility::IsFixedFullScreen(const WindowBounds& bounds, std::int32_t style) {
    IWindowSystem& win = context_.platform.win;
    const bool sizable = (static_cast<std::uint32_t>(style) & ws::THICKFRAME) != 0;
    return bounds.width >= win.GetSystemMetrics(sm::CXSCREEN) &&
           bounds.height >= win.GetSystemMetrics(sm::CYSCREEN) && !sizable;
}

std::optional<Eligibility> WindowEligibility::MaximizedBelow(Hwnd window,
                                                             const WindowBounds& bounds,
                                                             const Candidate& candidate) {
    IWindowSystem& win = context_.platform.win;
    if (!win.IsZoomed(window))
        return std::nullopt;
    // A maximized window fills its monitor's work area: under a bar that
    // reserves its band, it is below the watch line whatever its frame.
    const std::optional<Rect> work = monitors_.WorkArea(win, candidate.monitorIndex);
    if (work && work->top >= candidate.watchLine)
        return Eligibility::MaximizedInWorkArea;
    // Its frame lies above the work area by the sizing border and its
    // padding at the window's DPI; only a window higher than that reaches
    // into the band.
    if (bounds.top >= std::int64_t{candidate.watchLine} - state_.MaximizedOverhang(window))
        return Eligibility::MaximizedNearWatchLine;
    return std::nullopt;
}

bool WindowEligibility::IsNoActivate(Hwnd window) {
    const auto exStyle =
        static_cast<std::uint32_t>(context_.platform.win.GetWindowLongA(window, gwl::EXSTYLE));
    return (exStyle & ws_ex::NOACTIVATE) != 0;
}

bool WindowEligibility::RefusesAsRepeat(Hwnd window, Hwnd foreground, Hwnd& lastHandled,
                                        std::int32_t& repeatCount) const {
    const bool again = window == lastHandled && window == foreground;
    FollowRepeat(window, foreground, lastHandled, repeatCount);
    return again && repeatCount > 0 && options_.settings.skipActiveRepeats;
}

void WindowEligibility::FollowRepeat(Hwnd window, Hwnd foreground, Hwnd& lastHandled,
                                     std::int32_t& repeatCount) {
    if (window != lastHandled) {
        lastHandled = window;
        repeatCount = 0;
    } else if (window == foreground) {
        ++repeatCount;
    } else {
        // Back again but no longer in front: it counts as new next time.
        lastHandled = 0;
        repeatCount = 0;
    }
}

} // namespace vm
