#include "app/program.h"

#include <utility>

#include "app/hand_over.h"
#include "encoding/sjis_literals.h"
#include "platform/constants.h"
#include "settings/interface_language.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {
constexpr char kAppWindowClass[] = "VelmoraApp";
} // namespace

Program::Program(Platform platform, CommandLine commandLine)
    : context_{platform, std::move(commandLine), ReadSystemVersion(platform.os)} {
    IWindowSystem& win = context_.platform.win;
    // Shown with a caption whenever the settings window closes: in the middle
    // of the primary monitor, no watch line reaches it. Closing it (Alt+F4,
    // another program's WM_CLOSE) closes the program, as closing the main
    // window does: the default handling would destroy it and the windows it
    // owns and leave the process running blind.
    appWindow_ = ProgramWindow(
        win, {.className = kAppWindowClass,
              .title = Text(Language::Japanese, TextId::AppTitle).ansi,
              .style = ws::POPUP | ws::CAPTION | ws::CLIPSIBLINGS | ws::SYSMENU | ws::MINIMIZEBOX,
              .x = win.GetSystemMetrics(sm::CXSCREEN) / 2,
              .y = win.GetSystemMetrics(sm::CYSCREEN) / 2,
              .proc = [this](Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                             std::intptr_t lParam) -> MsgResult {
                  if (controller_) {
                      if (const MsgResult held = controller_->Gate(window, msg, wParam, lParam))
                          return held;
                  }
                  if (msg != wm::CLOSE)
                      return std::nullopt;
                  if (controller_)
                      controller_->OnCloseMessage();
                  return 0;
              }});
}

Program::~Program() {
    // The controller's windows go before the window that owns them; COM is
    // left last.
    controller_.reset();
    appWindow_ = {};
    if (comInitialised_)
        context_.platform.os.CoUninitialize();
}

bool Program::Start() {
    IWindowSystem& win = context_.platform.win;
    IOperatingSystem& os = context_.platform.os;
    const CommandLine& cmd = context_.commandLine;
    // The instance that restarts us may still hold the mutex for a moment.
    if (cmd.IsRestart())
        os.Sleep(1000);
    if (!HoldInstanceMutex(cmd.IsRestart())) {
        if (!cmd.HasArguments())
            SendShowRequest(win, appWindow_.Get());
        return false;
    }
    comInitialised_ = os.CoInitialize();
    context_.language = ChooseInterfaceLanguage(context_);
    win.SetWindowTextW(appWindow_.Get(), context_.Text(TextId::AppTitle).wide);
    SetToolWindowStyle(win, appWindow_.Get());
    controller_ = std::make_unique<ProgramController>(context_, appWindow_.Get());
    controller_->Start();
    win.ShowWindow(appWindow_.Get(), sw::HIDE);
    controller_->RunFullPass();
    return true;
}

bool Program::HoldInstanceMutex(bool restart) {
    IOperatingSystem& os = context_.platform.os;
    // Created and checked in one step: of two starts at the same moment only
    // one finds the mutex new. A mutex that cannot be made stops no one.
    mutex_ = Own(os, os.CreateMutexA(false, sjis::kMutexName));
    const bool existed =
        mutex_ && os.GetLastError() == static_cast<std::uint32_t>(error::ALREADY_EXISTS);
    if (!existed || restart)
        return true;
    mutex_.Reset();
    return false;
}

int Program::Run() {
    if (!controller_)
        return 0;
    context_.platform.win.RunMessageLoop();
    context_.platform.os.ReleaseMutex(mutex_.Get());
    return 0;
}

int ProgramMain(Platform platform, std::vector<std::string> args) {
    Program program(platform, CommandLine(std::move(args)));
    if (!program.Start())
        return 0;
    return program.Run();
}

} // namespace vm
