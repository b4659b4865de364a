#include <windows.h>

#include <cstdio>

#include "latency_log.h"
#include "text_file.h"

namespace spawner {

namespace {

struct Timing {
    std::wstring path;
    HWND window = nullptr;
    LARGE_INTEGER start{};
    LARGE_INTEGER shown{};
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
    Timing& t = Current();
    t.window = window;
    QueryPerformanceCounter(&t.shown);
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
    const auto ms = [&](const LARGE_INTEGER& at) {
        return 1000.0 * static_cast<double>(at.QuadPart - t.start.QuadPart) /
               static_cast<double>(frequency.QuadPart);
    };
    char line[48];
    const int length = snprintf(line, sizeof(line), "%.1f %.1f\n", ms(now), ms(t.shown));
    WriteTextFile(t.path, line, length, true);
}

} // namespace spawner
