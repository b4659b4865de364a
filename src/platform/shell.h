// The shell: application-bar queries, starting programs.
#pragma once

#include <cstdint>

#include "platform/types.h"

namespace vm {

class IShell {
public:
    virtual ~IShell() = default;

    virtual std::uintptr_t SHAppBarMessage(std::uint32_t message, AppBarData& data) = 0;
    // Returns a value above 32 on success, as ShellExecuteA.
    virtual std::intptr_t ShellExecuteA(Hwnd window, const char* operation, const char* file,
                                        const char* parameters, const char* directory,
                                        int showCommand) = 0;
};

} // namespace vm
