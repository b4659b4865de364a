#include "program/windows_version.h"

#include "platform/constants.h"

namespace vm {

const char* const VersionDisplayName[16] = {
    "Win32s",
    "Windows 95",
    "Windows 95 OSR 2",
    "Windows 98",
    "Windows 98 Service Release 2",
    "Windows Me",
    "Windows NT 3.1",
    "Windows NT 3.5",
    "Windows NT 3.51",
    "Windows NT 4.0",
    "Windows 2000",
    "Windows XP",
    "Windows Server 2003",
    "Windows Vista",
    "Windows 7",
    "Unknown Version Windows",
};

const char* const VersionShortName[16] = {
    "32s",    "95",    "95OSR2", "98", "98SR2",      "Me",    "NT3.1", "NT3.5",
    "NT3.51", "NT4.0", "2000",   "XP", "Server2003", "Vista", "7",     "Unknown",
};

namespace {

WindowsVersion IdentifyWin9x(const OsVersionInfo& info) {
    if (info.dwMajorVersion != 4)
        return WindowsVersion::Unknown;
    switch (info.dwMinorVersion) {
        case 0:
            return info.dwBuildNumber <= 1000 ? WindowsVersion::Win95 : WindowsVersion::Win95Osr2;
        case 10:
            return WindowsVersion::Win98;
        case 90:
            return WindowsVersion::WinMe;
        default:
            return WindowsVersion::Unknown;
    }
}

WindowsVersion IdentifyNt(const OsVersionInfo& info) {
    const std::uint32_t minor = info.dwMinorVersion;
    switch (info.dwMajorVersion) {
        case 3:
            if (minor == 1)
                return WindowsVersion::NT31;
            if (minor == 5)
                return WindowsVersion::NT35;
            if (minor == 51)
                return WindowsVersion::NT351;
            return WindowsVersion::Unknown;
        case 4:
            return WindowsVersion::NT40;
        case 5:
            if (minor == 0)
                return WindowsVersion::Win2000;
            if (minor == 1)
                return WindowsVersion::WinXP;
            if (minor == 2)
                return WindowsVersion::Server2003;
            return WindowsVersion::Unknown;
        case 6:
            if (minor == 0)
                return WindowsVersion::Vista;
            if (minor == 1)
                return WindowsVersion::Win7;
            return WindowsVersion::Unknown;
        default:
            return WindowsVersion::Unknown;
    }
}

} // namespace

WindowsVersion IdentifyWindowsVersion(const OsVersionInfo& info) {
    switch (info.dwPlatformId) {
        case ver_platform::WIN32s:
            return WindowsVersion::Win32s;
        case ver_platform::WIN32_WINDOWS:
            return IdentifyWin9x(info);
        case ver_platform::WIN32_NT:
            return IdentifyNt(info);
        default:
            return WindowsVersion::Unknown;
    }
}

SystemVersion ReadSystemVersion(IOperatingSystem& os) {
    SystemVersion result;
    // A failed call leaves a zeroed record, whatever the call wrote.
    if (!os.GetVersionExA(result.info))
        result.info = OsVersionInfo{};
    result.version = IdentifyWindowsVersion(result.info);
    return result;
}

} // namespace vm
