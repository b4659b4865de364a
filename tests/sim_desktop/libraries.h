// Libraries of the simulated desktop: which exist, what they export at
// which address, and how many references each process holds.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/types.h"

namespace vm::sim {

class SimLibraries {
public:
    // "user32.dll" exports "SetLayeredWindowAttributes", "SetWinEventHook",
    // "UnhookWinEvent" and "GetSystemMetricsForDpi", "dwmapi.dll"
    // "DwmGetWindowAttribute", "kernel32.dll" "GetUserDefaultUILanguage"
    // and "QueryFullProcessImageNameA".
    SimLibraries();

    // As on older systems.
    void removeExport(const std::string& library, const std::string& name);
    bool exports(const std::string& library, const std::string& name) const;
    // Where the export lies; 0 when there is no such library or export.
    FarProc exportAddress(const std::string& library, const std::string& name) const;
    FarProc procAddress(HModule module, const std::string& name) const;

    // LoadLibraryA and FreeLibrary of a process; 0 and false for a library
    // that does not exist or a reference the process does not hold.
    HModule load(std::uint32_t pid, const std::string& fileName);
    bool free(std::uint32_t pid, HModule module);
    // References the process holds and has not freed yet.
    int references(std::uint32_t pid) const;
    void releaseProcess(std::uint32_t pid);

private:
    struct Library {
        HModule handle;
        std::set<std::string> exports;
    };
    static FarProc addressOf(const Library& library, const std::string& name);

    std::map<std::string, Library> libraries_;                    // by folded file name
    std::map<std::pair<std::uint32_t, HModule>, int> references_; // (pid, module)
};

} // namespace vm::sim
