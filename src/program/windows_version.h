// Identification of the running Windows version, done once at start.
#pragma once

#include <cstdint>

#include "platform/operating_system.h"
#include "platform/types.h"

namespace vm {

enum class WindowsVersion : std::uint8_t {
    Win32s = 0,
    Win95 = 1,
    Win95Osr2 = 2,
    Win98 = 3,
    Win98Sr2 = 4, // never identified; it exists only in the name tables
    WinMe = 5,
    NT31 = 6,
    NT35 = 7,
    NT351 = 8,
    NT40 = 9,
    Win2000 = 10,
    WinXP = 11,
    Server2003 = 12,
    Vista = 13,
    Win7 = 14,
    Unknown = 15,
};

extern const char* const VersionDisplayName[16];
extern const char* const VersionShortName[16];

// The pure identification from a version record.
WindowsVersion IdentifyWindowsVersion(const OsVersionInfo& info);

// What the program learnt of the system at start: the identified version
// and the raw record, read once.
struct SystemVersion {
    OsVersionInfo info;
    WindowsVersion version = WindowsVersion::Unknown;
};

// Reads GetVersionExA into a zeroed record (its result is not checked, so a
// failure identifies as Win32s) and identifies it.
SystemVersion ReadSystemVersion(IOperatingSystem& os);

inline const char* ShortNameOf(WindowsVersion version) {
    return VersionShortName[static_cast<std::uint8_t>(version)];
}

} // namespace vm
