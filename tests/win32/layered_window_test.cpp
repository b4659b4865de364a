// The layered-window interface of the real desktop: user32 loaded by name,
// SetLayeredWindowAttributes looked up in it and called through that address.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"
#include "taskbar_look/trans.h"

namespace vm {
namespace {

class LayeredWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = win.CreateProgramWindow({.className = "VelmoraLayeredTest",
                                          .title = "layered",
                                          .style = ws::POPUP | ws::VISIBLE,
                                          .x = 100,
                                          .y = 100,
                                          .width = 200,
                                          .height = 50,
                                          .proc = [](Hwnd, std::uint32_t, std::uintptr_t,
                                                     std::intptr_t) { return MsgResult{}; }});
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override {
        win.DestroyWindow(window);
        win.ProcessMessages();
    }

    bool Layered() {
        return (static_cast<std::uint32_t>(win.GetWindowLongA(window, gwl::EXSTYLE)) &
                ws_ex::LAYERED) != 0;
    }

    Win32Platform backend;
    IWindowSystem& win = backend.platform().win;
    IOperatingSystem& os = backend.platform().os;
    Hwnd window = 0;
};

TEST_F(LayeredWindowTest, TheExportIsFoundAndCalledThroughItsAddress) {
    EXPECT_EQ(os.LoadLibraryA("velmora_no_such_library.dll"), nullptr);
    const HModule user32 = os.LoadLibraryA("user32.dll");
    ASSERT_NE(user32, nullptr);
    EXPECT_EQ(os.GetProcAddress(user32, "VelmoraNoSuchExport"), 0u);
    const FarProc entry = os.GetProcAddress(user32, "SetLayeredWindowAttributes");
    ASSERT_NE(entry, 0u);

    EXPECT_FALSE(win.SetLayeredWindowAttributes(0, window, 0, 100, lwa::ALPHA));
    win.SetWindowLongA(window, gwl::EXSTYLE,
                       win.GetWindowLongA(window, gwl::EXSTYLE) |
                           static_cast<std::int32_t>(ws_ex::LAYERED));
    EXPECT_TRUE(win.SetLayeredWindowAttributes(entry, window, 0, 100, lwa::ALPHA));
    EXPECT_TRUE(os.FreeLibrary(user32));
}

TEST_F(LayeredWindowTest, TransMakesTheWindowLayeredAndOpaqueAgain) {
    Trans trans(backend.platform());
    trans.SetWindowTranslucency(window, 60);
    EXPECT_TRUE(Layered());
    trans.SetWindowTranslucency(window, 100);
    EXPECT_FALSE(Layered());
}

} // namespace
} // namespace vm
