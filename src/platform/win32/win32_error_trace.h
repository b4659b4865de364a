// Errors caught where they must not unwind through the system's frames are
// dropped, but leave their trace in the debug output first.
#pragma once

#include "platform/error_trace.h"
#include "platform/win32/win32_api.h"

namespace vm::win32 {

// Call inside a catch block only; the trace says it was caught where
// TraceError was called.
inline void TraceError(SourcePlace caughtAt = SourcePlace::Here()) noexcept {
    const DWORD lastError = ::GetLastError();
    try {
        ::OutputDebugStringA(ErrorTraceLine(lastError, caughtAt).c_str());
    } catch (...) {
        // Not even the trace could be made: nothing is left to do.
    }
}

} // namespace vm::win32
