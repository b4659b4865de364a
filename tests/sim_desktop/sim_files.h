// The simulated file system: whole files under Windows paths, compared
// ignoring the case of ASCII letters, with faults a real disk can show.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace vm::sim {

class SimFiles {
public:
    // clock is the desktop's virtual time, read when a file changes.
    explicit SimFiles(const std::uint64_t& clock) : clock_(clock) {}

    // Test setup and inspection; these never fail and are not counted.
    bool exists(const std::string& path) const;
    std::optional<std::string> read(const std::string& path) const;
    void write(const std::string& path, std::string bytes);
    void remove(const std::string& path);
    // A folder; the folders above it, and those above any file, exist too.
    void addFolder(const std::string& path);
    // A trailing backslash is allowed ("C:\\Tools\\").
    bool folderExists(const std::string& path) const;
    // Every path, as first written, sorted.
    std::vector<std::string> list() const;
    // How often the program wrote or moved a file onto path successfully.
    std::size_t writeCount(const std::string& path) const;
    // Virtual time of the last change of path; 0 when it never changed.
    std::uint64_t modifiedAt(const std::string& path) const;

    // Writes, moves and deletes in this folder (and below) fail; "" lifts it.
    void setReadOnlyFolder(const std::string& folderPrefix);
    // The next program write fails. torn: it leaves the first half of the
    // new content behind, as a crash in the middle of writing would.
    void setFailNextWrite(bool torn);

    // The program's operations, faults applied. Each answers the error
    // code the system would leave (error::SUCCESS when it worked): a write
    // into the read-only folder is denied, a failed write finds the disk full.
    std::int32_t writeWholeFile(const std::string& path, const std::string& content);
    // Fails when from is missing, or when to exists and replace is false.
    std::int32_t moveFile(const std::string& from, const std::string& to, bool replaceExisting);
    std::int32_t deleteFile(const std::string& path);

private:
    struct File {
        std::string path; // as first written
        std::string bytes;
    };
    struct History {
        std::size_t writes = 0;
        std::uint64_t modifiedAt = 0;
    };
    enum class WriteFault { None, Fail, Torn };

    bool isReadOnly(const std::string& key) const;
    void store(const std::string& path, const std::string& key, std::string bytes);

    const std::uint64_t& clock_;
    std::unordered_map<std::string, File> files_; // by folded path
    std::unordered_map<std::string, History> history_;
    std::vector<std::string> folders_; // folded, without a trailing backslash
    std::string readOnlyFolder_;       // folded, ending in '\\'; empty: none
    WriteFault nextWrite_ = WriteFault::None;
};

} // namespace vm::sim
