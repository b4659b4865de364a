// "/Q /S", the quick-launch start: one pass, then the program ends by itself
// with code 0 and leaves the settings file as it was.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

constexpr DWORD QuickRunLimit = 15000;

class QuickMode : public VelmoraScene {};

TEST_F(QuickMode, OnePassMovesTheWindowEndsWithCodeZeroAndCreatesNoSettingsFile) {
    ASSERT_TRUE(StartStandin());
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);

    const ChildProcess& velmora = StartVelmora(L"/Q /S");
    ASSERT_TRUE(velmora.Started());
    const auto exitCode = velmora.WaitForExit(QuickRunLimit);

    ASSERT_TRUE(exitCode.has_value()) << "the quick run did not end by itself";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(WindowRectOf(opened->First()).top, 30);
    EXPECT_FALSE(FileExists(SettingsPath()));
}

TEST_F(QuickMode, ReadsTheSettingsFileButNeverWritesIt) {
    const std::string settings = IniText(
        {"[Config]", "Position=10", "UnknownKey=kept as it is", "", "[Disable]", "Count=-1", ""});
    ASSERT_TRUE(WriteSettings(settings));
    const unsigned long long writtenAt = LastWriteTime(SettingsPath());
    ASSERT_TRUE(StartStandin());
    const SpawnedWindows* opened = Spawn(WindowSpec{});
    ASSERT_NE(opened, nullptr);

    const auto exitCode = StartVelmora(L"/Q /S").WaitForExit(QuickRunLimit);

    ASSERT_TRUE(exitCode.has_value()) << "the quick run did not end by itself";
    EXPECT_EQ(*exitCode, 0u);
    EXPECT_EQ(WindowRectOf(opened->First()).top, 40);
    EXPECT_EQ(ReadFileBytes(SettingsPath()), settings);
    EXPECT_EQ(LastWriteTime(SettingsPath()), writtenAt);
}

TEST_F(QuickMode, QuickStartAloneEndsByItselfWithCodeZero) {
    ASSERT_TRUE(StartStandin());

    const auto exitCode = StartVelmora(L"/Q").WaitForExit(QuickRunLimit);

    ASSERT_TRUE(exitCode.has_value()) << "the quick run did not end by itself";
    EXPECT_EQ(*exitCode, 0u);
}

} // namespace
} // namespace e2e
