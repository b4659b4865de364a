#include "watcher/exclusion_table.h"

#include "encoding/text.h"

namespace vm {

namespace {
constexpr std::string_view kExplorer = "EXPLORER.EXE";
} // namespace

const std::array<BuiltInExclusion, 5> kBuiltInExclusions{{
    {"ViewControlClass", {}}, // the view slider
    {"SysDragImage", {}},     // the image under a drag
    {"Button", kExplorer},    // the start button
    {"DV2ControlHost", {}},   // the start menu
    {"VANUITooltip", {}},     // the network tooltip
}};

const std::array<BuiltInExclusion, 15> kShellSurfaces{{
    // Start, search and the notification toasts.
    {"Windows.UI.Core.CoreWindow", {}},
    // The notification area's overflow.
    {"NotifyIconOverflowWindow", {}},
    {"TopLevelWindowForOverflowXamlIsland", {}},
    // The taskbar's thumbnails and its XAML popups.
    {"TaskListThumbnailWnd", {}},
    {"Xaml_WindowedPopupClass", {}},
    {"XamlExplorerHostIslandWindow", {}},
    // Task view and Alt+Tab.
    {"MultitaskingViewFrame", {}},
    {"TaskSwitcherWnd", {}},
    {"ForegroundStaging", {}},
    // The input switcher.
    {"Shell_InputSwitchTopLevelWindow", {}},
    // Flyouts of the shell; the host class serves other programs too.
    {"ClockFlyoutWindow", kExplorer},
    {"NativeHWNDHost", kExplorer},
    {"Shell_LightDismissOverlay", kExplorer},
    // The edge UI of Windows 8.
    {"EdgeUiInputTopWndClass", {}},
    {"ApplicationManager_DesktopShellWindow", {}},
}};

bool Matches(const BuiltInExclusion& row, const WindowIdentity& identity) {
    if (!row.exeName.empty() && AsciiUpper(identity.ExeName) != row.exeName)
        return false;
    return identity.ClassName == row.className;
}

} // namespace vm
