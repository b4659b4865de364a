// What every subsystem of one program instance shares: the platform, the
// command line and the system version read at start. It sits below the
// subsystems (settings, watcher, app), which all include it from here.
#pragma once

#include "platform/platform.h"
#include "program/command_line.h"
#include "program/windows_version.h"
#include "translations/ui_texts.h"

namespace vm {

struct ProgramContext {
    Platform platform;
    CommandLine commandLine;
    SystemVersion system;
    // The interface language, chosen once at start.
    Language language = Language::Japanese;

    UiText Text(TextId id) const { return vm::Text(language, id); }
    // A text the program stores or hands on as ANSI bytes.
    const char* AnsiText(TextId id) const {
        return vm::AnsiText(language, id, platform.os.GetACP());
    }
};

} // namespace vm
