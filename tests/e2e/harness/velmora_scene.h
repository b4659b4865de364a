// The fixture of the end-to-end tests: a scratch folder holding a copy of
// Velmora.exe and its settings file, the taskbar stand-in, spawned windows
// and the Velmora processes, all ended and removed when the test ends.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"
#include "scratch_folder.h"
#include "spawned_windows.h"
#include "taskbar_standin.h"

namespace e2e {

// The settings file's name for this system and user:
// "vmr_" + version short name + "_" + user name + ".ini".
std::string ExpectedSettingsFileName();

// Lines joined with CR LF, each line ended.
std::string IniText(std::initializer_list<const char*> lines);

class VelmoraScene : public ::testing::Test {
protected:
    void SetUp() override;

    const std::wstring& Folder() const { return folder_.Path(); }
    std::wstring VelmoraPath() const { return Folder() + L"Velmora.exe"; }
    std::wstring SettingsPath() const;
    bool WriteSettings(const std::string& text);

    // Starts the stand-in and waits until the shell reports its bar.
    bool StartStandin(const StandinSpec& spec = {});
    TaskbarStandin& Standin() { return *standin_; }
    // Closes the stand-in, then starts a new one, as when the shell restarts.
    bool RestartStandin(const StandinSpec& spec = {});

    // Starts the copy of Velmora.exe with the argument text.
    ChildProcess& StartVelmora(const std::wstring& args = L"");

    // True once the process shows its controller window (class "TMainForm").
    static bool WaitForController(const ChildProcess& velmora);

    // Opens Velmora's tray menu with the right button and types an item's
    // access key, as a user does.
    bool ChooseMenuItem(const ChildProcess& velmora, wchar_t accessKey);

    // Starts Velmora and waits until it ends by itself: its exit code, none
    // when it still runs after a generous limit.
    std::optional<DWORD> RunVelmoraToEnd(const std::wstring& args);

    // Starts Velmora and waits for its controller.
    bool StartResidentVelmora(const std::wstring& args = L"");

    // The usual start of a test: the stand-in, then a resident Velmora.
    bool StartStandinAndVelmora(const StandinSpec& spec = {});

    // Opens windows and waits until they are shown; the first of them, null
    // on failure. They may come from a copy of the spawner under another
    // file name.
    HWND Spawn(const WindowSpec& spec, const std::wstring& exeName = L"");

    // Opens a window at y = 0 from a program named witness_app.exe and waits
    // until Velmora has moved it to the watch line: proof that a full pass
    // ran after everything opened before it.
    bool WitnessMoveTo(int watchLine);

    // Makes the window count change and waits until the stand-in answers a
    // position query after that: a full pass started after everything
    // opened before this call, whatever the bar's edge.
    bool WaitForPassAfterNow();

private:
    ScratchFolder folder_;
    std::unique_ptr<TaskbarStandin> standin_;
    std::vector<std::unique_ptr<SpawnedWindows>> spawned_;
    std::vector<std::unique_ptr<ChildProcess>> velmoras_;
};

// How long Velmora may take to react to a change: a few ticks of 250 ms,
// generous for a loaded machine.
inline constexpr DWORD ReactionLimit = 10000;

// How long a window must stay as it is, once a pass has run, to count as
// untouched: a pass handles the windows below a moved one within
// milliseconds, after the 100 ms flash of each move.
inline constexpr DWORD StillPeriod = 750;

// True once the window's top edge is at y.
bool WaitForTop(HWND window, int y);

} // namespace e2e
