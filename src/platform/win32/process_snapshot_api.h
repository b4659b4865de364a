// The process-snapshot entry points of kernel32, looked up at run time on
// first use and kept for the life of the program. Only a failure to find
// kernel32 itself is tried again at the next use; once kernel32 is found, its
// entry points are looked up that one time, found or not.
#pragma once

#include <cstdint>

namespace vm::win32 {

class ProcessSnapshotApi {
public:
    // A loaded module by name, and an entry point of a module by name; both
    // give 0 when there is none.
    using FindModule = std::uintptr_t (*)(const char* name);
    using FindEntry = std::uintptr_t (*)(std::uintptr_t module, const char* name);

    ProcessSnapshotApi(FindModule findModule, FindEntry findEntry)
        : findModule_(findModule), findEntry_(findEntry) {}

    // Looks the entry points up unless that has been done; true when all
    // three are at hand.
    bool Resolve();

    std::uintptr_t CreateToolhelp32Snapshot() const { return createSnapshot_; }
    std::uintptr_t Process32First() const { return first_; }
    std::uintptr_t Process32Next() const { return next_; }

private:
    FindModule findModule_;
    FindEntry findEntry_;
    bool looked_ = false;
    std::uintptr_t createSnapshot_ = 0;
    std::uintptr_t first_ = 0;
    std::uintptr_t next_ = 0;
};

// The lookups of the running system: GetModuleHandleA and GetProcAddress.
ProcessSnapshotApi SystemProcessSnapshotApi();

} // namespace vm::win32
