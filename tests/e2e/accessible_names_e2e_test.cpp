// What a screen reader reads for each control of the real settings window,
// in both languages: the label just before a control names it, else its own
// text; oleacc reads the same names back, buttons included.
// The input method enters COM on the window's thread as soon as the window
// takes the focus, so here the names would reach oleacc even if the program
// did not enter COM itself; tests/win32/accessible_name_test.cpp asks before.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "harness/polling.h"
#include "harness/velmora_scene.h"
#include "translations/ui_texts.h"

namespace e2e {
namespace {

using AccessibleObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

std::wstring Wide(vm::Language language, vm::TextId id) {
    return reinterpret_cast<const wchar_t*>(vm::Text(language, id).wide);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

// A control a user reaches: neither a static text nor a group box.
bool IsReachable(HWND window) {
    const std::wstring name = ClassOf(window);
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    return _wcsicmp(name.c_str(), L"Static") != 0 &&
           !(_wcsicmp(name.c_str(), L"Button") == 0 && (style & BS_TYPEMASK) == BS_GROUPBOX);
}

// The label of no size just before the control, else its own text without
// the access key's mark.
std::wstring NameByLabels(HWND control) {
    const HWND before = GetWindow(control, GW_HWNDPREV);
    RECT rect{};
    if (before != nullptr && _wcsicmp(ClassOf(before).c_str(), L"Static") == 0 &&
        GetWindowRect(before, &rect) && rect.right == rect.left && rect.bottom == rect.top)
        return TextOf(before);
    std::wstring own = TextOf(control);
    std::erase(own, L'&');
    return own;
}

class AccessibleNames : public VelmoraScene, public ::testing::WithParamInterface<vm::Language> {};

TEST_P(AccessibleNames, EveryControlOfTheSettingsWindowHasADistinctName) {
    const vm::Language language = GetParam();
    const bool japanese = language == vm::Language::Japanese;
    ASSERT_TRUE(WriteSettings(
        IniText({"[Config]", "Tray=0", japanese ? "Language=ja" : "Language=en", ""})));
    ASSERT_TRUE(StartStandin());
    ASSERT_TRUE(StartResidentVelmora());
    const HWND form =
        FindWindowW(L"TMainForm", Wide(language, vm::TextId::MainFormCaption).c_str());
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(RunVelmoraToEnd(L""), 0u); // the second start opens the window
    ASSERT_TRUE(WaitUntil([form] { return IsWindowVisible(form) != FALSE; }, ReactionLimit));

    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    const auto fromWindow = oleacc == nullptr
                                ? nullptr
                                : reinterpret_cast<AccessibleObjectFromWindowFn>(
                                      GetProcAddress(oleacc, "AccessibleObjectFromWindow"));
    CoInitialize(nullptr);
    std::set<std::wstring> names;
    int controls = 0;
    int readBack = 0;
    for (HWND w = GetWindow(form, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (!IsReachable(w))
            continue;
        ++controls;
        const std::wstring name = NameByLabels(w);
        EXPECT_FALSE(name.empty()) << "control #" << controls;
        EXPECT_TRUE(names.insert(name).second) << testing::PrintToString(name) << " twice";
        // oleacc: where Wine gives the label's name, it must be this one.
        IAccessible* object = nullptr;
        if (fromWindow == nullptr ||
            FAILED(fromWindow(w, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                              reinterpret_cast<void**>(&object))))
            continue;
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR read = nullptr;
        if (object->get_accName(self, &read) == S_OK && read != nullptr) {
            EXPECT_EQ(std::wstring(read), name) << "oleacc reads another name";
            ++readBack;
            SysFreeString(read);
        }
        object->Release();
    }
    CoUninitialize();
    EXPECT_EQ(controls, 29);
    // Every name of the language's table reaches a control.
    for (const vm::TextId id :
         {vm::TextId::AccIgnoreList, vm::TextId::AccLogList, vm::TextId::AccSlider,
          vm::TextId::AccTitleField, vm::TextId::AccSoundField, vm::TextId::AccTransCheck,
          vm::TextId::AccBrowseExe, vm::TextId::AccBrowseSound, vm::TextId::AccDefault0,
          vm::TextId::AccCurrent0, vm::TextId::AccDefault2, vm::TextId::AccCurrent2}) {
        EXPECT_EQ(names.count(Wide(language, id)), 1u)
            << testing::PrintToString(Wide(language, id));
    }
    // Wine's oleacc answers for every control, the buttons through the
    // name each answers WM_GETOBJECT with.
    EXPECT_EQ(readBack, controls);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, AccessibleNames,
                         ::testing::Values(vm::Language::Japanese, vm::Language::English),
                         [](const ::testing::TestParamInfo<vm::Language>& info) {
                             return info.param == vm::Language::Japanese ? "Japanese" : "English";
                         });

} // namespace
} // namespace e2e
