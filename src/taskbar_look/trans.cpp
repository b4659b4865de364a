#include "taskbar_look/trans.h"

#include <algorithm>

#include "platform/constants.h"

namespace vm {

namespace {
constexpr std::int16_t kOpaque = 100;
constexpr int kFaintestAlpha = 8;
constexpr int kFullAlpha = 255;
} // namespace

std::uint8_t AlphaOfPercent(std::int16_t percent) {
    if (percent == kOpaque)
        return kFullAlpha;
    // percent x 2.47, rounded half up, in whole numbers; anything at or
    // below zero ends at the faintest alpha anyway.
    const int alpha = (percent * 247 + 50) / 100;
    return static_cast<std::uint8_t>(std::clamp(alpha, kFaintestAlpha, kFullAlpha));
}

void Trans::SetWindowTranslucency(Hwnd window, std::int16_t percent) {
    if (MakeLayered(window)) {
        SetWindowAlpha(window, percent);
        UnloadLayeredApi();
    }
    if (percent == kOpaque) {
        IWindowSystem& win = platform_.win;
        const auto exStyle = static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::EXSTYLE));
        win.SetWindowLongA(window, gwl::EXSTYLE,
                           static_cast<std::int32_t>(exStyle & ~ws_ex::LAYERED));
    }
}

bool Trans::MakeLayered(Hwnd window) {
    if (!LoadLayeredApi())
        return false;
    IWindowSystem& win = platform_.win;
    const auto exStyle = static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::EXSTYLE));
    win.SetWindowLongA(window, gwl::EXSTYLE, static_cast<std::int32_t>(exStyle | ws_ex::LAYERED));
    return true;
}

void Trans::SetWindowAlpha(Hwnd window, std::int16_t percent) {
    if (!library_)
        return;
    platform_.win.SetLayeredWindowAttributes(setLayeredWindowAttributes_, window, 0,
                                             AlphaOfPercent(percent), lwa::ALPHA);
}

bool Trans::LoadLayeredApi() {
    IOperatingSystem& os = platform_.os;
    library_ = Own(os, os.LoadLibraryA("user32.dll"));
    setLayeredWindowAttributes_ = 0;
    if (library_) {
        setLayeredWindowAttributes_ =
            os.GetProcAddress(library_.Get(), "SetLayeredWindowAttributes");
        if (setLayeredWindowAttributes_ == 0)
            library_.Reset();
    }
    return static_cast<bool>(library_);
}

void Trans::UnloadLayeredApi() {
    library_.Reset();
    // The address is no good once the library is freed.
    setLayeredWindowAttributes_ = 0;
}

} // namespace vm
