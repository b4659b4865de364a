#include <windows.h>

#include "title_log.h"
#include "utf8_text.h"

namespace spawner {

namespace {

std::wstring& LogPath() {
    static std::wstring path;
    return path;
}

} // namespace

void StartTitleLog(const std::wstring& path) {
    LogPath() = path;
}

void LogTitle(const wchar_t* title) {
    if (LogPath().empty())
        return;
    const std::string line = Utf8HexFromWide(title != nullptr ? title : L"") + "\r\n";
    HANDLE file = CreateFileW(LogPath().c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}

} // namespace spawner
