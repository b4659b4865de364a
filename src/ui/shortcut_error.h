// A shortcut could not be written for a reason the program does not expect
// (no shell link object, a shell folder value that is no text). It ends in
// the error hook, unseen; nothing has been written. Its trace names where it
// was thrown and, when a system call failed, that call and its code.
#pragma once

#include <string>

#include "platform/error_trace.h"

namespace vm {

class ShortcutError : public TracedError {
public:
    explicit ShortcutError(const std::string& what, SourcePlace origin = SourcePlace::Here())
        : TracedError(what, origin) {}
    ShortcutError(const std::string& what, FailedCall failed,
                  SourcePlace origin = SourcePlace::Here())
        : TracedError(what, failed, origin) {}
};

} // namespace vm
