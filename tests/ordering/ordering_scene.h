// One schedule carried out: a resident Velmora on a simulated desktop with a
// 30-pixel top taskbar, and the schedule's programs, user and shell around
// it. What the scene does and what reaches Velmora's windows is written as
// marks beside the desktop's call log, so the checks see one order of
// everything: a mark is placed before the call that has its index.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/program.h"
#include "ordering_schedule.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::ordering {

// The taskbar's bottom with the slider at 0: windows above it are under the band.
inline constexpr int kWatchLine = 30;
// What Velmora puts in a moved window's title while it announces the move.
inline constexpr char16_t kReplacementTitle[] = u"MOVING";

enum class MarkKind {
    Change,        // a program or the user changed a window (action says how)
    Foreground,    // the user activated a window
    Busy,          // a process stopped reading its queue for a while
    Hang,          // a process stopped answering
    QueueRead,     // a process read its queue (again)
    Tray,          // the shell sent Velmora a click on its icon
    SetText,       // a WM_SETTEXT reached a program's window
    DispatchBegin, // a message reached one of Velmora's windows
    DispatchEnd,
    End, // the schedule is over and the desktop has been quiet for a while
};

struct Mark {
    std::size_t call = 0; // index of the first call log record after the mark
    std::uint64_t time = 0;
    MarkKind kind = MarkKind::Change;
    ActionKind action = ActionKind::Create; // Change: what changed
    bool reaction = false;                  // Change: the program answering the replacement title
    int window = -1;                        // scene window index
    int process = -1;                       // scene process index
    // The window after the change.
    Rect rect;
    bool exists = false, visible = false, maximized = false;
    std::u16string text;  // SetText: the text; Change(Retitle): the new title
    std::u16string title; // SetText: the title before
    bool wide = false;    // SetText: sent as UTF-16
    bool reading = true;  // the process reads its queue after the mark
    std::uint32_t busyMs = 0;
    // Velmora's dispatch.
    int depth = 0;
    std::uint32_t msg = 0;
    std::uintptr_t wParam = 0;
    // The desktop and Velmora as they are after the mark.
    int foreground = -1; // scene window index, -1 for any other window
    bool enabled = true;
    bool taskbarHidden = false;
    bool taskbarInFront = false; // nothing is moved meanwhile, by design
    bool settingsShown = false;
    std::size_t frozenCalls = 0;
};

class OrderingScene {
public:
    explicit OrderingScene(const Schedule& schedule);
    ~OrderingScene();
    OrderingScene(const OrderingScene&) = delete;
    OrderingScene& operator=(const OrderingScene&) = delete;

    // Starts Velmora, carries out the schedule, then ends every hang and
    // drag and lets the desktop run quiet for two seconds.
    void Run();

    const Schedule& schedule() const { return schedule_; }
    const std::vector<Mark>& marks() const { return marks_; }
    const std::vector<sim::CallRecord>& calls() const { return desk_.calls(); }
    std::uint32_t velmoraPid() const { return velmoraPid_; }
    // The scene window index of a handle, -1 for any other window.
    int WindowIndex(std::uint64_t handle) const;
    int ProcessIndex(std::uint32_t pid) const;
    // The program's own title as it last set it.
    const std::u16string& ProgramTitle(int window) const {
        return titles_[static_cast<std::size_t>(window)];
    }
    // The title the window shows now; nullopt when it is gone.
    std::optional<std::u16string> ShownTitle(int window) const;
    // The longest single wait of Velmora's thread inside one call, where
    // the simulated desktop measures it.
    std::optional<std::uint64_t> longestWaitMs() const { return longestWait_; }
    // Velmora handled messages without end, and the run was cut short.
    bool livelocked() const { return livelock_; }

private:
    void Do(std::size_t index);
    void DoWindow(const Action& action);
    void Activate(int window);
    // The user holds the pointer on a caption: no click elsewhere (the
    // tray's icon, another window) until the drop.
    bool UserDragging() const;
    // Windows' foreground lock keeps other programs' windows from coming to
    // the front during the user's drag; Wine has no such lock.
    bool ProgramMayTakeTheFront() const;
    void Busy(int process, std::uint32_t ms);
    void ReadQueue(int process);
    void Tray(std::uint32_t mouseMessage);
    void Record(Mark mark);
    Mark At(MarkKind kind, int window = -1);
    bool Reading(int process) const;
    Rect RectAt(int window, int top) const;
    MsgResult ProgramProc(int window, std::uint32_t msg, std::intptr_t lParam);
    void React(int window);
    void WrapVelmoraWindows();
    void Quiet();

    Schedule schedule_;
    sim::SimDesktop desk_;
    std::unique_ptr<Program> program_;
    std::uint32_t velmoraPid_ = 0;
    std::vector<std::uint32_t> pids_;
    std::vector<Hwnd> handles_;
    std::vector<std::u16string> titles_;
    std::vector<int> retitles_;
    std::vector<bool> dragging_;
    std::vector<std::uint64_t> busyUntil_;
    std::vector<bool> hung_;
    std::map<std::uint64_t, int> indexOf_;
    std::vector<Mark> marks_;
    int depth_ = 0;
    std::mt19937_64 reactions_;
    std::optional<std::uint64_t> longestWait_;
    bool livelock_ = false;
    bool running_ = false;
};

} // namespace vm::ordering
