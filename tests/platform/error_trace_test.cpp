#include "platform/error_trace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/constants.h"

namespace vm {
namespace {

constexpr SourcePlace kThrownAt{"src/settings/settings_file_io.cpp", 63};
constexpr SourcePlace kCaughtAt{"src/app/pass_gate.cpp", 71};

// The system's texts as FormatMessage gives them, line breaks included.
std::string SystemTextOf(std::uint32_t code) {
    switch (code) {
        case error::ACCESS_DENIED:
            return "Access is denied.\r\n";
        case static_cast<std::uint32_t>(hresult::CO_NOT_INITIALIZED):
            return "CoInitialize has not been called.\r\n";
        case error::DISK_FULL:
            return "There is not enough\r\nspace on the disk.\r\n";
        default:
            return std::string();
    }
}

std::string TraceOf(const std::function<void()>& thrower) {
    try {
        thrower();
    } catch (...) {
        return ErrorTraceLine(SystemTextOf, kCaughtAt);
    }
    return "nothing thrown";
}

TEST(ErrorTraceTest, TheLineNamesTheCallItsCodeTheSystemsTextAndThePlace) {
    struct Case {
        const char* name;
        std::function<void()> thrower;
        const char* line;
    };
    const Case cases[] = {
        {"a last error, its text on one line",
         [] {
             throw TracedError("cannot write x.tmp",
                               FailedCall::LastError("WriteWholeFile", error::ACCESS_DENIED),
                               kThrownAt);
         },
         "Velmora: cannot write x.tmp (WriteWholeFile failed: GetLastError 5 (Access is "
         "denied.), thrown at src/settings/settings_file_io.cpp:63)\n"},
        {"an HRESULT, in hexadecimal",
         [] {
             throw TracedError(
                 "no shell link object",
                 FailedCall::HResultOf("CoCreateInstance", hresult::CO_NOT_INITIALIZED), kThrownAt);
         },
         "Velmora: no shell link object (CoCreateInstance failed: HRESULT 0x800401F0 "
         "(CoInitialize has not been called.), thrown at src/settings/settings_file_io.cpp:63)\n"},
        {"a text of several lines",
         [] {
             throw TracedError("cannot write x.tmp",
                               FailedCall::LastError("WriteWholeFile", error::DISK_FULL),
                               kThrownAt);
         },
         "Velmora: cannot write x.tmp (WriteWholeFile failed: GetLastError 112 (There is not "
         "enough space on the disk.), thrown at src/settings/settings_file_io.cpp:63)\n"},
        {"a code the system has no text for",
         [] {
             throw TracedError("cannot replace x", FailedCall::LastError("MoveFileA", 1234),
                               kThrownAt);
         },
         "Velmora: cannot replace x (MoveFileA failed: GetLastError 1234, thrown at "
         "src/settings/settings_file_io.cpp:63)\n"},
        {"no call failed", [] { throw TracedError("settings too large to store: x", kThrownAt); },
         "Velmora: settings too large to store: x (thrown at "
         "src/settings/settings_file_io.cpp:63)\n"},
        {"another error, named where it was caught",
         [] { throw std::runtime_error("simulated failure of GetWindowRect"); },
         "Velmora: simulated failure of GetWindowRect (caught at "
         "src/app/pass_gate.cpp:71)\n"},
        {"no exception at all", [] { throw 7; },
         "Velmora: unknown error (caught at src/app/pass_gate.cpp:71)\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TraceOf(c.thrower), c.line) << c.name;
}

} // namespace
} // namespace vm
