// Windows the program may not move: a window of an elevated program
// refuses moves and titles from an ordinary one, and would otherwise be
// announced on every pass without ever moving. A move that failed, or
// after which the window is still where it was, marks the window; it is
// left alone until its rectangle or its process changes.
//
// A move the system took goes to the window's thread, and is judged once
// that thread has acted on it: a round trip sent right after the request
// is answered only then. A window its thread moved and its program put
// back where it was is thus not taken for one that refused the move.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>

#include "platform/window_system.h"
#include "window_info/window_helpers.h"

namespace vm {

class UntouchableWindows {
public:
    UntouchableWindows() = default;
    UntouchableWindows(const UntouchableWindows&) = delete;
    UntouchableWindows& operator=(const UntouchableWindows&) = delete;

    // After a move or restore of window, which had these bounds before. A
    // request the system refused marks the window at once; one it took is
    // judged when the window's thread answers the round trip sent after it
    // (or, where none could be sent, at the next VerifyAttempts).
    void Attempted(IWindowSystem& win, Hwnd window, const WindowBounds& before, bool requestTaken);
    // At every tick: a marked window seen anywhere else than where it was
    // marked, or gone, loses its mark; a request without a round trip is
    // judged now, one whose window is gone is forgotten.
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
    struct Pending {
        Seen seen;
        std::uint32_t ask = 0; // 0: no round trip on its way
    };
    // The answer to the round trip after the request: the thread has acted.
    void OnAnswer(IWindowSystem& win, Hwnd window, std::uint32_t ask);
    static std::uint32_t ProcessOf(IWindowSystem& win, Hwnd window);
    // Whether window is still where, and whose, it was when seen.
    static bool StillAt(IWindowSystem& win, Hwnd window, const Seen& seen);

    std::unordered_map<Hwnd, Pending> pending_;
    std::unordered_map<Hwnd, Seen> marked_;
    std::uint32_t lastAsk_ = 0;
    // Answers that come after this object has gone find it expired.
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace vm
