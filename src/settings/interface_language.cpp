#include "settings/interface_language.h"

#include <string>

#include "platform/unique.h"
#include "settings/app_settings.h"
#include "settings/ini_file.h"
#include "settings/settings_file_io.h"
#include "settings/settings_file_names.h"

namespace vm {

namespace {

std::optional<Language> ReadLanguageSetting(ProgramContext& context) {
    IOperatingSystem& os = context.platform.os;
    std::string path = SettingsFileName(os, context.system.version);
    if (!os.FileExists(path))
        path = LegacySettingsFileName(os);
    std::string content;
    if (ReadSettingsFile(os, path, content) != SettingsFileState::Read)
        return std::nullopt;
    return ParseLanguageSetting(
        IniFile::Parse(content).ReadString(app_settings::kConfig, app_settings::kLanguage, ""));
}

std::uint16_t UserInterfaceLanguage(IOperatingSystem& os) {
    std::uint16_t language = 0;
    if (const Unique<HModule> kernel32 = Own(os, os.LoadLibraryA("kernel32.dll"))) {
        language = os.GetUserDefaultUILanguage(
            os.GetProcAddress(kernel32.Get(), "GetUserDefaultUILanguage"));
    }
    return language != 0 ? language : os.GetUserDefaultLangID();
}

} // namespace

Language ChooseInterfaceLanguage(ProgramContext& context) {
    if (const std::optional<Language> setting = ReadLanguageSetting(context))
        return *setting;
    return ChooseLanguage(std::nullopt, UserInterfaceLanguage(context.platform.os));
}

} // namespace vm
