#include "sys/icon_file.h"

#include <cstddef>
#include <cstdint>

namespace vm {

namespace {
// Far above any real icon file; a larger file is not read at all.
constexpr std::size_t kMaxIconFileBytes = 4 * 1024 * 1024;
constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;

unsigned Word(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}
} // namespace

bool IsIconFile(IOperatingSystem& os, const std::string& path) {
    std::string bytes;
    if (path.empty() || !os.FileExists(path) || !os.ReadWholeFile(path, bytes, kMaxIconFileBytes))
        return false;
    if (bytes.size() < kDirectoryBytes || Word(bytes, 0) != 0 || Word(bytes, 2) != 1)
        return false;
    const unsigned count = Word(bytes, 4);
    return count > 0 && bytes.size() >= kDirectoryBytes + kEntryBytes * count;
}

} // namespace vm
