#include "sim_desktop/sim_shell_link.h"

#include "platform/constants.h"
#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

namespace {

// The shell's limit for a link's description (INFOTIPSIZE).
constexpr std::size_t kDescriptionLimit = 1024;

std::string FolderOf(const std::string& path) {
    const std::size_t last = LastBackslash(path);
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

} // namespace

// Like the shell, a text at or above its limit is refused and the field
// keeps its value.
HResult SimShellLink::Set(const char* name, std::string& field, const char* text,
                          std::size_t limit) {
    desk_.logCall(pid_, name, text);
    if (text == nullptr)
        return hresult::FAIL;
    const std::string value(text);
    if (value.size() >= limit)
        return hresult::FAIL;
    field = value;
    return hresult::OK;
}

HResult SimShellLink::SetDescription(const char* description) {
    return Set("IShellLinkA::SetDescription", link_.description, description, kDescriptionLimit);
}

HResult SimShellLink::SetPath(const char* path) {
    return Set("IShellLinkA::SetPath", link_.path, path, kMaxPath);
}

HResult SimShellLink::SetArguments(const char* arguments) {
    return Set("IShellLinkA::SetArguments", link_.arguments, arguments, kDescriptionLimit);
}

HResult SimShellLink::SetShowCmd(int showCommand) {
    desk_.logCall(pid_, "IShellLinkA::SetShowCmd", showCommand);
    link_.showCmd = showCommand;
    return hresult::OK;
}

HResult SimShellLink::SetWorkingDirectory(const char* folder) {
    return Set("IShellLinkA::SetWorkingDirectory", link_.workingDirectory, folder, kMaxPath);
}

HResult SimShellLink::Save(const std::string& fileName) {
    desk_.logCall(pid_, "IPersistFile::Save", fileName);
    if (fileName.size() >= kMaxPath || !desk_.files().folderExists(FolderOf(fileName)))
        return hresult::FAIL;
    const std::string bytes =
        "[shell link]\ntarget=" + link_.path + "\narguments=" + link_.arguments + "\n";
    if (desk_.files().writeWholeFile(fileName, bytes) != error::SUCCESS)
        return hresult::FAIL;
    desk_.saveShellLink(fileName, link_);
    return hresult::OK;
}

} // namespace vm::sim
