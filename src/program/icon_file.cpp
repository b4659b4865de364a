#include "program/icon_file.h"

#include <cstddef>
#include <cstdint>

#include "encoding/text.h"

namespace vm {

namespace {
// Far above any real icon file; a larger one is not read at all.
constexpr std::size_t kMaxIconFileBytes = 4 * 1024 * 1024;
// Far above any program or library that holds icons.
constexpr std::uint64_t kMaxIconSourceBytes = 256 * 1024 * 1024;
constexpr std::size_t kDirectoryBytes = 6;
constexpr std::size_t kEntryBytes = 16;

unsigned Word(const std::string& bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) |
           (static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}

bool HasIconDirectory(IOperatingSystem& os, const std::string& path) {
    std::string bytes;
    if (!os.ReadWholeFile(path, bytes, kMaxIconFileBytes))
        return false;
    if (bytes.size() < kDirectoryBytes || Word(bytes, 0) != 0 || Word(bytes, 2) != 1)
        return false;
    const unsigned count = Word(bytes, 4);
    return count > 0 && bytes.size() >= kDirectoryBytes + kEntryBytes * count;
}

bool IsIcoFileName(const std::string& path) {
    return path.size() >= 4 && AsciiLower(path.substr(path.size() - 4)) == ".ico";
}
} // namespace

bool IsIconSource(IOperatingSystem& os, const std::string& path) {
    if (path.empty() || !os.FileExists(path))
        return false;
    if (IsIcoFileName(path))
        return HasIconDirectory(os, path);
    std::uint64_t size = 0;
    return os.GetFileSizeEx(path, size) && size <= kMaxIconSourceBytes;
}

} // namespace vm
