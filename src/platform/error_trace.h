// The trace an error leaves: one line of debug output that names the program,
// says what the error said, what GetLastError said when it was caught and
// where it came from, for a debugger, the tests or the soak:
//   Velmora: no shell link object (GetLastError 0, thrown at src/ui/make_shortcut.cpp:38)
// An error thrown as a TracedError names the place that threw it; any other
// the place that caught it ("caught at src/app/main_form.cpp:269").
#pragma once

#include <cstdint>
#include <exception>
#include <stdexcept>
#include <string>

namespace vm {

// A place in the source. Here() names the place of its caller's call when it
// is a default argument (std::source_location is missing from the libraries
// some of our compilers pair with).
struct SourcePlace {
    const char* file = "";
    int line = 0;

    static constexpr SourcePlace Here(const char* file = __builtin_FILE(),
                                      int line = __builtin_LINE()) {
        return {file, line};
    }
};

class TracedError : public std::runtime_error {
public:
    explicit TracedError(const std::string& what, SourcePlace origin = SourcePlace::Here())
        : std::runtime_error(what), origin_(origin) {}
    const SourcePlace& Origin() const noexcept { return origin_; }

private:
    SourcePlace origin_;
};

// The line for the error being handled; call it inside a catch block only,
// with GetLastError read first thing there.
inline std::string ErrorTraceLine(std::uint32_t lastError,
                                  SourcePlace caughtAt = SourcePlace::Here()) {
    std::string text;
    std::string place = " caught at ";
    SourcePlace where = caughtAt;
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
           where.file + ":" + std::to_string(where.line) + ")\n";
}

} // namespace vm
