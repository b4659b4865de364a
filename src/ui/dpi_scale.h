// The design's pixel sizes are given at 96 DPI. At another DPI every edge
// is scaled and rounded half away from zero, so controls that touch at 96
// still touch, and a width is the difference of its scaled edges.
#pragma once

#include <cstdint>

#include "platform/constants.h"

namespace vm {

inline int ScaleToDpi(int value, std::uint32_t dpi) {
    const std::int64_t product = std::int64_t{value} * dpi;
    const std::int64_t half = kDesignDpi / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) /
                            std::int64_t{kDesignDpi});
}

// A length the system measured at dpi, brought back to 96 DPI.
inline int UnscaleFromDpi(int value, std::uint32_t dpi) {
    if (dpi == 0)
        return value;
    const std::int64_t product = std::int64_t{value} * kDesignDpi;
    const std::int64_t half = dpi / 2;
    return static_cast<int>((product >= 0 ? product + half : product - half) / std::int64_t{dpi});
}

} // namespace vm
