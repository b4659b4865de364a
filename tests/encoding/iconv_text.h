// Text converted by iconv, independently of the program's own conversions,
// for the tests that hold the program's texts against it.
#pragma once

#include <iconv.h>

#include <cstddef>
#include <string>

#include <gtest/gtest.h>

namespace vm {

// The whole of bytes converted from one of iconv's encodings to another; a
// sequence it cannot convert fails the test.
inline std::string IconvConvert(const std::string& bytes, const char* from, const char* to) {
    iconv_t cd = iconv_open(to, from);
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << from << " to " << to;
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    std::string in = bytes;
    // No character of these encodings grows beyond four bytes.
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    EXPECT_NE(rc, static_cast<std::size_t>(-1)) << bytes;
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace vm
