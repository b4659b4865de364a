// The settings could not be stored; the previous settings file is intact.
#pragma once

#include <stdexcept>
#include <string>

namespace vm {

class SettingsWriteError : public std::runtime_error {
public:
    explicit SettingsWriteError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace vm
