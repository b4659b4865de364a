// A window of another program (the system's text editor, a Unicode window):
// the program changes and identifies such windows through the same calls.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"
#include "process_lookup.h"

namespace vm {
namespace {

class ForeignWindowTest : public ::testing::Test {
protected:
    // The editor is started once for all cases and waited for (at most about
    // twenty seconds), then closed at the end.
    static void SetUpTestSuite() {
        backend = std::make_unique<Win32Platform>();
        const Platform p = backend->platform();
        if (p.shell.ShellExecuteA(0, "open", "notepad.exe", nullptr, nullptr, sw::SHOWNORMAL) <=
            32) {
            return;
        }
        for (int attempt = 0; attempt < 400 && editor == 0; ++attempt) {
            p.os.Sleep(50);
            const Hwnd found = p.win.FindWindowA("Notepad", nullptr);
            if (found != 0 && p.win.IsWindowVisible(found) &&
                p.win.GetWindowTextLengthW(found) > 0) {
                editor = found;
            }
        }
    }

    static void TearDownTestSuite() {
        const Platform p = backend->platform();
        if (editor != 0) {
            p.win.PostMessageA(editor, wm::CLOSE, 0, 0);
            for (int attempt = 0; attempt < 400 && p.win.IsWindow(editor); ++attempt) {
                p.os.Sleep(50);
            }
        }
        editor = 0;
        backend.reset();
    }

    void SetUp() override { ASSERT_NE(editor, nullptr) << "the text editor did not start"; }

    IWindowSystem& win() { return backend->platform().win; }
    IOperatingSystem& os() { return backend->platform().os; }

    static inline std::unique_ptr<Win32Platform> backend;
    static inline Hwnd editor = 0;
};

// é, 丂 and 😀 (a surrogate pair) have no Shift-JIS form.
TEST_F(ForeignWindowTest, WideTitleOutsideCodePage932) {
    const std::u16string title = u"\u00E9\u4E02\U0001F600";
    ASSERT_TRUE(win().SetWindowTextW(editor, title.c_str()));
    ASSERT_EQ(win().GetWindowTextLengthW(editor), 4);
    char16_t wide[16] = {};
    ASSERT_EQ(win().GetWindowTextW(editor, wide, 16), 4);
    EXPECT_EQ(std::u16string(wide), title);

    // The ANSI view replaces each character by a single byte and stays
    // inside the buffer.
    char ansi[16];
    std::memset(ansi, 'X', sizeof(ansi));
    const int got = win().GetWindowTextA(editor, ansi, 16);
    ASSERT_GE(got, 3);
    ASSERT_LE(got, 4);
    EXPECT_EQ(ansi[got], '\0');
    for (int i = 0; i < got; ++i) {
        EXPECT_LT(static_cast<unsigned char>(ansi[i]), 0x80u) << "byte " << i;
    }
    std::memset(ansi, 'X', sizeof(ansi));
    const int cut = win().GetWindowTextA(editor, ansi, 3);
    ASSERT_LE(cut, 2);
    EXPECT_EQ(ansi[cut], '\0');
    EXPECT_EQ(ansi[3], 'X');
}

TEST_F(ForeignWindowTest, MovedRectangleIsReadBack) {
    ASSERT_TRUE(win().MoveWindow(editor, 30, 50, 400, 300, true));
    Rect r;
    ASSERT_TRUE(win().GetWindowRect(editor, r));
    EXPECT_EQ(r, (Rect{30, 50, 430, 350}));
}

// The way the program names a window's executable: its process id, then
// that process in a snapshot of all processes.
TEST_F(ForeignWindowTest, ExecutableIsFoundInTheProcessSnapshot) {
    std::uint32_t pid = 0;
    EXPECT_NE(win().GetWindowThreadProcessId(editor, &pid), 0u);
    EXPECT_EQ(win32_test::SnapshotExeName(os(), pid), "NOTEPAD.EXE");
}

} // namespace
} // namespace vm
