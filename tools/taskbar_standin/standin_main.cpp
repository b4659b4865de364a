// taskbar_standin.exe: a taskbar for the end-to-end tests and the demo under
// Wine, whose own shell always reports a one-pixel bar at the bottom. Docks a
// bar at the given edge, answers the shell's appbar queries about it, holds
// the notification area's icons, moves it on request and ends on WM_CLOSE to
// the bar.
#include <windows.h>

#include <string>
#include <vector>

#include "../common/program_arguments.h"
#include "appbar_service.h"
#include "docked_bar.h"
#include "standin_options.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const auto options = standin::ParseStandinOptions(tools::ProgramArguments());
    if (!options)
        return 2;
    standin::StandinState state;
    state.options = *options;
    state.notifyArea.SetLog(state.options.notifyLog);
    if (standin::CreateAppBarService(instance, state) == nullptr)
        return 1;
    if (standin::CreateDockedBar(instance, state) == nullptr)
        return 1;
    // A new taskbar tells every program, so they add their icons again.
    PostMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    if (!state.options.readyFile.empty()) {
        HANDLE ready = CreateFileW(state.options.readyFile.c_str(), GENERIC_WRITE, 0, nullptr,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (ready != INVALID_HANDLE_VALUE)
            CloseHandle(ready);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
