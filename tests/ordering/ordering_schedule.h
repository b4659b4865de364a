// A schedule of the ordering fuzzer: what the other programs, the user and
// the shell do around one resident Velmora, drawn from one seed. The same
// seed always gives the same schedule, so a failing one replays exactly.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vm::ordering {

// How Velmora runs and what the desktop reports, for the whole schedule.
struct ScheduleOptions {
    bool announced = true; // sound and title per moved window, the tray's flash; else "/S"
    bool active = false;   // "move the active window only once"
    bool wine = false;     // window events report creation only, as Wine does
};

enum class ActionKind {
    Create,          // window: made hidden or shown at top, maybe taking the foreground
    Show,            // window: shown (SW_SHOW), maybe taking the foreground
    Hide,            // window: hidden
    Place,           // window: its program puts it at top
    Maximize,        // window: its program maximizes it
    Restore,         // window: its program restores it (SW_RESTORE)
    Retitle,         // window: its program gives it a new title
    Destroy,         // window: its program destroys it
    Foreground,      // window: the user activates it
    Busy,            // process: reads no messages for ms
    HangOn,          // process: stops answering
    HangOff,         // process: answers again
    DragBegin,       // window: the user starts dragging it
    DragMove,        // window: the user's drag puts it at top
    DragEnd,         // window: the user releases the button
    TrayDoubleClick, // the shell: a double-click on Velmora's icon
    TrayMenu,        // the shell: a right-click on the icon; hide chooses the hide command
};

struct Action {
    std::uint32_t at = 0; // ms after the schedule's start
    ActionKind kind = ActionKind::Create;
    int window = -1;         // index into Schedule::windows
    int process = -1;        // index into the processes
    int top = 0;             // Create, Place, DragMove
    std::uint32_t ms = 0;    // Busy
    bool hidden = false;     // Create
    bool foreground = false; // Create, Show
    bool hide = false;       // TrayMenu: choose "hide the taskbar"
};

// A window's program and how it answers Velmora's announcement.
struct WindowPlan {
    int process = 0;
    // Sets a new title of its own as soon as it sees the replacement title.
    bool retitlesOnSwap = false;
    // Places the window again as soon as it sees the replacement title: to
    // adjustTop (still under the band or not).
    bool adjustsOnSwap = false;
    int adjustTop = 0;
    // Becomes busy for this long as soon as it sees the replacement title
    // (0: not), so the title's restore waits for it.
    std::uint32_t busyOnSwapMs = 0;
};

struct Schedule {
    std::uint64_t seed = 0;
    ScheduleOptions options;
    int processes = 1;
    std::vector<WindowPlan> windows;
    std::vector<Action> actions; // by time
    std::uint32_t lengthMs = 0;  // the last action is before this
};

Schedule GenerateSchedule(std::uint64_t seed);
// One line, "1234 ms  W1 created hidden at top 0" style.
std::string Describe(const Schedule& schedule, const Action& action);
std::string DescribeOptions(const Schedule& schedule);

} // namespace vm::ordering
