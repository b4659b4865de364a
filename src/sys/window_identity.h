// Who a window is: its title, class and executable.
#pragma once

#include <string>

namespace vm {

struct WindowIdentity {
    std::string Title;     // ANSI, cleaned
    std::string ClassName; // ANSI, cleaned
    std::string ExeName;   // upper-case file name of the executable; empty when unknown
};

} // namespace vm
