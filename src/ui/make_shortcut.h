// TMakeShortCut: the description of one shortcut, written by MakeShortcut
// through the shell link object. The caller sets every property first.
#pragma once

#include <string>

#include "platform/operating_system.h"
#include "platform/shell.h"

namespace vm {

enum class TShowMode { tsNormal, tsMax, tsMin };
// The folder SCFileName is relative to: none, the user's desktop, the
// user's start menu.
enum class TSysPath { tpBlank, tpDesktop, tpStartMenu };

// SW_SHOWNORMAL, SW_SHOWMAXIMIZED, SW_SHOWMINNOACTIVE; SW_SHOW otherwise.
int ShowCommandOf(TShowMode mode);

class TMakeShortCut {
public:
    TMakeShortCut(IShell& shell, IOperatingSystem& os) : shell_(shell), os_(os) {}

    // Writes the shortcut SCSystemPath's folder + SCFileName, overwriting a
    // file of that name. The results of the link's calls are not looked at.
    // Nothing is written when the file name is not a full path or any path
    // is longer than MAX_PATH allows (never cut). Throws ShortcutError when
    // no shell link object can be created.
    void MakeShortcut();

    std::string SCFileName;
    TShowMode SCShowCmd = TShowMode::tsNormal;
    std::string SCDescription;
    std::string SCExecFile;
    std::string SCArguments;
    std::string SCWorkDir;
    TSysPath SCSystemPath = TSysPath::tpBlank;

private:
    IShell& shell_;
    IOperatingSystem& os_;
};

} // namespace vm
