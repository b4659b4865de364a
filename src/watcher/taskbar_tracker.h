// Finds the taskbar, its edge and band, and derives the watch line from
// them at the start of every full pass. While the taskbar is docked at any
// edge but the top, watching is suspended. Also the enable command.
#pragma once

#include <cstdint>

#include "platform/types.h"
#include "program/program_context.h"
#include "watcher/taskbar_info.h"
#include "watcher/watch_host.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"

namespace vm {

class TaskbarTracker {
public:
    // The program wires PPEnabled's click to PPEnabledClick.
    TaskbarTracker(ProgramContext& context, const WatchOptions& options, WatchOutputs& outputs,
                   WatchHost& host);
    TaskbarTracker(const TaskbarTracker&) = delete;
    TaskbarTracker& operator=(const TaskbarTracker&) = delete;

    // What the program knows of the taskbar; the hide command marks it
    // hidden.
    const TaskbarInfo& Taskbar() const { return taskbar_; }
    TaskbarInfo& Taskbar() { return taskbar_; }
    // The first look, before any pass: the taskbar as it is now, if any.
    void LookUpTaskbar();
    void CheckTaskbar();
    // The shell's application-bar rectangle and edge of the taskbar.
    TaskbarEdge GetTaskbarEdge(Rect& rect);
    bool IsTaskbarAutoHide();
    // The other monitors' top bars and their watch lines, as now.
    void FindSecondaryTaskbars();
    void PPEnabledClick();
    // The reserve-area option and watching maximized windows: chosen, and
    // offered by the taskbar's kind as the last pass found it (reserving the
    // band for an auto-hidden taskbar, maximized windows for one that stays;
    // both until a pass has looked).
    bool ReservesBand() const;
    bool WatchesMaximized() const;
    // False from a pass that finds the taskbar off the top until one finds
    // it back: no window is handled meanwhile.
    bool Tracking() const { return tracking_; }

private:
    // False when no taskbar turned up within the retries.
    bool FindTaskbar();
    void Track(const Rect& appBar);
    void Resume();
    void FollowBand(const Rect& appBar);
    void UpdateOptionStates();
    void UpdateWatchLine();
    void Suspend();
    // The icon, hint and translucency of watching switched on or off.
    void ShowEnabled(bool enabled);
    void ForceTranslucency(std::int16_t percent);

    ProgramContext& context_;
    const WatchOptions& options_;
    WatchOutputs& outputs_;
    WatchHost& host_;
    TaskbarInfo taskbar_;
    bool tracking_ = true;
    bool suspensionAnnounced_ = false;
    bool reserveBandOffered_ = true;
    bool maximizedOffered_ = true;
};

} // namespace vm
