#include "platform/win32/system_library.h"

#include <cctype>
#include <string>

namespace vm::win32 {

namespace {

constexpr DWORD kSearchSystem32 = 0x00000800; // LOAD_LIBRARY_SEARCH_SYSTEM32

bool KernelHas(const char* proc) {
    const HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    return kernel32 != nullptr && ::GetProcAddress(kernel32, proc) != nullptr;
}

bool SameName(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (std::tolower(static_cast<unsigned char>(*a)) !=
            std::tolower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

} // namespace

HMODULE LoadSystemLibrary(const char* name) {
    // The search flags came with AddDllDirectory.
    static const bool searchFlags = KernelHas("AddDllDirectory");
    if (searchFlags)
        return ::LoadLibraryExA(name, nullptr, kSearchSystem32);
    static const bool sideBySide = KernelHas("ActivateActCtx");
    if (sideBySide && SameName(name, "comctl32.dll"))
        return ::LoadLibraryA(name);
    char folder[MAX_PATH + 1] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    std::string path(folder, length);
    if (path.back() != '\\')
        path += '\\';
    path += name;
    return ::LoadLibraryA(path.c_str());
}

} // namespace vm::win32
