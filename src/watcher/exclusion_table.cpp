#include "watcher/exclusion_table.h"

#include "sys/sjis_literals.h"
#include "sys/text.h"

namespace vm {

const std::array<BuiltInExclusion, 5> kBuiltInExclusions{{
    {sjis::kExcludeViewSliderTitle, "ViewControlClass", {}},
    {"Drag", "SysDragImage", {}},
    {sjis::kExcludeStartButtonTitle, "Button", "EXPLORER.EXE"},
    {sjis::kExcludeStartMenuTitle, "DV2ControlHost", {}},
    {"View Available Networks (Tooltip)", "VANUITooltip", {}},
}};

bool Matches(const BuiltInExclusion& row, const WindowIdentity& identity) {
    if (!row.exeName.empty() && AsciiUpper(identity.ExeName) != row.exeName)
        return false;
    return identity.Title == row.title && identity.ClassName == row.className;
}

} // namespace vm
