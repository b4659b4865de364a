// The process entry: the single-instance rule with its hand-over, the
// controller's creation, the first full pass and the message loop.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/controller.h"
#include "platform/program_window.h"
#include "platform/unique.h"
#include "program/program_context.h"

namespace vm {

class Program {
public:
    // Module initialisation: reads the Windows version once and creates the
    // hidden application window that owns the program's other windows.
    Program(Platform platform, CommandLine commandLine);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The entry sequence up to the message loop. False when this start ends
    // at once because another instance runs.
    bool Start();
    // The message loop, then the mutex is released; the process exit code.
    int Run();

    ProgramController* Controller() { return controller_.get(); }
    Hwnd AppWindow() const { return appWindow_.Get(); }
    const ProgramContext& Context() const { return context_; }

private:
    // Creates or opens the mutex that marks a running instance. False when
    // another instance holds it, unless this is a restart, which stays
    // beside the instance that is ending.
    bool HoldInstanceMutex(bool restart);

    ProgramContext context_;
    ProgramWindow appWindow_;
    Unique<Handle> mutex_;
    bool comInitialised_ = false;
    std::unique_ptr<ProgramController> controller_;
};

// Start and Run in one: what WinMain does.
int ProgramMain(Platform platform, std::vector<std::string> args);

} // namespace vm
