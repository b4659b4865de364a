// "/Q /S", the quick-launch start: one pass, then the program ends by itself
// with code 0 and leaves the settings file as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class QuickMode : public VelmoraScene {};

TEST_F(QuickMode, OnePassMovesTheWindowEndsWithCodeZeroAndCreatesNoSettingsFile) {
    ASSERT_TRUE(StartStandin());
    const HWND window = Spawn({});
    ASSERT_NE(window, nullptr);

    ASSERT_EQ(RunVelmoraToEnd(L"/Q /S"), 0u) << "the quick run must end by itself";
    EXPECT_EQ(WindowRectOf(window).top, 30);
    EXPECT_FALSE(FileExists(SettingsPath()));
}

TEST_F(QuickMode, ReadsTheSettingsFileButNeverWritesIt) {
    const std::string settings = IniText(
        {"[Config]", "Position=10", "UnknownKey=kept as it is", "", "[Disable]", "Count=-1", ""});
    ASSERT_TRUE(WriteSettings(settings));
    const unsigned long long writtenAt = LastWriteTime(SettingsPath());
    ASSERT_TRUE(StartStandin());
    const HWND window = Spawn({});
    ASSERT_NE(window, nullptr);

    ASSERT_EQ(RunVelmoraToEnd(L"/Q /S"), 0u) << "the quick run must end by itself";
    EXPECT_EQ(WindowRectOf(window).top, 40);
    EXPECT_EQ(ReadFileBytes(SettingsPath()), settings);
    EXPECT_EQ(LastWriteTime(SettingsPath()), writtenAt);
}

TEST_F(QuickMode, QuickStartAloneEndsByItselfWithCodeZero) {
    ASSERT_TRUE(StartStandin());

    EXPECT_EQ(RunVelmoraToEnd(L"/Q"), 0u) << "the quick run must end by itself";
}

} // namespace
} // namespace e2e
