// A program started for one test. The destructor ends it if it still runs,
// so a failing test leaves no process behind.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace e2e {

class ChildProcess {
public:
    // Starts exe with the argument text (appended after the quoted exe path)
    // in the given folder (empty: the test's own). Check Started().
    ChildProcess(const std::wstring& exe, const std::wstring& args,
                 const std::wstring& folder = L"");
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    bool Running() const;

    // The exit code once the process has ended within the time, else nothing.
    std::optional<DWORD> WaitForExit(DWORD milliseconds) const;

    // Ends the process at once and waits until it is gone.
    void Terminate();

private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

} // namespace e2e
