// The executables of all processes for one full pass: one process snapshot,
// taken when the first window needs a name, serves every window of the pass.
// A process missing from it (one started during the pass) is looked up in a
// fresh snapshot, which then serves the rest of the pass, so every name is
// the one a snapshot taken for that window alone would give.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "platform/operating_system.h"

namespace vm {

class ProcessExeNames {
public:
    explicit ProcessExeNames(IOperatingSystem& os) : os_(os) {}

    // The executable as the snapshot names it; empty when the process is in
    // no snapshot (or the snapshot functions are missing).
    std::string ExeFileOf(std::uint32_t pid);

private:
    void TakeSnapshot();

    IOperatingSystem& os_;
    bool taken_ = false;
    std::unordered_map<std::uint32_t, std::string> names_;
};

} // namespace vm
