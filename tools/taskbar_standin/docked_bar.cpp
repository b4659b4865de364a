#include <windows.h>

#include <shellapi.h>

#include "appearance_report.h"
#include "dock_command.h"
#include "docked_bar.h"

namespace standin {

RECT BandRect(unsigned edge, int thickness) {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    switch (edge) {
        case ABE_BOTTOM:
            return RECT{0, height - thickness, width, height};
        case ABE_LEFT:
            return RECT{0, 0, thickness, height};
        case ABE_RIGHT:
            return RECT{width - thickness, 0, width, height};
        default:
            return RECT{0, 0, width, thickness};
    }
}

namespace {

UINT DockMessage() {
    static const UINT message = RegisterWindowMessageW(DockMessageName);
    return message;
}

UINT QueryCountMessage() {
    static const UINT message = RegisterWindowMessageW(QueryCountMessageName);
    return message;
}

UINT AppearanceMessage() {
    static const UINT message = RegisterWindowMessageW(AppearanceMessageName);
    return message;
}

void PlaceBar(const StandinState& state) {
    const RECT band = BandRect(state.options.edge, state.options.thickness);
    SetWindowPos(state.bar, HWND_TOPMOST, band.left, band.top, band.right - band.left,
                 band.bottom - band.top, SWP_NOACTIVATE);
}

LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<StandinState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (state != nullptr && message == DockMessage()) {
        DockBar(*state, static_cast<unsigned>(wParam), static_cast<int>(lParam));
        return 1;
    }
    if (state != nullptr && message == QueryCountMessage())
        return static_cast<LRESULT>(state->positionQueries);
    if (message == AppearanceMessage())
        return ReportAppearance(window);
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

} // namespace

HWND CreateDockedBar(HINSTANCE instance, StandinState& state) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = BarProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = CreateSolidBrush(RGB(32, 64, 128));
    windowClass.lpszClassName = BarClassName;
    if (RegisterClassW(&windowClass) == 0)
        return nullptr;
    const RECT band = BandRect(state.options.edge, state.options.thickness);
    state.bar = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, BarClassName,
                                L"", WS_POPUP, band.left, band.top, band.right - band.left,
                                band.bottom - band.top, nullptr, nullptr, instance, nullptr);
    if (state.bar == nullptr)
        return nullptr;
    SetWindowLongPtrW(state.bar, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    ShowWindow(state.bar, SW_SHOWNOACTIVATE);
    PlaceBar(state);
    return state.bar;
}

void DockBar(StandinState& state, unsigned edge, int thickness) {
    if (edge > ABE_BOTTOM)
        return;
    state.options.edge = edge;
    if (thickness > 0)
        state.options.thickness = thickness;
    PlaceBar(state);
}

} // namespace standin
