// The ordered rules that decide whether a window reaches into the band of
// a top taskbar and may be moved. The first rule that fails ends the
// window's turn, untouched. Options are read as each rule needs them.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/types.h"
#include "program/program_context.h"
#include "watcher/taskbar_info.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_options.h"
#include "watcher/watch_state.h"
#include "watcher/watcher_parts.h"
#include "window_info/display_monitors.h"
#include "window_info/window_helpers.h"
#include "window_info/window_identity.h"
#include "window_info/window_state.h"

namespace vm {

// A window that passed every rule, with what the rules measured of it.
struct Candidate {
    WindowBounds bounds;
    // The monitor the window shares with the taskbar, or whose own top
    // taskbar watches it, and that monitor's watch line.
    int monitorIndex = 0;
    std::int32_t watchLine = 0;
};

// The rule that left a window alone, in the order the rules run, or
// Eligible when it passed them all.
enum class Eligibility {
    Eligible,
    TaskbarInFront,
    TaskbarHidden,
    NoRectangle, // the window is gone
    AtOrBelowWatchLine,
    MaximizedNotWanted,
    NoStyle,
    FixedFullScreen,
    Frameless,
    UnknownMonitor,
    UnwatchedMonitor,
    MaximizedInWorkArea, // its monitor's work area starts at or below the watch line
    MaximizedNearWatchLine,
    OffTheOnlyScreen,
    BuiltInExclusion,
    ShellSurface, // of the shell of Windows 8 to 11
    ScreenSaver,
    Ignored,
    NoActivate, // an overlay that places itself
    Cloaked,    // hidden by the compositor
    InMoveSize, // the user is dragging or sizing it
    Repeat,
};

// What the rules say of a window; the candidate holds only when eligible,
// its bounds also when the window lies clear of the band.
struct Verdict {
    Eligibility reason = Eligibility::Eligible;
    Candidate candidate{};

    bool Eligible() const { return reason == Eligibility::Eligible; }
};

class WindowEligibility {
public:
    explicit WindowEligibility(const WatcherParts& parts);

    // Runs the rules. Only the last one, the repeat rule, changes state, so
    // a refused window never touches the repeat guard. foreground is the
    // window the repeat rule takes as the one in front: the one the tick
    // recorded, or for a window event between ticks the one in front now.
    Verdict Evaluate(Hwnd window, LazyIdentity& identity, Hwnd foreground);
    // Every rule but the repeat rule: changes nothing.
    Verdict Judge(Hwnd window, LazyIdentity& identity);
    // The repeat rule alone, on the guard it is given.
    bool RefusesAsRepeat(Hwnd window, Hwnd foreground, Hwnd& lastHandled,
                         std::int32_t& repeatCount) const;
    // How the guard follows a window that passed the repeat rule or was
    // refused by it: the rule's change of state, without its verdict.
    static void FollowRepeat(Hwnd window, Hwnd foreground, Hwnd& lastHandled,
                             std::int32_t& repeatCount);

private:
    bool TaskbarInFront();
    static bool IsBuiltInExclusion(const WindowIdentity& identity);
    static bool IsShellSurface(const WindowIdentity& identity);
    bool MaximizedNotWanted(Hwnd window);
    bool IsScreenSaver(const WindowIdentity& identity) const;
    bool IsIgnored(const WindowIdentity& identity) const;
    bool IsOnKnownMonitor(Hwnd window);
    // The window's monitor with its watch line: the main taskbar's, or
    // one that has a top taskbar of its own.
    std::optional<Candidate> WatchedMonitor(Hwnd window);
    // Whether the window's top is at or below the watch line of every
    // watched monitor, the one test that needs no monitor look-up.
    bool BelowEveryWatchLine(const WindowBounds& bounds) const;
    bool OffTheOnlyScreen(const WindowBounds& bounds);
    bool IsFixedFullScreen(const WindowBounds& bounds, std::int32_t style);
    // Why a maximized window does not reach above the watch line, if it
    // does not.
    std::optional<Eligibility> MaximizedBelow(Hwnd window, const WindowBounds& bounds,
                                              const Candidate& candidate);
    bool IsNoActivate(Hwnd window);

    ProgramContext& context_;
    const WatchOptions& options_;
    const TaskbarInfo& taskbar_;
    WatchState& watch_;
    const DisplayMonitors& monitors_;
    TaskbarTracker& tracker_;
    WindowState& state_;
};

} // namespace vm
