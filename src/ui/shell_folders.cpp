#include "ui/shell_folders.h"

#include <array>
#include <cstddef>
#include <vector>

#include "encoding/path_text.h"
#include "encoding/text.h"
#include "platform/constants.h"
#include "platform/unique.h"
#include "ui/shortcut_error.h"

namespace vm {

namespace {

constexpr char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kQuickLaunchTail[] = "Application Data\\Microsoft\\Internet Explorer\\Quick Launch";

constexpr std::array<const char*, 16> kShellFolderNames = {
    "Desktop",          "Favorites",       "Fonts",
    "NetHood",          "Personal",        "Programs",
    "Recent",           "SendTo",          "Start Menu",
    "Startup",          "Templates",       "Common Desktop",
    "Common Favorites", "Common Programs", "Common Start Menu",
    "Common Startup"};

// The key, open for reading; null when it cannot be opened.
Unique<HKey> OpenKey(IOperatingSystem& os, HKey root, const char* path) {
    HKey key = 0;
    if (os.RegOpenKeyExA(root, path, 0, key_access::READ, &key) != error::SUCCESS)
        return {};
    return Own(os, key);
}

enum class ValueRead { Text, Missing, Unusable };

// A string value of at most a path's length. Other types are an error; a
// longer value is refused rather than cut.
ValueRead ReadPathValue(IOperatingSystem& os, HKey key, const char* name, std::string& text) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    const std::int32_t status = os.RegQueryValueExA(key, name, &type, nullptr, &size);
    if (status == error::FILE_NOT_FOUND)
        return ValueRead::Missing;
    if (status != error::SUCCESS)
        return ValueRead::Unusable;
    if (type != reg::SZ && type != reg::EXPAND_SZ)
        throw ShortcutError(std::string("shell folder value is no text: ") + name);
    if (size > kMaxPath)
        return ValueRead::Unusable;
    std::vector<std::uint8_t> data(kMaxPath, 0);
    size = static_cast<std::uint32_t>(data.size());
    if (os.RegQueryValueExA(key, name, &type, data.data(), &size) != error::SUCCESS)
        return ValueRead::Unusable;
    if (type != reg::SZ && type != reg::EXPAND_SZ)
        throw ShortcutError(std::string("shell folder value is no text: ") + name);
    text = CutAtNul(std::string_view(reinterpret_cast<const char*>(data.data()), size));
    return ValueRead::Text;
}

std::string WindowsDirectory(IOperatingSystem& os) {
    char buffer[kMaxPath] = {};
    const std::uint32_t length = os.GetWindowsDirectoryA(buffer, kMaxPath);
    if (length == 0 || length >= kMaxPath)
        return std::string();
    return CutAtNul(std::string_view(buffer, length));
}

} // namespace

std::string GetShellFolder(IOperatingSystem& os, std::uint8_t index) {
    if (index >= kShellFolderNames.size())
        return std::string();
    const Unique<HKey> key = OpenKey(os, hkey::CURRENT_USER, kShellFoldersKey);
    if (!key)
        return std::string();
    std::string folder;
    switch (ReadPathValue(os, key.Get(), kShellFolderNames[index], folder)) {
        case ValueRead::Unusable:
            return std::string();
        case ValueRead::Missing:
        case ValueRead::Text:
            break;
    }
    return WithTrailingBackslash(folder);
}

std::string GetQuickLaunchFolder(IOperatingSystem& os, const OsVersionInfo& version) {
    const std::string base = version.dwPlatformId == ver_platform::WIN32_NT
                                 ? ParentFolder(GetShellFolder(os, kShellFolderPersonal))
                                 : WithTrailingBackslash(WindowsDirectory(os));
    if (!IsFullPath(base))
        return std::string();
    const std::string path = base + kQuickLaunchTail;
    if (path.size() >= kMaxPath || !FolderExists(os, path))
        return std::string();
    return path + '\\';
}

bool FolderExists(IOperatingSystem& os, const std::string& path) {
    const std::size_t root = RootLength(path);
    if (root == 0)
        return false;
    std::string folder = path;
    if (EndsWithBackslash(folder) && folder.size() > root)
        folder.pop_back();
    const std::uint32_t attributes = os.GetFileAttributesA(folder.c_str());
    return attributes != file_attribute::INVALID && (attributes & file_attribute::DIRECTORY) != 0;
}

} // namespace vm
