#include <windows.h>

#include <shellapi.h>

#include <string>

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

UINT Registered(const wchar_t* name) {
    return RegisterWindowMessageW(name);
}

// The test's questions about the notification area; false when the message
// is none of them.
bool AnswerIconQuery(const StandinState& state, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& answer) {
    static const UINT count = Registered(IconCountMessageName);
    static const UINT tip = Registered(IconTipMessageName);
    static const UINT owner = Registered(IconOwnerMessageName);
    static const UINT click = Registered(IconClickMessageName);
    const auto& icons = state.notifyArea.Icons();
    if (message == count) {
        answer = static_cast<LRESULT>(icons.size());
    } else if (message == tip) {
        answer = wParam < icons.size()
                     ? GlobalAddAtomW((std::wstring(TipAtomPrefix) + icons[wParam].tip).c_str())
                     : 0;
    } else if (message == owner) {
        answer = wParam < icons.size() ? reinterpret_cast<LRESULT>(icons[wParam].owner) : 0;
    } else if (message == click) {
        answer = state.notifyArea.Click(wParam, static_cast<UINT>(lParam)) ? 1 : 0;
    } else {
        return false;
    }
    return true;
}

void PaintBar(HWND window, const StandinState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    state.notifyArea.Paint(dc, client);
    EndPaint(window, &paint);
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
    LRESULT answer = 0;
    if (state != nullptr && AnswerIconQuery(*state, message, wParam, lParam, answer))
        return answer;
    switch (message) {
        case WM_COPYDATA: {
            const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (state == nullptr || data == nullptr)
                return FALSE;
            const BOOL taken = state->notifyArea.Handle(*data);
            InvalidateRect(window, nullptr, TRUE);
            return taken;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            if (state != nullptr) {
                RECT client;
                GetClientRect(window, &client);
                const POINT point{static_cast<short>(LOWORD(lParam)),
                                  static_cast<short>(HIWORD(lParam))};
                state->notifyArea.MouseAt(client, point, message);
            }
            return 0;
        case WM_PAINT:
            if (state == nullptr)
                break;
            PaintBar(window, *state);
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

HWND CreateDockedBar(HINSTANCE instance, StandinState& state) {
    WNDCLASSW windowClass{};
    windowClass.style = CS_DBLCLKS;
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
