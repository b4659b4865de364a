// Libraries of the simulated desktop: which exist, what they export, and how
// many references each process holds.
#include <iterator>

#include "platform/sim/cp932.h"
#include "platform/sim/sim_desktop.h"

namespace vm::sim {

void SimDesktop::removeExport(const std::string& library, const std::string& name) {
    const auto found = libraries_.find(FoldAsciiCase(library));
    if (found != libraries_.end())
        found->second.exports.erase(name);
}

bool SimDesktop::exports(const std::string& library, const std::string& name) const {
    const auto found = libraries_.find(FoldAsciiCase(library));
    return found != libraries_.end() && found->second.exports.count(name) != 0;
}

int SimDesktop::libraryReferences(std::uint32_t pid) const {
    int count = 0;
    for (const auto& [key, references] : libraryRefs_) {
        if (key.first == pid)
            count += references;
    }
    return count;
}

const SimDesktop::Library* SimDesktop::findLibrary(HModule module) const {
    for (const auto& entry : libraries_) {
        if (entry.second.handle == module)
            return &entry.second;
    }
    return nullptr;
}

FarProc SimDesktop::exportAddress(const Library& library, const std::string& name) const {
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
