// Libraries of the simulated desktop: which exist, what they export, and how
// many references each process holds.
#include "sim_desktop/libraries.h"

#include <iterator>

#include "sim_desktop/cp932.h"

namespace vm::sim {

SimLibraries::SimLibraries() {
    libraries_.emplace(FoldAsciiCase("user32.dll"),
                       Library{HModule{0x77D40000},
                               {"SetLayeredWindowAttributes", "SetWinEventHook", "UnhookWinEvent",
                                "GetSystemMetricsForDpi"}});
    libraries_.emplace(FoldAsciiCase("dwmapi.dll"),
                       Library{HModule{0x6FF00000}, {"DwmGetWindowAttribute"}});
    libraries_.emplace(
        FoldAsciiCase("kernel32.dll"),
        Library{HModule{0x7C800000}, {"GetUserDefaultUILanguage", "QueryFullProcessImageNameA"}});
}

void SimLibraries::removeExport(const std::string& library, const std::string& name) {
    const auto found = libraries_.find(FoldAsciiCase(library));
    if (found != libraries_.end())
        found->second.exports.erase(name);
}

bool SimLibraries::exports(const std::string& library, const std::string& name) const {
    const auto found = libraries_.find(FoldAsciiCase(library));
    return found != libraries_.end() && found->second.exports.count(name) != 0;
}

FarProc SimLibraries::exportAddress(const std::string& library, const std::string& name) const {
    const auto found = libraries_.find(FoldAsciiCase(library));
    return found == libraries_.end() ? 0 : addressOf(found->second, name);
}

FarProc SimLibraries::procAddress(HModule module, const std::string& name) const {
    for (const auto& entry : libraries_) {
        if (entry.second.handle == module)
            return addressOf(entry.second, name);
    }
    return 0;
}

HModule SimLibraries::load(std::uint32_t pid, const std::string& fileName) {
    const auto found = libraries_.find(FoldAsciiCase(fileName));
    if (found == libraries_.end())
        return 0;
    ++references_[{pid, found->second.handle}];
    return found->second.handle;
}

bool SimLibraries::free(std::uint32_t pid, HModule module) {
    const auto found = references_.find({pid, module});
    if (found == references_.end())
        return false;
    if (--found->second == 0)
        references_.erase(found);
    return true;
}

int SimLibraries::references(std::uint32_t pid) const {
    int count = 0;
    for (const auto& [key, references] : references_) {
        if (key.first == pid)
            count += references;
    }
    return count;
}

void SimLibraries::releaseProcess(std::uint32_t pid) {
    std::erase_if(references_, [pid](const auto& entry) { return entry.first.first == pid; });
}

FarProc SimLibraries::addressOf(const Library& library, const std::string& name) {
    const auto found = library.exports.find(name);
    if (found == library.exports.end())
        return 0;
    // Each export has an address of its own inside the module's image.
    constexpr FarProc kFirstExport = 0x1000;
    constexpr FarProc kExportSpacing = 0x10;
    return library.handle.Value() + kFirstExport +
           kExportSpacing * static_cast<FarProc>(std::distance(library.exports.begin(), found));
}

} // namespace vm::sim
