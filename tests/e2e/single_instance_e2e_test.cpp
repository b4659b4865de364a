// One resident instance per desktop: the controller window is found from
// another process, a second plain start ends at once, "/w" starts anyway.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class SingleInstance : public VelmoraScene {};

TEST_F(SingleInstance, ControllerIsFoundByClassAndShiftJisCaptionFromAnotherProcess) {
    ASSERT_TRUE(StartStandin());
    const ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));

    // "Velmora！ - 設定" in Shift-JIS, looked up with the ANSI call.
    HWND controller = FindWindowA("TMainForm", "Velmora\x81I - \x90\xDD\x92\xE8");
    ASSERT_NE(controller, nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(controller, &owner);
    EXPECT_EQ(owner, velmora.Id());
    EXPECT_FALSE(IsWindowVisible(controller));
}

TEST_F(SingleInstance, SecondStartPlainOrWithArgumentsEndsWithCodeZeroAndTheFirstKeepsMoving) {
    ASSERT_TRUE(StartStandin());
    const ChildProcess& first = StartVelmora();
    ASSERT_TRUE(WaitForController(first));

    for (const wchar_t* args : {L"", L"/Q /S"}) {
        SCOPED_TRACE(args);
        ASSERT_EQ(RunVelmoraToEnd(args), 0u) << "the second instance must end by itself";
        EXPECT_TRUE(first.Running());
    }
    EXPECT_TRUE(WitnessMoveTo(30));
}

TEST_F(SingleInstance, SecondPlainStartShowsTheSettingsWindowWhenTheTrayIconIsOff) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Tray=0", ""})));
    ASSERT_TRUE(StartStandin());
    const ChildProcess& first = StartVelmora();
    ASSERT_TRUE(WaitForController(first));
    HWND controller = FindWindowA("TMainForm", "Velmora\x81I - \x90\xDD\x92\xE8");
    ASSERT_NE(controller, nullptr);
    ASSERT_FALSE(IsWindowVisible(controller));

    ASSERT_EQ(RunVelmoraToEnd(L""), 0u) << "the second instance must end by itself";
    EXPECT_TRUE(
        WaitUntil([controller] { return IsWindowVisible(controller) != FALSE; }, ReactionLimit));
}

TEST_F(SingleInstance, RestartSwitchStartsASecondResidentInstance) {
    ASSERT_TRUE(StartStandin());
    const ChildProcess& first = StartVelmora();
    ASSERT_TRUE(WaitForController(first));

    const ChildProcess& second = StartVelmora(L"/w");

    ASSERT_TRUE(WaitForController(second));
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(second.Running());
    EXPECT_TRUE(WitnessMoveTo(30));
}

} // namespace
} // namespace e2e
