#include <windows.h>

#include <cstdio>

#include "rect_file.h"
#include "text_file.h"

namespace spawner {

namespace {

struct Watched {
    HWND window = nullptr;
    std::wstring path;
};

Watched& Target() {
    static Watched target;
    return target;
}

} // namespace

void StartRectFile(HWND window, const std::wstring& path) {
    if (path.empty())
        return;
    Target() = Watched{window, path};
    UpdateRectFile(window);
}

void UpdateRectFile(HWND window) {
    if (window == nullptr || window != Target().window)
        return;
    RECT rect{};
    if (!GetWindowRect(window, &rect))
        return;
    char line[64];
    const int length = snprintf(line, sizeof(line), "%ld %ld %ld %ld\n", rect.left, rect.top,
                                rect.right, rect.bottom);
    WriteTextFile(Target().path, line, length, false);
}

} // namespace spawner
