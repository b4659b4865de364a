// The stand-in itself: the shell of this process gets its bar's edge,
// rectangle and auto-hide state through Wine's appbar service.
#include <windows.h>

#include <gtest/gtest.h>

#include "harness/desktop_windows.h"
#include "harness/velmora_scene.h"

namespace e2e {
namespace {

class StandinTool : public VelmoraScene {};

TEST_F(StandinTool, ShellReportsTheDockedBarAndFollowsItToEveryEdge) {
    ASSERT_TRUE(StartStandin());
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(FindWindowA("Shell_TrayWnd", nullptr), Standin().Bar());

    struct Case {
        UINT edge;
        RECT band;
    };
    for (const Case& c : {Case{ABE_TOP, RECT{0, 0, width, 30}},
                          Case{ABE_BOTTOM, RECT{0, height - 30, width, height}},
                          Case{ABE_LEFT, RECT{0, 0, 30, height}},
                          Case{ABE_RIGHT, RECT{width - 30, 0, width, height}}}) {
        SCOPED_TRACE(c.edge);
        ASSERT_TRUE(Standin().Dock(c.edge));
        const auto position = QueryTaskbarPosition();
        ASSERT_TRUE(position.has_value());
        EXPECT_TRUE(SameRect(position->rect, c.band)) << Describe(position->rect);
        EXPECT_TRUE(SameRect(WindowRectOf(Standin().Bar()), c.band))
            << Describe(WindowRectOf(Standin().Bar()));
    }
}

TEST_F(StandinTool, GivenThicknessAndAutoHideAreReported) {
    ASSERT_TRUE(StartStandin({.thickness = 48, .autoHide = true}));

    const auto position = QueryTaskbarPosition();
    ASSERT_TRUE(position.has_value());
    EXPECT_EQ(position->rect.bottom, 48);
    APPBARDATA data{};
    data.cbSize = sizeof(data);
    EXPECT_EQ(SHAppBarMessage(ABM_GETSTATE, &data) & ABS_AUTOHIDE,
              static_cast<UINT_PTR>(ABS_AUTOHIDE));
}

TEST_F(StandinTool, EveryPositionQueryIsCounted) {
    ASSERT_TRUE(StartStandin());
    const unsigned before = Standin().PositionQueries();

    ASSERT_TRUE(QueryTaskbarPosition().has_value());
    ASSERT_TRUE(QueryTaskbarPosition().has_value());

    EXPECT_EQ(Standin().PositionQueries(), before + 2);
}

// Another process makes the bar layered, gives it an alpha and hides it;
// only the bar's own process can read the alpha back.
TEST_F(StandinTool, TheBarReportsItsLayeredStyleAlphaAndVisibility) {
    ASSERT_TRUE(StartStandin());
    const HWND bar = Standin().Bar();
    auto looks = Standin().Appearance();
    ASSERT_TRUE(looks.has_value());
    EXPECT_FALSE(looks->layered);
    EXPECT_TRUE(looks->visible);

    SetWindowLongW(bar, GWL_EXSTYLE, GetWindowLongW(bar, GWL_EXSTYLE) | WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(bar, 0, 77, LWA_ALPHA));
    ShowWindow(bar, SW_HIDE);
    looks = Standin().Appearance();
    ASSERT_TRUE(looks.has_value());
    EXPECT_TRUE(looks->layered);
    EXPECT_TRUE(looks->alphaSet);
    EXPECT_EQ(looks->alpha, 77);
    EXPECT_FALSE(looks->visible);

    SetWindowLongW(bar, GWL_EXSTYLE, GetWindowLongW(bar, GWL_EXSTYLE) & ~WS_EX_LAYERED);
    ShowWindow(bar, SW_RESTORE);
    looks = Standin().Appearance();
    ASSERT_TRUE(looks.has_value());
    EXPECT_FALSE(looks->layered);
    EXPECT_TRUE(looks->visible);
}

} // namespace
} // namespace e2e
