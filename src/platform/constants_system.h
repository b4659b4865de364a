// Win32 constants of the system beneath the windows: system parameters,
// version, processes, sounds, files, the registry and error codes.
// Part of platform/constants.h, which says how they are named.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/types.h"

namespace vm {

namespace spi {
inline constexpr std::uint32_t GETFOREGROUNDLOCKTIMEOUT = 0x2000u;
inline constexpr std::uint32_t SETFOREGROUNDLOCKTIMEOUT = 0x2001u;
inline constexpr std::uint32_t SENDCHANGE = 2u; // SPIF_SENDCHANGE
} // namespace spi

namespace ver_platform {
inline constexpr std::uint32_t WIN32s = 0;
inline constexpr std::uint32_t WIN32_WINDOWS = 1;
inline constexpr std::uint32_t WIN32_NT = 2;
} // namespace ver_platform

namespace th32cs {
inline constexpr std::uint32_t SNAPPROCESS = 2;
} // namespace th32cs

namespace process_access {
inline constexpr std::uint32_t QUERY_LIMITED_INFORMATION = 0x1000u;
} // namespace process_access

namespace snd {
inline constexpr std::uint32_t ASYNC = 0x0001u;
inline constexpr std::uint32_t NODEFAULT = 0x0002u;
} // namespace snd

namespace movefile {
inline constexpr std::uint32_t REPLACE_EXISTING = 0x1u;
inline constexpr std::uint32_t WRITE_THROUGH = 0x8u;
} // namespace movefile

// The longest path the "A" calls take, terminating NUL included.
inline constexpr std::size_t kMaxPath = 260;

namespace hkey {
inline constexpr HKey CURRENT_USER{0x80000001u};
} // namespace hkey

namespace key_access {
inline constexpr std::uint32_t READ = 0x20019u; // KEY_READ
} // namespace key_access

namespace reg {
inline constexpr std::uint32_t SZ = 1;
inline constexpr std::uint32_t EXPAND_SZ = 2;
inline constexpr std::uint32_t BINARY = 3;
} // namespace reg

// Win32 error codes (ERROR_SUCCESS, ...), as the registry calls return them.
namespace error {
inline constexpr std::int32_t SUCCESS = 0;
inline constexpr std::int32_t FILE_NOT_FOUND = 2;
inline constexpr std::int32_t ACCESS_DENIED = 5;
inline constexpr std::int32_t INVALID_HANDLE = 6;
inline constexpr std::int32_t INVALID_PARAMETER = 87;
inline constexpr std::int32_t DISK_FULL = 112;
inline constexpr std::int32_t CALL_NOT_IMPLEMENTED = 120;
inline constexpr std::int32_t ALREADY_EXISTS = 183;
inline constexpr std::int32_t MORE_DATA = 234;
} // namespace error

namespace hresult {
inline constexpr HResult OK = 0;
inline constexpr HResult FAIL = static_cast<HResult>(0x80004005u);             // E_FAIL
inline constexpr HResult INVALID_ARGUMENT = static_cast<HResult>(0x80070057u); // E_INVALIDARG
inline constexpr HResult CO_NOT_INITIALIZED = static_cast<HResult>(0x800401F0u);
} // namespace hresult

namespace file_attribute {
inline constexpr std::uint32_t DIRECTORY = 0x10u;
inline constexpr std::uint32_t ARCHIVE = 0x20u;
inline constexpr std::uint32_t INVALID = 0xFFFFFFFFu; // INVALID_FILE_ATTRIBUTES
} // namespace file_attribute

} // namespace vm
