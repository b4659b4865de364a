// Who a window is: its title, class and executable.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace vm {

struct WindowIdentity {
    std::string Title;     // ANSI, cleaned
    std::string ClassName; // ANSI, cleaned
    std::string ExeName;   // upper-case file name of the executable; empty when unknown
};

// A window's identity, read when it is first needed: most windows are
// dismissed by their rectangle alone, before anyone asks for their names and
// the process snapshot behind the executable's.
class LazyIdentity {
public:
    explicit LazyIdentity(std::function<WindowIdentity()> read) : read_(std::move(read)) {}
    explicit LazyIdentity(WindowIdentity known) : value_(std::move(known)) {}

    const WindowIdentity& Get() {
        if (!value_)
            value_ = read_();
        return *value_;
    }

private:
    std::function<WindowIdentity()> read_;
    std::optional<WindowIdentity> value_;
};

} // namespace vm
