#include <windows.h>

#include "appearance_report.h"
#include "dock_command.h"

namespace standin {

LRESULT ReportAppearance(HWND bar) {
    unsigned report = 0;
    if ((GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_LAYERED) != 0)
        report |= AppearanceLayered;
    if (IsWindowVisible(bar))
        report |= AppearanceVisible;
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    if (GetLayeredWindowAttributes(bar, &key, &alpha, &flags) && (flags & LWA_ALPHA) != 0)
        report |= AppearanceAlphaSet | (static_cast<unsigned>(alpha) << AppearanceAlphaShift);
    return static_cast<LRESULT>(report);
}

} // namespace standin
