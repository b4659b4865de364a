// Registry reads, file attributes and the Windows folder of the operating
// system.
#include "platform/win32/win32_api.h"

#include "platform/win32/win32_operating_system.h"

namespace vm {

std::uint32_t Win32OperatingSystem::GetFileAttributesA(const char* path) {
    return ::GetFileAttributesA(path);
}

std::uint32_t Win32OperatingSystem::GetWindowsDirectoryA(char* buffer, std::uint32_t size) {
    return ::GetWindowsDirectoryA(buffer, size);
}

std::int32_t Win32OperatingSystem::RegOpenKeyExA(HKey root, const char* subKey,
                                                 std::uint32_t options, std::uint32_t samDesired,
                                                 HKey* result) {
    HKEY key = nullptr;
    const LONG status =
        ::RegOpenKeyExA(win32::ToHandle<HKEY>(root), subKey, options, samDesired, &key);
    if (result != nullptr)
        *result = status == ERROR_SUCCESS ? win32::FromHandle(key) : HKey{};
    return status;
}

std::int32_t Win32OperatingSystem::RegQueryValueExA(HKey key, const char* valueName,
                                                    std::uint32_t* type, std::uint8_t* data,
                                                    std::uint32_t* dataSize) {
    DWORD valueType = 0;
    DWORD size = dataSize == nullptr ? 0 : *dataSize;
    const LONG status = ::RegQueryValueExA(win32::ToHandle<HKEY>(key), valueName, nullptr,
                                           &valueType, data, dataSize == nullptr ? nullptr : &size);
    if (type != nullptr)
        *type = valueType;
    if (dataSize != nullptr)
        *dataSize = size;
    return status;
}

std::int32_t Win32OperatingSystem::RegCloseKey(HKey key) {
    return ::RegCloseKey(win32::ToHandle<HKEY>(key));
}

} // namespace vm
