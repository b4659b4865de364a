// The command-line switches. Only the first two arguments are looked at,
// each as a whole string, exactly and case-sensitively, and a switch counts
// only in its own position.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace vm {

class CommandLine {
public:
    CommandLine() = default;
    explicit CommandLine(std::vector<std::string> args) : args_(std::move(args)) {}

    bool HasArguments() const { return !args_.empty(); }
    std::size_t Count() const { return args_.size(); }
    // "/w": restart start, skips the single-instance test.
    bool IsRestart() const { return Arg(0) == "/w"; }
    // "/Q": quick mode, one pass and end.
    bool IsQuick() const { return Arg(0) == "/Q"; }
    // "/S" in second place: silent mode.
    bool IsSilent() const { return Arg(1) == "/S"; }

private:
    std::string Arg(std::size_t index) const { return index < args_.size() ? args_[index] : ""; }

    std::vector<std::string> args_;
};

} // namespace vm
