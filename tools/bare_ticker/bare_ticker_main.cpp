// bare_ticker.exe: the least a watcher of top-level windows has to ask of
// the system, as the yardstick of bench/wine_cpu/measure. Every 250 ms one
// tick's queries (the window count, the foreground window and its rectangle,
// the taskbar's rectangle); when one of them changed, a pass that reads every
// window's title, class, rectangle and process (one process snapshot per
// pass) and moves each visible, titled window whose top lies above the
// taskbar's bottom down to it, the way Velmora.exe moves it.
#include <windows.h>

#include <tlhelp32.h>

#include <map>
#include <string>

namespace {

struct TickState {
    int windowCount = -1;
    HWND foreground = nullptr;
    RECT foregroundRect{};
    RECT taskbarRect{};
};

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

std::map<DWORD, std::string> SnapshotExeNames() {
    std::map<DWORD, std::string> names;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return names;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        names.emplace(entry.th32ProcessID, entry.szExeFile);
    CloseHandle(snapshot);
    return names;
}

struct Pass {
    LONG watchLine = 0;
    bool snapshotTaken = false;
    std::map<DWORD, std::string> names;
    std::size_t nameBytes = 0; // keeps the reads from being optimised away
};

BOOL CALLBACK VisitWindow(HWND window, LPARAM data) {
    Pass& pass = *reinterpret_cast<Pass*>(data);
    char title[260] = "";
    char className[260] = "";
    GetWindowTextA(window, title, sizeof(title));
    if (!IsWindowVisible(window) || title[0] == '\0' || IsIconic(window))
        return TRUE;
    GetClassNameA(window, className, sizeof(className));
    RECT rect{};
    GetWindowRect(window, &rect);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (!pass.snapshotTaken) {
        pass.names = SnapshotExeNames();
        pass.snapshotTaken = true;
    }
    const auto found = pass.names.find(pid);
    pass.nameBytes += found == pass.names.end() ? 0 : found->second.size();
    if (rect.top < pass.watchLine) {
        SetWindowPos(window, nullptr, rect.left, pass.watchLine, rect.right - rect.left,
                     rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    }
    return TRUE;
}

void Tick(TickState& state) {
    bool changed = false;
    int count = 0;
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&count));
    if (count != state.windowCount) {
        state.windowCount = count;
        changed = true;
    }
    HWND foreground = GetForegroundWindow();
    if (foreground != nullptr && IsWindowVisible(foreground)) {
        RECT rect{};
        if (foreground != state.foreground)
            changed = true;
        state.foreground = foreground;
        if (GetWindowRect(foreground, &rect) && !SameRect(rect, state.foregroundRect)) {
            state.foregroundRect = rect;
            changed = true;
        }
    }
    HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    RECT taskbarRect{};
    if (taskbar != nullptr && GetWindowRect(taskbar, &taskbarRect) &&
        !SameRect(taskbarRect, state.taskbarRect)) {
        state.taskbarRect = taskbarRect;
        changed = true;
    }
    if (!changed)
        return;
    Pass pass;
    pass.watchLine = state.taskbarRect.bottom;
    EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(&pass));
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    TickState state;
    SetTimer(nullptr, 0, 250, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr)
            Tick(state);
        DispatchMessageA(&message);
    }
    return 0;
}
