// The shell of the real desktop: shell32 one to one, and the shell link
// object through COM.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/shell.h"

namespace vm {

class Win32Shell final : public IShell {
public:
    std::uintptr_t SHAppBarMessage(std::uint32_t message, AppBarData& data) override;
    std::uintptr_t SHGetFileInfoA(const char* path, std::uint32_t fileAttributes, ShFileInfo& info,
                                  std::uint32_t flags) override;
    bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconData& data) override;
    bool Shell_NotifyIconGetRect(Hwnd window, std::uint32_t id, Rect& rect) override;
    std::intptr_t ShellExecuteA(Hwnd window, const char* operation, const char* file,
                                const char* parameters, const char* directory,
                                int showCommand) override;
    HResult CoCreateInstanceShellLink(std::unique_ptr<IShellLinkWriter>& link) override;
};

} // namespace vm
