// The settings window of the real program, driven from another process as a
// user would: opened by a second plain start, its controls clicked, Enter
// and Esc pressed.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

#include "harness/polling.h"
#include "harness/scratch_folder.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

constexpr const char* kCaption = "Velmora\x81I - \x90\xDD\x92\xE8"; // Velmora！ - 設定
// "移動するウィンドウのタイトルを変える(&T)"
constexpr const char* kCheckCaption =
    "\x88\xDA\x93\xAE\x82\xB7\x82\xE9\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x82\xCC\x83^"
    "\x83\x43\x83g\x83\x8B\x82\xF0\x95\xCF\x82\xA6\x82\xE9(&T)";

class SettingsWindow : public VelmoraScene {
protected:
    // Velmora with the tray icon off and the window opened by a second start.
    HWND Open(const char* position) {
        const std::string settings = IniText({"[Config]", "Tray=0", "Caption=1", position, ""});
        if (!WriteSettings(settings) || !StartStandin() || !StartResidentVelmora())
            return nullptr;
        HWND form = FindWindowA("TMainForm", kCaption);
        if (form == nullptr || RunVelmoraToEnd(L"") != 0u)
            return nullptr;
        if (!WaitUntil([form] { return IsWindowVisible(form) != FALSE; }, ReactionLimit))
            return nullptr;
        return form;
    }
    static void PressKey(HWND control, WPARAM key) {
        PostMessageA(control, WM_KEYDOWN, key, 1);
        PostMessageA(control, WM_KEYUP, key, 0xC0000001);
    }
    static bool Hidden(HWND form) {
        return WaitUntil([form] { return IsWindowVisible(form) == FALSE; }, ReactionLimit);
    }
    // The slider one step down from position 0: the window follows the
    // watch position to a top of 31.
    static bool StepSliderDown(HWND form) {
        HWND slider = FindWindowExA(form, nullptr, "msctls_trackbar32", nullptr);
        if (slider == nullptr)
            return false;
        PressKey(slider, VK_DOWN);
        return WaitUntil(
            [form] {
                RECT r{};
                GetWindowRect(form, &r);
                return r.top == 31;
            },
            ReactionLimit);
    }
};

TEST_F(SettingsWindow, OpensBelowTheBarAndEnterSavesWhatWasClicked) {
    HWND form = Open("Position=4");
    ASSERT_NE(form, nullptr);
    RECT client{};
    GetClientRect(form, &client);
    EXPECT_EQ(client.right, 632);
    EXPECT_EQ(client.bottom, 469);
    RECT rect{};
    GetWindowRect(form, &rect);
    EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 632) / 2);
    EXPECT_EQ(rect.top, 30 + 4);

    HWND check = FindWindowExA(form, nullptr, "Button", kCheckCaption);
    HWND field = FindWindowExA(form, nullptr, "Edit", nullptr); // TxtCap, the first field
    ASSERT_NE(check, nullptr);
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(IsWindowEnabled(field));
    SendMessageA(check, BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([field] { return IsWindowEnabled(field) == FALSE; }, ReactionLimit));

    PressKey(check, VK_RETURN);
    EXPECT_TRUE(Hidden(form));
    const std::string saved = ReadFileBytes(SettingsPath()).value_or("");
    EXPECT_NE(saved.find("Caption=0\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Position=4\r\n"), std::string::npos) << saved;
}

TEST_F(SettingsWindow, EscAfterASliderChangeHidesTheWindowAndLeavesTheFileAlsoFromTheDelayField) {
    HWND form = Open("Position=0");
    ASSERT_NE(form, nullptr);
    const std::string before = ReadFileBytes(SettingsPath()).value_or("");
    EXPECT_TRUE(StepSliderDown(form));
    // Esc reaches the Cancel button also from the delay field, the last
    // right-aligned field.
    HWND wait = nullptr;
    for (HWND c = FindWindowExA(form, nullptr, "Edit", nullptr); c != nullptr;
         c = FindWindowExA(form, c, "Edit", nullptr)) {
        if ((GetWindowLongA(c, GWL_STYLE) & ES_RIGHT) != 0)
            wait = c;
    }
    ASSERT_NE(wait, nullptr);
    PressKey(wait, VK_ESCAPE);
    EXPECT_TRUE(Hidden(form));
    EXPECT_EQ(ReadFileBytes(SettingsPath()).value_or(""), before);
}

