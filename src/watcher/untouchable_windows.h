// Windows the program may not move: a window of an elevated program
// refuses moves and titles from an ordinary one, and would otherwise be
// announced on every pass without ever moving. A move that failed, or
// after which the window is still where it was, marks the window; it is
// left alone until its rectangle or its process changes.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "platform/window_system.h"
#include "sys/window_helpers.h"

namespace vm {

class UntouchableWindows {
public:
    // After a move or restore of window, which had these bounds before. A
    // request the system refused marks the window at once; one it took is
    // looked at again by VerifyAttempts.
    void Attempted(IWindowSystem& win, Hwnd window, const WindowBounds& before, bool requestTaken);
    // At every tick: the requests of the last pass went to the windows' own
    // threads, which have had the time to act on them; a marked window seen
    // anywhere else than where it was marked, or gone, loses its mark.
    void VerifyAttempts(IWindowSystem& win);
    // Whether window, now at bounds, is marked and unchanged; a window that
    // moved or belongs to another process now is forgotten and handled again.
    bool Refuses(IWindowSystem& win, Hwnd window, const WindowBounds& bounds);
    // Whether a move of window, asked for since the last tick, still waits
    // for its thread: the window is where it was asked to leave.
    bool MoveAwaited(Hwnd window, const WindowBounds& bounds) const;

private:
    struct Seen {
        WindowBounds bounds;
        std::uint32_t processId = 0;
    };
    static std::uint32_t ProcessOf(IWindowSystem& win, Hwnd window);
    // Whether window is still where, and whose, it was when seen.
    static bool StillAt(IWindowSystem& win, Hwnd window, const Seen& seen);

    std::unordered_map<Hwnd, Seen> pending_;
    std::unordered_map<Hwnd, Seen> marked_;
};

} // namespace vm
