// The real program when the display changes size: it closes and starts itself
// again with "/w". Wine resizes the display only on a virtual desktop (ctest
// e2e_display_change runs these cases in a prefix that has one); in any other
// prefix they skip themselves.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

// The closing program waits five seconds before it starts the next one.
constexpr DWORD RestartLimit = 30000;

bool OnVirtualDesktop() {
    char name[64] = {};
    DWORD size = sizeof(name);
    return RegGetValueA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer", "Desktop", RRF_RT_REG_SZ,
                        nullptr, name, &size) == ERROR_SUCCESS &&
           name[0] != '\0';
}

bool SetDisplaySize(int width, int height) {
    DEVMODEA mode{};
    mode.dmSize = sizeof(mode);
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsA(&mode, 0) == DISP_CHANGE_SUCCESSFUL;
}

// The process of a controller window other than the given process's; 0 if none.
DWORD OtherControllerProcess(DWORD processId) {
    for (HWND window = FindWindowW(L"TMainForm", nullptr); window != nullptr;
         window = FindWindowExW(nullptr, window, L"TMainForm", nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != processId)
            return owner;
    }
    return 0;
}

class DisplayChange : public VelmoraScene {
protected:
    void SetUp() override {
        if (!OnVirtualDesktop())
            GTEST_SKIP() << "needs a Wine virtual desktop (ctest e2e_display_change)";
        width_ = GetSystemMetrics(SM_CXSCREEN);
        height_ = GetSystemMetrics(SM_CYSCREEN);
        VelmoraScene::SetUp();
    }

    void TearDown() override {
        if (restarted_ != 0) {
            HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, restarted_);
            if (process != nullptr) {
                TerminateProcess(process, 0);
                WaitForSingleObject(process, RestartLimit);
                CloseHandle(process);
            }
        }
        if (width_ != 0)
            SetDisplaySize(width_, height_);
    }

    int width_ = 0;
    int height_ = 0;
    DWORD restarted_ = 0;
};

TEST_F(DisplayChange, ANewDisplaySizeClosesTheProgramAndStartsItAgain) {
    ASSERT_TRUE(StartStandin());
    ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));
    // A restart waits while a topmost window, as the stand-in's bar, is in
    // front: an ordinary window comes in front first.
    HWND front = Spawn({.title = L"Velmora e2e front", .top = 200});
    ASSERT_NE(front, nullptr);
    SetForegroundWindow(front);
    ASSERT_TRUE(WaitUntil([front] { return GetForegroundWindow() == front; }, ReactionLimit));

    ASSERT_TRUE(SetDisplaySize(width_ - 224, height_ - 168));
    EXPECT_TRUE(velmora.WaitForExit(RestartLimit).has_value());
    EXPECT_TRUE(WaitUntil(
        [&] {
            restarted_ = OtherControllerProcess(velmora.Id());
            return restarted_ != 0;
        },
        RestartLimit));
}

} // namespace
} // namespace e2e
