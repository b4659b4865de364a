// The layered-window interface: makes one window translucent with a constant
// alpha, or opaque again. SetLayeredWindowAttributes is not in every user32,
// so it is looked up at run time, and the library is loaded and freed again
// around each use.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "platform/unique.h"

namespace vm {

// The alpha of a percentage: 255 for 100, else percent x 2.47 rounded, held
// to 8..255 so that 0 % still leaves the window faintly visible.
std::uint8_t AlphaOfPercent(std::int16_t percent);

class Trans {
public:
    explicit Trans(Platform platform) : platform_(platform) {}
    Trans(const Trans&) = delete;
    Trans& operator=(const Trans&) = delete;

    // The window gets the percentage's alpha; at 100 it also stops being
    // layered, even when the interface is missing.
    void SetWindowTranslucency(Hwnd window, std::int16_t percent);
    // Loads the interface and sets WS_EX_LAYERED; false when the interface
    // is missing.
    bool MakeLayered(Hwnd window);
    // Nothing unless the interface is loaded.
    void SetWindowAlpha(Hwnd window, std::int16_t percent);
    bool LoadLayeredApi();
    void UnloadLayeredApi();

private:
    Platform platform_;
    Unique<HModule> library_;
    FarProc setLayeredWindowAttributes_ = 0;
};

} // namespace vm
