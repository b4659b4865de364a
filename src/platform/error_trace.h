// The trace an error leaves: one line of debug output that names the program
// and says what the error said, for a debugger, the tests or the soak.
#pragma once

#include <exception>
#include <string>

namespace vm {

// The line for the error being handled; call it inside a catch block only.
inline std::string ErrorTraceLine() {
    std::string text;
    try {
        throw;
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "unknown error";
    }
    return "Velmora: " + text + "\n";
}

} // namespace vm
