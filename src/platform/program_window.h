// A window the program creates itself, with its procedure, owned: it is
// destroyed with this object. Hwnd stays the non-owning name of a window.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/unique.h"
#include "platform/window_system.h"

namespace vm {

class ProgramWindow {
public:
    ProgramWindow() = default;
    // CreateWindowExA with proc; null when the system refused the window.
    ProgramWindow(IWindowSystem& win, std::uint32_t exStyle, const char* className,
                  const char* windowName, std::uint32_t style, int x, int y, int width, int height,
                  Hwnd owner, WndProc proc)
        : window_(Own(win, win.CreateWindowExA(exStyle, className, windowName, style, x, y, width,
                                               height, owner, std::move(proc)))) {}

    Hwnd Get() const { return window_.Get(); }
    explicit operator bool() const { return static_cast<bool>(window_); }

private:
    Unique<Hwnd> window_;
};

} // namespace vm
