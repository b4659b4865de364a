// Moves a candidate window below the taskbar: first the announcement (sound,
// a short-lived title, the tray icon's flash, the log of moved windows),
// then one restore or one move.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.h"
#include "sys/display_monitors.h"
#include "sys/program_context.h"
#include "sys/window_helpers.h"
#include "sys/window_identity.h"
#include "ui/main_form_controls.h"
#include "ui/tray_icon.h"
#include "watcher/untouchable_windows.h"
#include "watcher/window_eligibility.h"

namespace vm {

class WindowRelocation {
public:
    WindowRelocation(ProgramContext& context, MainFormControls& controls, TrayIcon& trayIcon,
                     const DisplayMonitors& monitors, UntouchableWindows& untouchable);

    void Relocate(Hwnd window, const WindowIdentity& identity, const Candidate& candidate);

private:
    void Announce(Hwnd window, const WindowIdentity& identity);
    // Shows the configured title and returns the one it replaces.
    std::u16string ShowMoveTitle(Hwnd window);
    void LogIdentity(const WindowIdentity& identity);
    // Nothing when the work area it needs cannot be read.
    std::optional<WindowBounds> NewBounds(const WindowIdentity& identity,
                                          const Candidate& candidate);
    void Act(Hwnd window, const WindowBounds& before, const WindowBounds& target);

    ProgramContext& context_;
    MainFormControls& controls_;
    TrayIcon& trayIcon_;
    const DisplayMonitors& monitors_;
    UntouchableWindows& untouchable_;
};

} // namespace vm
