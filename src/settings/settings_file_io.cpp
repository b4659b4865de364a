#include "settings/settings_file_io.h"

#include "platform/constants.h"
#include "settings/settings_write_error.h"

namespace vm {

SettingsFileState ReadSettingsFile(IOperatingSystem& os, const std::string& path,
                                   std::string& content) {
    content.clear();
    if (!os.FileExists(path))
        return SettingsFileState::Missing;
    if (os.ReadWholeFile(path, content, kMaxSettingsFileBytes))
        return SettingsFileState::Read;
    content.clear();
    return SettingsFileState::Unreadable;
}

void ReplaceSettingsFile(IOperatingSystem& os, const std::string& path,
                         const std::string& content) {
    if (content.size() > kMaxSettingsFileBytes) {
        throw SettingsWriteError("settings too large to store: " + path);
    }
    const std::string temporary = path + ".tmp";
    if (!os.WriteWholeFile(temporary, content)) {
        os.DeleteFileA(temporary);
        throw SettingsWriteError("cannot write " + temporary);
    }
    if (!os.MoveFileExA(temporary, path, movefile::REPLACE_EXISTING)) {
        os.DeleteFileA(temporary);
        throw SettingsWriteError("cannot replace " + path);
    }
}

} // namespace vm
