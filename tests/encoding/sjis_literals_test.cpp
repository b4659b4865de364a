#include <string>

#include <gtest/gtest.h>

#include "iconv_text.h"
#include "sjis_literal_cases.h"

namespace vm {
namespace {

TEST(SjisLiterals, EveryLiteralIsTheShiftJisFormOfItsReadableText) {
    for (const auto& c : sjis_test::kLiteralCases) {
        EXPECT_EQ(std::string(c.sjis), IconvConvert(c.utf8, "UTF-8", "CP932")) << c.name;
    }
}

} // namespace
} // namespace vm
