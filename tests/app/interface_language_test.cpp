#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/program.h"
#include "app_test.h"
#include "sim_desktop/cp932.h"
#include "sim_desktop/sim_desktop.h"
#include "translations/ui_texts.h"

namespace vm {
namespace {

constexpr std::uint16_t kJapanese = 0x0411;
constexpr std::uint16_t kEnglishUs = 0x0409;

struct Started {
    sim::SimDesktop desk;
    std::unique_ptr<Program> program;

    Started(std::uint16_t uiLanguage, std::uint16_t langId, std::optional<std::string> file,
            bool uiLanguageCallMissing = false) {
        AddTopTaskbarDesktop(desk);
        desk.system().uiLanguage = uiLanguage;
        desk.system().langId = langId;
        if (uiLanguageCallMissing)
            desk.libraries().removeExport("kernel32.dll", "GetUserDefaultUILanguage");
        if (file)
            desk.files().write(kSettings, *file);
        program = std::make_unique<Program>(desk.platformFor(desk.addProcess(kExe)),
                                            CommandLine(std::vector<std::string>{}));
        program->Start();
    }

    std::u16string TitleW(Hwnd window) { return desk.windows().window(window).titleW; }
};

TEST(InterfaceLanguage, TheUsersLanguageOrTheFilesKeyChoosesEveryTextTheUserSees) {
    struct Case {
        const char* name;
        std::uint16_t uiLanguage;
        std::uint16_t langId;
        std::optional<std::string> file;
        bool uiLanguageCallMissing;
        Language expected;
    };
    const Case cases[] = {
        {"Japanese interface", kJapanese, kEnglishUs, std::nullopt, false, Language::Japanese},
        {"English interface", kEnglishUs, kJapanese, std::nullopt, false, Language::English},
        {"no GetUserDefaultUILanguage", kEnglishUs, kJapanese, std::nullopt, true,
         Language::Japanese},
        {"key en", kJapanese, kJapanese, "[Config]\r\nLanguage=en\r\n", false, Language::English},
        {"key ja", kEnglishUs, kEnglishUs, "[Config]\r\nLanguage=ja\r\n", false,
         Language::Japanese},
        {"unknown key", kEnglishUs, kEnglishUs, "[Config]\r\nLanguage=de\r\n", false,
         Language::English},
        {"key elsewhere", kEnglishUs, kEnglishUs, "[Disable]\r\nLanguage=ja\r\n", false,
         Language::English},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Started s(c.uiLanguage, c.langId, c.file, c.uiLanguageCallMissing);
        ProgramController& form = *s.program->Controller();
        form.Controls().PPConfig.Click(); // its controls are made when it first opens
        const auto text = [&](TextId id) { return Text(c.expected, id); };
        EXPECT_EQ(s.TitleW(form.Window()), text(TextId::MainFormCaption).wide);
        EXPECT_EQ(s.TitleW(s.program->AppWindow()), text(TextId::AppTitle).wide);
        EXPECT_EQ(s.TitleW(form.Controls().BtnCancel.Window()), text(TextId::ButtonCancel).wide);
        EXPECT_EQ(s.TitleW(form.Controls().GroupBox1.Window()), text(TextId::GroupIgnore).wide);
        EXPECT_EQ(form.Controls().PPExit.WideCaption(), text(TextId::MenuExit).wide);
        ASSERT_EQ(s.desk.shellObjects().notifyIcons().size(), 1u);
        EXPECT_EQ(s.desk.shellObjects().notifyIcons()[0].tip,
                  sim::ToCp932(text(TextId::HintEnabled).wide));
        EXPECT_EQ(form.Controls().TxtCap.Text(), text(TextId::DefaultMoveTitle).ansi);
    }
}

TEST(InterfaceLanguage, ASaveKeepsTheKeyOrItsAbsenceAndEveryStoredValue) {
    for (const std::string key : {"", "Language=en\r\n", "Language=ja\r\n", "Language=x\r\n"}) {
        SCOPED_TRACE(key);
        const std::string title = "\x83_\x83\x81"; // ダメ, stored by a Japanese system
        Started s(kEnglishUs, kEnglishUs,
                  "[Config]\r\n" + key + "Title=" + title + "\r\nCaption=1\r\n");
        s.program->Controller()->PPExitClick();
        const std::string saved = s.desk.files().read(kSettings).value_or("");
        EXPECT_EQ(saved.find("Language") != std::string::npos, !key.empty()) << saved;
        if (!key.empty()) {
            EXPECT_NE(saved.find(key), std::string::npos) << saved;
        }
        EXPECT_NE(saved.find("Title=" + title + "\r\n"), std::string::npos) << saved;
    }
}

TEST(InterfaceLanguage, ASecondStartFindsTheRunningInstanceWhateverItsLanguage) {
    for (const char* key : {"", "Language=en\r\n", "Language=ja\r\n"}) {
        SCOPED_TRACE(key);
        Started s(kEnglishUs, kEnglishUs, std::string("[Config]\r\nTray=0\r\n") + key);
        Program second(s.desk.platformFor(s.desk.addProcess(kExe)),
                       CommandLine(std::vector<std::string>{}));
        EXPECT_FALSE(second.Start());
        EXPECT_TRUE(s.program->Controller()->SettingsWindow().Visible());
    }
}

} // namespace
} // namespace vm
