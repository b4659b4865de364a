// The start-up and quick-launch registration on the real system: the
// question is a real message box (answered Yes from a second thread), the
// folders come from the profile's registry, and the shortcut the shell link
// object wrote reads back with every field.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "encoding/path_text.h"
#include "platform/win32/win32_platform.h"
#include "program/program_context.h"
#include "translations/ui_texts.h"
#include "ui/shell_folders.h"
#include "ui/shortcut_registration.h"

#include "../e2e/harness/shell_link_reader.h"

namespace vm {
namespace {

// Waits for this process's message box titled "Velmora!", keeps its text
// and presses Yes.
class YesAnswerer {
public:
    YesAnswerer()
        : thread_([this] {
              for (int i = 0; i < 1500 && !answered_; ++i) {
                  const HWND box = ::FindWindowA("#32770", "Velmora!");
                  DWORD pid = 0;
                  if (box != nullptr && ::GetWindowThreadProcessId(box, &pid) != 0 &&
                      pid == ::GetCurrentProcessId()) {
                      char text[256] = {};
                      ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                      text_ = text;
                      ::PostMessageA(box, WM_COMMAND, IDYES, 0);
                      answered_ = true;
                  }
                  ::Sleep(20);
              }
          }) {}
    ~YesAnswerer() { Text(); }
    std::string Text() {
        if (thread_.joinable())
            thread_.join();
        return text_;
    }

private:
    std::atomic<bool> answered_{false};
    std::string text_;
    std::thread thread_;
};

class ShortcutRegistrationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(os.CoInitialize()); }
    void TearDown() override {
        for (const std::string& file : written)
            ::DeleteFileA(file.c_str());
        for (auto it = created.rbegin(); it != created.rend(); ++it)
            ::RemoveDirectoryA(it->c_str());
        os.CoUninitialize();
    }

    // Creates the folder and those above it that are missing; removed again
    // when the test ends.
    void MakeFolders(const std::string& path) {
        for (std::size_t i = RootLength(path); i <= path.size(); ++i) {
            if (i == path.size() || path[i] == '\\') {
                const std::string part = path.substr(0, i);
                if (::CreateDirectoryA(part.c_str(), nullptr))
                    created.push_back(part);
            }
        }
    }

    // Presses the button's handler, answers Yes, and reads the shortcut.
    std::optional<shortcut_test::ShellLinkFields>
    Register(bool quickLaunch, const std::string& folder, std::string& question) {
        const std::string file = folder + "Velmora!.lnk";
        written.push_back(file);
        YesAnswerer answerer;
        if (quickLaunch)
            registration.BtnQuickLaunchClick(0);
        else
            registration.BtnStartUpClick(0);
        question = answerer.Text();
        return shortcut_test::ReadShellLink(file);
    }

    Win32Platform backend;
    IOperatingSystem& os = backend.platform().os;
    ProgramContext context{backend.platform(), CommandLine{}, ReadSystemVersion(os)};
    ShortcutRegistration registration{context};
    std::vector<std::string> written;
    std::vector<std::string> created;
};

TEST_F(ShortcutRegistrationTest, StartUpAndQuickLaunchShortcutsReadBack) {
    const std::string exe = os.GetModuleFileNameA();
    const std::string workDir = ParentFolder(FolderOfFile(exe));
    ASSERT_FALSE(workDir.empty());

    const std::string startup = GetShellFolder(os, kShellFolderStartup);
    ASSERT_TRUE(FolderExists(os, startup)) << startup;
    std::string question;
    auto link = Register(false, startup, question);
    EXPECT_EQ(question, vm::Text(vm::Language::Japanese, vm::TextId::AskStartUp).ansi);
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->path, exe);
    EXPECT_EQ(link->arguments, "");
    EXPECT_EQ(link->description, "Velmora!");
    EXPECT_EQ(link->workingDirectory, workDir);
    EXPECT_EQ(link->showCmd, SW_SHOWNORMAL);

    // The Quick Launch folder of the NT family: beside the Personal folder.
    const std::string quickLaunch =
        ParentFolder(GetShellFolder(os, kShellFolderPersonal)) +
        "Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\";
    MakeFolders(quickLaunch.substr(0, quickLaunch.size() - 1));
    ASSERT_EQ(GetQuickLaunchFolder(os, context.system.info), quickLaunch);
    link = Register(true, quickLaunch, question);
    EXPECT_EQ(question, vm::Text(vm::Language::Japanese, vm::TextId::AskQuickLaunch).ansi);
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->path, exe);
    EXPECT_EQ(link->arguments, "/Q /S");
    EXPECT_EQ(link->description, "");
    EXPECT_EQ(link->workingDirectory, workDir);
    EXPECT_EQ(link->showCmd, SW_SHOWNORMAL);
}

} // namespace
} // namespace vm
