// Errors caught where they must not unwind through the system's frames are
// dropped, but leave their trace in the debug output first.
#pragma once

#include <cstdint>
#include <string>

#include "platform/error_trace.h"
#include "platform/win32/win32_api.h"

namespace vm::win32 {

// FormatMessageA from the system's table, inserts ignored; empty when the
// system has no text for the code.
inline std::string SystemMessageText(std::uint32_t code) {
    char text[512] = {};
    const DWORD length =
        ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                         0, text, sizeof(text), nullptr);
    return std::string(text, length < sizeof(text) ? length : 0);
}

// Call inside a catch block only; the trace says it was caught where
// TraceError was called.
inline void TraceError(SourcePlace caughtAt = SourcePlace::Here()) noexcept {
    try {
        ::OutputDebugStringA(ErrorTraceLine(SystemMessageText, caughtAt).c_str());
    } catch (...) {
        // Not even the trace could be made: nothing is left to do.
    }
}

} // namespace vm::win32
