// Finds the taskbar, its edge and band, and derives the watch line from
// them at the start of every full pass. While the taskbar is docked at any
// edge but the top, watching is suspended. Also the enable command and the
// watch-position slider.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/types.h"
#include "sys/program_context.h"
#include "ui/form.h"
#include "ui/main_form_controls.h"
#include "ui/tray_icon.h"
#include "watcher/taskbar_info.h"

namespace vm {

// What the tracker asks of the controller.
struct TaskbarTrackerHooks {
    // Closing ends the program once the current pass is over.
    std::function<void()> CloseController;
    std::function<void(std::int16_t percent, bool force)> ApplyTranslucency;
    // The settings window's cancel: closes it and drops its edits.
    std::function<void()> BtnCancelClick;
};

class TaskbarTracker {
public:
    // The controller wires PPEnabled's click to PPEnabledClick and the
    // slider's change to TrackBarChange.
    TaskbarTracker(ProgramContext& context, MainFormControls& controls, TaskbarInfo& taskbar,
                   TrayIcon& trayIcon, Form& settingsWindow, TaskbarTrackerHooks hooks);
    TaskbarTracker(const TaskbarTracker&) = delete;
    TaskbarTracker& operator=(const TaskbarTracker&) = delete;

    void CheckTaskbar();
    // The shell's application-bar rectangle and edge of the taskbar.
    TaskbarEdge GetTaskbarEdge(Rect& rect);
    bool IsTaskbarAutoHide();
    // The other monitors' top bars and their watch lines, as now.
    void FindSecondaryTaskbars();
    void PPEnabledClick();
    void TrackBarChange();

private:
    // False when no taskbar turned up within the retries.
    bool FindTaskbar();
    void Track(const Rect& appBar);
    void Resume();
    void FollowBand(const Rect& appBar);
    void UpdateOptionStates();
    // The reserve-area option, offered only for an auto-hidden taskbar.
    bool ReservesBand() const;
    void UpdateWatchLine();
    void Suspend();
    void SetTrackedItemsVisible(bool visible);
    void ForceTranslucency(std::int16_t percent);

    ProgramContext& context_;
    MainFormControls& controls_;
    TaskbarInfo& taskbar_;
    TrayIcon& trayIcon_;
    Form& settingsWindow_;
    TaskbarTrackerHooks hooks_;
    bool suspensionAnnounced_ = false;
};

} // namespace vm
