// What the watcher asks of the program that hosts it. The taskbar check and
// the per-window step are the watcher's own; these are the program's.
#pragma once

#include <cstdint>

namespace vm {

class WatchHost {
public:
    // The tick's timer: stopped while a tick runs, so ticks never overlap.
    virtual void SetTimerEnabled(bool enabled) = 0;
    // True when the desktop's size changed and nothing in front asks to
    // wait: the tick then closes the program, which starts itself again.
    virtual bool CheckRestart() = 0;
    virtual void CheckTaskbarReveal() = 0;
    virtual void ApplyTranslucency(std::int16_t percent, bool force) = 0;
    // Closing ends the program once the current pass is over.
    virtual void CloseProgram() = 0;

protected:
    ~WatchHost() = default;
};

} // namespace vm
