// Records every title a spawned window is given after it was shown, so a test
// can see a title that was on screen only for a moment.
#pragma once

#include <string>

namespace spawner {

// Starts logging to the file (nothing is logged while the path is empty).
void StartTitleLog(const std::wstring& path);

// Appends the title as one line of UTF-8 hex, CR LF ended.
void LogTitle(const wchar_t* title);

} // namespace spawner
