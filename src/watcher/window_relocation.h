// Moves candidate windows below the taskbar: first the announcement (sound,
// a short-lived title, the tray icon's flash, the log of moved windows),
// then one restore or one move each. The windows of one pass, or of one
// batch of window events, share one flash, so a burst never holds the
// thread longer than one flash.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"
#include "sys/display_monitors.h"
#include "sys/program_context.h"
#include "sys/window_helpers.h"
#include "sys/window_identity.h"
#include "watcher/untouchable_windows.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"
#include "watcher/window_eligibility.h"

namespace vm {

class WindowRelocation {
public:
    WindowRelocation(ProgramContext& context, const WatchOptions& options, WatchOutputs& outputs,
                     const DisplayMonitors& monitors, UntouchableWindows& untouchable);

    // One window, at once: announced, then moved.
    void Relocate(Hwnd window, const WindowIdentity& identity, const Candidate& candidate);
    // Windows handed on together are announced together and then moved,
    // each only if it is still as it was judged. Returns the windows that
    // changed meanwhile (their programs were still placing them), which are
    // left for another look.
    void Add(Hwnd window, const WindowIdentity& identity, const Candidate& candidate);
    std::vector<Hwnd> CarryOut();
    // Drops what was added and not carried out.
    void Forget() { planned_.clear(); }

private:
    struct Planned {
        Hwnd window;
        WindowIdentity identity;
        Candidate candidate;
        bool zoomed;
        std::u16string savedTitle;
    };
    void Announce(std::vector<Planned>& planned);
    // Shows the configured title and returns the one it replaces.
    std::u16string ShowMoveTitle(Hwnd window);
    // Nothing when the work area it needs cannot be read.
    std::optional<WindowBounds> NewBounds(const WindowIdentity& identity,
                                          const Candidate& candidate);
    // False when the window is no longer where, or as, it was judged.
    bool Unchanged(const Planned& planned);
    void Act(const Planned& planned, const WindowBounds& target);

    ProgramContext& context_;
    const WatchOptions& options_;
    WatchOutputs& outputs_;
    const DisplayMonitors& monitors_;
    UntouchableWindows& untouchable_;
    std::vector<Planned> planned_;
};

} // namespace vm
