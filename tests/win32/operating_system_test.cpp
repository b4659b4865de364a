// The operating system on the real machine: named mutexes, the process
// snapshot, whole files, and the program's own module, user and version.
#include <gtest/gtest.h>

#include <process.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/constants.h"
#include "platform/win32/win32_platform.h"
#include "process_lookup.h"

namespace vm {
namespace {

class OperatingSystemTest : public ::testing::Test {
protected:
    Win32Platform backend;
    IOperatingSystem& os = backend.platform().os;
};

// "Velmora！/Backend Test" in Shift-JIS, the shape of the program's own name.
TEST_F(OperatingSystemTest, NamedMutexIsFoundWhileOpen) {
    const char* name = "Velmora\x81I/Backend Test";
    const auto alreadyExists = static_cast<std::uint32_t>(error::ALREADY_EXISTS);
    const Handle created = os.CreateMutexA(false, name);
    ASSERT_NE(created, nullptr);
    EXPECT_NE(os.GetLastError(), alreadyExists);
    EXPECT_FALSE(os.ReleaseMutex(created)); // not owned
    const Handle opened = os.CreateMutexA(false, name);
    EXPECT_NE(opened, nullptr);
    EXPECT_EQ(os.GetLastError(), alreadyExists);
    EXPECT_TRUE(os.CloseHandle(opened));
    EXPECT_TRUE(os.CloseHandle(created));

    // Gone with its last handle.
    const Handle owned = os.CreateMutexA(true, name);
    EXPECT_NE(os.GetLastError(), alreadyExists);
    EXPECT_TRUE(os.ReleaseMutex(owned));
    EXPECT_TRUE(os.CloseHandle(owned));
}

TEST_F(OperatingSystemTest, ProcessSnapshotAndTheProcessItselfNameThisProgramAlike) {
    const auto pid = static_cast<std::uint32_t>(_getpid());
    const std::string exe = win32_test::SnapshotExeName(os, pid);
    EXPECT_EQ(exe, win32_test::UpperFileName(os.GetModuleFileNameA()));
    EXPECT_EQ(exe.substr(exe.size() - 4), ".EXE");

    const Handle process = os.OpenProcess(process_access::QUERY_LIMITED_INFORMATION, false, pid);
    ASSERT_NE(process, Handle{0});
    std::string path;
    EXPECT_TRUE(os.QueryFullProcessImageNameA(process, path));
    EXPECT_TRUE(os.CloseHandle(process));
    EXPECT_EQ(win32_test::UpperFileName(path), exe);
}

TEST_F(OperatingSystemTest, ShellGivesTheIconOfAFile) {
    IShell& shell = backend.platform().shell;
    ShFileInfo info;
    EXPECT_NE(shell.SHGetFileInfoA(os.GetModuleFileNameA().c_str(), 0, info, shgfi::ICON), 0u);
    EXPECT_NE(info.hIcon, HIcon{0});
}

TEST_F(OperatingSystemTest, OwnModuleUserAndVersion) {
    EXPECT_TRUE(os.FileExists(os.GetModuleFileNameA()));

    char user[256] = {};
    std::uint32_t size = 1;
    EXPECT_FALSE(os.GetUserNameA(user, &size));
    EXPECT_GT(size, 1u);
    size = sizeof(user);
    ASSERT_TRUE(os.GetUserNameA(user, &size));
    EXPECT_EQ(size, std::string(user).size() + 1);

    OsVersionInfo version;
    ASSERT_TRUE(os.GetVersionExA(version));
    EXPECT_EQ(version.dwPlatformId, ver_platform::WIN32_NT);
    EXPECT_GE(version.dwMajorVersion, 5u);
}

class FilesTest : public OperatingSystemTest {
protected:
    void SetUp() override {
        const char* temp = std::getenv("TEMP");
        ASSERT_NE(temp, nullptr);
        const std::string base =
            std::string(temp) + "\\velmora_files_" + std::to_string(_getpid()) + "_";
        a = base + "a.ini";
        b = base + "b.ini";
        // "設定.ini": the paths are code page 932 text.
        japanese = base + "\x90\xDD\x92\xE8.ini";
        TearDown();
    }

    void TearDown() override {
        for (const std::string* path : {&a, &b, &japanese}) {
            os.DeleteFileA(*path);
        }
    }

    std::string a, b, japanese;
};

TEST_F(FilesTest, WholeFileRoundTripsAndRefusesWhatIsTooLarge) {
    const std::string binary("[Config]\r\n\0\x81\x5C\xFF", 15);
    ASSERT_TRUE(os.WriteWholeFile(a, binary));
    std::string read;
    ASSERT_TRUE(os.ReadWholeFile(a, read, 15));
    EXPECT_EQ(read, binary);

    read = "kept";
    EXPECT_FALSE(os.ReadWholeFile(a, read, 14));
    EXPECT_EQ(read, "kept");
    EXPECT_FALSE(os.ReadWholeFile(b, read, 100));

    ASSERT_TRUE(os.WriteWholeFile(a, "short"));
    ASSERT_TRUE(os.ReadWholeFile(a, read, 100));
    EXPECT_EQ(read, "short");

    ASSERT_TRUE(os.WriteWholeFile(a, ""));
    ASSERT_TRUE(os.ReadWholeFile(a, read, 0));
    EXPECT_EQ(read, "");
}

TEST_F(FilesTest, MovesReplaceOnlyWhenAskedAndDeleteRemoves) {
    ASSERT_TRUE(os.WriteWholeFile(a, "first"));
    ASSERT_TRUE(os.WriteWholeFile(b, "second"));
    std::string read;

    EXPECT_FALSE(os.MoveFileA(a, b));
    ASSERT_TRUE(os.ReadWholeFile(b, read, 100));
    EXPECT_EQ(read, "second");

    ASSERT_TRUE(os.MoveFileExA(a, b, movefile::REPLACE_EXISTING | movefile::WRITE_THROUGH));
    EXPECT_FALSE(os.FileExists(a));
    ASSERT_TRUE(os.ReadWholeFile(b, read, 100));
    EXPECT_EQ(read, "first");

    ASSERT_TRUE(os.MoveFileA(b, japanese));
    EXPECT_TRUE(os.FileExists(japanese));
    EXPECT_FALSE(os.FileExists(b));

    EXPECT_TRUE(os.DeleteFileA(japanese));
    EXPECT_FALSE(os.FileExists(japanese));
    EXPECT_FALSE(os.DeleteFileA(japanese));
    EXPECT_FALSE(os.FileExists(std::getenv("TEMP"))); // a folder is no file
}

} // namespace
} // namespace vm
