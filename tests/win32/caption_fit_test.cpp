// Every caption of the settings window fits its control, in each language:
// measured with the control's own font on the real system, against the room
// the control's kind leaves for text.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"
#include "ui/control_router.h"
#include "ui/main_form_controls.h"
#include "ui/main_form_layout.h"

namespace vm {
namespace {

// The text as drawn: "&&" shows one '&', a single '&' underlines the next
// letter and takes no room.
std::wstring Shown(const std::wstring& caption) {
    std::wstring shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size())
            ++i;
        shown.push_back(caption[i]);
    }
    return shown;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// The program's own texts of a language, as the windows hold them.
std::vector<std::wstring> TableTexts(Language language) {
    std::vector<std::wstring> texts;
    for (const TextEntry& entry : TextTable(language)) {
        const std::u16string wide = entry.text.wide;
        texts.emplace_back(wide.begin(), wide.end());
    }
    return texts;
}

// Japanese is measured in Wine's stand-in for MS UI Gothic (IPAPGothic),
// whose widths differ from the original's by a few pixels; the design's
// tightest captions, at places the design fixes, run up to 3 pixels over in
// it. English is measured in the system's own message font, strictly.
int Slack(Language language) {
    return language == Language::Japanese ? 4 : 0;
}

struct Room {
    int width;
    int height;
};

// The pixels a control of this class and style gives its caption: a push
// button keeps its 3D edge and a margin, a check box its box, a group box
// its frame's corners; a static text all of itself.
std::optional<Room> TextRoom(HWND control) {
    wchar_t className[32] = {};
    GetClassNameW(control, className, 32);
    RECT rect{};
    GetClientRect(control, &rect);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    const int width = rect.right;
    const int height = rect.bottom;
    if (lstrcmpiW(className, L"Static") == 0) {
        // A label's line may reach below it by its descent: captions have
        // none to speak of, and nothing else is drawn there.
        TEXTMETRICW metrics{};
        const HDC dc = GetDC(control);
        const HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc, &metrics);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        return Room{width, height + metrics.tmDescent};
    }
    if (lstrcmpiW(className, L"Button") != 0)
        return std::nullopt;
    switch (style & BS_TYPEMASK) {
        case BS_AUTOCHECKBOX:
            return Room{width - GetSystemMetrics(SM_CXMENUCHECK) - 4, height};
        case BS_GROUPBOX:
            return Room{width - 20, height};
        default:
            // A glyph button shows its 32-pixel icon above the caption.
            return Room{width - 8, (style & BS_TOP) != 0 ? height - 32 - 6 : height - 6};
    }
}

class CaptionFit : public ::testing::TestWithParam<Language> {};

TEST_P(CaptionFit, EveryCaptionOfTheSettingsWindowFitsItsControl) {
    Win32Platform backend;
    IWindowSystem& win = backend.platform().win;
    const Hwnd form = win.CreateProgramWindow(
        {.className = "VelmoraCaptionFit",
         .style = ws::POPUP,
         .width = kMainFormWidth,
         .height = kMainFormHeight,
         .proc = [](Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) { return MsgResult{}; }});
    ASSERT_NE(form, nullptr);
    {
        MainFormControls controls(GetParam());
        ControlRouter router;
        MainFormLayout layout(win, GetParam());
        ASSERT_TRUE(layout.Create(form, controls, router, kDesignDpi));

        std::vector<HWND> children;
        EnumChildWindows(win32::ToHwnd(form), CollectChild, reinterpret_cast<LPARAM>(&children));
        int measured = 0;
        for (const HWND child : children) {
            wchar_t caption[256] = {};
            GetWindowTextW(child, caption, 256);
            const std::optional<Room> room = TextRoom(child);
            const std::vector<std::wstring> table = TableTexts(GetParam());
            if (!room || std::find(table.begin(), table.end(), caption) == table.end())
                continue;
            // The screen readers' name labels have no size: nobody sees them.
            RECT place{};
            if (GetWindowRect(child, &place) && place.right == place.left)
                continue;
            const std::wstring shown = Shown(caption);
            const HDC dc = GetDC(child);
            const HGDIOBJ old =
                SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)));
            SIZE size{};
            GetTextExtentPoint32W(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
            SelectObject(dc, old);
            ReleaseDC(child, dc);
            ++measured;
            const std::string name(shown.begin(), shown.end()); // readable for ASCII
            EXPECT_LE(size.cx, room->width + Slack(GetParam()))
                << "control " << GetDlgCtrlID(child) << " " << name;
            EXPECT_LE(size.cy, room->height) << "control " << GetDlgCtrlID(child) << " " << name;
        }
        EXPECT_EQ(measured, 30) << "every caption of the window was measured";
    }
    win.DestroyWindow(form);
    win.ProcessMessages();
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, CaptionFit,
                         ::testing::Values(Language::Japanese, Language::English),
                         [](const auto& info) {
                             return info.param == Language::Japanese ? "Japanese" : "English";
                         });

} // namespace
} // namespace vm
