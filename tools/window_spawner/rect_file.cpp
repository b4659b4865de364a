#include <windows.h>

#include <cstdio>

#include "rect_file.h"

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
    HANDLE file =
        CreateFileW(Target().path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(length), &written, nullptr);
    CloseHandle(file);
}

} // namespace spawner
