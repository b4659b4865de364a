// Mutexes, clock, version, process snapshot, user, module, COM and sound.
#include "platform/win32/win32_api.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/on_demand_com.h"
#include "platform/win32/on_demand_library.h"
#include "platform/win32/win32_error_trace.h"
#include "platform/win32/win32_operating_system.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_unique.h"

namespace vm {

using win32::FromHandle;
using win32::ToHandle;

namespace {

using CreateSnapshotFn = HANDLE(WINAPI*)(DWORD flags, DWORD processId);
using WalkProcessesFn = BOOL(WINAPI*)(HANDLE snapshot, PROCESSENTRY32* entry);

template <typename Fn>
Fn EntryPoint(std::uintptr_t address) {
    return reinterpret_cast<Fn>(address);
}

// One step of the snapshot walk through the looked-up entry point.
bool WalkProcesses(std::uintptr_t address, Handle snapshot, ProcessEntry32& entry) {
    PROCESSENTRY32 pe{};
    pe.dwSize = sizeof(pe);
    if (EntryPoint<WalkProcessesFn>(address)(ToHandle<HANDLE>(snapshot), &pe) == FALSE) {
        return false;
    }
    entry.dwSize = pe.dwSize;
    entry.th32ProcessID = pe.th32ProcessID;
    std::memcpy(entry.szExeFile, pe.szExeFile, sizeof(entry.szExeFile));
    entry.szExeFile[sizeof(entry.szExeFile) - 1] = '\0';
    return true;
}

// Windows paths can be longer than MAX_PATH; the module file name is read
// into a larger buffer as long as it comes back cut.
constexpr DWORD kLongestPath = 32768;

} // namespace

Win32OperatingSystem::Win32OperatingSystem() : snapshotApi_(win32::SystemProcessSnapshotApi()) {}

Handle Win32OperatingSystem::CreateMutexA(bool initialOwner, const char* name) {
    return FromHandle(::CreateMutexA(nullptr, initialOwner ? TRUE : FALSE, name));
}

std::uint32_t Win32OperatingSystem::GetLastError() {
    return ::GetLastError();
}

std::string Win32OperatingSystem::FormatMessageA(std::uint32_t code) {
    return win32::SystemMessageText(code);
}

void Win32OperatingSystem::OutputDebugStringA(const char* text) {
    ::OutputDebugStringA(text);
}

bool Win32OperatingSystem::ReleaseMutex(Handle mutex) {
    return ::ReleaseMutex(ToHandle<HANDLE>(mutex)) != FALSE;
}

bool Win32OperatingSystem::CloseHandle(Handle handle) {
    return ::CloseHandle(ToHandle<HANDLE>(handle)) != FALSE;
}

void Win32OperatingSystem::Sleep(std::uint32_t ms) {
    ::Sleep(ms);
}

std::uint32_t Win32OperatingSystem::GetTickCount() {
    return ::GetTickCount();
}

std::uint32_t Win32OperatingSystem::GetCurrentProcessId() {
    return ::GetCurrentProcessId();
}

bool Win32OperatingSystem::GetVersionExA(OsVersionInfo& info) {
    OSVERSIONINFOA vi{};
    vi.dwOSVersionInfoSize = sizeof(vi);
    if (::GetVersionExA(&vi) == FALSE) {
        return false;
    }
    info.dwMajorVersion = vi.dwMajorVersion;
    info.dwMinorVersion = vi.dwMinorVersion;
    info.dwBuildNumber = vi.dwBuildNumber;
    info.dwPlatformId = vi.dwPlatformId;
    return true;
}

Handle Win32OperatingSystem::CreateToolhelp32Snapshot(std::uint32_t flags,
                                                      std::uint32_t processId) {
    if (!snapshotApi_.Resolve()) {
        return 0;
    }
    const HANDLE snapshot =
        EntryPoint<CreateSnapshotFn>(snapshotApi_.CreateToolhelp32Snapshot())(flags, processId);
    return snapshot == INVALID_HANDLE_VALUE ? Handle{} : FromHandle(snapshot);
}

Handle Win32OperatingSystem::OpenProcess(std::uint32_t access, bool inherit,
                                         std::uint32_t processId) {
    return FromHandle(::OpenProcess(access, inherit ? TRUE : FALSE, processId));
}

bool Win32OperatingSystem::QueryFullProcessImageNameA(Handle process, std::string& path) {
    using QueryImageNameFn = BOOL(WINAPI*)(HANDLE process, DWORD flags, LPSTR name, PDWORD size);
    if (!imageNameLooked_) {
        imageNameLooked_ = true;
        // kernel32 is loaded in every process.
        const HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
        if (kernel32 != nullptr)
            queryImageName_ = reinterpret_cast<std::uintptr_t>(
                ::GetProcAddress(kernel32, "QueryFullProcessImageNameA"));
    }
    if (queryImageName_ == 0)
        return false;
    char buffer[MAX_PATH];
    DWORD size = MAX_PATH;
    if (EntryPoint<QueryImageNameFn>(queryImageName_)(ToHandle<HANDLE>(process), 0, buffer,
                                                      &size) == FALSE)
        return false;
    path.assign(buffer, std::min<DWORD>(size, MAX_PATH));
    return true;
}

bool Win32OperatingSystem::Process32First(Handle snapshot, ProcessEntry32& entry) {
    return snapshotApi_.Resolve() && WalkProcesses(snapshotApi_.Process32First(), snapshot, entry);
}

bool Win32OperatingSystem::Process32Next(Handle snapshot, ProcessEntry32& entry) {
    return snapshotApi_.Resolve() && WalkProcesses(snapshotApi_.Process32Next(), snapshot, entry);
}

HModule Win32OperatingSystem::LoadLibraryA(const char* fileName) {
    return FromHandle(win32::LoadSystemLibrary(fileName));
}

FarProc Win32OperatingSystem::GetProcAddress(HModule module, const char* procName) {
    return reinterpret_cast<FarProc>(::GetProcAddress(ToHandle<HMODULE>(module), procName));
}

bool Win32OperatingSystem::FreeLibrary(HModule module) {
    return ::FreeLibrary(ToHandle<HMODULE>(module)) != FALSE;
}

std::uint16_t Win32OperatingSystem::GetUserDefaultUILanguage(FarProc entry) {
    using GetUserDefaultUILanguageProc = LANGID(WINAPI*)();
    if (entry == 0)
        return 0;
    return reinterpret_cast<GetUserDefaultUILanguageProc>(entry)();
}

std::uint16_t Win32OperatingSystem::GetUserDefaultLangID() {
    return ::GetUserDefaultLangID();
}

std::uint32_t Win32OperatingSystem::GetACP() {
    return ::GetACP();
}

std::u16string Win32OperatingSystem::MultiByteToWideChar(const std::string& text) {
    const std::wstring wide = win32::Widen(text);
    return std::u16string(wide.begin(), wide.end());
}

bool Win32OperatingSystem::GetUserNameA(char* buffer, std::uint32_t* size) {
    if (size == nullptr) {
        return false;
    }
    DWORD length = *size;
    const bool ok = ::GetUserNameA(buffer, &length) != FALSE;
    *size = length;
    return ok;
}

std::string Win32OperatingSystem::GetModuleFileNameA() {
    std::vector<char> buffer(MAX_PATH);
    while (true) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), size);
        if (length == 0) {
            return std::string();
        }
        if (length < size || size >= kLongestPath) {
            return std::string(buffer.data(), std::min(length, size - 1));
        }
        buffer.resize(std::min<DWORD>(size * 2, kLongestPath));
    }
}

