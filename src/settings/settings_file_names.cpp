#include "settings/settings_file_names.h"

#include <cstddef>
#include <cstdint>

#include "encoding/text.h"

namespace vm {

namespace {

constexpr char kDefaultUserName[] = "Default";
constexpr std::uint32_t kUserNameBufferSize = 260;

} // namespace

std::string ProgramFolder(IOperatingSystem& os) {
    const std::string path = os.GetModuleFileNameA();
    std::size_t folderEnd = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
        } else if (path[i] == '\\') {
            folderEnd = i + 1;
        }
    }
    return path.substr(0, folderEnd);
}

std::string GetLoginUserName(IOperatingSystem& os) {
    char buffer[kUserNameBufferSize] = {};
    std::uint32_t size = kUserNameBufferSize;
    if (!os.GetUserNameA(buffer, &size))
        return kDefaultUserName;
    return CutAtNul(std::string_view(buffer, kUserNameBufferSize));
}

bool IsUsableFileName(std::string_view text) {
    constexpr std::string_view kForbidden = "\\/:*?<>|";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(text[i]))) {
            ++i;
        } else if (kForbidden.find(text[i]) != std::string_view::npos) {
            return false;
        }
    }
    return true;
}

std::string SettingsFileName(IOperatingSystem& os, WindowsVersion version) {
    return ProgramFolder(os) + "vmr_" + ShortNameOf(version) + "_" + GetLoginUserName(os) + ".ini";
}

std::string LegacySettingsFileName(IOperatingSystem& os) {
    const std::string user = GetLoginUserName(os);
    return ProgramFolder(os) + "vmr_" + (IsUsableFileName(user) ? user : kDefaultUserName) + ".ini";
}

} // namespace vm
