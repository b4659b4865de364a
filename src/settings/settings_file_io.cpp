#include "settings/settings_file_io.h"

#include "platform/constants.h"
#include "settings/settings_write_error.h"

namespace vm {

namespace {

// Without MoveFileExA (the Windows 95 family has none) the old file first
// steps aside under a backup name and comes back if the new one cannot take
// its place, so at every moment one of the two names holds it.
bool ReplaceByRenaming(IOperatingSystem& os, const std::string& temporary,
                       const std::string& path) {
    const std::string backup = path + ".bak";
    const bool hadFile = os.FileExists(path);
    if (hadFile) {
        os.DeleteFileA(backup); // left by an earlier save that was cut off
        if (!os.MoveFileA(path, backup))
            return false;
    }
    if (!os.MoveFileA(temporary, path)) {
        if (hadFile)
            os.MoveFileA(backup, path);
        return false;
    }
    if (hadFile)
        os.DeleteFileA(backup);
    return true;
}

} // namespace

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
    if (!os.MoveFileExA(temporary, path, movefile::REPLACE_EXISTING) &&
        !ReplaceByRenaming(os, temporary, path)) {
        os.DeleteFileA(temporary);
        throw SettingsWriteError("cannot replace " + path);
    }
}

bool CanWriteBeside(IOperatingSystem& os, const std::string& path) {
    const std::string temporary = path + ".tmp";
    const bool written = os.WriteWholeFile(temporary, std::string());
    os.DeleteFileA(temporary);
    return written;
}

} // namespace vm
