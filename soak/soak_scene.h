// The soak's desktop: one resident Velmora on a simulated desktop whose
// other programs, taskbar, displays and user act at random, from one seed.
// Everything the scene does is drawn from small pools (executables, titles,
// classes), so the program's log of moved windows stays bounded however long
// the run.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "app/program.h"
#include "sim_desktop/sim_desktop.h"

namespace vm::soak {

inline constexpr char kExePath[] = "C:\\Velmora\\Velmora.exe";
inline constexpr char kProgramFolder[] = "C:\\Velmora\\";
inline constexpr char kSettingsPath[] = "C:\\Velmora\\vmr_XP_Taro.ini";
inline constexpr Rect kPrimary{0, 0, 1024, 768};
// The ignore list of the settings file: an executable, a title, a class (in
// another letter case than the windows') and a Shift-JIS title (表示).
inline constexpr std::array<const char*, 4> kIgnoreList = {"ignored.exe", "Ignored Title",
                                                           "ignoredclass", "\x95\x5C\x8E\xA6"};
// Names the user adds to the ignore list and takes off again in the settings
// window: no window of the scene has them, so the rules stay the scene's.
inline constexpr std::array<const char*, 4> kSpareIgnoreNames = {"SPARE0.EXE", "SPARE1.EXE",
                                                                 "SPARE2.EXE", "SPARE3.EXE"};

// How busy the desktop is: realistic (a user at work) or hostile (churn
// every tick, changes in the middle of the program's passes).
enum class Rate { Realistic, Hostile };

// The user's last OK or Cancel in the settings window: the slider as it
// was clicked, the settings file before and after.
struct SettingsClosed {
    bool ok = false;
    bool writable = false;
    bool hidden = false; // the window went away
    int slider = 0;      // as the user left it
    int sliderAfter = 0; // once the button did its work
    int sliderMin = 0, sliderMax = 0;
    std::vector<std::string> listAfter; // the ignore list
    std::string fileBefore, fileAfter;
};

// What the scene knows about the taskbar it set up.
struct TaskbarState {
    std::uint32_t edge = abe::TOP;
    int thickness = 30;
    bool autoHide = false;
    bool slidAway = false; // an auto-hidden bar slid out of view
    Rect appBar;           // what the shell reports
    Rect window;           // the bar window's rectangle
};

class SoakScene {
public:
    explicit SoakScene(std::uint64_t seed);
    ~SoakScene();
    SoakScene(const SoakScene&) = delete;
    SoakScene& operator=(const SoakScene&) = delete;

    // Starts Velmora; false when it did not start.
    bool Start(std::vector<std::string> args = {});
    // After the program closed to restart itself: a new instance with "/w".
    bool Restart();
    // Before a step: the outside world changes, and at the hostile rate
    // some changes are set to happen in the middle of the coming step.
    void Churn(Rate rate);
    // The program's own action of the user: closes it (with the exit item)
    // with a writable settings file.
    void ExitProgram();

    sim::SimDesktop desk;
    std::unique_ptr<Program> program;
    std::uint32_t velmoraPid = 0;
    std::uint32_t userPid = 0; // the process the "user" posts messages from
    Rect primaryWork{0, 30, 1024, 768};
    std::vector<std::pair<HMonitor, Rect>> extraMonitors;

    TaskbarState taskbar;
    bool settingsReadOnly = false;
    // Windows changed by something that happened during the step, with the
    // time; the checks leave them alone.
    std::vector<std::pair<Hwnd, std::uint64_t>> touchedInStep;
    std::uint64_t midStepEvents = 0; // in the current step
    std::optional<SettingsClosed> settingsClosed; // in the current step
    // Keys written to the settings file by hand (section, key).
    std::set<std::pair<std::string, std::string>> handKeys;

    // Every other program's window the scene made and that still exists.
    std::vector<Hwnd> Windows() const;
    // The executable path of another program's process.
    std::string ExeOf(std::uint32_t pid) const;
    // The windows that ignore MoveWindow.
    bool Refuses(Hwnd window) const;
    std::size_t TitlePoolSize() const;
    std::size_t ExePoolSize() const;
    std::size_t ClassPoolSize() const;

    // The last things the scene did, for a failure report.
    const std::deque<std::string>& Recent() const { return recent_; }
    std::uint64_t restarts = 0;
    std::uint64_t windowsCreated = 0, windowsDestroyed = 0, processesEnded = 0, events = 0;

    void BeginStep();

private:
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(rng_() % n); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int Between(int lo, int hi) {
        return lo + static_cast<int>(Below(static_cast<std::uint32_t>(hi - lo + 1)));
    }
    void Note(std::string what);

    void WriteInitialSettings();
    void PutThingsBack();
    void OneEvent(Rate rate);
    void OneMidStepEvent();
    std::uint32_t AddProcess();
    Hwnd AnyWindow();
    std::uint32_t AnyProcess();

    void CreateWindow();
    void DestroyWindow();
    void EndProcess();
    void MoveUnderTaskbar(Hwnd window);
    void Retitle(Hwnd window);
    void ShowCommand(Hwnd window, int command);
    void ChangeForeground();
    void ChangeTaskbar();
    void SlideTaskbar();
    void ApplyTaskbar();
    void RestartShell();
    void ChangeMonitors();
    void SettingsWindow();
    // The user adds a spare name to the ignore list, or takes one off.
    void EditIgnoreList();
    void ToggleMenuOption();
    void MoveCursor(bool ontoTaskbar);
    void ToggleReadOnly();
    void TearNextWrite();
    void CloseFromOutside();
    void PostClose();
    void EditSettingsByHand();

    std::mt19937_64 rng_;
    std::vector<std::uint32_t> processes_;
    std::map<std::uint32_t, std::string> exes_;
    std::set<Hwnd> refusing_;
    // The top the scene last gave each window. A window put back exactly
    // where it was before the program moved it would look to the program as
    // if the move had no effect, and be left alone by design.
    std::map<Hwnd, int> placedTop_;
    HMonitor primaryMonitor_ = 0;
    std::deque<std::string> recent_;
    std::uint64_t handEdits_ = 0;
    bool closePosted_ = false; // in this step
};

} // namespace vm::soak
