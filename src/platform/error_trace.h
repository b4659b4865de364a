// The trace an error leaves: one line of debug output that names the program,
// says what the error said, what GetLastError said when it was caught and
// where it came from, for a debugger, the tests or the soak:
//   Velmora: no shell link object (GetLastError 0, thrown at src/ui/make_shortcut.cpp:38)
// An error thrown as a TracedError names the place that threw it; any other
// the place that caught it ("caught at src/app/main_form.cpp:269").
#pragma once

#include <cstdint>
#include <exception>
#include <source_location>
#include <stdexcept>
#include <string>

namespace vm {

class TracedError : public std::runtime_error {
public:
    explicit TracedError(const std::string& what,
                         std::source_location origin = std::source_location::current())
        : std::runtime_error(what), origin_(origin) {}
    const std::source_location& Origin() const noexcept { return origin_; }

private:
    std::source_location origin_;
};

// The line for the error being handled; call it inside a catch block only,
// with GetLastError read first thing there.
inline std::string ErrorTraceLine(std::uint32_t lastError,
                                  std::source_location caughtAt = std::source_location::current()) {
    std::string text;
    std::string place = " caught at ";
    std::source_location where = caughtAt;
    try {
        throw;
    } catch (const TracedError& error) {
        text = error.what();
        place = " thrown at ";
        where = error.Origin();
    } catch (const std::exception& error) {
        text = error.what();
    } catch (...) {
        text = "unknown error";
    }
    return "Velmora: " + text + " (GetLastError " + std::to_string(lastError) + "," + place +
           where.file_name() + ":" + std::to_string(where.line()) + ")\n";
}

} // namespace vm
