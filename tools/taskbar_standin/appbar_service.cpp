#include <windows.h>

#include <shellapi.h>

#include <cstring>

#include "appbar_service.h"

namespace standin {

namespace {

constexpr wchar_t ServiceClassName[] = L"WineAppBar";

// Closes a kernel handle when it goes out of scope.
class ScopedHandle {
public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ~ScopedHandle() {
        if (handle_ != nullptr)
            CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Writes the response into the caller's mapping, reached through a
// duplicate of its handle.
void SendResponse(const AppBarCommand& command, const AppBarResponse& response) {
    const ScopedHandle caller(OpenProcess(PROCESS_DUP_HANDLE, FALSE, command.returnProcess));
    if (caller.get() == nullptr)
        return;
    HANDLE duplicate = nullptr;
    if (!DuplicateHandle(caller.get(), ULongToHandle(command.returnMap), GetCurrentProcess(),
                         &duplicate, 0, FALSE, DUPLICATE_SAME_ACCESS))
        return;
    const ScopedHandle map(duplicate);
    void* view = MapViewOfFile(map.get(), FILE_MAP_WRITE, 0, 0, sizeof(AppBarResponse));
    if (view == nullptr)
        return;
    std::memcpy(view, &response, sizeof(response));
    UnmapViewOfFile(view);
}

LRESULT CALLBACK ServiceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<StandinState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_COPYDATA || state == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data == nullptr || data->lpData == nullptr || data->cbData != sizeof(AppBarCommand))
        return FALSE;
    AppBarCommand command;
    std::memcpy(&command, data->lpData, sizeof(command));
    AppBarResponse response{};
    response.abd = command.abd;
    response.result = AnswerAppBarMessage(*state, static_cast<DWORD>(data->dwData), response.abd);
    SendResponse(command, response);
    return TRUE;
}

} // namespace

ULONGLONG AnswerAppBarMessage(StandinState& state, DWORD message, AppBarDataMessage& abd) {
    switch (message) {
        case ABM_GETTASKBARPOS:
            ++state.positionQueries;
            abd.hWnd = static_cast<LONG>(reinterpret_cast<LONG_PTR>(state.bar));
            abd.uEdge = state.options.edge;
            abd.rc = BandRect(state.options.edge, state.options.thickness);
            return 1;
        case ABM_GETSTATE:
            return ABS_ALWAYSONTOP | (state.options.autoHide ? ABS_AUTOHIDE : 0);
        default:
            return 0;
    }
}

HWND CreateAppBarService(HINSTANCE instance, StandinState& state) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = ServiceProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = ServiceClassName;
    if (RegisterClassW(&windowClass) == 0)
        return nullptr;
    HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, ServiceClassName, nullptr, WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, nullptr);
    if (window != nullptr)
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&state));
    return window;
}

} // namespace standin
