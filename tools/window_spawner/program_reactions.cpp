#include <windows.h>

#include <string>

#include "program_reactions.h"
#include "stall_command.h"

namespace spawner {

namespace {

struct Reactions {
    std::wstring retitle;
    bool retitled = false;
    unsigned stallMilliseconds = 0;
    bool stallArmed = false;
    UINT retitleMessage = 0;
    UINT stallMessage = 0;
};

Reactions& State() {
    static Reactions reactions;
    return reactions;
}

} // namespace

void StartReactions(const SpawnerOptions& options) {
    Reactions& state = State();
    state.retitle = options.retitle;
    state.stallMilliseconds = options.stallMilliseconds;
    state.retitleMessage = RegisterWindowMessageW(L"VelmoraSpawnerRetitle");
    state.stallMessage = RegisterWindowMessageW(StallMessageName);
}

bool React(HWND window, UINT message, WPARAM wParam) {
    Reactions& state = State();
    // A title sent from another thread is another program's. The program
    // answers once, after the sender has its answer, as a browser or a
    // terminal sets the title it wants whenever it likes.
    if (message == WM_SETTEXT && InSendMessage() && !state.retitle.empty() && !state.retitled) {
        state.retitled = true;
        PostMessageW(window, state.retitleMessage, 0, 0);
        return false;
    }
    if (state.retitleMessage != 0 && message == state.retitleMessage) {
        SetWindowTextW(window, state.retitle.c_str());
        return true;
    }
    if (state.stallMessage != 0 && message == state.stallMessage) {
        state.stallArmed = true;
        return true;
    }
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE && state.stallArmed) {
        state.stallArmed = false;
        Sleep(state.stallMilliseconds);
    }
    return false;
}

} // namespace spawner
