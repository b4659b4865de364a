// Waiting for the desktop to reach a state: poll a condition in short steps
// up to a time limit, never sleep a fixed long time.
#pragma once

#include <windows.h>

namespace e2e {

inline constexpr DWORD PollStepMilliseconds = 20;

// True as soon as the condition holds; false when it still fails at the limit.
template <class Condition>
bool WaitUntil(Condition condition, DWORD limitMilliseconds) {
    const ULONGLONG end = GetTickCount64() + limitMilliseconds;
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount64() >= end)
            return false;
        Sleep(PollStepMilliseconds);
    }
}

// True when the condition holds at every check over the whole period; used
// to show that something does not happen once the program had its chance.
template <class Condition>
bool HoldsFor(Condition condition, DWORD periodMilliseconds) {
    const ULONGLONG end = GetTickCount64() + periodMilliseconds;
    for (;;) {
        if (!condition())
            return false;
        if (GetTickCount64() >= end)
            return true;
        Sleep(PollStepMilliseconds);
    }
}

} // namespace e2e
