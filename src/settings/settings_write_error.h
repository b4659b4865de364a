// The settings could not be stored; the previous settings file is intact.
// Its trace names where it was thrown and, when a file call failed, that
// call and the code it left.
#pragma once

#include <string>

#include "platform/error_trace.h"

namespace vm {

class SettingsWriteError : public TracedError {
public:
    explicit SettingsWriteError(const std::string& what, SourcePlace origin = SourcePlace::Here())
        : TracedError(what, origin) {}
    SettingsWriteError(const std::string& what, FailedCall failed,
                       SourcePlace origin = SourcePlace::Here())
        : TracedError(what, failed, origin) {}
};

} // namespace vm
