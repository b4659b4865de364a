// The parts of the program the watcher's classes work with, handed over by
// name: each class keeps what it needs of them.
#pragma once

#include "program/program_context.h"
#include "watcher/taskbar_tracker.h"
#include "watcher/watch_host.h"
#include "watcher/watch_options.h"
#include "watcher/watch_outputs.h"
#include "watcher/watch_state.h"
#include "window_info/display_monitors.h"
#include "window_info/window_state.h"

namespace vm {

struct WatcherParts {
    ProgramContext& context;
    // The options as the current pass took them.
    const WatchOptions& options;
    WatchOutputs& outputs;
    WatchHost& host;
    WatchState& state;
    DisplayMonitors& monitors;
    TaskbarTracker& tracker;
    // Cloaking, the user's drag and the maximized overhang, with the calls
    // looked up once for all.
    WindowState& windowState;
};

} // namespace vm
