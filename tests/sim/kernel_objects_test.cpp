// Named mutexes live as long as a handle to them; a process snapshot is a
// copy of the process list of its moment.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {
namespace {

constexpr char kMutex[] = "Velmora\x81\x49/Norvik Project";

TEST(KernelObjectsTest, NamedMutexOutlivesItsCreatorOnlyWhileAnotherHandleIsOpen) {
    SimDesktop desk;
    const std::uint32_t first = desk.addProcess("C:\\Tools\\velmora.exe");
    const std::uint32_t second = desk.addProcess("C:\\Tools\\velmora.exe");
    IOperatingSystem& firstOs = desk.platformFor(first).os;
    IOperatingSystem& secondOs = desk.platformFor(second).os;

    const Handle created = firstOs.CreateMutexA(false, kMutex);
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(firstOs.GetLastError(), 0u);
    const Handle opened = secondOs.CreateMutexA(false, kMutex);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(secondOs.GetLastError(), static_cast<std::uint32_t>(error::ALREADY_EXISTS));
    EXPECT_NE(opened, created);
    // A handle means nothing in another process.
    EXPECT_FALSE(secondOs.ReleaseMutex(created));
    EXPECT_TRUE(firstOs.ReleaseMutex(created));

    desk.endProcess(first);
    EXPECT_TRUE(desk.kernel().mutexExists(kMutex));
    EXPECT_TRUE(secondOs.CloseHandle(opened));
    EXPECT_FALSE(secondOs.CloseHandle(opened));
    EXPECT_FALSE(desk.kernel().mutexExists(kMutex));
}

TEST(KernelObjectsTest, EndingAProcessDestroysItsWindowsAndFreesItsMutex) {
    SimDesktop desk;
    const std::uint32_t pid = desk.addProcess("C:\\Tools\\velmora.exe");
    const Platform platform = desk.platformFor(pid);
    platform.os.CreateMutexA(false, kMutex);
    const Hwnd window = platform.win.CreateProgramWindow(
        {.className = "TMainForm",
         .width = 10,
         .height = 10,
         .proc = [](Hwnd, std::uint32_t, std::uintptr_t, std::intptr_t) { return MsgResult{}; }});
    desk.endProcess(pid);
    EXPECT_FALSE(desk.windows().exists(window));
    EXPECT_FALSE(desk.kernel().mutexExists(kMutex));
}

TEST(KernelObjectsTest, SnapshotListsTheProcessesOfItsMoment) {
    SimDesktop desk;
    const std::uint32_t self = desk.addProcess("C:\\Tools\\velmora.exe");
    const std::uint32_t editor = desk.addProcess("C:\\Apps\\Edit.exe");
    IOperatingSystem& os = desk.platformFor(self).os;
    const Handle snapshot = os.CreateToolhelp32Snapshot(th32cs::SNAPPROCESS, 0);
    desk.endProcess(editor);
    desk.addProcess("C:\\Apps\\late.exe");

    ProcessEntry32 entry;
    EXPECT_FALSE(os.Process32First(snapshot, entry));
    entry.dwSize = 296;
    std::vector<std::pair<std::uint32_t, std::string>> seen;
    for (bool more = os.Process32First(snapshot, entry); more;
         more = os.Process32Next(snapshot, entry))
        seen.emplace_back(entry.th32ProcessID, entry.szExeFile);
    EXPECT_EQ(seen, (std::vector<std::pair<std::uint32_t, std::string>>{
                        {self, "C:\\Tools\\velmora.exe"}, {editor, "C:\\Apps\\Edit.exe"}}));
    EXPECT_TRUE(os.CloseHandle(snapshot));
    EXPECT_FALSE(os.Process32First(snapshot, entry));

    // A path longer than the record holds is cut at 259 bytes.
    const std::string longPath = "C:\\" + std::string(300, 'x') + ".exe";
    const std::uint32_t longOne = desk.addProcess(longPath);
    const Handle later = os.CreateToolhelp32Snapshot(th32cs::SNAPPROCESS, 0);
    std::string cut;
    for (bool more = os.Process32First(later, entry); more; more = os.Process32Next(later, entry)) {
        if (entry.th32ProcessID == longOne)
            cut = entry.szExeFile;
    }
    EXPECT_EQ(cut, longPath.substr(0, 259));
    os.CloseHandle(later);

    desk.system().snapshotUnavailable = true;
    EXPECT_EQ(os.CreateToolhelp32Snapshot(th32cs::SNAPPROCESS, 0), nullptr);
    EXPECT_EQ(desk.system().snapshotCount, 3u);
}

} // namespace
} // namespace vm::sim
