#include <windows.h>

#include "desktop_windows.h"
#include "polling.h"
#include "scratch_folder.h"
#include "spawned_windows.h"

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
    return args;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::wstring TitleFromHexLine(const std::string& line) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < line.size(); i += 2) {
        const int high = HexValue(line[i]);
        const int low = HexValue(line[i + 1]);
        if (high < 0 || low < 0)
            break;
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return WideFromUtf8(bytes);
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

std::wstring Utf8HexOf(const std::wstring& text) {
    if (text.empty())
        return std::wstring();
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring hex;
    for (const unsigned char byte : bytes) {
        hex.push_back(digits[byte >> 4]);
        hex.push_back(digits[byte & 0x0F]);
    }
    return hex;
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
        titles.push_back(TitleFromHexLine(bytes->substr(start, end - start)));
        start = end + 2;
    }
    return titles;
}

} // namespace e2e
