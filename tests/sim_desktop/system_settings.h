// What the simulated system answers a program about itself and its user, as
// a scene sets it, and what it keeps of the programs' requests (their debug
// output, the process snapshots they took). Plain values: each field says
// its default.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/constants.h"
#include "platform/types.h"

namespace vm::sim {

struct SimSystemSettings {
    OsVersionInfo version{148, 5, 1, 2600, ver_platform::WIN32_NT};
    bool versionFails = false;
    std::string userName = "Taro";
    bool userNameFails = false;
    // The user's interface language and the language of the user's locale
    // (LANGIDs): Japanese.
    std::uint16_t uiLanguage = 0x0411;
    std::uint16_t langId = 0x0411;
    Point cursor;
    bool cursorFails = false;
    // What GetWindowsDirectoryA answers.
    std::string windowsDirectory = "C:\\WINDOWS";
    // comctl32's DllGetVersion answer.
    std::pair<std::uint32_t, std::uint32_t> commonControlsVersion{6, 0};
    // CoCreateInstance of the shell link fails, as without COM.
    bool shellLinkFails = false;
    bool snapshotUnavailable = false;
    std::size_t snapshotCount = 0;
    // What the programs wrote with OutputDebugStringA, oldest first.
    std::vector<std::string> debugOutput;

    // Taking the debug output empties it.
    std::vector<std::string> takeDebugOutput() { return std::exchange(debugOutput, {}); }
};

} // namespace vm::sim
