// The trace an error leaves: one line of debug output that names the program,
// says what the error said, which system call failed with which code and the
// system's text for it, and where it came from, for a debugger, the tests or
// the soak:
//   Velmora: no shell link object (CoCreateInstance failed: HRESULT 0x800401F0
//   (CoInitialize has not been called.), thrown at src/ui/make_shortcut.cpp:38)
// The code is read right where the call failed, never later: by the time an
// error is caught, other calls have left their own last error behind. An
// error thrown as a TracedError names the place that threw it; any other the
// place that caught it ("caught at src/app/main_form.cpp:269").
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/types.h"

namespace vm {

class IOperatingSystem;

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

// A system call that failed and the code it left: the value GetLastError
// gave right after it, or the HRESULT it returned.
struct FailedCall {
    enum class Kind { LastError, HResult };

    const char* call = "";
    Kind kind = Kind::LastError;
    std::uint32_t code = 0;

    static constexpr FailedCall LastError(const char* call, std::uint32_t code) {
        return {call, Kind::LastError, code};
    }
    static constexpr FailedCall HResultOf(const char* call, HResult result) {
        return {call, Kind::HResult, static_cast<std::uint32_t>(result)};
    }
};

class TracedError : public std::runtime_error {
public:
    explicit TracedError(const std::string& what, SourcePlace origin = SourcePlace::Here())
        : std::runtime_error(what), origin_(origin) {}
    TracedError(const std::string& what, FailedCall failed,
                SourcePlace origin = SourcePlace::Here())
        : std::runtime_error(what), origin_(origin), failed_(failed) {}

    const SourcePlace& Origin() const noexcept { return origin_; }
    // The system call behind the error, when one failed.
    const std::optional<FailedCall>& Failed() const noexcept { return failed_; }

private:
    SourcePlace origin_;
    std::optional<FailedCall> failed_;
};

// The system's text for a code (FormatMessage); empty when it has none.
using SystemText = std::function<std::string(std::uint32_t code)>;

// "WriteWholeFile failed: GetLastError 5 (Access is denied.)": the call, the
// kind of code and the code (an HRESULT in hexadecimal), and the system's
// text on one line, when it has one.
std::string FailedCallText(const FailedCall& failed, const SystemText& systemText);

// The line for the error being handled; call it inside a catch block only.
std::string ErrorTraceLine(const SystemText& systemText,
                           SourcePlace caughtAt = SourcePlace::Here());
// The same with the system's texts from os.
std::string ErrorTraceLine(IOperatingSystem& os, SourcePlace caughtAt = SourcePlace::Here());

// Leaves the line for the error being handled in the debug output, for an
// error the program handles on its own; inside a catch block only.
void TraceCaughtError(IOperatingSystem& os, SourcePlace caughtAt = SourcePlace::Here()) noexcept;

} // namespace vm
