#include <windows.h>

#include <cstdio>

#include "latency_log.h"

namespace spawner {

namespace {

struct Timing {
    std::wstring path;
    HWND window = nullptr;
    LARGE_INTEGER start{};
    bool moved = false;
    bool timing = false;
};

Timing& Current() {
    static Timing timing;
    return timing;
}

} // namespace

void StartLatencyClock(const std::wstring& path) {
    Timing& t = Current();
    t.path = path;
    t.window = nullptr;
    t.moved = false;
    t.timing = !path.empty();
    QueryPerformanceCounter(&t.start);
}

void TimeWindow(HWND window) {
    Current().window = window;
}

void NoteWindowMoved(HWND window) {
    Timing& t = Current();
    if (!t.timing || t.moved || window == nullptr || window != t.window)
        return;
    RECT rect{};
    // Its own showing and sizing are no move.
    if (!GetWindowRect(window, &rect) || rect.top <= 0)
        return;
    t.moved = true;
    LARGE_INTEGER now{};
    LARGE_INTEGER frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    const double ms = 1000.0 * static_cast<double>(now.QuadPart - t.start.QuadPart) /
                      static_cast<double>(frequency.QuadPart);
    char line[32];
    const int length = snprintf(line, sizeof(line), "%.1f\n", ms);
    HANDLE file = CreateFileW(t.path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

} // namespace spawner
