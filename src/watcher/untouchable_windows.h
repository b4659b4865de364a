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
    // At the tick after a pass: the requests went to the windows' own
    // threads, which have had the time to act on them.
    void VerifyAttempts(IWindowSystem& win);
    // Whether window, now at bounds, is marked and unchanged; a window that
    // moved or belongs to another process now is forgotten and handled again.
    bool Refuses(IWindowSystem& win, Hwnd window, const WindowBounds& bounds);
    // Forgets the marks of windows that are gone.
    void Prune(IWindowSystem& win);

private:
    struct Seen {
        WindowBounds bounds;
        std::uint32_t processId = 0;
    };
    static std::uint32_t ProcessOf(IWindowSystem& win, Hwnd window);

    std::unordered_map<Hwnd, Seen> pending_;
    std::unordered_map<Hwnd, Seen> marked_;
};

} // namespace vm
