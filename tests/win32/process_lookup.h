// Finds a process's executable the way the program does: a snapshot of all
// processes, walked until the process id matches.
#pragma once

#include <cstdint>
#include <string>

#include "platform/constants.h"
#include "platform/operating_system.h"
#include "platform/unique.h"

namespace vm::win32_test {

// The file name without its folder, upper-cased by the ASCII rule, so names
// compare whatever case the system reports them in.
inline std::string UpperFileName(const std::string& path) {
    std::string name = path.substr(path.find_last_of("\\/:") + 1);
    for (char& c : name) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return name;
}

// Empty when the process is not listed or no snapshot can be taken.
inline std::string SnapshotExeName(IOperatingSystem& os, std::uint32_t processId) {
    const Unique<Handle> snapshot = Own(os, os.CreateToolhelp32Snapshot(th32cs::SNAPPROCESS, 0));
    ProcessEntry32 entry;
    entry.dwSize = 296;
    std::string exe;
    for (bool more = os.Process32First(snapshot.Get(), entry); more && exe.empty();
         more = os.Process32Next(snapshot.Get(), entry)) {
        if (entry.th32ProcessID == processId) {
            exe = entry.szExeFile;
        }
    }
    return UpperFileName(exe);
}

} // namespace vm::win32_test
