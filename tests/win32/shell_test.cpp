// The shell's application-bar queries on the real desktop: the record comes
// back filled in.
#include <gtest/gtest.h>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

TEST(ShellTest, TaskbarPositionAndStateAreReported) {
    Win32Platform backend;
    IShell& shell = backend.platform().shell;
    IWindowSystem& win = backend.platform().win;
    // Wine starts its desktop process, which answers the appbar queries, at
    // the first need of the desktop window; nothing of this test program
    // needs it earlier now that no library is loaded at start that would.
    win.GetDesktopWindow();

    AppBarData data;
    data.uEdge = 99;
    ASSERT_NE(shell.SHAppBarMessage(abm::GETTASKBARPOS, data), 0u);
    EXPECT_LE(data.uEdge, abe::BOTTOM);
    EXPECT_GT(data.rc.Width(), 0);
    EXPECT_GT(data.rc.Height(), 0);
    EXPECT_LE(data.rc.right,
              win.GetSystemMetrics(sm::XVIRTUALSCREEN) + win.GetSystemMetrics(sm::CXVIRTUALSCREEN));
    EXPECT_LE(data.rc.bottom,
              win.GetSystemMetrics(sm::YVIRTUALSCREEN) + win.GetSystemMetrics(sm::CYVIRTUALSCREEN));

    AppBarData query;
    EXPECT_EQ(shell.SHAppBarMessage(abm::GETSTATE, query) & ~(abs_::AUTOHIDE | abs_::ALWAYSONTOP),
              0u);
}

} // namespace
} // namespace vm