// The window closes only through OK and Cancel: Alt+F4 on it (the system
// menu's close, which the system sends as WM_SYSCOMMAND) is Cancel, and the
// program keeps running with the file as it was.
TEST_F(SettingsWindow, AltF4OnTheOpenWindowIsCancelAndTheProgramKeepsRunning) {
    HWND form = Open("Position=0");
    ASSERT_NE(form, nullptr);
    const std::string before = ReadFileBytes(SettingsPath()).value_or("");
    ASSERT_TRUE(StepSliderDown(form));
    PostMessageA(form, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(Hidden(form));
    // A closing program would save and end within a tick or two.
    Sleep(1000);
    EXPECT_TRUE(IsWindow(form));
    EXPECT_EQ(FindWindowA("TMainForm", kCaption), form);
    EXPECT_EQ(ReadFileBytes(SettingsPath()).value_or(""), before);
}

// Not a timing assertion: the figures are printed. The check is that the
// window keeps its controls and that its USER and GDI objects all come back
// when it closes (where the system counts them: Wine reports 0).
TEST_F(SettingsWindow, TheFocusedControlHasTheKeyboardAgainAfterAnotherWindowWasActive) {
    HWND form = Open("Position=0");
    ASSERT_NE(form, nullptr);
    const DWORD thread = GetWindowThreadProcessId(form, nullptr);
    const auto focusOf = [thread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
    };
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == form; }, ReactionLimit));
    HWND field = FindWindowExA(form, nullptr, "Edit", nullptr); // TxtCap
    ASSERT_NE(field, nullptr);
    PostMessageA(field, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageA(field, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(WaitUntil([&] { return focusOf() == field; }, ReactionLimit));

    const HWND other = Spawn({.title = L"Velmora e2e in front", .top = 300});
    ASSERT_NE(other, nullptr);
    // As the user's Alt+Tab away and back, each asked until it holds.
    ASSERT_TRUE(
        WaitUntil([&] { return SetForegroundWindow(other) && GetForegroundWindow() == other; },
                  ReactionLimit));
    ASSERT_TRUE(WaitUntil([&] { return focusOf() != field; }, ReactionLimit))
        << "the field lost the focus with the activation";
    ASSERT_TRUE(WaitUntil(
        [&] { return SetForegroundWindow(form) && GetForegroundWindow() == form; }, ReactionLimit));
    EXPECT_TRUE(WaitUntil([&] { return focusOf() == field; }, ReactionLimit))
        << "the field, not the window itself";
}

// The keyboard alone: the opened window has the slider focused, Alt+P (the
// access key of the slider's group box) brings the focus back to it from
// elsewhere, the arrow moves it and Enter confirms.
TEST_F(SettingsWindow, TheKeyboardAloneReachesTheSliderByItsAccessKeyMovesItAndConfirms) {
    HWND form = Open("Position=0");
    ASSERT_NE(form, nullptr);
    const DWORD thread = GetWindowThreadProcessId(form, nullptr);
    const auto focusOf = [thread] {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        return GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
    };
    HWND slider = FindWindowExA(form, nullptr, "msctls_trackbar32", nullptr);
    ASSERT_NE(slider, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return focusOf() == slider; }, ReactionLimit))
        << "the slider has the keyboard when the window opens";
    PressKey(slider, VK_TAB);
    ASSERT_TRUE(
        WaitUntil([&] { return focusOf() != slider && focusOf() != nullptr; }, ReactionLimit));
    constexpr LPARAM kAltDown = 1 << 29;
    PostMessageA(focusOf(), WM_SYSCHAR, 'p', kAltDown);
    ASSERT_TRUE(WaitUntil([&] { return focusOf() == slider; }, ReactionLimit))
        << "Alt+P moves the focus to the slider";
    ASSERT_TRUE(StepSliderDown(form));
    PressKey(slider, VK_RETURN);
    EXPECT_TRUE(Hidden(form));
    const std::string saved = ReadFileBytes(SettingsPath()).value_or("");
    EXPECT_NE(saved.find("Position=1\r\n"), std::string::npos) << saved;
}

TEST_F(SettingsWindow, OpeningAndClosingTwoHundredTimesLeaksNoObjects) {
    HWND form = Open("Position=0");
    ASSERT_NE(form, nullptr);
    PressKey(form, VK_ESCAPE);
    ASSERT_TRUE(Hidden(form));
    DWORD pid = 0;
    GetWindowThreadProcessId(form, &pid);
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION, FALSE, pid);
    ASSERT_NE(process, nullptr);
    const auto children = [form] {
        int count = 0;
        for (HWND c = FindWindowExA(form, nullptr, nullptr, nullptr); c != nullptr;
             c = FindWindowExA(form, c, nullptr, nullptr))
            ++count;
        return count;
    };
    const int childrenBefore = children();
    ASSERT_GT(childrenBefore, 40);
    const DWORD userBefore = GetGuiResources(process, GR_USEROBJECTS);
    const DWORD gdiBefore = GetGuiResources(process, GR_GDIOBJECTS);
    char show[] = "/Show";
    COPYDATASTRUCT request{0, sizeof show, show};
    double slowestMs = 0;
    double totalMs = 0;
    for (int i = 0; i < 200; ++i) {
        const auto start = std::chrono::steady_clock::now();
        SendMessageA(form, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&request));
        ASSERT_TRUE(WaitUntil([form] { return IsWindowVisible(form) != FALSE; }, ReactionLimit));
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        totalMs += ms;
        slowestMs = ms > slowestMs ? ms : slowestMs;
        PressKey(GetDlgItem(form, IDCANCEL), VK_ESCAPE);
        ASSERT_TRUE(Hidden(form));
    }
    const DWORD userAfter = GetGuiResources(process, GR_USEROBJECTS);
    const DWORD gdiAfter = GetGuiResources(process, GR_GDIOBJECTS);
    CloseHandle(process);
    std::printf("hand-over to visible: mean %.1f ms, slowest %.1f ms; USER %lu -> %lu, GDI %lu -> "
                "%lu\n",
                totalMs / 200, slowestMs, userBefore, userAfter, gdiBefore, gdiAfter);
    EXPECT_EQ(children(), childrenBefore);
    EXPECT_LE(userAfter, userBefore);
    EXPECT_LE(gdiAfter, gdiBefore);
}

} // namespace
} // namespace e2e
