#include "settings/settings_file_io.h"

#include <optional>

#include "platform/constants.h"
#include "settings/settings_write_error.h"

namespace vm {

namespace {

// The call that failed and the code it left, read before any other call.
FailedCall LastFailure(IOperatingSystem& os, const char* call) {
    return FailedCall::LastError(call, os.GetLastError());
}

// Without MoveFileExA (the Windows 95 family has none) the old file first
// steps aside under a backup name and comes back if the new one cannot take
// its place, so at every moment one of the two names holds it. The move
// that failed, if one did.
std::optional<FailedCall> ReplaceByRenaming(IOperatingSystem& os, const std::string& temporary,
                                            const std::string& path) {
    const std::string backup = path + ".bak";
    const bool hadFile = os.FileExists(path);
    if (hadFile) {
        os.DeleteFileA(backup); // left by an earlier save that was cut off
        if (!os.MoveFileA(path, backup))
            return LastFailure(os, "MoveFileA");
    }
    if (!os.MoveFileA(temporary, path)) {
        const FailedCall failed = LastFailure(os, "MoveFileA");
        if (hadFile)
            os.MoveFileA(backup, path);
        return failed;
    }
    if (hadFile)
        os.DeleteFileA(backup);
    return std::nullopt;
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
        const FailedCall failed = LastFailure(os, "WriteWholeFile");
        os.DeleteFileA(temporary);
        throw SettingsWriteError("cannot write " + temporary, failed);
    }
    if (os.MoveFileExA(temporary, path, movefile::REPLACE_EXISTING))
        return;
    if (const std::optional<FailedCall> failed = ReplaceByRenaming(os, temporary, path)) {
        os.DeleteFileA(temporary);
        throw SettingsWriteError("cannot replace " + path, *failed);
    }
}

bool CanWriteBeside(IOperatingSystem& os, const std::string& path) {
    const std::string temporary = path + ".tmp";
    const bool written = os.WriteWholeFile(temporary, std::string());
    os.DeleteFileA(temporary);
    return written;
}

} // namespace vm
