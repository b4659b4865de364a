#include "ui/shortcut_registration.h"

#include <string>

#include "encoding/path_text.h"
#include "platform/constants.h"
#include "ui/shell_folders.h"

namespace vm {

std::string ShortcutWorkingFolder(const std::string& exePath) {
    return ParentFolder(FolderOfFile(exePath));
}

void ShortcutRegistration::BtnStartUpClick(Hwnd owner) {
    if (!Confirm(owner, TextId::AskStartUp))
        return;
    Register(owner, GetShellFolder(context_.platform.os, kShellFolderStartup), "",
             context_.AnsiText(TextId::ShortcutDescription));
}

void ShortcutRegistration::BtnQuickLaunchClick(Hwnd owner) {
    if (!Confirm(owner, TextId::AskQuickLaunch))
        return;
    Register(owner, GetQuickLaunchFolder(context_.platform.os, context_.system.info),
             kQuickLaunchArguments, "");
}

bool ShortcutRegistration::Confirm(Hwnd owner, TextId question) {
    return context_.platform.win.MessageBoxW(owner, context_.Text(question).wide,
                                             context_.Text(TextId::MessageCaption).wide,
                                             mb::YESNO | mb::ICONINFORMATION) == id_::YES;
}

// FolderExists refuses a folder that is no full path: "\\" from a missing
// registry value would put the shortcut into the current drive's root. The
// user, who asked for the shortcut, learns that it was not written.
void ShortcutRegistration::Register(Hwnd owner, const std::string& folder, const char* arguments,
                                    const char* description) {
    if (!FolderExists(context_.platform.os, folder)) {
        std::u16string text = context_.Text(TextId::ShortcutFolderNotFound).wide;
        if (IsFullPath(folder))
            text += u"\r\n" + context_.platform.os.MultiByteToWideChar(folder);
        context_.platform.win.MessageBoxW(owner, text.c_str(),
                                          context_.Text(TextId::MessageCaption).wide,
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
