// Shell links on the simulated desktop: the link object a program fills
// in, and the shortcut files it saved, kept as records tests read back.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/shell_link.h"

namespace vm::sim {

class SimDesktop;

// What a saved shortcut holds.
struct ShellLinkRecord {
    std::string description;
    std::string path;
    std::string arguments;
    int showCmd = 1; // a new link shows its window normally
    std::string workingDirectory;
    bool operator==(const ShellLinkRecord&) const = default;
};

class SimShellLink final : public IShellLinkWriter {
public:
    SimShellLink(SimDesktop& desk, std::uint32_t pid) : desk_(desk), pid_(pid) {}

    HResult SetDescription(const char* description) override;
    HResult SetPath(const char* path) override;
    HResult SetArguments(const char* arguments) override;
    HResult SetShowCmd(int showCommand) override;
    HResult SetWorkingDirectory(const char* folder) override;
    // Fails when the folder does not exist, the path is too long or the
    // file cannot be written; otherwise writes the file and its record.
    HResult Save(const std::string& fileName) override;

private:
    HResult Set(const char* name, std::string& field, const char* text, std::size_t limit);

    SimDesktop& desk_;
    std::uint32_t pid_;
    ShellLinkRecord link_;
};

} // namespace vm::sim
