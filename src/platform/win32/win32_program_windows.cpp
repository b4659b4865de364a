// The program's own windows: class registration, the window procedure that
// forwards to the WndProc kept with each window, timers and the message loop.
#include "platform/win32/win32_api.h"

#include <memory>
#include <string>
#include <utility>

#include "platform/win32/win32_error_trace.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window_system.h"

namespace vm {

using win32::FromHandle;
using win32::ToHwnd;
using win32::Widen;

namespace {

// Each window holds its own reference to the procedure in its extra bytes, so
// a procedure that destroys its own window stays alive until it returns.
using SharedProc = std::shared_ptr<WndProc>;
constexpr int kProcSlot = 0;

// The top-level window with WS_EX_CONTROLPARENT that holds the message's
// window, whose controls the keyboard walks; null when there is none. Only
// the program's own windows post to its queue.
HWND DialogOf(HWND window) {
    const HWND root = window == nullptr ? nullptr : ::GetAncestor(window, GA_ROOT);
    if (root == nullptr || (::GetWindowLongA(root, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) == 0)
        return nullptr;
    return root;
}

// One message of the loop: the keyboard's dialog handling first.
void Dispatch(MSG& msg) {
    const HWND dialog = DialogOf(msg.hwnd);
    if (dialog != nullptr && ::IsDialogMessageW(dialog, &msg) != FALSE)
        return;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

SharedProc* KeptProc(HWND window) {
    return reinterpret_cast<SharedProc*>(::GetWindowLongPtrW(window, kProcSlot));
}

void KeepProc(HWND window, LPARAM createParam) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createParam);
    const auto* initial = static_cast<const SharedProc*>(create->lpCreateParams);
    if (initial != nullptr) {
        ::SetWindowLongPtrW(window, kProcSlot,
                            reinterpret_cast<LONG_PTR>(new SharedProc(*initial)));
    }
}

SharedProc TakeProc(HWND window, UINT msg) {
    SharedProc* kept = KeptProc(window);
    if (kept == nullptr) {
        return nullptr;
    }
    SharedProc proc = *kept;
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, kProcSlot, 0);
        delete kept;
    }
    return proc;
}

LRESULT CALLBACK ProgramWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    SharedProc proc;
    try {
        if (msg == WM_NCCREATE) {
            KeepProc(window, lParam);
        }
        proc = TakeProc(window, msg);
    } catch (...) {
        win32::TraceError();
        proc = nullptr;
    }
    if (!proc || !*proc) {
        return ::DefWindowProcW(window, msg, wParam, lParam);
    }
    const Hwnd self = FromHandle(window);
    MsgResult result;
    try {
        result = (*proc)(self, msg, wParam, lParam);
    } catch (...) {
        win32::TraceError();
        // The default handling of a close would destroy the window the
        // procedure failed to close in its own way, settings unsaved.
        result = msg == WM_CLOSE ? MsgResult{0} : std::nullopt;
    }
    // A message the procedure declined, or failed on, gets the default handling.
    if (!result)
        return ::DefWindowProcW(window, msg, wParam, lParam);
    return static_cast<LRESULT>(*result);
}

// A class name already known to the system (registered earlier, or a system
// class) is used as it is. The class is a Unicode one: its windows keep
// every character of a text given to SetWindowTextW.
bool EnsureClassRegistered(HINSTANCE instance, const wchar_t* className) {
    WNDCLASSW wc{};
    if (::GetClassInfoW(instance, className, &wc) != FALSE) {
        return true;
    }
    wc.lpfnWndProc = ProgramWindowProc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    // Program windows are forms: button-face background under their controls.
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    return ::RegisterClassW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

Hwnd Win32WindowSystem::CreateProgramWindow(ProgramWindowSpec spec) {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (spec.className == nullptr)
        return {};
    const std::wstring wideClass = Widen(spec.className);
    if (!EnsureClassRegistered(instance, wideClass.c_str()))
        return {};
    const std::wstring wideName = Widen(spec.title == nullptr ? "" : spec.title);
    SharedProc shared = std::make_shared<WndProc>(std::move(spec.proc));
    return FromHandle(::CreateWindowExW(spec.exStyle, wideClass.c_str(), wideName.c_str(),
                                        spec.style, spec.x, spec.y, spec.width, spec.height,
                                        ToHwnd(spec.owner), nullptr, instance, &shared));
}

bool Win32WindowSystem::DestroyWindow(Hwnd window) {
    return ::DestroyWindow(ToHwnd(window)) != FALSE;
}

bool Win32WindowSystem::SetTimer(Hwnd window, std::uintptr_t id, std::uint32_t elapseMs) {
    return ::SetTimer(ToHwnd(window), id, elapseMs, nullptr) != 0;
}

bool Win32WindowSystem::KillTimer(Hwnd window, std::uintptr_t id) {
    return ::KillTimer(ToHwnd(window), id) != FALSE;
}

void Win32WindowSystem::PostQuitMessage(int exitCode) {
    ::PostQuitMessage(exitCode);
}

int Win32WindowSystem::RunMessageLoop() {
    MSG msg{};
    BOOL got = FALSE;
    while ((got = ::GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        Dispatch(msg);
    }
    return got == 0 ? static_cast<int>(msg.wParam) : 0;
}

// A quit request met here is left for the message loop to end on.
void Win32WindowSystem::ProcessMessages() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE) != FALSE) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        Dispatch(msg);
    }
}

} // namespace vm
