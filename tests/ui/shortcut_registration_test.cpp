// The start-up and quick-launch buttons on the simulated desktop: the
// registry's shell folders, the question, and the shortcut the shell saved.
#include "ui/shortcut_registration.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/constants.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"
#include "ui/shell_folders.h"
#include "ui/shortcut_error.h"

namespace vm {
namespace {

constexpr char kShellFolders[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr char kStartup[] = "C:\\Documents and Settings\\Taro\\Start Menu\\Programs\\Startup";
constexpr char kPersonal[] = "C:\\Documents and Settings\\Taro\\My Documents";
constexpr char kNtQuickLaunch[] =
    "C:\\Documents and Settings\\Taro\\Application Data\\Microsoft\\Internet Explorer\\Quick "
    "Launch\\";
constexpr char k95QuickLaunch[] =
    "C:\\WINDOWS\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\";
constexpr char kExe[] = "C:\\Tools\\App\\prog.exe";

const OsVersionInfo kXP{148, 5, 1, 2600, ver_platform::WIN32_NT};
const OsVersionInfo k98{148, 4, 10, 1998, ver_platform::WIN32_WINDOWS};

struct Scene {
    explicit Scene(const std::string& exe = kExe, const OsVersionInfo& version = kXP)
        : pid(desk.addProcess(exe)), context{desk.platformFor(pid), CommandLine{},
                                             SystemVersion{version, {}}} {
        desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Startup", kStartup);
        desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Personal", kPersonal);
        desk.files().addFolder(kStartup);
        desk.files().addFolder(kPersonal);
    }

    sim::SimDesktop desk;
    std::uint32_t pid;
    ProgramContext context;
    ShortcutRegistration registration{context};
};

enum class Button { StartUp, QuickLaunch };

TEST(ShortcutRegistration, WritesTheShortcutOnlyWhereTheFolderIsSound) {
    const std::string startupLink = std::string(kStartup) + "\\Velmora!.lnk";
    const std::string ntLink = std::string(kNtQuickLaunch) + "Velmora!.lnk";
    const std::string w95Link = std::string(k95QuickLaunch) + "Velmora!.lnk";
    const sim::ShellLinkRecord startupRecord{"Velmora!", kExe, "", sw::SHOWNORMAL, "C:\\Tools\\"};
    const sim::ShellLinkRecord quickRecord{"", kExe, "/Q /S", sw::SHOWNORMAL, "C:\\Tools\\"};
    const std::string longFolder = "C:\\" + std::string(240, 'x') + "\\Startup";

    const struct {
        const char* name;
        Button button;
        std::function<void(Scene&)> setUp;
        std::string link; // "" : nothing may be written
        sim::ShellLinkRecord record;
        bool notFound = false; // the user is told the folder was not found
        std::string exe = kExe;
        OsVersionInfo version = kXP;
    } cases[] = {
        {"start-up", Button::StartUp, [](Scene&) {}, startupLink, startupRecord},
        {"quick launch beside the Personal folder", Button::QuickLaunch,
         [](Scene& s) { s.desk.files().addFolder(kNtQuickLaunch); }, ntLink, quickRecord},
        {"moved Personal folder without a Quick Launch folder there",
         Button::QuickLaunch,
         [](Scene& s) {
             s.desk.files().addFolder(kNtQuickLaunch);
             s.desk.files().addFolder("D:\\Docs\\Mine");
             s.desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Personal",
                                         "D:\\Docs\\Mine");
         },
         "",
         {},
         true},
        {"quick launch under the Windows folder", Button::QuickLaunch,
         [](Scene& s) {
             s.desk.files().addFolder(kNtQuickLaunch);
             s.desk.files().addFolder(k95QuickLaunch);
         },
         w95Link, quickRecord, false, kExe, k98},
        {"Windows folder longer than a path",
         Button::QuickLaunch,
         [](Scene& s) { s.desk.system().windowsDirectory = "C:\\" + std::string(300, 'w'); },
         "",
         {},
         true,
         kExe,
         k98},
        {"no Quick Launch folder", Button::QuickLaunch, [](Scene&) {}, "", {}, true},
        {"executable in a drive's root",
         Button::StartUp,
         [](Scene&) {},
         startupLink,
         {"Velmora!", "C:\\prog.exe", "", sw::SHOWNORMAL, "C:\\"},
         false,
         "C:\\prog.exe"},
        // The trail byte of "表" is a backslash that separates nothing.
        {"double-byte folder name",
         Button::StartUp,
         [](Scene&) {},
         startupLink,
         {"Velmora!", "C:\\\x95\\\\App\\p.exe", "", sw::SHOWNORMAL, "C:\\\x95\\\\"},
         false,
         "C:\\\x95\\\\App\\p.exe"},
        {"missing Startup value",
         Button::StartUp,
         [](Scene& s) {
             s.desk.registry().removeKey(hkey::CURRENT_USER, kShellFolders);
             s.desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Personal", kPersonal);
             s.desk.files().addFolder("C:\\");
         },
         "",
         {},
         true},
        {"missing key",
         Button::StartUp,
         [](Scene& s) { s.desk.registry().removeKey(hkey::CURRENT_USER, kShellFolders); },
         "",
         {},
         true},
        {"Startup folder missing",
         Button::StartUp,
         [](Scene& s) {
             s.desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Startup", "C:\\Gone");
         },
         "",
         {},
         true},
        {"Startup value longer than a path",
         Button::StartUp,
         [](Scene& s) {
             const std::string folder = "C:\\" + std::string(280, 's');
             s.desk.files().addFolder(folder);
             s.desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Startup", folder);
         },
         "",
         {},
         true},
        {"shortcut name longer than a path",
         Button::StartUp,
         [&](Scene& s) {
             s.desk.files().addFolder(longFolder);
             s.desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Startup", longFolder);
         },
         "",
         {}},
        {"executable path longer than a path",
         Button::StartUp,
         [](Scene&) {},
         "",
         {},
         false,
         "C:\\" + std::string(260, 'e') + "\\p.exe"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Scene scene(c.exe, c.version);
        c.setUp(scene);
        scene.desk.dialogs().queueMessageBoxAnswer(id_::YES);
        if (c.button == Button::StartUp)
            scene.registration.BtnStartUpClick(0);
        else
            scene.registration.BtnQuickLaunchClick(0);

        ASSERT_EQ(scene.desk.dialogs().messageBoxes().size(), c.notFound ? 2u : 1u);
        const sim::MessageBoxRecord& box = scene.desk.dialogs().messageBoxes()[0];
        EXPECT_EQ(box.text,
                  c.button == Button::StartUp
                      ? vm::Text(vm::Language::Japanese, vm::TextId::AskStartUp).ansi
                      : vm::Text(vm::Language::Japanese, vm::TextId::AskQuickLaunch).ansi);
        EXPECT_EQ(box.caption, "Velmora!");
        EXPECT_EQ(box.type, 0x44u);
        EXPECT_EQ(scene.desk.registry().openHandles(), 0u);
        if (c.notFound) {
            const std::string told = scene.desk.dialogs().messageBoxes()[1].text;
            const std::string notFound =
                Text(Language::Japanese, TextId::ShortcutFolderNotFound).ansi;
            EXPECT_EQ(told.rfind(notFound, 0), 0u) << told;
        }
        if (c.link.empty()) {
            EXPECT_EQ(scene.desk.files().list(), std::vector<std::string>{});
        } else {
            EXPECT_EQ(scene.desk.files().list(), std::vector<std::string>{c.link});
            EXPECT_EQ(scene.desk.shellLink(c.link), std::optional(c.record));
        }
    }
}

TEST(ShortcutRegistration, AnsweringNoWritesNothingAndRegisteringAgainOverwrites) {
    Scene scene;
    const std::string link = std::string(kStartup) + "\\Velmora!.lnk";
    scene.desk.dialogs().queueMessageBoxAnswer(id_::NO);
    scene.registration.BtnStartUpClick(0);
    EXPECT_TRUE(scene.desk.files().list().empty());

    scene.desk.dialogs().queueMessageBoxAnswer(id_::YES);
    scene.registration.BtnStartUpClick(0);
    scene.desk.dialogs().queueMessageBoxAnswer(id_::YES);
    scene.registration.BtnStartUpClick(0);
    EXPECT_EQ(scene.desk.files().writeCount(link), 2u);
    EXPECT_EQ(scene.desk.files().list(), std::vector<std::string>{link});
}

// Both end in the error hook of the button's guard; nothing is written and
// no registry key stays open.
TEST(ShortcutRegistration, NoShellLinkObjectOrAValueThatIsNoTextRaise) {
    Scene noLink;
    noLink.desk.system().shellLinkFails = true;
    noLink.desk.dialogs().queueMessageBoxAnswer(id_::YES);
    EXPECT_THROW(noLink.registration.BtnStartUpClick(0), ShortcutError);
    EXPECT_TRUE(noLink.desk.files().list().empty());

    Scene binary;
    binary.desk.registry().setValue(hkey::CURRENT_USER, kShellFolders, "Startup", reg::BINARY,
                                    std::string(kStartup) + '\0');
    binary.desk.dialogs().queueMessageBoxAnswer(id_::YES);
    EXPECT_THROW(binary.registration.BtnStartUpClick(0), ShortcutError);
    EXPECT_TRUE(binary.desk.files().list().empty());
    EXPECT_EQ(binary.desk.registry().openHandles(), 0u);
}

TEST(ShellFolders, AMissingValueIsTheRootAndTheTableEndsAtFifteen) {
    Scene scene;
    IOperatingSystem& os = scene.context.platform.os;
    EXPECT_EQ(GetShellFolder(os, kShellFolderStartup), std::string(kStartup) + "\\");
    EXPECT_EQ(GetShellFolder(os, kShellFolderDesktop), "\\");
    EXPECT_EQ(GetShellFolder(os, 16), "");
    // A Personal folder in a drive's root: Quick Launch sits under that root.
    scene.desk.registry().setString(hkey::CURRENT_USER, kShellFolders, "Personal", "E:\\");
    scene.desk.files().addFolder(
        "E:\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch");
    EXPECT_EQ(GetQuickLaunchFolder(os, kXP),
              "E:\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\");
}

} // namespace
} // namespace vm
