#include "sim_desktop/sim_operating_system.h"

#include <algorithm>
#include <cstring>

#include "sim_desktop/cp932.h"
#include "sim_desktop/desktop_process.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::sim {

namespace {
// The size of the ANSI PROCESSENTRY32 record.
constexpr std::uint32_t kProcessEntrySize = 296;
// OSVERSIONINFOA and OSVERSIONINFOEXA.
constexpr std::uint32_t kVersionInfoSize = 148;
constexpr std::uint32_t kVersionInfoExSize = 156;
} // namespace

Handle SimOperatingSystem::CreateMutexA(bool initialOwner, const char* name) {
    desk_.logCall(pid_, "CreateMutexA", initialOwner, name);
    const std::string named = name == nullptr ? "" : name;
    const bool exists = !named.empty() && desk_.kernel().mutexExists(named);
    lastError_ = static_cast<std::uint32_t>(exists ? error::ALREADY_EXISTS : error::SUCCESS);
    return desk_.kernel().createMutex(pid_, named);
}

bool SimOperatingSystem::ReleaseMutex(Handle mutex) {
    desk_.logCall(pid_, "ReleaseMutex", mutex);
    return desk_.kernel().isMutex(pid_, mutex);
}

bool SimOperatingSystem::CloseHandle(Handle handle) {
    desk_.logCall(pid_, "CloseHandle", handle);
    return desk_.kernel().close(pid_, handle);
}

std::uint32_t SimOperatingSystem::GetLastError() {
    desk_.logCall(pid_, "GetLastError");
    return lastError_;
}

std::string SimOperatingSystem::FormatMessageA(std::uint32_t code) {
    desk_.logCall(pid_, "FormatMessageA", code);
    // The English texts of the codes this desktop gives; the system has one
    // for every code, but none of a code it does not know.
    struct Known {
        std::int32_t code;
        const char* text;
    };
    static constexpr Known kKnown[] = {
        {error::SUCCESS, "The operation completed successfully."},
        {error::FILE_NOT_FOUND, "The system cannot find the file specified."},
        {error::ACCESS_DENIED, "Access is denied."},
        {error::INVALID_HANDLE, "The handle is invalid."},
        {error::INVALID_PARAMETER, "The parameter is incorrect."},
        {error::DISK_FULL, "There is not enough space on the disk."},
        {error::CALL_NOT_IMPLEMENTED, "This function is not supported on this system."},
        {error::ALREADY_EXISTS, "Cannot create a file when that file already exists."},
        {error::MORE_DATA, "More data is available."},
        {hresult::FAIL, "Unspecified error"},
        {hresult::INVALID_ARGUMENT, "The parameter is incorrect."},
        {hresult::CO_NOT_INITIALIZED, "CoInitialize has not been called."},
    };
    for (const Known& known : kKnown) {
        if (static_cast<std::uint32_t>(known.code) == code)
            return std::string(known.text) + "\r\n";
    }
    return std::string();
}

bool SimOperatingSystem::Succeeded(std::int32_t code) {
    if (code == error::SUCCESS)
        return true;
    lastError_ = static_cast<std::uint32_t>(code);
    return false;
}

void SimOperatingSystem::OutputDebugStringA(const char* text) {
    desk_.logCall(pid_, "OutputDebugStringA", text);
    desk_.system().debugOutput.push_back(text == nullptr ? "" : text);
}

void SimOperatingSystem::Sleep(std::uint32_t ms) {
    desk_.logCall(pid_, "Sleep", ms);
    desk_.scheduler().sleepThread(pid_, ms);
}

std::uint32_t SimOperatingSystem::GetTickCount() {
    desk_.logCall(pid_, "GetTickCount");
    return static_cast<std::uint32_t>(desk_.scheduler().now());
}

bool SimOperatingSystem::GetVersionExA(OsVersionInfo& info) {
    desk_.logCall(pid_, "GetVersionExA", info.dwOSVersionInfoSize);
    const std::uint32_t size = info.dwOSVersionInfoSize;
    if (desk_.system().versionFails || (size != kVersionInfoSize && size != kVersionInfoExSize)) {
        info = OsVersionInfo{size, 0, 0, 0, 0};
        return false;
    }
    info = desk_.system().version;
    info.dwOSVersionInfoSize = size;
    return true;
}

Handle SimOperatingSystem::CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) {
    desk_.logCall(pid_, "CreateToolhelp32Snapshot", flags, processId);
    ++desk_.system().snapshotCount;
    if (desk_.system().snapshotUnavailable)
        return 0;
    ProcessList processes = desk_.processList();
    if ((flags & th32cs::SNAPPROCESS) == 0)
        processes = std::make_shared<const std::vector<ProcessRow>>();
    return desk_.kernel().createSnapshot(pid_, std::move(processes));
}

