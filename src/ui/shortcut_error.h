// A shortcut could not be written for a reason the program does not expect
// (no shell link object, a shell folder value that is no text). It ends in
// the error hook, unseen; nothing has been written.
#pragma once

#include <stdexcept>
#include <string>

namespace vm {

class ShortcutError : public std::runtime_error {
public:
    explicit ShortcutError(const std::string& what) : std::runtime_error(what) {}
};

} // namespace vm
