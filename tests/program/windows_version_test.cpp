#include "program/windows_version.h"

#include <string>

#include <gtest/gtest.h>

namespace vm {
namespace {

struct VersionCase {
    std::uint32_t platform, major, minor, build;
    WindowsVersion expected;
    const char* shortName;
};

TEST(WindowsVersion, IdentifiesEveryRowOfTheTable) {
    const VersionCase cases[] = {
        {0, 3, 10, 0, WindowsVersion::Win32s, "32s"},
        {1, 4, 0, 950, WindowsVersion::Win95, "95"},
        {1, 4, 0, 1000, WindowsVersion::Win95, "95"},
        {1, 4, 0, 1001, WindowsVersion::Win95Osr2, "95OSR2"},
        {1, 4, 0, 0xFFFFFFFFu, WindowsVersion::Win95Osr2, "95OSR2"},
        {1, 4, 10, 2222, WindowsVersion::Win98, "98"},
        {1, 4, 90, 3000, WindowsVersion::WinMe, "Me"},
        {1, 4, 20, 0, WindowsVersion::Unknown, "Unknown"},
        {1, 5, 0, 0, WindowsVersion::Unknown, "Unknown"},
        {2, 3, 1, 0, WindowsVersion::NT31, "NT3.1"},
        {2, 3, 5, 0, WindowsVersion::NT35, "NT3.5"},
        {2, 3, 51, 0, WindowsVersion::NT351, "NT3.51"},
        {2, 3, 2, 0, WindowsVersion::Unknown, "Unknown"},
        {2, 4, 7, 0, WindowsVersion::NT40, "NT4.0"},
        {2, 5, 0, 2195, WindowsVersion::Win2000, "2000"},
        {2, 5, 1, 2600, WindowsVersion::WinXP, "XP"},
        {2, 5, 2, 3790, WindowsVersion::Server2003, "Server2003"},
        {2, 5, 3, 0, WindowsVersion::Unknown, "Unknown"},
        {2, 6, 0, 6002, WindowsVersion::Vista, "Vista"},
        {2, 6, 1, 7601, WindowsVersion::Win7, "7"},
        {2, 6, 2, 9200, WindowsVersion::Unknown, "Unknown"},
        {2, 10, 0, 19045, WindowsVersion::Unknown, "Unknown"},
        {3, 5, 1, 0, WindowsVersion::Unknown, "Unknown"},
    };
    for (const auto& c : cases) {
        const WindowsVersion v =
            IdentifyWindowsVersion(OsVersionInfo{148, c.major, c.minor, c.build, c.platform});
        EXPECT_EQ(v, c.expected) << c.platform << " " << c.major << "." << c.minor;
        EXPECT_STREQ(ShortNameOf(v), c.shortName);
    }
}

TEST(WindowsVersion, ValueFourIsNeverIdentified) {
    for (std::uint32_t platform = 0; platform < 4; ++platform) {
        for (std::uint32_t major = 0; major < 12; ++major) {
            for (std::uint32_t minor = 0; minor < 100; ++minor) {
                EXPECT_NE(IdentifyWindowsVersion(OsVersionInfo{148, major, minor, 1001, platform}),
                          WindowsVersion::Win98Sr2);
            }
        }
    }
}

} // namespace
} // namespace vm