bool SimOperatingSystem::Process32First(Handle snapshot, ProcessEntry32& entry) {
    desk_.logCall(pid_, "Process32First", snapshot, entry.dwSize);
    return snapshotEntry(snapshot, entry, true);
}

bool SimOperatingSystem::Process32Next(Handle snapshot, ProcessEntry32& entry) {
    desk_.logCall(pid_, "Process32Next", snapshot, entry.dwSize);
    return snapshotEntry(snapshot, entry, false);
}

Handle SimOperatingSystem::OpenProcess(std::uint32_t access, bool inherit,
                                       std::uint32_t processId) {
    desk_.logCall(pid_, "OpenProcess", access, inherit, processId);
    // The system's own process, which no snapshot lists, may not be opened.
    const SimDesktop::Process* target = desk_.findProcess(processId);
    if (target == nullptr || !target->alive || !target->listed)
        return 0;
    return desk_.kernel().openProcess(pid_, processId);
}

bool SimOperatingSystem::QueryFullProcessImageNameA(Handle process, std::string& path) {
    desk_.logCall(pid_, "QueryFullProcessImageNameA", process);
    if (!desk_.libraries().exports("kernel32.dll", "QueryFullProcessImageNameA"))
        return false;
    const SimDesktop::Process* target = desk_.findProcess(desk_.kernel().processOf(pid_, process));
    // A path as long as MAX_PATH does not fit the caller's buffer.
    constexpr std::size_t kMaxPath = 260;
    if (target == nullptr || !target->alive || target->exePath.size() >= kMaxPath)
        return false;
    path = target->exePath;
    return true;
}

bool SimOperatingSystem::snapshotEntry(Handle snapshot, ProcessEntry32& entry, bool first) {
    if (desk_.system().snapshotUnavailable || entry.dwSize < kProcessEntrySize)
        return false;
    const ProcessRow* row = desk_.kernel().snapshotEntry(pid_, snapshot, first);
    if (row == nullptr)
        return false;
    entry.th32ProcessID = row->pid;
    static_assert(sizeof entry.szExeFile == sizeof row->exeFile);
    std::memcpy(entry.szExeFile, row->exeFile.data(), row->length + 1);
    return true;
}

HModule SimOperatingSystem::LoadLibraryA(const char* fileName) {
    desk_.logCall(pid_, "LoadLibraryA", fileName);
    if (fileName == nullptr)
        return 0;
    return desk_.libraries().load(pid_, fileName);
}

FarProc SimOperatingSystem::GetProcAddress(HModule module, const char* procName) {
    desk_.logCall(pid_, "GetProcAddress", module, procName);
    return procName == nullptr ? 0 : desk_.libraries().procAddress(module, procName);
}

bool SimOperatingSystem::FreeLibrary(HModule module) {
    desk_.logCall(pid_, "FreeLibrary", module);
    return desk_.libraries().free(pid_, module);
}

std::uint16_t SimOperatingSystem::GetUserDefaultUILanguage(FarProc entry) {
    desk_.logCall(pid_, "GetUserDefaultUILanguage", entry);
    return entry == 0 ? 0 : desk_.system().uiLanguage;
}

std::uint16_t SimOperatingSystem::GetUserDefaultLangID() {
    desk_.logCall(pid_, "GetUserDefaultLangID");
    return desk_.system().langId;
}

// The simulated desktop is a Japanese system.
std::uint32_t SimOperatingSystem::GetACP() {
    return 932;
}

std::u16string SimOperatingSystem::MultiByteToWideChar(const std::string& text) {
    return FromCp932(text);
}

bool SimOperatingSystem::GetUserNameA(char* buffer, std::uint32_t* size) {
    desk_.logCall(pid_, "GetUserNameA", size == nullptr ? 0u : *size);
    if (size == nullptr || desk_.system().userNameFails)
        return false;
    const std::string& name = desk_.system().userName;
    const auto needed = static_cast<std::uint32_t>(name.size() + 1);
    if (buffer == nullptr || *size < needed) {
        *size = needed;
        return false;
    }
    std::memcpy(buffer, name.c_str(), needed);
    *size = needed;
    return true;
}

std::string SimOperatingSystem::GetModuleFileNameA() {
    desk_.logCall(pid_, "GetModuleFileNameA");
    return desk_.findProcess(pid_)->exePath;
}

bool SimOperatingSystem::CoInitialize() {
    desk_.logCall(pid_, "CoInitialize");
    ++desk_.findProcess(pid_)->comEntries;
    return true;
}

void SimOperatingSystem::CoUninitialize() {
    desk_.logCall(pid_, "CoUninitialize");
    int& entries = desk_.findProcess(pid_)->comEntries;
    if (entries > 0)
        --entries;
}

