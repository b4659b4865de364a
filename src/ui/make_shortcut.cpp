#include "ui/make_shortcut.h"

#include <memory>

#include "encoding/path_text.h"
#include "platform/constants.h"
#include "ui/shell_folders.h"
#include "ui/shortcut_error.h"

namespace vm {

int ShowCommandOf(TShowMode mode) {
    switch (mode) {
        case TShowMode::tsNormal:
            return sw::SHOWNORMAL;
        case TShowMode::tsMax:
            return sw::MAXIMIZE;
        case TShowMode::tsMin:
            return sw::SHOWMINNOACTIVE;
    }
    return sw::SHOW;
}

void TMakeShortCut::MakeShortcut() {
    std::string prefix;
    if (SCSystemPath == TSysPath::tpDesktop)
        prefix = GetShellFolder(os_, kShellFolderDesktop);
    else if (SCSystemPath == TSysPath::tpStartMenu)
        prefix = GetShellFolder(os_, kShellFolderStartMenu);
    const std::string fileName = prefix + SCFileName;
    if (!IsFullPath(fileName) || fileName.size() >= kMaxPath || SCExecFile.size() >= kMaxPath ||
        SCWorkDir.size() >= kMaxPath) {
        return;
    }

    std::unique_ptr<IShellLinkWriter> link;
    const HResult created = shell_.CoCreateInstanceShellLink(link);
    if (created < 0 || !link)
        throw ShortcutError("no shell link object",
                            FailedCall::HResultOf("CoCreateInstance", created));
    link->SetDescription(SCDescription.c_str());
    link->SetPath(SCExecFile.c_str());
    link->SetArguments(SCArguments.c_str());
    link->SetShowCmd(ShowCommandOf(SCShowCmd));
    link->SetWorkingDirectory(SCWorkDir.c_str());
    link->Save(fileName);
}

} // namespace vm
