// Kernel objects of the desktop: named mutexes, process snapshots and opened
// processes, each
// reached through handles that belong to one process.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/types.h"

namespace vm::sim {

// One process as a snapshot reports it: the executable path is held in
// place, NUL-terminated and cut at 259 bytes, so walking a snapshot reads
// one block of memory.
struct ProcessRow {
    ProcessRow(std::uint32_t id, std::string_view exePath);

    std::uint32_t pid;
    std::uint32_t length; // of the path, without its NUL
    std::array<char, 260> exeFile;
};
// Snapshots share one list until the processes change.
using ProcessList = std::shared_ptr<const std::vector<ProcessRow>>;

class KernelObjects {
public:
    // Creates the mutex or opens the existing one; an empty name makes an
    // unnamed mutex.
    Handle createMutex(std::uint32_t pid, const std::string& name);
    bool isMutex(std::uint32_t pid, Handle handle) const;
    bool mutexExists(const std::string& name) const { return mutexHandles_.count(name) != 0; }

    Handle createSnapshot(std::uint32_t pid, ProcessList processes);
    // The first or the next entry of the snapshot, null at its end or when
    // the handle is not a snapshot of that process.
    const ProcessRow* snapshotEntry(std::uint32_t pid, Handle handle, bool first);

    // A handle of process pid to process target.
    Handle openProcess(std::uint32_t pid, std::uint32_t target);
    // The process a handle of pid is opened to; 0 when it is no process handle.
    std::uint32_t processOf(std::uint32_t pid, Handle handle);

    bool close(std::uint32_t pid, Handle handle);
    void closeAll(std::uint32_t pid);

private:
    struct Object {
        std::uint32_t owner = 0;
        bool isMutex = false;
        std::string mutexName; // empty for unnamed mutexes
        ProcessList snapshot;
        std::size_t cursor = 0;
        std::uint32_t process = 0; // the process opened, for process handles
    };

    Handle add(Object object);
    Object* find(std::uint32_t pid, Handle handle);
    void release(const Object& object);

    std::unordered_map<Handle, Object> objects_;
    std::unordered_map<std::string, std::size_t> mutexHandles_; // open handles by name
    std::uintptr_t next_ = 0x100;
};

} // namespace vm::sim
