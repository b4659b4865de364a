#include "options/watch_settings.h"

#include <algorithm>

#include "encoding/text.h"

namespace vm {

bool WatchSettings::Ignores(std::string_view text) const {
    return std::any_of(ignoreList.begin(), ignoreList.end(),
                       [text](const std::string& entry) { return EqualsIgnoreCase(entry, text); });
}

} // namespace vm
