#include "window_info/process_exe_names.h"

#include "platform/constants.h"
#include "platform/unique.h"

namespace vm {

std::string ProcessExeNames::ExeFileOf(std::uint32_t pid) {
    if (const auto known = names_.find(pid); known != names_.end())
        return known->second;
    if (std::optional<std::string> asked = AskProcess(pid))
        return names_[pid] = std::move(*asked);
    TakeSnapshot();
    const auto found = names_.find(pid);
    return found == names_.end() ? std::string() : found->second;
}

std::optional<std::string> ProcessExeNames::AskProcess(std::uint32_t pid) {
    const Unique<Handle> process =
        Own(os_, os_.OpenProcess(process_access::QUERY_LIMITED_INFORMATION, false, pid));
    std::string path;
    if (!process || !os_.QueryFullProcessImageNameA(process.Get(), path))
        return std::nullopt;
    return path;
}

void ProcessExeNames::TakeSnapshot() {
    names_.clear();
    // Closed however the walk ends: adding a name can throw.
    const Unique<Handle> snapshot = Own(os_, os_.CreateToolhelp32Snapshot(th32cs::SNAPPROCESS, 0));
    ProcessEntry32 entry;
    entry.dwSize = 296;
    for (bool more = os_.Process32First(snapshot.Get(), entry); more;
         more = os_.Process32Next(snapshot.Get(), entry)) {
        entry.szExeFile[sizeof(entry.szExeFile) - 1] = '\0';
        // The first entry of a process id is the one a lookup would stop at.
        names_.emplace(entry.th32ProcessID, entry.szExeFile);
    }
}

} // namespace vm
