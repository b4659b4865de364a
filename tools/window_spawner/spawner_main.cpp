// window_spawner.exe: opens real top-level windows from a process of its own,
// for the end-to-end tests, the demo and the CPU measurement, and keeps them
// open until they are closed or the process is ended.
#include <windows.h>

#include <string>
#include <vector>

#include "../common/program_arguments.h"
#include "latency_log.h"
#include "program_reactions.h"
#include "rect_file.h"
#include "spawned_window.h"
#include "spawner_options.h"
#include "title_log.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const auto options = spawner::ParseSpawnerOptions(tools::ProgramArguments());
    if (!options)
        return 2;
    if (!spawner::RegisterSpawnerClass(instance, *options))
        return 1;
    HWND first = nullptr;
    for (int i = 0; i < options->count; ++i) {
        HWND window = spawner::OpenSpawnedWindow(instance, *options);
        if (window == nullptr)
            return 1;
        if (first == nullptr)
            first = window;
    }
    // Titles given from now on come from outside.
    spawner::StartTitleLog(options->logPath);
    spawner::StartRectFile(first, options->rectPath);
    spawner::StartReactions(*options);
    const auto startTimer = [](unsigned ms) {
        return ms == 0 ? 0 : SetTimer(nullptr, 0, ms, nullptr);
    };
    const UINT_PTR bounceTimer = startTimer(options->bounceMilliseconds);
    const UINT_PTR reopenTimer = startTimer(options->reopenMilliseconds);
    const UINT_PTR hangTimer = startTimer(options->hangMilliseconds);
    HWND countChanger = nullptr;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == nullptr && message.wParam == hangTimer) {
            // A program whose thread no longer answers: its windows hang.
            for (;;)
                Sleep(INFINITE);
        }
        if (message.message == WM_TIMER && message.hwnd == nullptr &&
            message.wParam == reopenTimer) {
            // The new window opens before the old one closes, so the process
            // never runs out of windows.
            spawner::StartLatencyClock(options->latencyPath);
            HWND again = spawner::OpenSpawnedWindow(instance, *options);
            spawner::TimeWindow(again);
            if (again != nullptr) {
                DestroyWindow(first);
                first = again;
                spawner::StartRectFile(first, options->rectPath);
            }
            continue;
        }
        if (message.message == WM_TIMER && message.hwnd == nullptr &&
            message.wParam == bounceTimer) {
            SetWindowPos(first, nullptr, options->left, options->top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            // The number of top-level windows changes with every bounce, so a
            // watcher notices it whichever window is in the foreground.
            if (countChanger != nullptr) {
                DestroyWindow(countChanger);
                countChanger = nullptr;
            } else {
                countChanger = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                               nullptr, instance, nullptr);
            }
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
