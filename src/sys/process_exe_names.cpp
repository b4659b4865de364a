#include "sys/process_exe_names.h"

#include "platform/constants.h"

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
    const Handle process = os_.OpenProcess(process_access::QUERY_LIMITED_INFORMATION, false, pid);
    if (process == 0)
        return std::nullopt;
    std::string path;
    const bool named = os_.QueryFullProcessImageNameA(process, path);
    os_.CloseHandle(process);
    if (!named)
        return std::nullopt;
    return path;
}

void ProcessExeNames::TakeSnapshot() {
    names_.clear();
    const Handle snapshot = os_.CreateToolhelp32Snapshot(th32cs::SNAPPROCESS, 0);
    ProcessEntry32 entry;
    entry.dwSize = 296;
    for (bool more = os_.Process32First(snapshot, entry); more;
         more = os_.Process32Next(snapshot, entry)) {
        entry.szExeFile[sizeof(entry.szExeFile) - 1] = '\0';
        // The first entry of a process id is the one a lookup would stop at.
        names_.emplace(entry.th32ProcessID, entry.szExeFile);
    }
    os_.CloseHandle(snapshot);
}

} // namespace vm
