// What must hold after every step of the soak, judged from the outside: the
// desktop's windows, the calls the program made (the desktop's call log),
// the program's visible state and the settings file on disk. The watch line
// and the window rules are worked out here again, independently of the
// program, from what the scene set up.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "soak/soak_scene.h"

namespace vm::soak {

struct Invariant {
    const char* name;
    std::uint64_t checks = 0;
};

class SoakChecks {
public:
    explicit SoakChecks(SoakScene& scene);

    // After the program's start: its first pass worked out the watch line.
    void Begin();
    // A new instance took over: its log of moved windows starts empty.
    void ProgramRestarted();
    // Right before the step, after the churn: the state the program's pass
    // will see.
    void Snapshot();
    // After the step. Empty when everything holds, else what failed. A
    // program that closed must have asked for its restart.
    std::string Check();
    // After a restart: a new instance, with an empty log, that worked out
    // the watch line at its first pass.
    void AfterRestart();
    // After the exit: the file holds what the program had.
    std::string CheckFinalSave(const MainFormControls& atExit);

    const std::vector<Invariant>& Invariants() const { return invariants_; }
    std::uint64_t ticks = 0, passes = 0, moves = 0, restores = 0;
    std::size_t peakLogEntries = 0, peakWindows = 0, peakIcons = 0;

private:
    struct Seen {
        Rect rect;
        std::uint32_t style = 0;
        bool visible = false, enabled = false, minimized = false, maximized = false;
        std::string title; // as the program reads it: ANSI, trailing blanks cut
        std::u16string titleW;
        std::string className;
        std::string exeName;
    };
    struct Options {
        bool settingsVisible, enabled, max, restore, reSize, dialog, active, hideOn;
        Hwnd foreground;
    };
    enum Kind {
        kMovesWithinRules,
        kNoneLeftAbove,
        kWatchLine,
        kTitlesRestored,
        kLogUnique,
        kSettingsFile,
        kResources,
        kStillRunning,
        kOkCancel,
        kNoErrors,
        kInvariantCount
    };

    Seen Observe(Hwnd window);
    Options ReadOptions();
    bool Touched(Hwnd window) const;
    // Whether the first argument of a logged call is a taskbar window, of
    // now or from before the shell restarted.
    bool IsTaskbar(const std::string& args) const;
    // Whether the rules let the program touch the window in a pass that saw
    // it as seen, with the options as they were.
    bool MayMove(const Seen& seen, const Options& options) const;
    bool IsProtected(const Seen& seen) const;
    bool MainlyOnPrimary(const Rect& r) const;
    void UpdateWatchLine(std::string& failure);
    std::string CheckCalls(const Options& before);
    std::string CheckMove(Hwnd window, const std::vector<int>& args, const Options& before);
    std::string CheckNoneLeftAbove(const Options& before, const Options& after);
    std::string CheckTitles();
    std::string CheckLog();
    std::string CheckSettingsFile();
    std::string CheckResources();
    std::string CheckSettingsClosed();
    std::string CheckNoErrors();
    void Count(Kind kind) { ++invariants_[kind].checks; }

    SoakScene& scene_;
    std::vector<Invariant> invariants_;
    std::map<Hwnd, Seen> before_;
    Options optionsBefore_{};
    std::uint64_t passesInStep_ = 0;
    std::set<Hwnd> restoredInStep_;
    // The watch line as the program must have worked it out at its last
    // pass, and whether it was watching (taskbar at the top).
    std::int64_t watchLine_ = 0;
    bool tracking_ = true;
    bool autoHideSeen_ = false;
    bool taskbarHidden_ = false; // by the program
    std::set<Hwnd> taskbars_;
    std::vector<std::string> log_;
    std::set<std::string> logFolded_;
    std::set<std::pair<std::string, std::string>> savedKeys_;
    std::uint64_t fileStamp_ = ~0ull;
};

} // namespace vm::soak
