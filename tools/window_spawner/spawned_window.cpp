#include <windows.h>

#include <array>
#include <cstring>

#include "latency_log.h"
#include "program_reactions.h"
#include "rect_file.h"
#include "spawned_window.h"
#include "title_log.h"

namespace spawner {

namespace {

int& OpenWindows() {
    static int count = 0;
    return count;
}

void WindowGone() {
    if (--OpenWindows() == 0)
        PostQuitMessage(0);
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (React(window, message, wParam))
        return 0;
    if (message == WM_SETTEXT)
        LogTitle(reinterpret_cast<const wchar_t*>(lParam));
    else if (message == WM_WINDOWPOSCHANGED) {
        UpdateRectFile(window);
        NoteWindowMoved(window);
    } else if (message == WM_DESTROY)
        WindowGone();
    return DefWindowProcW(window, message, wParam, lParam);
}

INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_SETTEXT:
            LogTitle(reinterpret_cast<const wchar_t*>(lParam));
            return FALSE;
        case WM_WINDOWPOSCHANGED:
            UpdateRectFile(window);
            return FALSE;
        case WM_CLOSE:
            DestroyWindow(window);
            return TRUE;
        case WM_DESTROY:
            WindowGone();
            return FALSE;
        default:
            return FALSE;
    }
}

int ShowCommand(ShowState show) {
    switch (show) {
        case ShowState::Maximized:
            return SW_SHOWMAXIMIZED;
        case ShowState::Minimized:
            return SW_SHOWMINNOACTIVE;
        default:
            return SW_SHOWNORMAL;
    }
}

// An empty dialog template: no menu, the system dialog class, no title, no
// controls. Size and place are set in pixels once the dialog exists.
HWND CreateEmptyDialog(HINSTANCE instance) {
    DLGTEMPLATE header{};
    header.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    alignas(DWORD) std::array<WORD, 16> buffer{};
    std::memcpy(buffer.data(), &header, sizeof(header));
    return CreateDialogIndirectParamW(instance, reinterpret_cast<LPCDLGTEMPLATEW>(buffer.data()),
                                      nullptr, DialogProc, 0);
}

} // namespace

bool RegisterSpawnerClass(HINSTANCE instance, const SpawnerOptions& options) {
    if (options.dialog)
        return true;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = options.className.c_str();
    if (RegisterClassW(&windowClass) == 0)
        return false;
    if (options.childClassName.empty())
        return true;
    WNDCLASSW childClass{};
    childClass.lpfnWndProc = DefWindowProcW;
    childClass.hInstance = instance;
    childClass.hCursor = windowClass.hCursor;
    childClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    childClass.lpszClassName = options.childClassName.c_str();
    return RegisterClassW(&childClass) != 0;
}

HWND OpenSpawnedWindow(HINSTANCE instance, const SpawnerOptions& options) {
    HWND window = nullptr;
    if (options.dialog) {
        window = CreateEmptyDialog(instance);
        if (window != nullptr) {
            SetWindowTextW(window, options.title.c_str());
            SetWindowPos(window, nullptr, options.left, options.top, options.width, options.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    } else {
        window = CreateWindowExW(options.exStyle, options.className.c_str(), options.title.c_str(),
                                 options.style, options.left, options.top, options.width,
                                 options.height, nullptr, nullptr, instance, nullptr);
    }
    if (window == nullptr)
        return nullptr;
    if (!options.childClassName.empty() && !options.dialog) {
        RECT client{};
        GetClientRect(window, &client);
        CreateWindowExW(0, options.childClassName.c_str(), L"", WS_CHILD | WS_VISIBLE, 0, 0,
                        client.right, client.bottom, window, nullptr, instance, nullptr);
    }
    ++OpenWindows();
    ShowWindow(window, ShowCommand(options.show));
    UpdateWindow(window);
    // A program that goes on placing its window before it reads its queue.
    if (options.busyMilliseconds != 0)
        Sleep(options.busyMilliseconds);
    if (options.thenPlace) {
        SetWindowPos(window, nullptr, options.thenLeft, options.thenTop, options.thenWidth,
                     options.thenHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (options.thenMaximized)
        ShowWindow(window, SW_MAXIMIZE);
    return window;
}

} // namespace spawner
