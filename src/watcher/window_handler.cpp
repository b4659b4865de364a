#include "watcher/window_handler.h"

#include <optional>

namespace vm {

WindowHandler::WindowHandler(ProgramContext& context, MainFormControls& controls,
                             TaskbarInfo& taskbar, WatchState& watch, TrayIcon& trayIcon,
                             const DisplayMonitors& monitors, TaskbarTracker& tracker)
    : watch_(watch), eligibility_(context, controls, taskbar, watch, monitors, tracker),
      relocation_(context, controls, taskbar, trayIcon, monitors) {}

void WindowHandler::HandleWindow(Hwnd window, LazyIdentity& identity, Hwnd foreground) {
    const std::optional<Candidate> candidate = eligibility_.Evaluate(window, identity, foreground);
    if (candidate)
        relocation_.Relocate(window, identity.Get(), *candidate);
}

void WindowHandler::HandleWindow(Hwnd window, const WindowIdentity& identity) {
    LazyIdentity known(identity);
    HandleWindow(window, known, watch_.LastForeground);
}

} // namespace vm
