// On a Western system (ANSI code page 1252; ctest runs this suite with LANG=C
// in a Wine prefix of its own): English by default, and Japanese, chosen in
// the settings file, with every text read back exactly.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "harness/polling.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

BOOL CALLBACK CollectText(HWND child, LPARAM list) {
    wchar_t text[256] = {};
    GetWindowTextW(child, text, 256);
    reinterpret_cast<std::vector<std::wstring>*>(list)->push_back(text);
    return TRUE;
}

class WesternSystem : public VelmoraScene {
protected:
    void SetUp() override {
        if (GetACP() != 1252)
            GTEST_SKIP() << "for a system of ANSI code page 1252 only";
        VelmoraScene::SetUp();
    }

    // The texts of the window's controls, as the system holds them.
    static std::vector<std::wstring> ControlTexts(HWND form) {
        std::vector<std::wstring> texts;
        EnumChildWindows(form, CollectText, reinterpret_cast<LPARAM>(&texts));
        return texts;
    }

    // Opens the tray icon's menu, types the item's access key into it, and
    // waits until the settings window shows.
    bool ChooseFromTrayMenu(const ChildProcess& velmora, wchar_t key, HWND form) {
        return ChooseMenuItem(velmora, key) &&
               WaitUntil([form] { return IsWindowVisible(form) != FALSE; }, ReactionLimit);
    }

    void ExpectControls(HWND form, const std::vector<std::wstring>& expected) {
        const std::vector<std::wstring> texts = ControlTexts(form);
        for (const std::wstring& text : expected) {
            EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end())
                << "no control reads the expected text";
        }
    }
};

TEST_F(WesternSystem, TheInterfaceIsEnglishItsMenuAnswersEnglishAccessKeys) {
    ASSERT_TRUE(StartStandin());
    const ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));
    ASSERT_TRUE(Standin().WaitForOneIcon(L"Velmora! [On]", ReactionLimit));
    const HWND form = FindWindowW(L"TMainForm", L"Velmora! - Settings");
    ASSERT_NE(form, nullptr);
    // "&Settings..." opens the window, whose controls are made then; in
    // Japanese the same key toggles an option.
    ASSERT_TRUE(ChooseFromTrayMenu(velmora, L's', form));
    ExpectControls(form, {L"Velmora! - Settings", L"&Ignored windows", L"&Browse...",
                          L"Change the &title of a moved window", L"Tas&kbar opacity",
                          L"S&how the tray icon", L"Add to Startup (resident)", L"OK", L"Cancel"});
}

TEST_F(WesternSystem, JapaneseChosenInTheSettingsFileReadsRight) {
    ASSERT_TRUE(WriteSettings(IniText({"[Config]", "Language=ja", ""})));
    ASSERT_TRUE(StartStandin());
    const ChildProcess& velmora = StartVelmora();
    ASSERT_TRUE(WaitForController(velmora));
    // "Velmora！ [有効]"
    ASSERT_TRUE(Standin().WaitForOneIcon(L"Velmora\uFF01 [\u6709\u52B9]", ReactionLimit));
    // "Velmora！ - 設定"
    const HWND form = FindWindowW(L"TMainForm", L"Velmora\uFF01 - \u8A2D\u5B9A");
    ASSERT_NE(form, nullptr);
    // "設定(&C)" opens the window, whose controls are made then.
    ASSERT_TRUE(ChooseFromTrayMenu(velmora, L'c', form));
    ExpectControls(form, {
                             L"Velmora\uFF01 - \u8A2D\u5B9A",
                             // "[無視するウィンドウ(&E)]"
                             L"[\u7121\u8996\u3059\u308B\u30A6\u30A3\u30F3\u30C9\u30A6(&E)]",
                             // "キャンセル"
                             L"\u30AD\u30E3\u30F3\u30BB\u30EB",
                         });
}

} // namespace
} // namespace e2e
