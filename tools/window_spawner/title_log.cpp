#include <windows.h>

#include "../common/append_to_file.h"
#include "../common/utf8_hex.h"
#include "title_log.h"

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
    const std::string line = tools::Utf8HexFromWide(title != nullptr ? title : L"") + "\r\n";
    tools::AppendToFile(LogPath(), line);
}

} // namespace spawner
