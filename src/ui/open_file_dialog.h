// The one file-open dialog of the settings window: an existing file, the name
// cleared, the filter and title of each use.
#pragma once

#include <optional>
#include <string>

#include "platform/types.h"
#include "platform/window_system.h"

namespace vm {

// filter: "name|pattern|…" as the texts hold it. The chosen path; nothing
// when the user cancels.
std::optional<std::string> ChooseOpenFile(IWindowSystem& win, Hwnd owner, const char* title,
                                          const char* filter);

} // namespace vm