bool Win32OperatingSystem::CoInitialize() {
    win32::WantCom();
    return true;
}

void Win32OperatingSystem::CoUninitialize() {
    win32::LeaveCom();
}

// The library stays loaded only when it already was.
bool Win32OperatingSystem::DllGetVersion(const char* library, DllVersionInfo& info) {
    struct DllVersion {
        DWORD cbSize;
        DWORD dwMajorVersion;
        DWORD dwMinorVersion;
        DWORD dwBuildNumber;
        DWORD dwPlatformID;
    };
    using GetVersionProc = HRESULT(CALLBACK*)(DllVersion*);
    // A library not yet loaded is loaded for the question only.
    Unique<HMODULE> loadedHere;
    HMODULE module = ::GetModuleHandleA(library);
    if (module == nullptr) {
        loadedHere = Unique<HMODULE>(win32::LoadSystemLibrary(library), {});
        module = loadedHere.Get();
    }
    if (module == nullptr)
        return false;
    const auto proc = reinterpret_cast<GetVersionProc>(::GetProcAddress(module, "DllGetVersion"));
    DllVersion version{};
    version.cbSize = sizeof(version);
    if (proc == nullptr || FAILED(proc(&version)))
        return false;
    info.dwMajorVersion = version.dwMajorVersion;
    info.dwMinorVersion = version.dwMinorVersion;
    info.dwBuildNumber = version.dwBuildNumber;
    info.dwPlatformID = version.dwPlatformID;
    return true;
}

bool Win32OperatingSystem::sndPlaySoundA(const char* path, std::uint32_t flags) {
    // Kept loaded: an asynchronous sound plays on after the call returns.
    static HMODULE winmm = nullptr;
    const auto call =
        win32::OnDemandProc<BOOL(WINAPI*)(LPCSTR, UINT)>(winmm, "winmm.dll", "sndPlaySoundA");
    return call != nullptr && call(path, flags) != FALSE;
}

} // namespace vm
