// Whether a file holds icons: it exists, is not absurdly large and starts
// with an icon directory (reserved 0, type 1, at least one entry, all its
// entries present).
#pragma once

#include <string>

#include "platform/operating_system.h"

namespace vm {

bool IsIconFile(IOperatingSystem& os, const std::string& path);

} // namespace vm
