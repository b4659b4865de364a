#include <windows.h>

#include "common/utf8_hex.h"
#include "desktop_windows.h"
#include "polling.h"
#include "scratch_folder.h"
#include "spawned_windows.h"
#include "window_spawner/stall_command.h"

namespace e2e {

namespace {

constexpr DWORD OpenLimit = 15000;

std::wstring SpawnerArguments(const WindowSpec& spec) {
    wchar_t style[16];
    swprintf(style, 16, L"%lx", spec.style);
    std::wstring args = L"--title-hex \"" + Utf8HexOf(spec.title) + L"\" --rect " +
                        std::to_wstring(spec.left) + L"," + std::to_wstring(spec.top) + L"," +
                        std::to_wstring(spec.width) + L"," + std::to_wstring(spec.height) +
                        L" --class \"" + spec.className + L"\" --style " + style + L" --count " +
                        std::to_wstring(spec.count);
    if (spec.shown == Shown::Maximized)
        args += L" --maximized";
    if (spec.shown == Shown::Minimized)
        args += L" --minimized";
    if (spec.dialog)
        args += L" --dialog";
    if (spec.exStyle != 0) {
        wchar_t exStyle[16];
        swprintf(exStyle, 16, L"%lx", spec.exStyle);
        args += L" --ex-style " + std::wstring(exStyle);
    }
    if (spec.hangMs != 0)
        args += L" --hang " + std::to_wstring(spec.hangMs);
    if (!spec.titleLog.empty())
        args += L" --log \"" + spec.titleLog + L"\"";
    if (!spec.childClassName.empty())
        args += L" --child \"" + spec.childClassName + L"\"";
    if (spec.busyMs != 0)
        args += L" --busy " + std::to_wstring(spec.busyMs);
    if (spec.thenRect) {
        const RECT& r = *spec.thenRect;
        args += L" --then-rect " + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                std::to_wstring(r.right - r.left) + L"," + std::to_wstring(r.bottom - r.top);
    }
    if (spec.thenMaximized)
        args += L" --then-maximized";
    if (!spec.retitle.empty())
        args += L" --retitle-hex \"" + Utf8HexOf(spec.retitle) + L"\"";
    if (spec.stallMs != 0)
        args += L" --stall " + std::to_wstring(spec.stallMs);
    return args;
}

} // namespace

SpawnedWindows::SpawnedWindows(const std::wstring& spawnerExe, const WindowSpec& spec)
    : spec_(spec), process_(spawnerExe, SpawnerArguments(spec)) {}

bool SpawnedWindows::WaitUntilOpen() {
    if (!process_.Started())
        return false;
    const std::wstring className = spec_.dialog ? L"#32770" : spec_.className;
    return WaitUntil(
        [this, &className] {
            windows_ = TopLevelWindowsOf(process_.Id(), className);
            if (windows_.size() != static_cast<std::size_t>(spec_.count))
                return false;
            for (HWND window : windows_) {
                if (!IsWindowVisible(window))
                    return false;
            }
            return true;
        },
        OpenLimit);
}

bool StallProgramOf(HWND window) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, RegisterWindowMessageW(spawner::StallMessageName), 0, 0,
                               SMTO_ABORTIFHUNG, 5000, &answer) != 0;
}

std::wstring Utf8HexOf(const std::wstring& text) {
    const std::string hex = tools::Utf8HexFromWide(text);
    return std::wstring(hex.begin(), hex.end());
}

std::vector<std::wstring> ReadTitleLog(const std::wstring& path) {
    std::vector<std::wstring> titles;
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return titles;
    std::size_t start = 0;
    while (start < bytes->size()) {
        std::size_t end = bytes->find("\r\n", start);
        if (end == std::string::npos)
            end = bytes->size();
        const std::string line = bytes->substr(start, end - start);
        titles.push_back(
            tools::WideFromUtf8Hex(std::wstring(line.begin(), line.end())).value_or(L""));
        start = end + 2;
    }
    return titles;
}

} // namespace e2e
