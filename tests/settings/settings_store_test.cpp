#include "settings/settings_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "program/program_context.h"
#include "settings/settings_write_error.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"

namespace vm {
namespace {

using namespace std::string_view_literals;
constexpr char kFolder[] = "C:\\Program Files\\Velmora\\";

// The program's folder on the simulated desktop, the controls the settings
// load into and the store between them.
struct SettingsScene {
    // The controller's wiring of the announcement boxes.
    SettingsScene() {
        controls.CHKCap.OnClick = [this] { controls.CHKCapClick(); };
        controls.CHKWav.OnClick = [this] { controls.CHKWavClick(); };
    }

    sim::SimDesktop desk;
    std::uint32_t pid = desk.addProcess(std::string(kFolder) + "Velmora.exe");
    ProgramContext context{desk.platformFor(pid), CommandLine{},
                           SystemVersion{{}, WindowsVersion::WinXP}};
    MainFormControls controls;
    SettingsStore store{context, controls};
    const std::string path = std::string(kFolder) + "vmr_XP_Taro.ini";

    sim::SimFiles& files() { return desk.files(); }
    void LoadFrom(const std::string& bytes) {
        files().write(path, bytes);
        store.LoadSettings(true);
    }
};

const std::string kFromScratch =
    std::string("[Config]\r\nTray=1\r\nEnable=1\r\nHide=0\r\n") +
    "Max=0\r\nRestore=0\r\nReSize=0\r\nDialog=0\r\nActive=0\r\n" +
    "Position=0\r\nCaption=0\r\nTitle=" +
    vm::Text(vm::Language::Japanese, vm::TextId::DefaultMoveTitle).ansi +
    "\r\nPlay=0\r\nWave=" + kFolder + "dame.wav\r\n" +
    "Icon0=\r\nIcon1=\r\nIcon2=\r\nWait=0\r\nTrans=100\r\n" +
    "TransEnabled=0\r\nTransStartMenu=0\r\n\r\n" + "[Disable]\r\nCount=-1\r\n\r\n";

TEST(SettingsStore, FirstStartLoadsTheDefaultsAndTheFirstSaveWritesThemInOrder) {
    SettingsScene s;
    s.controls.PPEnabled.SetChecked(false);
    s.controls.Slider.SetPosition(12);
    s.store.LoadSettings(true);
    const MainFormControls& c = s.controls;
    EXPECT_TRUE(c.CHKTray.Checked());
    EXPECT_TRUE(c.PPEnabled.Checked());
    EXPECT_FALSE(c.PPMax.Checked() || c.PPHideON.Checked() || c.PPActive.Checked());
    EXPECT_EQ(c.Slider.Position(), 0);
    EXPECT_EQ(c.LblPosition.Caption(), "0");
    // The boxes were checked in the window's design: their handlers ran.
    EXPECT_FALSE(c.CHKCap.Checked() || c.TxtCap.Enabled());
    EXPECT_FALSE(c.CHKWav.Checked() || c.TxtWav.Enabled() || c.BtnWav.Enabled());
    EXPECT_EQ(c.TxtCap.Text(), vm::Text(vm::Language::Japanese, vm::TextId::DefaultMoveTitle).ansi);
    EXPECT_EQ(c.TxtWav.Text(), std::string(kFolder) + "dame.wav");
    EXPECT_EQ(c.ListBoxDisable.Count(), 0u);
    EXPECT_EQ(c.TXTWait.Text(), "0");
    EXPECT_EQ(c.TXTTrans.Text(), "100");
    EXPECT_TRUE(s.files().list().empty());

    s.store.SaveSettings();
    EXPECT_EQ(s.files().read(s.path), kFromScratch);
    EXPECT_EQ(s.files().list(), std::vector<std::string>{s.path});
}

TEST(SettingsStore, FileNamesCarryTheVersionAndTheUsersName) {
    struct Case {
        const char* user;
        bool fails;
        const char* current;
        const char* legacy;
    };
    const Case cases[] = {
        {"Taro", false, "vmr_XP_Taro.ini", "vmr_Taro.ini"},
        {"a/b", false, "vmr_XP_a/b.ini", "vmr_Default.ini"},
        {"x|y", false, "vmr_XP_x|y.ini", "vmr_Default.ini"},
        // The trail bytes of 表 and ソ are '\\'.
        {"\x95\x5C\x83\x5C", false, "vmr_XP_\x95\x5C\x83\x5C.ini", "vmr_\x95\x5C\x83\x5C.ini"},
        {"", false, "vmr_XP_.ini", "vmr_.ini"},
        {"Taro", true, "vmr_XP_Default.ini", "vmr_Default.ini"},
    };
    for (const Case& c : cases) {
        SettingsScene s;
        s.desk.system().userName = c.user;
        s.desk.system().userNameFails = c.fails;
        EXPECT_EQ(s.store.SettingsFileName(), std::string(kFolder) + c.current) << c.user;
        EXPECT_EQ(s.store.LegacySettingsFileName(), std::string(kFolder) + c.legacy) << c.user;
    }
    for (const char* bad : {"\\", "/", ":", "*", "?", "<", ">", "|"}) {
        EXPECT_FALSE(SettingsStore::IsUsableFileName(std::string("a") + bad)) << bad;
    }
}

TEST(SettingsStore, VersionsMissingFromTheTableShareTheUnknownFile) {
    SettingsScene s;
    for (const OsVersionInfo& info : {OsVersionInfo{148, 6, 2, 9200, 2}, {148, 10, 0, 19045, 2}}) {
        s.desk.system().version = info;
        s.context.system = ReadSystemVersion(s.context.platform.os);
        EXPECT_EQ(s.store.SettingsFileName(), std::string(kFolder) + "vmr_Unknown_Taro.ini");
    }
}

TEST(SettingsStore, LegacyFileIsRenamedUnlessTheCurrentOneExists) {
    const std::string legacy = std::string(kFolder) + "vmr_Taro.ini";
    SettingsScene alone;
    alone.files().write(legacy, "[Config]\r\nMax=1\r\n");
    alone.store.LoadSettings(true);
    EXPECT_FALSE(alone.files().exists(legacy));
    EXPECT_EQ(alone.files().read(alone.path), "[Config]\r\nMax=1\r\n");
    EXPECT_TRUE(alone.controls.PPMax.Checked());

    SettingsScene both;
    both.files().write(legacy, "[Config]\r\nMax=1\r\n");
    both.LoadFrom("[Config]\r\nMax=0\r\n");
    EXPECT_EQ(both.files().read(legacy), "[Config]\r\nMax=1\r\n");
    EXPECT_FALSE(both.controls.PPMax.Checked());
}

TEST(SettingsStore, OutOfRangeAndMalformedValuesLoadClampedOrAsTheirDefault) {
    struct Case {
        const char* config;
        int position, wait, trans;
        bool tray, max;
    };
    const Case cases[] = {
        {"Position=99\nWait=-5\nTrans=250", 30, 0, 100, true, false},
        {"Position=-2147483648\nWait=70000\nTrans=-70000", -30, 60, 0, true, false},
        {"Position=0x10\nWait=0X3C\nTrans=50", 16, 60, 50, true, false},
        {"Position=abc\nWait=\nTrans=1e2\nTray=yes\nMax=2", 0, 0, 100, true, true},
        {"Tray=0\nMax=-1\nPosition=-7", -7, 0, 100, false, true},
    };
    for (const Case& c : cases) {
        SettingsScene s;
        s.controls.CHKTray.SetChecked(!c.tray);
        s.LoadFrom(std::string("[Config]\n") + c.config);
        EXPECT_EQ(s.controls.Slider.Position(), c.position) << c.config;
        EXPECT_EQ(s.controls.LblPosition.Caption(), std::to_string(c.position)) << c.config;
        EXPECT_EQ(s.controls.UDWait.Position(), c.wait) << c.config;
        EXPECT_EQ(s.controls.TXTWait.Text(), std::to_string(c.wait)) << c.config;
        EXPECT_EQ(s.controls.UDTrans.Position(), c.trans) << c.config;
        EXPECT_EQ(s.controls.CHKTray.Checked(), c.tray) << c.config;
        EXPECT_EQ(s.controls.PPMax.Checked(), c.max) << c.config;
    }
}

TEST(SettingsStore, TextsKeepAnEmptyValueAndEndAtANul) {
    SettingsScene s;
    s.LoadFrom(std::string("[Config]\r\nTitle=\r\nWave=a \0b\r\nIcon1=C:\\\x83\x5C.ico\r\n"sv));
    EXPECT_EQ(s.controls.TxtCap.Text(), "");
    EXPECT_EQ(s.controls.TxtWav.Text(), "a");
    EXPECT_EQ(s.controls.CustomIconPaths[1], "C:\\\x83\x5C.ico");
    EXPECT_EQ(s.controls.CustomIconPaths[0], "");
}

TEST(SettingsStore, IgnoreListReadsCountPlusOneKeysUpToItsBound) {
    struct Case {
        const char* disable;
        std::vector<std::string> entries;
    };
    const Case cases[] = {
        {"", {}},
        {"[Disable]\nCount=-1\n0=a", {}},
        {"[Disable]\nCount=-7\n0=a", {}},
        {"[Disable]\nCount=many\n0=a", {}},
        {"[Disable]\nCount=2\n0=a\n1=B\n2=c\n3=d", {"a", "B", "c"}},
        {"[Disable]\ncount=0x2\n2=c\n0=a", {"a", "", "c"}},
    };
    for (const Case& c : cases) {
        SettingsScene s;
        s.controls.ListBoxDisable.Add("stale");
        s.LoadFrom(std::string("[Config]\n") + c.disable);
        EXPECT_EQ(s.controls.ListBoxDisable.Items(), c.entries) << c.disable;
    }
    SettingsScene huge;
    huge.LoadFrom("[Disable]\nCount=2147483647\n0=NOTEPAD.EXE\n");
    EXPECT_EQ(huge.controls.ListBoxDisable.Count(), 32767u);
    EXPECT_EQ(huge.controls.ListBoxDisable.HorizontalExtent(), 2 * 6 * 11);
    EXPECT_NO_THROW(huge.store.SaveSettings());
}

TEST(SettingsStore, ShrinkingTheListLeavesStaleKeysThatTheNextLoadIgnores) {
    SettingsScene s;
    s.LoadFrom("[Disable]\r\nCount=4\r\n0=a\r\n1=b\r\n2=c\r\n3=d\r\n4=e\r\n\r\n");
    s.controls.ListBoxDisable.Delete(0);
    s.controls.ListBoxDisable.Delete(0);
    s.controls.ListBoxDisable.Delete(0);
    s.store.SaveSettings();
    EXPECT_NE(s.files().read(s.path)->find("[Disable]\r\nCount=1\r\n0=d\r\n1=e\r\n2=c\r\n3=d\r\n"
                                           "4=e\r\n\r\n"),
              std::string::npos);
    s.store.LoadSettings(true);
    EXPECT_EQ(s.controls.ListBoxDisable.Items(), (std::vector<std::string>{"d", "e"}));
}

TEST(SettingsStore, SavingKeepsUnknownKeysAndOrderAndAppendsNewKeys) {
    SettingsScene s;
    s.LoadFrom("junk\n[Other]\nx = y\n[config]\n; note\nWait=5\nMine=1\n\n");
    s.store.SaveSettings();
    const std::string saved = *s.files().read(s.path);
    EXPECT_EQ(saved.substr(0, 50),
              "[Other]\r\nx=y\r\n\r\n[config]\r\nWait=5\r\nMine=1\r\nTray=1\r\n");
    EXPECT_EQ(saved.find("junk"), std::string::npos);
    EXPECT_EQ(saved.find("note"), std::string::npos);
}

TEST(SettingsStore, LoadSaveLoadKeepsEverySettingAndResavesTheSameBytes) {
    SettingsScene s;
    MainFormControls& c = s.controls;
    c.PPMax.SetChecked(true);
    c.PPEnabled.SetChecked(false);
    c.Slider.SetPosition(-17);
    c.TxtCap.SetText("\x95\x5C");
    c.CHKWav.SetChecked(true);
    c.ListBoxDisable.Add("#32770");
    c.ListBoxDisable.Add("\x83\x5C.EXE");
    c.CustomIconPaths[2] = "C:\\x.ico";
    c.UDWait.SetPosition(42);
    c.UDTrans.SetPosition(7);
    c.CHKTrans.SetChecked(true);
    s.store.SaveSettings();
    const std::string first = *s.files().read(s.path);

    MainFormControls loaded;
    SettingsStore again{s.context, loaded};
    again.LoadSettings(true);
    EXPECT_FALSE(loaded.PPEnabled.Checked());
    EXPECT_TRUE(loaded.PPMax.Checked() && loaded.CHKCap.Checked() && loaded.CHKTrans.Checked());
    EXPECT_EQ(loaded.Slider.Position(), -17);
    EXPECT_EQ(loaded.TxtCap.Text(), "\x95\x5C");
    EXPECT_EQ(loaded.ListBoxDisable.Items(), c.ListBoxDisable.Items());
    EXPECT_EQ(loaded.CustomIconPaths, c.CustomIconPaths);
    EXPECT_EQ(loaded.UDWait.Position(), 42);
    EXPECT_EQ(loaded.UDTrans.Position(), 7);
    again.SaveSettings();
    EXPECT_EQ(s.files().read(s.path), first);
}

TEST(SettingsStore, WithoutMoveFileExTheSaveStillReplacesTheFileAndNeverLosesTheOldOne) {
    // The Windows 95 family: MoveFileExA fails there.
    for (const bool writable : {true, false}) {
        SettingsScene s;
        s.desk.system().version = OsVersionInfo{148, 4, 10, 2222, ver_platform::WIN32_WINDOWS};
        s.files().write(s.path, "[Config]\r\nMax=1\r\n");
        s.controls.PPMax.SetChecked(false);
        if (!writable)
            s.files().setReadOnlyFolder(kFolder);
        if (writable) {
            s.store.SaveSettings();
            EXPECT_NE(s.files().read(s.path)->find("Max=0\r\n"), std::string::npos);
        } else {
            EXPECT_THROW(s.store.SaveSettings(), SettingsWriteError);
            EXPECT_EQ(s.files().read(s.path), std::optional<std::string>("[Config]\r\nMax=1\r\n"));
        }
        EXPECT_FALSE(s.files().exists(s.path + ".tmp"));
        EXPECT_FALSE(s.files().exists(s.path + ".bak"));
    }
}

TEST(SettingsStore, CancelReloadKeepsTheMenuOptionsAndLoadsTransBeforeItsBoxes) {
    SettingsScene s;
    int transSeen = -1;
    s.controls.CHKTrans.OnClick = [&] { transSeen = s.controls.UDTrans.Position(); };
    s.controls.PPMax.SetChecked(true);
    s.LoadFrom("[Config]\nMax=0\nTransEnabled=1\nTrans=30\nTray=0\n");
    EXPECT_FALSE(s.controls.PPMax.Checked());
    EXPECT_EQ(transSeen, 30);
    s.controls.PPMax.SetChecked(true);
    s.controls.CHKTray.SetChecked(true);
    s.store.LoadSettings(false);
    EXPECT_TRUE(s.controls.PPMax.Checked());
    EXPECT_FALSE(s.controls.CHKTray.Checked());
}

TEST(SettingsStore, HostileFilesLoadWithDefaultsWhereNothingMakesSense) {
    std::string garbage(4096, '\0');
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<char>(i * 131 + 7);
    const std::string hugeLine = "[Config]\nTitle=" + std::string(10u << 20, 'x') + "\nMax=1\n";
    const std::string inputs[] = {
        garbage,
        hugeLine,
        "[Config]\nMax\nPosition\n=5\nWait 5\n",
        "[Config]\nMax=0\n[CONFIG]\nMax=1\nWait=9\n",
        std::string("[Config]\nMax=\0"
                    "1\nWait=\0"
                    "9\n"sv),
        "[Config]\rMax=0\rWait=0\r",
        "[Config]\nMax=0\nWait=0\n",
    };
    for (const std::string& input : inputs) {
        SettingsScene s;
        s.controls.PPMax.SetChecked(true);
        s.controls.UDWait.SetPosition(60);
        s.LoadFrom(input);
        EXPECT_FALSE(s.controls.PPMax.Checked()) << input.substr(0, 40);
        EXPECT_EQ(s.controls.UDWait.Position(), 0) << input.substr(0, 40);
    }
}

TEST(SettingsStore, FailedSaveRaisesAndLeavesThePreviousFileWhole) {
    const std::string previous = "[Config]\r\nMax=1\r\n\r\n";
    // The call that failed and the code it left, read before the clean-up
    // after it (the removal of a temporary file that is not there leaves
    // another); none when the file was left alone on purpose.
    struct Failed {
        std::string call;
        std::uint32_t code;
    };
    const std::optional<Failed> failed[] = {
        Failed{"WriteWholeFile", error::ACCESS_DENIED},
        Failed{"WriteWholeFile", error::DISK_FULL},
        Failed{"WriteWholeFile", error::DISK_FULL},
        std::nullopt,
    };
    for (int fault = 0; fault < 4; ++fault) {
        SettingsScene s;
        std::string before = previous;
        if (fault == 3)
            before += "Title=" + std::string(2u << 20, 'x');
        s.files().write(s.path, before);
        if (fault == 0)
            s.files().setReadOnlyFolder(kFolder);
        if (fault == 1)
            s.files().setFailNextWrite(true);
        if (fault == 2)
            s.files().setFailNextWrite(false);
        bool thrown = false;
        try {
            s.store.SaveSettings();
        } catch (const SettingsWriteError& error) {
            thrown = true;
            ASSERT_EQ(error.Failed().has_value(), failed[fault].has_value()) << fault;
            if (error.Failed()) {
                EXPECT_EQ(error.Failed()->call, failed[fault]->call) << fault;
                EXPECT_EQ(error.Failed()->kind, FailedCall::Kind::LastError) << fault;
                EXPECT_EQ(error.Failed()->code, failed[fault]->code) << fault;
            }
        }
        EXPECT_TRUE(thrown) << fault;
        EXPECT_EQ(s.files().read(s.path), before) << fault;
        EXPECT_EQ(s.files().list(), std::vector<std::string>{s.path}) << fault;
    }
}

} // namespace
} // namespace vm
