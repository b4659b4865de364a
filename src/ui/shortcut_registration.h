// The two buttons that register the program with the shell: a shortcut in
// the user's Startup folder (a plain resident start at every logon) and one
// in the Quick Launch folder (arguments "/Q /S": one quiet pass, then the
// program ends). Each asks first; neither reports success or failure.
#pragma once

#include <string>

#include "platform/types.h"
#include "program/program_context.h"
#include "ui/make_shortcut.h"

namespace vm {

// The shortcut's file name in either folder.
inline constexpr char kShortcutFileName[] = "Velmora!.lnk";
inline constexpr char kQuickLaunchArguments[] = "/Q /S";

// The working folder of the program's shortcuts: the parent of the folder
// that holds the executable, with a trailing backslash (a drive's root for
// an executable in the root). Empty when the path is not a full one.
std::string ShortcutWorkingFolder(const std::string& exePath);

class ShortcutRegistration {
public:
    explicit ShortcutRegistration(ProgramContext& context)
        : MakeShortCut(context.platform.shell, context.platform.os), context_(context) {}

    // owner: the window the question belongs to.
    void BtnStartUpClick(Hwnd owner);
    void BtnQuickLaunchClick(Hwnd owner);

    TMakeShortCut MakeShortCut;

private:
    bool Confirm(Hwnd owner, TextId question);
    // Writes the program's shortcut into folder, when that is an existing
    // folder given by its full path, and otherwise tells the user so.
    void Register(Hwnd owner, const std::string& folder, const char* arguments,
                  const char* description);

    ProgramContext& context_;
};

} // namespace vm
