// The one owner of a handle: move-only, it closes the handle with the call
// of its kind (DestroyIcon for an icon, RegCloseKey for a key, ...) when it
// goes out of scope, is reset or is given another handle.
#pragma once

#include <utility>

#include "platform/operating_system.h"
#include "platform/window_system.h"

namespace vm {

// How a handle of kind H is closed, and through what. Each kind has one.
template <typename H>
struct Deleter;

template <typename H>
class Unique {
public:
    Unique() = default;
    Unique(H handle, Deleter<H> deleter) noexcept : handle_(handle), deleter_(deleter) {}
    Unique(Unique&& other) noexcept
        : handle_(std::exchange(other.handle_, H{})), deleter_(other.deleter_) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, H{});
            deleter_ = other.deleter_;
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    ~Unique() { Reset(); }

    H Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return static_cast<bool>(handle_); }
    // Gives the handle up without closing it.
    H Release() noexcept { return std::exchange(handle_, H{}); }
    void Reset() noexcept {
        if (handle_)
            deleter_(std::exchange(handle_, H{}));
    }

private:
    H handle_{};
    Deleter<H> deleter_{};
};

template <>
struct Deleter<Hwnd> {
    IWindowSystem* win = nullptr;
    void operator()(Hwnd window) const { win->DestroyWindow(window); }
};

template <>
struct Deleter<HIcon> {
    IWindowSystem* win = nullptr;
    void operator()(HIcon icon) const { win->DestroyIcon(icon); }
};

template <>
struct Deleter<HMenu> {
    IWindowSystem* win = nullptr;
    void operator()(HMenu menu) const { win->DestroyMenu(menu); }
};

template <>
struct Deleter<HFont> {
    IWindowSystem* win = nullptr;
    void operator()(HFont font) const { win->DeleteObject(font); }
};

template <>
struct Deleter<HBrush> {
    IWindowSystem* win = nullptr;
    void operator()(HBrush brush) const { win->DeleteObject(brush); }
};

template <>
struct Deleter<HGdiObj> {
    IWindowSystem* win = nullptr;
    void operator()(HGdiObj object) const { win->DeleteObject(object); }
};

// Unhooking goes through the address of UnhookWinEvent the caller looked up.
template <>
struct Deleter<HWinEventHook> {
    IWindowSystem* win = nullptr;
    FarProc unhookWinEvent = 0;
    void operator()(HWinEventHook hook) const { win->UnhookWinEvent(unhookWinEvent, hook); }
};

template <>
struct Deleter<Handle> {
    IOperatingSystem* os = nullptr;
    void operator()(Handle handle) const { os->CloseHandle(handle); }
};

template <>
struct Deleter<HKey> {
    IOperatingSystem* os = nullptr;
    void operator()(HKey key) const { os->RegCloseKey(key); }
};

template <>
struct Deleter<HModule> {
    IOperatingSystem* os = nullptr;
    void operator()(HModule module) const { os->FreeLibrary(module); }
};

// Takes ownership of a handle that is closed through api, the interface
// that made it: Own(win, win.CreatePopupMenu()), Own(os, os.LoadLibraryA(name)).
template <typename H, typename Api>
Unique<H> Own(Api& api, H handle) {
    return Unique<H>(handle, Deleter<H>{&api});
}

} // namespace vm
