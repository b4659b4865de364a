// The shell: application-bar queries, file icons, starting programs,
// shell links.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/shell_link.h"
#include "platform/types.h"

namespace vm {

class IShell {
public:
    virtual ~IShell() = default;

    virtual std::uintptr_t SHAppBarMessage(std::uint32_t message, AppBarData& data) = 0;
    // The record is zeroed first, so a failed call leaves no icon behind.
    virtual std::uintptr_t SHGetFileInfoA(const char* path, std::uint32_t fileAttributes,
                                          ShFileInfo& info, std::uint32_t flags) = 0;
    // The notification area; true when the shell took the request.
    virtual bool Shell_NotifyIconW(std::uint32_t message, const NotifyIconData& data) = 0;
    // Where the shell shows the icon, in screen coordinates; false where it
    // cannot say (the call came with Windows 7: looked up at run time).
    virtual bool Shell_NotifyIconGetRect(Hwnd window, std::uint32_t id, Rect& rect) = 0;
    // Returns a value above 32 on success, as ShellExecuteA.
    virtual std::intptr_t ShellExecuteA(Hwnd window, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        int showCommand) = 0;
    // CoCreateInstance of CLSID_ShellLink for IShellLinkA, then its
    // IPersistFile (COM initialised by the caller): the HRESULT of the first
    // that fails, link left null, or S_OK with the link.
    virtual HResult CoCreateInstanceShellLink(std::unique_ptr<IShellLinkWriter>& link) = 0;
};

} // namespace vm
