// The shell's own windows that are never moved, whatever the options say.
// Class names are never translated, so every row matches by class (and by
// executable where it names one) on a system of any language.
#pragma once

#include <array>
#include <string_view>

#include "window_info/window_identity.h"

namespace vm {

// A row excludes a window when its class and, where the row has one, its
// executable match exactly and case-sensitively.
struct BuiltInExclusion {
    std::string_view className;
    // Upper-case executable file name; empty when the row has no such column.
    std::string_view exeName;
};

// The surfaces of the shell of Windows 2000 to 7.
extern const std::array<BuiltInExclusion, 5> kBuiltInExclusions;
// The surfaces of the shell of Windows 8 to 11, opened at the taskbar's edge
// and so, at a top taskbar, inside the band.
extern const std::array<BuiltInExclusion, 15> kShellSurfaces;

bool Matches(const BuiltInExclusion& row, const WindowIdentity& identity);

} // namespace vm
