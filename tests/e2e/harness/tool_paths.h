// Where the programs under test lie, as the build gives them (Windows paths).
#pragma once

#include <string>

#include "scratch_folder.h"

#if !defined(VELMORA_EXE_PATH) || !defined(VELMORA_TOOL_TASKBAR_STANDIN_PATH) ||                   \
    !defined(VELMORA_TOOL_WINDOW_SPAWNER_PATH)
#error "the build must define the paths of Velmora.exe and the helper tools"
#endif

namespace e2e {

inline std::wstring VelmoraExePath() {
    return WideFromAnsi(VELMORA_EXE_PATH);
}

inline std::wstring StandinExePath() {
    return WideFromAnsi(VELMORA_TOOL_TASKBAR_STANDIN_PATH);
}

inline std::wstring SpawnerExePath() {
    return WideFromAnsi(VELMORA_TOOL_WINDOW_SPAWNER_PATH);
}

} // namespace e2e
