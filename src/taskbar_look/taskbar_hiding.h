// Hiding the taskbar on command; it comes back once the cursor has dwelt
// long enough on its band, or when the program ends.
#pragma once

#include "program/program_context.h"
#include "watcher/taskbar_info.h"
#include "watcher/taskbar_tracker.h"

namespace vm {

class TaskbarHiding {
public:
    // The tracker's taskbar is the one hidden and shown again.
    TaskbarHiding(ProgramContext& context, TaskbarTracker& tracker)
        : context_(context), taskbar_(tracker.Taskbar()), tracker_(tracker) {}

    // The hide command; choosing it again while hidden restarts the count.
    void PPHideClick();
    // Shows or hides the taskbar window as Hidden says.
    void ApplyTaskbarVisibility();
    // Every tick: counts the ticks the cursor spends strictly inside the
    // hidden taskbar's band, and shows the taskbar again at the 30th.
    void CheckTaskbarReveal();
    // Brings a hidden taskbar back before the program ends.
    void ShowHiddenTaskbar();

private:
    ProgramContext& context_;
    TaskbarInfo& taskbar_;
    TaskbarTracker& tracker_;
};

} // namespace vm
