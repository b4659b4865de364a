// Window events of the real desktop: SetWinEventHook and UnhookWinEvent
// looked up in user32 and called through their addresses, the events
// reaching the procedure through the message loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

TEST(WinEventHookTest, CreationReachesTheProcedureUntilTheHookIsRemoved) {
    Win32Platform backend;
    IWindowSystem& win = backend.platform().win;
    IOperatingSystem& os = backend.platform().os;
    const HModule user32 = os.LoadLibraryA("user32.dll");
    ASSERT_NE(user32, nullptr);
    const FarProc set = os.GetProcAddress(user32, "SetWinEventHook");
    const FarProc unhook = os.GetProcAddress(user32, "UnhookWinEvent");
    ASSERT_NE(set, 0u);
    ASSERT_NE(unhook, 0u);
    std::vector<Hwnd> created;
    const auto proc = [&created](HWinEventHook, std::uint32_t event, Hwnd window,
                                 std::int32_t idObject, std::int32_t idChild, std::uint32_t,
                                 std::uint32_t) {
        if (event == event_::OBJECT_CREATE && idObject == objid::WINDOW && idChild == childid::SELF)
            created.push_back(window);
    };
    EXPECT_EQ(win.SetWinEventHook(0, event_::OBJECT_CREATE, event_::OBJECT_SHOW, proc, 0, 0,
                                  winevent::OUTOFCONTEXT),
              nullptr);
    // Our own process's windows are reported unless the hook skips them.
    const HWinEventHook hook = win.SetWinEventHook(set, event_::OBJECT_CREATE, event_::OBJECT_SHOW,
                                                   proc, 0, 0, winevent::OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    const auto noProc = [](Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) {
        return MsgResult{};
    };
    const Hwnd first = win.CreateProgramWindow({.className = "VelmoraWinEventTest",
                                                .title = "first",
                                                .style = ws::POPUP,
                                                .width = 10,
                                                .height = 10,
                                                .proc = noProc});
    win.ProcessMessages();
    EXPECT_NE(std::find(created.begin(), created.end(), first), created.end());
    EXPECT_TRUE(win.UnhookWinEvent(unhook, hook));
    created.clear();
    const Hwnd second = win.CreateProgramWindow({.className = "VelmoraWinEventTest",
                                                 .title = "second",
                                                 .style = ws::POPUP,
                                                 .width = 10,
                                                 .height = 10,
                                                 .proc = noProc});
    win.ProcessMessages();
    EXPECT_TRUE(created.empty());
    win.DestroyWindow(first);
    win.DestroyWindow(second);
    win.ProcessMessages();
    EXPECT_TRUE(os.FreeLibrary(user32));
}

} // namespace
} // namespace vm
