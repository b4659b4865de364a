// The simulated disk: Windows path rules and the faults the settings code
// must survive.
#include <gtest/gtest.h>

#include "sim_desktop/sim_desktop.h"

namespace vm::sim {
namespace {

class SimFilesTest : public ::testing::Test {
protected:
    SimFilesTest() : pid(desk.addProcess("C:\\Tools\\velmora.exe")), os(desk.platformFor(pid).os) {}

    SimDesktop desk;
    std::uint32_t pid;
    IOperatingSystem& os;
};

TEST_F(SimFilesTest, PathsIgnoreAsciiCaseAndMovesReplaceOnlyWhenAsked) {
    desk.files().write("C:\\Tools\\old.ini", "old");
    desk.files().write("C:\\Tools\\vmr.ini", "current");
    EXPECT_TRUE(os.FileExists("c:\\TOOLS\\OLD.INI"));
    EXPECT_FALSE(os.MoveFileA("C:\\Tools\\old.ini", "C:\\TOOLS\\VMR.INI"));
    EXPECT_FALSE(os.MoveFileA("C:\\Tools\\missing.ini", "C:\\Tools\\new.ini"));
    desk.scheduler().advance(50);
    EXPECT_TRUE(
        os.MoveFileExA("C:\\Tools\\old.ini", "C:\\TOOLS\\VMR.INI", movefile::REPLACE_EXISTING));
    EXPECT_EQ(desk.files().read("C:\\Tools\\vmr.ini"), "old");
    EXPECT_FALSE(desk.files().exists("C:\\Tools\\old.ini"));
    EXPECT_EQ(desk.files().writeCount("c:\\tools\\vmr.ini"), 1u);
    EXPECT_EQ(desk.files().modifiedAt("C:\\Tools\\vmr.ini"), 50u);

    std::string content = "kept";
    EXPECT_FALSE(os.ReadWholeFile("C:\\Tools\\vmr.ini", content, 2));
    EXPECT_EQ(content, "kept");
    EXPECT_TRUE(os.ReadWholeFile("C:\\Tools\\vmr.ini", content, 3));
    EXPECT_EQ(content, "old");
}

TEST_F(SimFilesTest, ReadOnlyFolderRefusesWritesMovesAndDeletes) {
    desk.files().write("C:\\Program Files\\Velmora\\vmr.ini", "settings");
    desk.files().setReadOnlyFolder("c:\\program files");
    EXPECT_FALSE(os.WriteWholeFile("C:\\Program Files\\Velmora\\vmr.ini", "new"));
    EXPECT_FALSE(os.MoveFileA("C:\\Program Files\\Velmora\\vmr.ini", "C:\\Temp\\vmr.ini"));
    EXPECT_FALSE(os.DeleteFileA("C:\\Program Files\\Velmora\\vmr.ini"));
    EXPECT_EQ(desk.files().read("C:\\Program Files\\Velmora\\vmr.ini"), "settings");
    EXPECT_TRUE(os.WriteWholeFile("C:\\Program Filesystem\\vmr.ini", "elsewhere"));
}

TEST_F(SimFilesTest, FailedWriteLeavesTheFileAndATornOneLeavesHalf) {
    desk.files().write("C:\\Tools\\vmr.ini", "settings");
    desk.files().setFailNextWrite(false);
    EXPECT_FALSE(os.WriteWholeFile("C:\\Tools\\vmr.ini", "replaced"));
    EXPECT_EQ(desk.files().read("C:\\Tools\\vmr.ini"), "settings");

    desk.files().setFailNextWrite(true);
    EXPECT_FALSE(os.WriteWholeFile("C:\\Tools\\vmr.ini", "[Config]\r\n"));
    EXPECT_EQ(desk.files().read("C:\\Tools\\vmr.ini"), "[Conf");
    EXPECT_EQ(desk.files().writeCount("C:\\Tools\\vmr.ini"), 0u);

    EXPECT_TRUE(os.WriteWholeFile("C:\\Tools\\vmr.ini", "[Config]\r\n"));
    EXPECT_EQ(desk.files().read("C:\\Tools\\vmr.ini"), "[Config]\r\n");
    EXPECT_EQ(desk.files().writeCount("C:\\Tools\\vmr.ini"), 1u);
}

} // namespace
} // namespace vm::sim
