// ANSI text, in the system's code page, as the UTF-16 the wide calls take.
#pragma once

#include "platform/win32/win32_api.h"

#include <string>
#include <string_view>

namespace vm::win32 {

// Every byte of ansi converted (a NUL among them too); empty when the system
// cannot convert it.
inline std::wstring Widen(std::string_view ansi) {
    if (ansi.empty())
        return {};
    const int size = static_cast<int>(ansi.size());
    const int length = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (::MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), length) != length)
        return {};
    return wide;
}

} // namespace vm::win32
