// The executables of the processes whose windows need a name. Each process is
// asked for its own image name first, which costs a few calls where a process
// snapshot costs tens of milliseconds under load. Where that query is missing
// (before Windows Vista) or refused, one snapshot, taken then, serves every
// later window of the pass; a process missing from it (one started during the
// pass) is looked up in a fresh snapshot, which then serves the rest. Either
// way the name is the one a snapshot taken for that window alone would give,
// once the directory is cut off.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "platform/operating_system.h"

namespace vm {

class ProcessExeNames {
public:
    explicit ProcessExeNames(IOperatingSystem& os) : os_(os) {}

    // The executable, with or without its directory; empty when the process
    // can be neither asked nor found in a snapshot.
    std::string ExeFileOf(std::uint32_t pid);

private:
    std::optional<std::string> AskProcess(std::uint32_t pid);
    void TakeSnapshot();

    IOperatingSystem& os_;
    std::unordered_map<std::uint32_t, std::string> names_;
};

} // namespace vm
