// How the full pass and the window events reach each other: the events hand
// the pass the windows whose programs have settled, and the pass hands the
// events a window to judge once its program has settled.
#pragma once

#include <vector>

#include "platform/types.h"

namespace vm {

class SettledWindowsJudge {
public:
    // What a full pass gives each of these windows; returns the windows
    // that want another look once their programs have answered again.
    virtual std::vector<Hwnd> CheckWindows(const std::vector<Hwnd>& windows) = 0;
    // The next tick runs a full pass.
    virtual void RequestFullPass() = 0;

protected:
    ~SettledWindowsJudge() = default;
};

class SettleWaiter {
public:
    // Judges the window once its thread has answered a round trip; false
    // when it did not take it.
    virtual bool Take(Hwnd window) = 0;

protected:
    ~SettleWaiter() = default;
};

} // namespace vm
