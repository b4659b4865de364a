#include "app/hand_over.h"

#include <string>

#include <gtest/gtest.h>

namespace vm {
namespace {

bool Accepts(const std::string& bytes, std::uint32_t cbData) {
    CopyDataStruct data;
    data.cbData = cbData;
    data.lpData = bytes.data();
    return IsShowRequest(&data);
}

TEST(HandOver, AcceptsOnlyTheWordShowWithinCbData) {
    EXPECT_TRUE(Accepts(std::string("/Show\0", 6), 6));
    EXPECT_TRUE(Accepts("/Show", 5)); // cbData ends the text
    EXPECT_TRUE(Accepts(std::string("/Show\0junk", 10), 10));
    EXPECT_FALSE(Accepts("/Show ", 6));                  // a blank after the word
    EXPECT_FALSE(Accepts(std::string("/show\0", 6), 6)); // case matters
    EXPECT_FALSE(Accepts("/Sho", 4));
    EXPECT_FALSE(Accepts("/Show", 4)); // the word does not fit in cbData
    EXPECT_FALSE(Accepts("", 0));
    EXPECT_FALSE(Accepts("/Shows", 6));
}

TEST(HandOver, IgnoresMissingRecordsAndData) {
    EXPECT_FALSE(IsShowRequest(nullptr));
    CopyDataStruct noData;
    noData.cbData = 6;
    EXPECT_FALSE(IsShowRequest(&noData));
}

TEST(HandOver, ReadsNoByteBeyondCbData) {
    // Exactly five bytes, with no room for a NUL: ASan would flag a read
    // of a sixth byte.
    const auto* heap = new char[5]{'/', 'S', 'h', 'o', 'w'};
    CopyDataStruct data;
    data.cbData = 5;
    data.lpData = heap;
    EXPECT_TRUE(IsShowRequest(&data));
    delete[] heap;
}

} // namespace
} // namespace vm
