#include <iconv.h>

#include <string>

#include <gtest/gtest.h>

#include "sjis_literal_cases.h"

namespace vm {
namespace {

std::string Utf8ToCp932(const std::string& utf8) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size();
    size_t outLeft = out.size();
    const size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    EXPECT_NE(rc, static_cast<size_t>(-1)) << utf8;
    out.resize(out.size() - outLeft);
    return out;
}

TEST(SjisLiterals, EveryLiteralIsTheShiftJisFormOfItsReadableText) {
    for (const auto& c : sjis_test::kLiteralCases) {
        EXPECT_EQ(std::string(c.sjis), Utf8ToCp932(c.utf8)) << c.name;
    }
}

} // namespace
} // namespace vm
