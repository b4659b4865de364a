#include "ui/shortcut_registration.h"

#include <string>

#include "platform/constants.h"
#include "sys/path_text.h"
#include "sys/sjis_literals.h"
#include "ui/shell_folders.h"

namespace vm {

std::string ShortcutWorkingFolder(const std::string& exePath) {
    return ParentFolder(FolderOfFile(exePath));
}

void ShortcutRegistration::BtnStartUpClick(Hwnd owner) {
    if (!Confirm(owner, sjis::kAskStartUp))
        return;
    Register(owner, GetShellFolder(context_.platform.os, kShellFolderStartup), "",
             kShortcutCaption);
}

void ShortcutRegistration::BtnQuickLaunchClick(Hwnd owner) {
    if (!Confirm(owner, sjis::kAskQuickLaunch))
        return;
    Register(owner, GetQuickLaunchFolder(context_.platform.os, context_.system.info),
             kQuickLaunchArguments, "");
}

bool ShortcutRegistration::Confirm(Hwnd owner, const char* question) {
    return context_.platform.win.MessageBoxA(owner, question, kShortcutCaption,
                                             mb::YESNO | mb::ICONINFORMATION) == id_::YES;
}

// FolderExists refuses a folder that is no full path: "\\" from a missing
// registry value would put the shortcut into the current drive's root. The
// user, who asked for the shortcut, learns that it was not written.
void ShortcutRegistration::Register(Hwnd owner, const std::string& folder, const char* arguments,
                                    const char* description) {
    if (!FolderExists(context_.platform.os, folder)) {
        std::string text = sjis::kShortcutFolderNotFound;
        if (IsFullPath(folder))
            text += "\r\n" + folder;
        context_.platform.win.MessageBoxA(owner, text.c_str(), kShortcutCaption,
                                          mb::OK | mb::ICONWARNING);
        return;
    }
    const std::string exePath = context_.platform.os.GetModuleFileNameA();
    if (!IsFullPath(exePath))
        return;
    MakeShortCut.SCFileName = WithTrailingBackslash(folder) + kShortcutFileName;
    MakeShortCut.SCExecFile = exePath;
    MakeShortCut.SCArguments = arguments;
    MakeShortCut.SCWorkDir = ShortcutWorkingFolder(exePath);
    MakeShortCut.SCSystemPath = TSysPath::tpBlank;
    MakeShortCut.SCDescription = description;
    MakeShortCut.SCShowCmd = TShowMode::tsNormal;
    MakeShortCut.MakeShortcut();
}

} // namespace vm
