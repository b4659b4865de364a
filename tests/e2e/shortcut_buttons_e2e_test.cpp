// The two shortcut buttons of the real settings window, clicked from another
// process: each asks, is answered Yes, and the shortcut it writes is read
// back through the shell link object.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "harness/polling.h"
#include "harness/scratch_folder.h"
#include "harness/shell_link_reader.h"
#include "harness/velmora_scene.h"
#include "translations/ui_texts.h"

namespace e2e {
namespace {

constexpr const char* kFormCaption = "Velmora\x81I - \x90\xDD\x92\xE8"; // Velmora！ - 設定
constexpr const char* kBoxCaption = "Velmora!";
// Loading Wine's shell link code and the message box can be slow on a busy machine.
constexpr DWORD ShortcutLimit = 30000;

std::string AnsiFromWide(const std::wstring& text) {
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, ansi.data(), length, nullptr, nullptr);
    ansi.resize(static_cast<std::size_t>(length) - 1);
    return ansi;
}

// A folder of the user's "Shell Folders" key, where the program looks it up.
std::string ShellFolder(const char* name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                      KEY_READ, &key) != ERROR_SUCCESS)
        return std::string();
    char text[MAX_PATH] = {};
    DWORD size = sizeof text - 1;
    const LONG status =
        RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? std::string(text) : std::string();
}

std::string WithBackslash(std::string folder) {
    if (!folder.empty() && folder.back() != '\\')
        folder += '\\';
    return folder;
}

// The folder above the one of the path (which ends with a backslash or a file name).
std::string ParentOf(const std::string& path) {
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

struct Button {
    const char* caption;
    const char* question;
    std::string folder;
    const char* arguments;
    const char* description;
};

class ShortcutButtons : public VelmoraScene {
protected:
    void SetUp() override {
        VelmoraScene::SetUp();
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    }
    void TearDown() override {
        for (const std::string& file : written_)
            DeleteFileA(file.c_str());
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            RemoveDirectoryA(it->c_str());
        CoUninitialize();
    }

    // Creates the folder and those above it that are missing; they are
    // removed again when the test ends.
    void MakeFolders(const std::string& folder) {
        for (std::size_t i = folder.find('\\') + 1; i < folder.size(); ++i) {
            if (folder[i] != '\\')
                continue;
            const std::string part = folder.substr(0, i);
            if (CreateDirectoryA(part.c_str(), nullptr))
                created_.push_back(part);
        }
    }

    // The settings window of a resident Velmora with the tray icon off,
    // opened by a second plain start.
    HWND OpenWindow() {
        if (!WriteSettings(IniText({"[Config]", "Tray=0", ""})) || !StartStandin() ||
            !StartResidentVelmora())
            return nullptr;
        HWND form = FindWindowA("TMainForm", kFormCaption);
        if (form == nullptr || RunVelmoraToEnd(L"") != 0u)
            return nullptr;
        if (!WaitUntil([form] { return IsWindowVisible(form) != FALSE; }, ReactionLimit))
            return nullptr;
        return form;
    }

    // Clicks the button, answers its question Yes and waits until the
    // window handles messages again, so the shortcut is written by then.
    // The question's text, empty when no box came.
    std::string ClickAndAnswerYes(HWND form, HWND button) {
        DWORD velmora = 0;
        GetWindowThreadProcessId(form, &velmora);
        PostMessageA(button, BM_CLICK, 0, 0);
        HWND box = nullptr;
        const bool asked = WaitUntil(
            [&] {
                for (HWND w = FindWindowExA(nullptr, nullptr, "#32770", kBoxCaption); w != nullptr;
                     w = FindWindowExA(nullptr, w, "#32770", kBoxCaption)) {
                    DWORD pid = 0;
                    GetWindowThreadProcessId(w, &pid);
                    if (pid == velmora && IsWindowVisible(w)) {
                        box = w;
                        return true;
                    }
                }
                return false;
            },
            ShortcutLimit);
        if (!asked)
            return std::string();
        char text[256] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        PostMessageA(box, WM_COMMAND, IDYES, 0);
        DWORD_PTR result = 0;
        const bool done =
            WaitUntil([box] { return IsWindow(box) == FALSE; }, ShortcutLimit) &&
            SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, ShortcutLimit, &result) != 0;
        return done ? std::string(text) : std::string();
    }

    std::vector<std::string> written_;
    std::vector<std::string> created_;
};

TEST_F(ShortcutButtons, EachButtonAsksThenWritesItsShortcut) {
    const std::string startup = WithBackslash(ShellFolder("Startup"));
    const std::string personal = ShellFolder("Personal");
    ASSERT_FALSE(startup.empty()) << "no Startup folder in the registry";
    ASSERT_FALSE(personal.empty()) << "no Personal folder in the registry";
    // Where the NT family keeps Quick Launch: beside the Personal folder.
    const std::string quickLaunch =
        ParentOf(personal + "\\") +
        "Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\";
    MakeFolders(quickLaunch);

    const std::string exe = AnsiFromWide(VelmoraPath());
    const std::vector<Button> buttons = {
        {vm::Text(vm::Language::Japanese, vm::TextId::ButtonStartUp).ansi,
         vm::Text(vm::Language::Japanese, vm::TextId::AskStartUp).ansi, startup, "", "Velmora!"},
        {vm::Text(vm::Language::Japanese, vm::TextId::ButtonQuickLaunch).ansi,
         vm::Text(vm::Language::Japanese, vm::TextId::AskQuickLaunch).ansi, quickLaunch, "/Q /S",
         ""},
    };
    HWND form = OpenWindow();
    ASSERT_NE(form, nullptr);
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.folder);
        const std::string file = b.folder + "Velmora!.lnk";
        DeleteFileA(file.c_str());
        written_.push_back(file);
        HWND button = FindWindowExA(form, nullptr, "Button", b.caption);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(ClickAndAnswerYes(form, button), b.question);
        const auto link = shortcut_test::ReadShellLink(WideFromAnsi(file));
        ASSERT_TRUE(link.has_value());
        EXPECT_EQ(link->path, exe);
        EXPECT_EQ(link->arguments, b.arguments);
        EXPECT_EQ(link->description, b.description);
        EXPECT_EQ(link->workingDirectory, ParentOf(exe));
        EXPECT_EQ(link->showCmd, SW_SHOWNORMAL);
    }
}

} // namespace
} // namespace e2e
