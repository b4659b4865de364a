// Child controls of the system's classes, the keyboard focus, fonts,
// colours and the common file dialog: user32, gdi32, comctl32 and comdlg32
// one to one.
#include "platform/win32/win32_api.h"

#include <commctrl.h>
#include <commdlg.h>

#include <cstring>

#include "platform/win32/on_demand_com.h"
#include "platform/win32/on_demand_library.h"
#include "platform/win32/win32_unique.h"
#include "platform/win32/win32_window_system.h"

namespace vm {

using win32::FromHandle;
using win32::ToHandle;
using win32::ToHwnd;

Hwnd Win32WindowSystem::CreateControl(const ControlSpec& spec) {
    if (spec.className == nullptr || spec.parent == 0)
        return 0;
    return FromHandle(
        ::CreateWindowExA(spec.exStyle, spec.className, spec.text, spec.style | WS_CHILD, spec.x,
                          spec.y, spec.width, spec.height, ToHwnd(spec.parent),
                          // The hMenu of a child window is its control ID.
                          reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(spec.id)),
                          ::GetModuleHandleA(nullptr), nullptr));
}

bool Win32WindowSystem::EnableWindow(Hwnd window, bool enable) {
    return ::EnableWindow(ToHwnd(window), enable ? TRUE : FALSE) != FALSE;
}

Hwnd Win32WindowSystem::SetFocus(Hwnd window) {
    return FromHandle(::SetFocus(ToHwnd(window)));
}

Hwnd Win32WindowSystem::GetFocus() {
    return FromHandle(::GetFocus());
}

Hwnd Win32WindowSystem::GetNextDlgTabItem(Hwnd dialog, Hwnd control, bool previous) {
    return FromHandle(
        ::GetNextDlgTabItem(ToHwnd(dialog), ToHwnd(control), previous ? TRUE : FALSE));
}

Hwnd Win32WindowSystem::GetDlgItem(Hwnd dialog, int controlId) {
    return FromHandle(::GetDlgItem(ToHwnd(dialog), controlId));
}

int Win32WindowSystem::GetDlgCtrlID(Hwnd window) {
    return ::GetDlgCtrlID(ToHwnd(window));
}

bool Win32WindowSystem::InitCommonControlsEx(std::uint32_t classes) {
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = classes;
    // Loaded when the settings window is first opened, not at start.
    static HMODULE comctl32 = nullptr;
    const auto call = win32::OnDemandProc<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
        comctl32, "comctl32.dll", "InitCommonControlsEx");
    return call != nullptr && call(&init) != FALSE;
}

// uxtheme.dll first shipped with Windows XP, so it is looked up here rather
// than imported: the exe must still load on Windows 2000.
bool Win32WindowSystem::IsAppThemed() {
    const Unique<HMODULE> uxtheme(win32::LoadSystemLibrary("uxtheme.dll"), {});
    if (!uxtheme)
        return false;
    using IsAppThemedProc = BOOL(WINAPI*)();
    const auto isAppThemed =
        reinterpret_cast<IsAppThemedProc>(::GetProcAddress(uxtheme.Get(), "IsAppThemed"));
    return isAppThemed != nullptr && isAppThemed() != FALSE;
}

bool Win32WindowSystem::RedrawWindow(Hwnd window, std::uint32_t flags) {
    return ::RedrawWindow(ToHwnd(window), nullptr, nullptr, flags) != FALSE;
}

HFont Win32WindowSystem::CreateFontIndirectA(const LogFontA& font) {
    LOGFONTA lf{};
    lf.lfHeight = font.lfHeight;
    lf.lfWeight = font.lfWeight;
    lf.lfCharSet = font.lfCharSet;
    static_assert(sizeof(lf.lfFaceName) == sizeof(font.lfFaceName));
    std::memcpy(lf.lfFaceName, font.lfFaceName, sizeof(lf.lfFaceName));
    lf.lfFaceName[sizeof(lf.lfFaceName) - 1] = '\0';
    return FromHandle(::CreateFontIndirectA(&lf));
}

bool Win32WindowSystem::DeleteObject(HGdiObj object) {
    return ::DeleteObject(ToHandle<HGDIOBJ>(object)) != FALSE;
}

ColorRef Win32WindowSystem::GetSysColor(int index) {
    return static_cast<ColorRef>(::GetSysColor(index));
}

HBrush Win32WindowSystem::GetSysColorBrush(int index) {
    return FromHandle(::GetSysColorBrush(index));
}

ColorRef Win32WindowSystem::SetTextColor(Hdc dc, ColorRef color) {
    return static_cast<ColorRef>(::SetTextColor(ToHandle<HDC>(dc), color));
}

ColorRef Win32WindowSystem::SetBkColor(Hdc dc, ColorRef color) {
    return static_cast<ColorRef>(::SetBkColor(ToHandle<HDC>(dc), color));
}

Hdc Win32WindowSystem::GetDC(Hwnd window) {
    return FromHandle(::GetDC(ToHwnd(window)));
}

int Win32WindowSystem::ReleaseDC(Hwnd window, Hdc dc) {
    return ::ReleaseDC(ToHwnd(window), ToHandle<HDC>(dc));
}

HGdiObj Win32WindowSystem::SelectObject(Hdc dc, HGdiObj object) {
    return FromHandle<HGdiObj>(::SelectObject(ToHandle<HDC>(dc), ToHandle<HGDIOBJ>(object)));
}

bool Win32WindowSystem::GetTextExtentPoint32A(Hdc dc, const char* text, int length, Size& size) {
    SIZE extent{};
    if (::GetTextExtentPoint32A(ToHandle<HDC>(dc), text, length, &extent) == FALSE)
        return false;
    size = Size{extent.cx, extent.cy};
    return true;
}

bool Win32WindowSystem::GetOpenFileNameA(OpenFileNameA& dialog) {
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = ToHwnd(dialog.hwndOwner);
    ofn.lpstrFilter = dialog.lpstrFilter;
    ofn.lpstrFile = dialog.lpstrFile;
    ofn.nMaxFile = dialog.nMaxFile;
    ofn.lpstrTitle = dialog.lpstrTitle;
    ofn.Flags = dialog.Flags;
    win32::EnterWantedCom();
    static HMODULE comdlg32 = nullptr;
    const auto call = win32::OnDemandProc<BOOL(WINAPI*)(OPENFILENAMEA*)>(comdlg32, "comdlg32.dll",
                                                                         "GetOpenFileNameA");
    return call != nullptr && call(&ofn) != FALSE;
}

} // namespace vm
