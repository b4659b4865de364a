// The registry reads and the shell link object of the real backend: a link
// saved under a Japanese name reads back with every field, and registry
// values come back as the calls promise.
#include <windows.h>

#include <gtest/gtest.h>

#include <process.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"
#include "ui/shell_folders.h"

#include "../e2e/harness/shell_link_reader.h"

namespace vm {
namespace {

class ShellLinkTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(os.CoInitialize()); }
    void TearDown() override { os.CoUninitialize(); }

    Win32Platform backend;
    IOperatingSystem& os = backend.platform().os;
    IShell& shell = backend.platform().shell;
};

TEST_F(ShellLinkTest, SavedLinkReadsBackWithEveryFieldAndIsOverwritten) {
    const char* temp = std::getenv("TEMP");
    ASSERT_NE(temp, nullptr);
    // "表" ends in the byte '\\': the name must reach the shell whole.
    const std::string file =
        std::string(temp) + "\\velmora_link_" + std::to_string(_getpid()) + "_\x95\x5C.lnk";
    for (const char* arguments : {"/x", "/Q /S"}) {
        std::unique_ptr<IShellLinkWriter> link;
        ASSERT_EQ(shell.CoCreateInstanceShellLink(link), hresult::OK);
        ASSERT_NE(link, nullptr);
        link->SetDescription("Velmora!");
        link->SetPath("C:\\Tools\\App\\prog.exe");
        link->SetArguments(arguments);
        link->SetShowCmd(sw::MAXIMIZE);
        link->SetWorkingDirectory("C:\\Tools\\");
        ASSERT_GE(link->Save(file), 0);
    }
    const auto fields = shortcut_test::ReadShellLink(file);
    ::DeleteFileA(file.c_str());
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->path, "C:\\Tools\\App\\prog.exe");
    EXPECT_EQ(fields->arguments, "/Q /S");
    EXPECT_EQ(fields->description, "Velmora!");
    EXPECT_EQ(fields->workingDirectory, "C:\\Tools\\");
    EXPECT_EQ(fields->showCmd, sw::MAXIMIZE);
}

TEST_F(ShellLinkTest, RegistryValuesAndTheirSizes) {
    const char* path = "Software\\Velmora Test\\Shell Folders";
    HKEY created = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                &created, nullptr),
              ERROR_SUCCESS);
    const char text[] = "C:\\Folder";
    ::RegSetValueExA(created, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    const DWORD number = 7;
    ::RegSetValueExA(created, "Number", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                     sizeof number);
    ::RegCloseKey(created);

    HKey key = 0;
    ASSERT_EQ(os.RegOpenKeyExA(hkey::CURRENT_USER, path, 0, key_access::READ, &key),
              error::SUCCESS);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(os.RegQueryValueExA(key, "Text", &type, nullptr, &size), error::SUCCESS);
    EXPECT_EQ(type, reg::SZ);
    EXPECT_EQ(size, sizeof text);
    std::uint8_t small[4] = {};
    size = sizeof small;
    EXPECT_EQ(os.RegQueryValueExA(key, "Text", &type, small, &size), error::MORE_DATA);
    EXPECT_EQ(size, sizeof text);
    char data[64] = {};
    size = sizeof data;
    EXPECT_EQ(os.RegQueryValueExA(key, "Text", &type, reinterpret_cast<std::uint8_t*>(data), &size),
              error::SUCCESS);
    EXPECT_STREQ(data, text);
    EXPECT_EQ(os.RegQueryValueExA(key, "Number", &type, nullptr, &size), error::SUCCESS);
    EXPECT_NE(type, reg::SZ);
    EXPECT_EQ(os.RegQueryValueExA(key, "Missing", &type, nullptr, &size), error::FILE_NOT_FOUND);
    EXPECT_EQ(os.RegCloseKey(key), error::SUCCESS);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Velmora Test");

    EXPECT_NE(os.RegOpenKeyExA(hkey::CURRENT_USER, path, 0, key_access::READ, &key),
              error::SUCCESS);
}

// The user's own folders as the program finds them: Startup from the
// registry, and a Windows folder that exists.
TEST_F(ShellLinkTest, StartupAndWindowsFoldersExist) {
    const std::string startup = GetShellFolder(os, kShellFolderStartup);
    EXPECT_TRUE(FolderExists(os, startup)) << startup;
    char windows[MAX_PATH] = {};
    const std::uint32_t length = os.GetWindowsDirectoryA(windows, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_TRUE(FolderExists(os, windows)) << windows;
    EXPECT_EQ(os.GetFileAttributesA((std::string(windows) + "\\no such file").c_str()),
              file_attribute::INVALID);
}

} // namespace
} // namespace vm