bool SimOperatingSystem::FileExists(const std::string& path) {
    desk_.logCall(pid_, "FileExists", path);
    return desk_.files().exists(path);
}

bool SimOperatingSystem::ReadWholeFile(const std::string& path, std::string& content,
                                       std::size_t maxBytes) {
    desk_.logCall(pid_, "ReadWholeFile", path, maxBytes);
    std::optional<std::string> bytes = desk_.files().read(path);
    if (!bytes || bytes->size() > maxBytes)
        return false;
    content = std::move(*bytes);
    return true;
}

bool SimOperatingSystem::GetFileSizeEx(const std::string& path, std::uint64_t& size) {
    desk_.logCall(pid_, "GetFileSizeEx", path);
    const std::optional<std::string> bytes = desk_.files().read(path);
    if (!bytes)
        return false;
    size = bytes->size();
    return true;
}

bool SimOperatingSystem::WriteWholeFile(const std::string& path, const std::string& content) {
    desk_.logCall(pid_, "WriteWholeFile", path, content.size());
    return Succeeded(desk_.files().writeWholeFile(path, content));
}

bool SimOperatingSystem::MoveFileA(const std::string& from, const std::string& to) {
    desk_.logCall(pid_, "MoveFileA", from, to);
    return Succeeded(desk_.files().moveFile(from, to, false));
}

bool SimOperatingSystem::MoveFileExA(const std::string& from, const std::string& to,
                                     std::uint32_t flags) {
    desk_.logCall(pid_, "MoveFileExA", from, to, flags);
    // The Windows 95 family has the function only as a stub that fails.
    if (desk_.system().version.dwPlatformId != ver_platform::WIN32_NT)
        return Succeeded(error::CALL_NOT_IMPLEMENTED);
    return Succeeded(desk_.files().moveFile(from, to, (flags & movefile::REPLACE_EXISTING) != 0));
}

bool SimOperatingSystem::DeleteFileA(const std::string& path) {
    desk_.logCall(pid_, "DeleteFileA", path);
    return Succeeded(desk_.files().deleteFile(path));
}

bool SimOperatingSystem::DllGetVersion(const char* library, DllVersionInfo& info) {
    desk_.logCall(pid_, "DllGetVersion", library);
    if (library == nullptr || FoldAsciiCase(library) != FoldAsciiCase("comctl32.dll"))
        return false;
    info.dwMajorVersion = desk_.system().commonControlsVersion.first;
    info.dwMinorVersion = desk_.system().commonControlsVersion.second;
    return true;
}

bool SimOperatingSystem::sndPlaySoundA(const char* path, std::uint32_t flags) {
    desk_.logCall(pid_, "sndPlaySoundA", path, flags);
    return path != nullptr && desk_.files().exists(path);
}

std::uint32_t SimOperatingSystem::GetFileAttributesA(const char* path) {
    desk_.logCall(pid_, "GetFileAttributesA", path);
    if (path == nullptr)
        return file_attribute::INVALID;
    std::string name(path);
    // "\\..." is relative to the current drive, which is C:.
    if (name.size() >= 1 && name[0] == '\\' && (name.size() == 1 || name[1] != '\\'))
        name.insert(0, "C:");
    if (desk_.files().exists(name))
        return file_attribute::ARCHIVE;
    return desk_.files().folderExists(name) ? file_attribute::DIRECTORY : file_attribute::INVALID;
}

std::uint32_t SimOperatingSystem::GetWindowsDirectoryA(char* buffer, std::uint32_t size) {
    desk_.logCall(pid_, "GetWindowsDirectoryA", size);
    const std::string& folder = desk_.system().windowsDirectory;
    const auto length = static_cast<std::uint32_t>(folder.size());
    if (buffer == nullptr || size <= length)
        return length + 1;
    std::memcpy(buffer, folder.c_str(), folder.size() + 1);
    return length;
}

std::int32_t SimOperatingSystem::RegOpenKeyExA(HKey root, const char* subKey, std::uint32_t options,
                                               std::uint32_t samDesired, HKey* result) {
    desk_.logCall(pid_, "RegOpenKeyExA", root, subKey, options, samDesired);
    return desk_.registry().open(root, subKey, result);
}

std::int32_t SimOperatingSystem::RegQueryValueExA(HKey key, const char* valueName,
                                                  std::uint32_t* type, std::uint8_t* data,
                                                  std::uint32_t* dataSize) {
    desk_.logCall(pid_, "RegQueryValueExA", key, valueName, dataSize == nullptr ? 0 : *dataSize);
    return desk_.registry().query(key, valueName, type, data, dataSize);
}

std::int32_t SimOperatingSystem::RegCloseKey(HKey key) {
    desk_.logCall(pid_, "RegCloseKey", key);
    return desk_.registry().close(key);
}

} // namespace vm::sim
