// Win32 constants of the shell: the taskbar's appbar messages, the
// notification area, icons and the file dialog.
// Part of platform/constants.h, which says how they are named.
#pragma once

#include <cstdint>

namespace vm {

namespace abm {
inline constexpr std::uint32_t GETSTATE = 4;
inline constexpr std::uint32_t GETTASKBARPOS = 5;
} // namespace abm

namespace abe {
inline constexpr std::uint32_t LEFT = 0;
inline constexpr std::uint32_t TOP = 1;
inline constexpr std::uint32_t RIGHT = 2;
inline constexpr std::uint32_t BOTTOM = 3;
} // namespace abe

namespace abs_ {
inline constexpr std::uintptr_t AUTOHIDE = 1;
inline constexpr std::uintptr_t ALWAYSONTOP = 2;
} // namespace abs_

namespace shgfi {
inline constexpr std::uint32_t ICON = 0x100;
} // namespace shgfi

namespace nim {
inline constexpr std::uint32_t ADD = 0;
inline constexpr std::uint32_t MODIFY = 1;
inline constexpr std::uint32_t DELETE_ = 2;
inline constexpr std::uint32_t SETFOCUS = 3;
} // namespace nim

namespace nif {
inline constexpr std::uint32_t MESSAGE = 0x1u;
inline constexpr std::uint32_t ICON = 0x2u;
inline constexpr std::uint32_t TIP = 0x4u;
inline constexpr std::uint32_t INFO = 0x10u;
} // namespace nif

namespace niif {
inline constexpr std::uint32_t INFO = 0x1u;
} // namespace niif

namespace image {
inline constexpr std::uint32_t ICON = 1;
} // namespace image

// GetOpenFileNameA flags.
namespace ofn {
inline constexpr std::uint32_t HIDEREADONLY = 0x4u;
inline constexpr std::uint32_t PATHMUSTEXIST = 0x800u;
inline constexpr std::uint32_t FILEMUSTEXIST = 0x1000u;
inline constexpr std::uint32_t EXPLORER = 0x80000u;
inline constexpr std::uint32_t ENABLESIZING = 0x800000u;
} // namespace ofn

} // namespace vm
