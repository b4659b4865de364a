#include "sim_desktop/sim_registry.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "platform/constants.h"
#include "sim_desktop/cp932.h"

namespace vm::sim {

namespace {

// HKEY_CLASSES_ROOT .. HKEY_CURRENT_CONFIG.
bool IsPredefinedRoot(HKey root) {
    return root.Value() >= 0x80000000u && root.Value() <= 0x80000005u;
}

} // namespace

std::string SimRegistry::keyName(HKey root, const std::string& path) const {
    std::string base;
    if (IsPredefinedRoot(root)) {
        base = std::to_string(root.Value());
    } else {
        const auto it = open_.find(root);
        if (it == open_.end())
            return std::string();
        base = it->second;
    }
    std::string rest = FoldAsciiCase(path);
    while (!rest.empty() && rest.back() == '\\')
        rest.pop_back();
    return rest.empty() ? base : base + '\\' + rest;
}

void SimRegistry::addKey(HKey root, const std::string& path) {
    const std::string name = keyName(root, path);
    for (std::size_t i = name.find('\\'); i != std::string::npos; i = name.find('\\', i + 1))
        keys_[name.substr(0, i)];
    keys_[name];
}

void SimRegistry::setValue(HKey root, const std::string& path, const std::string& name,
                           std::uint32_t type, std::string data) {
    addKey(root, path);
    keys_[keyName(root, path)][FoldAsciiCase(name)] = Value{type, std::move(data)};
}

void SimRegistry::setString(HKey root, const std::string& path, const std::string& name,
                            const std::string& text) {
    setValue(root, path, name, reg::SZ, text + '\0');
}

void SimRegistry::removeKey(HKey root, const std::string& path) {
    const std::string name = keyName(root, path);
    const std::string below = name + '\\';
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == name || it->first.compare(0, below.size(), below) == 0)
            it = keys_.erase(it);
        else
            ++it;
    }
}

std::int32_t SimRegistry::open(HKey root, const char* subKey, HKey* result) {
    if (result == nullptr)
        return error::INVALID_PARAMETER;
    *result = 0;
    if (!IsPredefinedRoot(root) && open_.count(root) == 0)
        return error::INVALID_HANDLE;
    const std::string name = keyName(root, subKey == nullptr ? std::string() : subKey);
    // The roots themselves always exist.
    if (keys_.count(name) == 0 && name != std::to_string(root.Value()))
        return error::FILE_NOT_FOUND;
    const HKey handle{nextHandle_};
    nextHandle_ += 4;
    open_.emplace(handle, name);
    *result = handle;
    return error::SUCCESS;
}

std::int32_t SimRegistry::query(HKey key, const char* valueName, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* dataSize) const {
    const auto handle = open_.find(key);
    if (handle == open_.end())
        return error::INVALID_HANDLE;
    if (data != nullptr && dataSize == nullptr)
        return error::INVALID_PARAMETER;
    const auto values = keys_.find(handle->second);
    if (values == keys_.end())
        return error::FILE_NOT_FOUND; // removed while open
    const auto value =
        values->second.find(FoldAsciiCase(valueName == nullptr ? std::string() : valueName));
    if (value == values->second.end())
        return error::FILE_NOT_FOUND;
    if (type != nullptr)
        *type = value->second.type;
    const auto size = static_cast<std::uint32_t>(value->second.data.size());
    if (data != nullptr && *dataSize < size) {
        *dataSize = size;
        return error::MORE_DATA;
    }
    if (data != nullptr)
        std::memcpy(data, value->second.data.data(), size);
    if (dataSize != nullptr)
        *dataSize = size;
    return error::SUCCESS;
}

std::int32_t SimRegistry::close(HKey key) {
    return open_.erase(key) != 0 ? error::SUCCESS : error::INVALID_HANDLE;
}

} // namespace vm::sim
