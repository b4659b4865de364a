// What the program knows of the taskbar. The taskbar tracker owns it and
// keeps it current at every full pass; the hide command marks it hidden.
// Everyone else reads it.
#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace vm {

// Where the taskbar is docked; -1 for an edge value the shell should not give.
enum class TaskbarEdge : int { Other = -1, Top = 0, Bottom = 1, Left = 2, Right = 3 };

// The taskbar of another monitor, docked at that monitor's top edge.
struct SecondaryTaskbar {
    Hwnd Handle = 0;            // the "Shell_SecondaryTrayWnd" window
    HMonitor Monitor = 0;       // the monitor it serves
    std::int32_t WatchLine = 0; // the watch line of that monitor
};

class TaskbarInfo {
public:
    // The "Shell_TrayWnd" window; 0 while there is none.
    Hwnd Handle() const { return handle_; }
    // The bottom of the application-bar rectangle.
    std::int32_t AppBarBottom() const { return appBarBottom_; }
    // A window whose top is above it is a candidate.
    std::int32_t WatchLine() const { return watchLine_; }
    // The program has hidden the taskbar.
    bool Hidden() const { return hidden_; }
    // Watching stopped because the taskbar left the top.
    bool Suspended() const { return suspended_; }
    // Found by every full pass while the main taskbar is at the top.
    const std::vector<SecondaryTaskbar>& Secondary() const { return secondary_; }

    // What a full pass found.
    void SetHandle(Hwnd handle) { handle_ = handle; }
    void SetAppBarBottom(std::int32_t bottom) { appBarBottom_ = bottom; }
    void SetWatchLine(std::int32_t line) { watchLine_ = line; }
    void SetSuspended(bool suspended) { suspended_ = suspended; }
    void SetSecondary(std::vector<SecondaryTaskbar> bars) { secondary_ = std::move(bars); }

    // The hide command; given again while hidden, the reveal count restarts.
    void Hide() {
        hidden_ = true;
        revealTicks_ = 0;
    }
    void Reveal() { hidden_ = false; }
    // One more tick with the cursor on the hidden taskbar's band: the ticks
    // counted so far.
    std::int32_t CountRevealTick() { return ++revealTicks_; }

private:
    Hwnd handle_ = 0;
    std::int32_t appBarBottom_ = 0;
    std::int32_t watchLine_ = 0;
    bool hidden_ = false;
    std::int32_t revealTicks_ = 0;
    bool suspended_ = false;
    std::vector<SecondaryTaskbar> secondary_;
};

} // namespace vm
