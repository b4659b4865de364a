#include "sim_desktop/sim_files.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"
#include "sim_desktop/cp932.h"

namespace vm::sim {

bool SimFiles::exists(const std::string& path) const {
    return files_.count(FoldAsciiCase(path)) != 0;
}

std::optional<std::string> SimFiles::read(const std::string& path) const {
    const auto it = files_.find(FoldAsciiCase(path));
    if (it == files_.end())
        return std::nullopt;
    return it->second.bytes;
}

void SimFiles::write(const std::string& path, std::string bytes) {
    store(path, FoldAsciiCase(path), std::move(bytes));
}

void SimFiles::remove(const std::string& path) {
    files_.erase(FoldAsciiCase(path));
}

namespace {
std::string FolderKey(const std::string& path) {
    std::string key = FoldAsciiCase(path);
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

// Whether key names path itself or something inside it.
bool IsAtOrBelow(const std::string& key, const std::string& folder) {
    return key.compare(0, folder.size(), folder) == 0 &&
           (key.size() == folder.size() || key[folder.size()] == '\\');
}
} // namespace

void SimFiles::addFolder(const std::string& path) {
    folders_.push_back(FolderKey(path));
}

bool SimFiles::folderExists(const std::string& path) const {
    const std::string folder = FolderKey(path);
    if (folder.empty())
        return false;
    for (const std::string& known : folders_) {
        if (IsAtOrBelow(known, folder))
            return true;
    }
    for (const auto& [key, file] : files_) {
        if (key.size() > folder.size() && IsAtOrBelow(key, folder))
            return true;
    }
    return false;
}

std::vector<std::string> SimFiles::list() const {
    std::vector<std::string> paths;
    paths.reserve(files_.size());
    for (const auto& [key, file] : files_)
        paths.push_back(file.path);
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::size_t SimFiles::writeCount(const std::string& path) const {
    const auto it = history_.find(FoldAsciiCase(path));
    return it == history_.end() ? 0 : it->second.writes;
}

std::uint64_t SimFiles::modifiedAt(const std::string& path) const {
    const auto it = history_.find(FoldAsciiCase(path));
    return it == history_.end() ? 0 : it->second.modifiedAt;
}

void SimFiles::setReadOnlyFolder(const std::string& folderPrefix) {
    readOnlyFolder_ = FoldAsciiCase(folderPrefix);
    if (!readOnlyFolder_.empty() && readOnlyFolder_.back() != '\\')
        readOnlyFolder_ += '\\';
}

void SimFiles::setFailNextWrite(bool torn) {
    nextWrite_ = torn ? WriteFault::Torn : WriteFault::Fail;
}

std::int32_t SimFiles::writeWholeFile(const std::string& path, const std::string& content) {
    const std::string key = FoldAsciiCase(path);
    if (isReadOnly(key))
        return error::ACCESS_DENIED;
    const WriteFault fault = std::exchange(nextWrite_, WriteFault::None);
    if (fault == WriteFault::Torn)
        store(path, key, content.substr(0, content.size() / 2));
    if (fault != WriteFault::None)
        return error::DISK_FULL;
    store(path, key, content);
    ++history_[key].writes;
    return error::SUCCESS;
}

std::int32_t SimFiles::moveFile(const std::string& from, const std::string& to,
                                bool replaceExisting) {
    const std::string fromKey = FoldAsciiCase(from);
    const std::string toKey = FoldAsciiCase(to);
    const auto source = files_.find(fromKey);
    if (source == files_.end())
        return error::FILE_NOT_FOUND;
    if (isReadOnly(fromKey) || isReadOnly(toKey))
        return error::ACCESS_DENIED;
    if (fromKey == toKey) {
        source->second.path = to;
        return error::SUCCESS;
    }
    if (files_.count(toKey) != 0 && !replaceExisting)
        return error::ALREADY_EXISTS;
    std::string bytes = std::move(source->second.bytes);
    files_.erase(source);
    files_.erase(toKey);
    store(to, toKey, std::move(bytes));
    ++history_[toKey].writes;
    history_[fromKey].modifiedAt = clock_;
    return error::SUCCESS;
}

std::int32_t SimFiles::deleteFile(const std::string& path) {
    const std::string key = FoldAsciiCase(path);
    if (isReadOnly(key))
        return error::ACCESS_DENIED;
    if (files_.erase(key) == 0)
        return error::FILE_NOT_FOUND;
    history_[key].modifiedAt = clock_;
    return error::SUCCESS;
}

bool SimFiles::isReadOnly(const std::string& key) const {
    return !readOnlyFolder_.empty() && key.compare(0, readOnlyFolder_.size(), readOnlyFolder_) == 0;
}

void SimFiles::store(const std::string& path, const std::string& key, std::string bytes) {
    files_.try_emplace(key, File{path, {}}).first->second.bytes = std::move(bytes);
    history_[key].modifiedAt = clock_;
}

} // namespace vm::sim
