// A control's name for screen readers on a thread that has not entered COM:
// the system's input method enters it on a thread whose window takes the
// focus, so the program's own window must not be what makes the name reach
// the asking program. Here the window never takes the focus and the name is
// asked from another thread, as a screen reader's question arrives.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/constants.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_platform.h"

namespace vm {
namespace {

using AccessibleObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

struct Question {
    HWND control = nullptr;
    std::wstring name;
};

// The screen reader's side: its own apartment, the control's client object
// through oleacc, the object's name.
DWORD WINAPI AskName(void* parameter) {
    auto* question = static_cast<Question*>(parameter);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return 1;
    HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
    const auto fromWindow = oleacc == nullptr
                                ? nullptr
                                : reinterpret_cast<AccessibleObjectFromWindowFn>(
                                      GetProcAddress(oleacc, "AccessibleObjectFromWindow"));
    IAccessible* object = nullptr;
    if (fromWindow != nullptr &&
        SUCCEEDED(fromWindow(question->control, static_cast<DWORD>(OBJID_CLIENT),
                             __uuidof(IAccessible), reinterpret_cast<void**>(&object)))) {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        BSTR read = nullptr;
        if (object->get_accName(self, &read) == S_OK && read != nullptr) {
            question->name = read;
            SysFreeString(read);
        }
        object->Release();
    }
    CoUninitialize();
    return 0;
}

TEST(Win32AccessibleName, TheNameReachesAReaderBeforeTheProgramEnteredCom) {
    Win32Platform backend;
    Platform platform = backend.platform();
    // At start the program only records that it wants COM.
    ASSERT_TRUE(platform.os.CoInitialize());
    // Never shown, so no window of this thread takes the focus.
    const Hwnd parent = platform.win.CreateProgramWindow(
        {.className = "VelmoraNamedParent", .style = ws::POPUP, .width = 200, .height = 100});
    ASSERT_NE(parent, Hwnd{});
    const Hwnd button = platform.win.CreateControl({.className = "Button",
                                                    .text = "...",
                                                    .style = ws::CHILD | ws::VISIBLE,
                                                    .width = 40,
                                                    .height = 24,
                                                    .parent = parent});
    ASSERT_NE(button, Hwnd{});
    ASSERT_TRUE(platform.win.SetAccessibleName(button, u"Browse for the program"));

    Question question{win32::ToHwnd(button), {}};
    HANDLE asker = CreateThread(nullptr, 0, AskName, &question, 0, nullptr);
    ASSERT_NE(asker, nullptr);
    // This thread answers the question (and the calls on the object) while
    // the reader waits.
    while (MsgWaitForMultipleObjects(1, &asker, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    ASSERT_EQ(WaitForSingleObject(asker, 0), WAIT_OBJECT_0) << "the reader did not finish";
    CloseHandle(asker);
    EXPECT_EQ(question.name, L"Browse for the program");

    platform.win.DestroyWindow(parent);
    platform.os.CoUninitialize();
}

} // namespace
} // namespace vm
