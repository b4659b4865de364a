// Integers as the settings file holds them.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vm {

// Reads a whole value as a 32-bit integer: an optional sign, then decimal
// digits, or "0x"/"0X" and 1 to 8 hexadecimal digits taken as the 32-bit
// pattern (so "0xFFFFFFFF" is -1). Anything else, an empty text or a decimal
// beyond the 32-bit range is not a number.
std::optional<std::int32_t> ParseIniInteger(std::string_view text);

} // namespace vm
