// The shell as one process on the simulated desktop sees it.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/shell.h"

namespace vm::sim {

class SimDesktop;

class SimShell final : public IShell {
public:
    SimShell(SimDesktop& desk, std::uint32_t pid) : desk_(desk), pid_(pid) {}

    std::uintptr_t SHAppBarMessage(std::uint32_t message, AppBarData& data) override;
    // Starts nothing; the call log shows what was asked.
    std::uintptr_t SHGetFileInfoA(const char* path, std::uint32_t fileAttributes, ShFileInfo& info,
                                  std::uint32_t flags) override;
    // Answers only while the desktop has a taskbar; adding an icon that is
    // there, or changing or deleting one that is not, fails.
    bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconData& data) override;
    bool Shell_NotifyIconGetRect(Hwnd window, std::uint32_t id, Rect& rect) override;
    std::intptr_t ShellExecuteA(Hwnd window, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                int showCommand) override;
    HResult CoCreateInstanceShellLink(std::unique_ptr<IShellLinkWriter>& link) override;

private:
    SimDesktop& desk_;
    std::uint32_t pid_;
};

} // namespace vm::sim
