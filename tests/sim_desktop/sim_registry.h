// The simulated registry: keys under the predefined roots, holding typed
// values, read through handles the way RegOpenKeyExA and RegQueryValueExA
// read them. Key and value names ignore the case of ASCII letters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>

#include "platform/types.h"

namespace vm::sim {

class SimRegistry {
public:
    // Test setup: a key (with every key above it), a value of any type with
    // its raw bytes, a string value (REG_SZ, stored with its NUL).
    void addKey(HKey root, const std::string& path);
    void setValue(HKey root, const std::string& path, const std::string& name, std::uint32_t type,
                  std::string data);
    void setString(HKey root, const std::string& path, const std::string& name,
                   const std::string& text);
    // Removes the key, its values and every key below it.
    void removeKey(HKey root, const std::string& path);
    // Handles opened and not yet closed.
    std::size_t openHandles() const { return open_.size(); }

    // The program's calls, with the Win32 error codes.
    std::int32_t open(HKey root, const char* subKey, HKey* result);
    std::int32_t query(HKey key, const char* valueName, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* dataSize) const;
    std::int32_t close(HKey key);

private:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    // The folded full name of a key, "80000001\software\...", or "" for a
    // root that is neither predefined nor open.
    std::string keyName(HKey root, const std::string& path) const;

    std::map<std::string, std::map<std::string, Value>> keys_; // by folded names
    std::unordered_map<HKey, std::string> open_;
    std::uintptr_t nextHandle_ = 0x3000;
};

} // namespace vm::sim
