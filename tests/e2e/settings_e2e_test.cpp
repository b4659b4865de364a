// The settings file beside the real Velmora.exe: found under the name built
// from the user and the Windows version, moved there from the older
// per-user name, and read (ignore list included) but never written by a
// quick start.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "harness/desktop_windows.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

// "vmr_" + user name + ".ini", with "Default" for a name that cannot be
// part of a file name.
std::string LegacySettingsFileName() {
    char user[260] = {};
    DWORD size = sizeof(user);
    std::string name = GetUserNameA(user, &size) ? user : "Default";
    if (name.find_first_of("\\/:*?<>|") != std::string::npos)
        name = "Default";
    return "vmr_" + name + ".ini";
}

class SettingsFile : public VelmoraScene {
protected:
    std::wstring LegacyPath() const { return Folder() + WideFromAnsi(LegacySettingsFileName()); }

    // One quick pass over a window opened at y = 0; its top edge afterwards.
    LONG TopAfterQuickPass() {
        if (!StartStandin())
            return -1;
        const HWND window = Spawn({});
        if (window == nullptr)
            return -1;
        if (RunVelmoraToEnd(L"/Q /S") != 0u)
            return -1;
        return WindowRectOf(window).top;
    }
};

TEST_F(SettingsFile, QuickStartMovesTheLegacyFileToTheCurrentNameAndReadsIt) {
    const std::string legacy = IniText({"[Config]", "Position=10", "Mine=1", ""});
    ASSERT_TRUE(WriteFileBytes(LegacyPath(), legacy));

    EXPECT_EQ(TopAfterQuickPass(), 40);
    EXPECT_FALSE(FileExists(LegacyPath()));
    EXPECT_EQ(ReadFileBytes(SettingsPath()), legacy);
}

TEST_F(SettingsFile, LegacyFileStaysWhenTheCurrentOneExists) {
    const std::string legacy = IniText({"[Config]", "Position=20", ""});
    const std::string current = IniText({"[Config]", "Position=10", ""});
    ASSERT_TRUE(WriteFileBytes(LegacyPath(), legacy));
    ASSERT_TRUE(WriteSettings(current));
    const unsigned long long writtenAt = LastWriteTime(SettingsPath());

    EXPECT_EQ(TopAfterQuickPass(), 40);
    EXPECT_EQ(ReadFileBytes(LegacyPath()), legacy);
    EXPECT_EQ(ReadFileBytes(SettingsPath()), current);
    EXPECT_EQ(LastWriteTime(SettingsPath()), writtenAt);
}

TEST_F(SettingsFile, IgnoreListFromTheFileLeavesItsProgramsWindowsAlone) {
    const std::string settings = IniText(
        {"[Config]", "Position=0", "", "[Disable]", "Count=1", "0=", "1=IGNORED_APP.EXE", ""});
    ASSERT_TRUE(WriteSettings(settings));
    ASSERT_TRUE(StartStandin());
    const HWND ignored = Spawn({}, L"ignored_app.exe");
    const HWND moved = Spawn({});
    ASSERT_NE(ignored, nullptr);
    ASSERT_NE(moved, nullptr);

    ASSERT_TRUE(RunVelmoraToEnd(L"/Q /S").has_value()) << "the quick run did not end by itself";
    EXPECT_EQ(WindowRectOf(moved).top, 30);
    EXPECT_EQ(WindowRectOf(ignored).top, 0);
    EXPECT_EQ(ReadFileBytes(SettingsPath()), settings);
}

// The application window owns the settings window; another program's
// WM_CLOSE to it ends the program as a close of the main window does, with
// its settings written.
TEST_F(SettingsFile, ClosingTheApplicationWindowEndsTheProgramWithItsSettingsWritten) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Position=3", ""})));
    ASSERT_TRUE(StartStandin());
    ChildProcess& velmora = StartVelmora(L"/w");
    ASSERT_TRUE(WaitForController(velmora));
    HWND app = FindWindowA("VelmoraApp", nullptr);
    ASSERT_NE(app, nullptr);
    PostMessageA(app, WM_CLOSE, 0, 0);
    EXPECT_EQ(velmora.WaitForExit(ReactionLimit), std::optional<DWORD>(0));
    const std::string saved = ReadFileBytes(SettingsPath()).value_or("");
    EXPECT_NE(saved.find("Position=3\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Enable=1\r\n"), std::string::npos) << "written by the close: " << saved;
}

} // namespace
} // namespace e2e
