// The operating system: named mutexes, sleep and clock, version, process
// snapshot, libraries, user name, own module, files, registry, sound, COM.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/types.h"

namespace vm {

class IOperatingSystem {
public:
    virtual ~IOperatingSystem() = default;

    // Named mutexes (names are ANSI, code page 932). CreateMutexA opens a
    // mutex that exists already and sets error::ALREADY_EXISTS.
    virtual Handle CreateMutexA(bool initialOwner, const char* name) = 0;
    virtual bool ReleaseMutex(Handle mutex) = 0;
    virtual bool CloseHandle(Handle handle) = 0;
    // The calling thread's last error, as the call before left it.
    virtual std::uint32_t GetLastError() = 0;
    // FormatMessageA from the system's table (inserts ignored): the
    // system's text for a last error or an HRESULT, in the user's language,
    // line break included; empty when the system has none.
    virtual std::string FormatMessageA(std::uint32_t code) = 0;
    // Text for a debugger; the program's errors leave their trace here.
    virtual void OutputDebugStringA(const char* text) = 0;

    virtual void Sleep(std::uint32_t ms) = 0;
    virtual std::uint32_t GetTickCount() = 0;
    virtual std::uint32_t GetCurrentProcessId() = 0;

    virtual bool GetVersionExA(OsVersionInfo& info) = 0;

    // The process snapshot. The backend resolves these at run time; when
    // they are missing the snapshot is 0 and First/Next fail.
    virtual Handle CreateToolhelp32Snapshot(std::uint32_t flags, std::uint32_t processId) = 0;
    virtual bool Process32First(Handle snapshot, ProcessEntry32& entry) = 0;
    virtual bool Process32Next(Handle snapshot, ProcessEntry32& entry) = 0;

    // One process's executable, far cheaper than a snapshot: a process opened
    // for querying (0 when it may not be opened or is gone), and its full
    // image path in ANSI. The backend resolves QueryFullProcessImageNameA at
    // run time; systems before Windows Vista lack it, and it fails there.
    virtual Handle OpenProcess(std::uint32_t access, bool inherit, std::uint32_t processId) = 0;
    virtual bool QueryFullProcessImageNameA(Handle process, std::string& path) = 0;

    // Libraries: a module handle (0 when it cannot be loaded), held until
    // FreeLibrary; the address of one of its exports (0 when it has none).
    virtual HModule LoadLibraryA(const char* fileName) = 0;
    virtual FarProc GetProcAddress(HModule module, const char* procName) = 0;
    virtual bool FreeLibrary(HModule module) = 0;

    // The user's interface language (a LANGID). GetUserDefaultUILanguage
    // is called through the address the caller looked up (0 for a null
    // one: systems before Windows 2000 lack it).
    virtual std::uint16_t GetUserDefaultUILanguage(FarProc entry) = 0;
    virtual std::uint16_t GetUserDefaultLangID() = 0;
    // The system's ANSI code page, and MultiByteToWideChar(CP_ACP): ANSI
    // text as UTF-16.
    virtual std::uint32_t GetACP() = 0;
    virtual std::u16string MultiByteToWideChar(const std::string& text) = 0;

    // size is in and out, as GetUserNameA's (including the NUL on success).
    virtual bool GetUserNameA(char* buffer, std::uint32_t* size) = 0;
    // Full path of the running executable.
    virtual std::string GetModuleFileNameA() = 0;

    // The Windows backend enters COM only at the first call that needs it
    // (loading ole32 is costly under Wine); CoUninitialize leaves it then.
    virtual bool CoInitialize() = 0;
    virtual void CoUninitialize() = 0;

    // Files. Paths are ANSI Windows paths.
    virtual bool FileExists(const std::string& path) = 0;
    // Reads at most maxBytes; false when the file cannot be opened or is
    // larger than maxBytes.
    virtual bool ReadWholeFile(const std::string& path, std::string& content,
                               std::size_t maxBytes) = 0;
    // The size of a file that can be opened for reading; false when it
    // cannot.
    virtual bool GetFileSizeEx(const std::string& path, std::uint64_t& size) = 0;
    // Creates or truncates the file, writes it and flushes it to the disk.
    // On failure GetLastError tells why the step that failed did.
    virtual bool WriteWholeFile(const std::string& path, const std::string& content) = 0;
    virtual bool MoveFileA(const std::string& from, const std::string& to) = 0;
    virtual bool MoveFileExA(const std::string& from, const std::string& to,
                             std::uint32_t flags) = 0;
    virtual bool DeleteFileA(const std::string& path) = 0;
    // file_attribute::INVALID when nothing of that name exists.
    virtual std::uint32_t GetFileAttributesA(const char* path) = 0;
    // As the call: the length copied without the NUL, or the size needed
    // (NUL included) when the buffer is too small; 0 on failure.
    virtual std::uint32_t GetWindowsDirectoryA(char* buffer, std::uint32_t size) = 0;

    // The registry, read only. Results are Win32 error codes (error::).
    virtual std::int32_t RegOpenKeyExA(HKey root, const char* subKey, std::uint32_t options,
                                       std::uint32_t samDesired, HKey* result) = 0;
    // data null asks for the size; *dataSize is in and out (error::MORE_DATA
    // and the size needed when data is too small).
    virtual std::int32_t RegQueryValueExA(HKey key, const char* valueName, std::uint32_t* type,
                                          std::uint8_t* data, std::uint32_t* dataSize) = 0;
    virtual std::int32_t RegCloseKey(HKey key) = 0;

    // The DllGetVersion export of a system library (for example
    // "comctl32.dll"); false when the library or the export is missing.
    virtual bool DllGetVersion(const char* library, DllVersionInfo& info) = 0;

    virtual bool sndPlaySoundA(const char* path, std::uint32_t flags) = 0;
};

} // namespace vm
