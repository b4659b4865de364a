// Icons, popup menus and the common controls' version on the real desktop.
#include <gtest/gtest.h>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

TEST(IconsAndMenusTest, HandlesLiveUntilDestroyedAndTheVersionIsRead) {
    Win32Platform backend;
    Platform p = backend.platform();

    // The test program holds no icon resources; the shell gives its file icon.
    EXPECT_EQ(p.win.LoadImageA(100, image::ICON, 32, 32, 0), nullptr);
    ShFileInfo info;
    ASSERT_NE(p.shell.SHGetFileInfoA(p.os.GetModuleFileNameA().c_str(), 0, info, shgfi::ICON), 0u);
    ASSERT_NE(info.hIcon, nullptr);
    const HIcon copy = p.win.CopyIcon(info.hIcon);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, info.hIcon);
    EXPECT_TRUE(p.win.DestroyIcon(info.hIcon));
    EXPECT_TRUE(p.win.DestroyIcon(copy));

    const HMenu menu = p.win.CreatePopupMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(p.win.AppendMenuA(menu, mf::STRING | mf::CHECKED, 1, "one"));
    EXPECT_TRUE(p.win.AppendMenuA(menu, mf::SEPARATOR, 2, nullptr));
    EXPECT_TRUE(p.win.AppendMenuA(menu, mf::STRING | mf::GRAYED, 3, "three"));
    EXPECT_TRUE(p.win.DestroyMenu(menu));
    EXPECT_FALSE(p.win.DestroyMenu(menu));

    DllVersionInfo version;
    ASSERT_TRUE(p.os.DllGetVersion("comctl32.dll", version));
    EXPECT_GE((version.dwMajorVersion << 16) + version.dwMinorVersion, 0x40047u);
    EXPECT_FALSE(p.os.DllGetVersion("velmora_no_such_library.dll", version));
}

} // namespace
} // namespace vm
