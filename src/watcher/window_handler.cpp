#include "watcher/window_handler.h"

#include <optional>

namespace vm {

WindowHandler::WindowHandler(ProgramContext& context, MainFormControls& controls,
                             TaskbarInfo& taskbar, WatchState& watch, TrayIcon& trayIcon,
                             const DisplayMonitors& monitors, TaskbarTracker& tracker)
    : eligibility_(context, controls, taskbar, watch, monitors, tracker),
      relocation_(context, controls, taskbar, trayIcon, monitors) {}

void WindowHandler::HandleWindow(Hwnd window, const WindowIdentity& identity) {
    const std::optional<Candidate> candidate = eligibility_.Evaluate(window, identity);
    if (candidate)
        relocation_.Relocate(window, identity, *candidate);
}

} // namespace vm
