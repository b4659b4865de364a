// Which language the program speaks: chosen once at start, before any
// window shows a text.
#pragma once

#include "program/program_context.h"
#include "translations/ui_texts.h"

namespace vm {

// The settings file's Language key when it holds "ja" or "en" (the file of
// the older name counts while the current one is missing), else Japanese
// exactly when the user's interface language is Japanese:
// GetUserDefaultUILanguage, looked up in kernel32 at run time, or where it
// is missing GetUserDefaultLangID.
Language ChooseInterfaceLanguage(ProgramContext& context);

} // namespace vm
