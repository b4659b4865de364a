// Moves candidate windows below the taskbar: first the announcement (sound,
// a short-lived title, the tray icon's flash, the log of moved windows),
// then one restore or one move each. The windows of one pass, or of one
// batch of window events, share one sound and one flash: every title is
// swapped first and every one restored after the flash, so a burst never
// holds the thread longer than one flash and the bounded sends.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/types.h"
#include "program/program_context.h"
#include "watcher/late_titles.h"
#include "watcher/untouchable_windows.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"
#include "watcher/watcher_parts.h"
#include "watcher/window_eligibility.h"
#include "window_info/display_monitors.h"
#include "window_info/window_helpers.h"
#include "window_info/window_identity.h"
#include "window_info/window_state.h"

namespace vm {

class WindowRelocation {
public:
    WindowRelocation(const WatcherParts& parts, UntouchableWindows& untouchable);

    // What became of the windows handed on, each list in their order.
    struct Outcome {
        // Moved or restored, or refused by the system: handled.
        std::vector<Hwnd> carriedOut;
        // Changed since they were judged: neither announced nor moved.
        std::vector<Hwnd> changedBefore;
        // Changed while they were announced: not moved.
        std::vector<Hwnd> changedDuring;
    };

    // One window, at once: announced, then moved.
    void Relocate(Hwnd window, const WindowIdentity& identity, const Candidate& candidate);
    // Windows handed on together are read again, announced together and
    // then moved, each only if it is still as it was judged (their
    // programs may still be placing them). One announced before, whose
    // move did not happen then, is moved without a second announcement.
    void Add(Hwnd window, const WindowIdentity& identity, const Candidate& candidate,
             bool announcedBefore = false);
    Outcome CarryOut();
    // Drops what was added and not carried out.
    void Forget() { planned_.clear(); }
    // At every tick: titles whose restore did not go through are given back
    // once their thread reads its queue again.
    void RestoreLateTitles() { lateTitles_.RestoreAnswered(); }

private:
    struct Planned {
        Hwnd window;
        WindowIdentity identity;
        Candidate candidate;
        bool zoomed;
        bool announcedBefore;
        std::u16string savedTitle; // the program's own
        std::u16string shownTitle; // ours, as the window shows it
        bool swapped = false;
        bool restoreOwed = false; // its thread did not answer in time
    };
    void Announce(std::vector<Planned*>& planned);
    // Shows the configured title, remembering the one it replaces.
    void ShowMoveTitle(Planned& planned);
    // Gives the program its title back, unless it has set one of its own
    // meanwhile: only a title that is still ours is replaced. One the
    // window's thread did not take in time is given back later.
    void RestoreTitle(Planned& planned);
    // The text a window shows; for another program's window the system
    // answers it without waiting on that program's thread.
    std::u16string TitleOf(Hwnd window);
    // Nothing when the work area it needs cannot be read.
    std::optional<WindowBounds> NewBounds(const WindowIdentity& identity,
                                          const Candidate& candidate);
    // False when the window is no longer where, or as, it was judged (its
    // program hid it, say), or the user has taken hold of it since.
    bool Unchanged(const Planned& planned);
    void Act(const Planned& planned, const WindowBounds& target);

    ProgramContext& context_;
    const WatchOptions& options_;
    WatchOutputs& outputs_;
    const DisplayMonitors& monitors_;
    UntouchableWindows& untouchable_;
    WindowState& moveSize_;
    std::vector<Planned> planned_;
    LateTitles lateTitles_;
};

} // namespace vm
