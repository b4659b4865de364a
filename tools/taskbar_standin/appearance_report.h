// What the bar reports of its own looks: whether it is layered, visible, and
// the constant alpha another program gave it.
#pragma once

#include <windows.h>

namespace standin {

// The answer to the appearance query (see dock_command.h).
LRESULT ReportAppearance(HWND bar);

} // namespace standin
