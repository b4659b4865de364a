// The shell's own windows that are never moved, whatever the options say.
#pragma once

#include <array>
#include <string_view>

#include "sys/window_identity.h"

namespace vm {

// A row excludes a window only when every column it has matches, exactly
// and case-sensitively.
struct BuiltInExclusion {
    std::string_view title;
    std::string_view className;
    // Upper-case executable file name; empty when the row has no such column.
    std::string_view exeName;
};

extern const std::array<BuiltInExclusion, 5> kBuiltInExclusions;

bool Matches(const BuiltInExclusion& row, const WindowIdentity& identity);

} // namespace vm
