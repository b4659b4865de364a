#include <windows.h>

#include "../common/append_to_file.h"
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
    tools::AppendToFile(LogPath(), line);
}

} // namespace spawner
