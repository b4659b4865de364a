// The shell link object (CLSID_ShellLink) through its IShellLinkA and
// IPersistFile interfaces, as far as the program writes shortcuts with it.
// Destroying it releases both interfaces.
#pragma once

#include <string>

#include "platform/types.h"

namespace vm {

class IShellLinkWriter {
public:
    virtual ~IShellLinkWriter() = default;

    virtual HResult SetDescription(const char* description) = 0;
    virtual HResult SetPath(const char* path) = 0;
    virtual HResult SetArguments(const char* arguments) = 0;
    virtual HResult SetShowCmd(int showCommand) = 0;
    virtual HResult SetWorkingDirectory(const char* folder) = 0;
    // IPersistFile::Save(name, FALSE) with the ANSI name converted to UTF-16
    // in the system code page; an existing file is overwritten.
    virtual HResult Save(const std::string& fileName) = 0;
};

} // namespace vm
