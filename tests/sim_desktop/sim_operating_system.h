// The operating system as one process on the simulated desktop sees it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/operating_system.h"

namespace vm::sim {

class SimDesktop;

class SimOperatingSystem final : public IOperatingSystem {
public:
    SimOperatingSystem(SimDesktop& desk, std::uint32_t pid) : desk_(desk), pid_(pid) {}

    Handle CreateMutexA(bool initialOwner, const char* name) override;
    bool ReleaseMutex(Handle mutex) override;
    bool CloseHandle(Handle handle) override;
    // CreateMutexA and the failing file calls set the last error here;
    // every other call leaves it.
    std::uint32_t GetLastError() override;
    std::string FormatMessageA(std::uint32_t code) override;
    void OutputDebugStringA(const char* text) override;

    // Blocks the calling thread: the clock moves on and other programs
    // act, but no message of the caller is dispatched.
    void Sleep(std::uint32_t ms) override;
    std::uint32_t GetTickCount() override;
    std::uint32_t GetCurrentProcessId() override { return pid_; }

    bool GetVersionExA(OsVersionInfo& info) override;

    Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) override;
    bool Process32First(Handle snapshot, ProcessEntry32& entry) override;
    bool Process32Next(Handle snapshot, ProcessEntry32& entry) override;
    Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) override;
    bool QueryFullProcessImageNameA(Handle process, std::string& path) override;

    HModule LoadLibraryA(const char* fileName) override;
    FarProc GetProcAddress(HModule module, const char* procName) override;
    bool FreeLibrary(HModule module) override;

    std::uint16_t GetUserDefaultUILanguage(FarProc entry) override;
    std::uint16_t GetUserDefaultLangID() override;
    std::uint32_t GetACP() override;
    std::u16string MultiByteToWideChar(const std::string& text) override;
    bool GetUserNameA(char* buffer, std::uint32_t* size) override;
    std::string GetModuleFileNameA() override;

    bool CoInitialize() override;
    void CoUninitialize() override;

    bool FileExists(const std::string& path) override;
    bool ReadWholeFile(const std::string& path, std::string& content,
                       std::size_t maxBytes) override;
    bool GetFileSizeEx(const std::string& path, std::uint64_t& size) override;
    bool WriteWholeFile(const std::string& path, const std::string& content) override;
    bool MoveFileA(const std::string& from, const std::string& to) override;
    bool MoveFileExA(const std::string& from, const std::string& to, std::uint32_t flags) override;
    bool DeleteFileA(const std::string& path) override;
    std::uint32_t GetFileAttributesA(const char* path) override;
    std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) override;

    std::int32_t RegOpenKeyExA(HKey root, const char* subKey, std::uint32_t options,
                               std::uint32_t samDesired, HKey* result) override;
    std::int32_t RegQueryValueExA(HKey key, const char* valueName, std::uint32_t* type,
                                  std::uint8_t* data, std::uint32_t* dataSize) override;
    std::int32_t RegCloseKey(HKey key) override;

    // Knows comctl32.dll only; see SimSystemSettings::commonControlsVersion.
    bool DllGetVersion(const char* library, DllVersionInfo& info) override;

    bool sndPlaySoundA(const char* path, std::uint32_t flags) override;

private:
    // True for error::SUCCESS; any other code becomes the last error.
    bool Succeeded(std::int32_t code);
    bool snapshotEntry(Handle snapshot, ProcessEntry32& entry, bool first);

    SimDesktop& desk_;
    std::uint32_t pid_;
    std::uint32_t lastError_ = 0;
};

} // namespace vm::sim
