#include "soak/soak_checks.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "sim_desktop/cp932.h"
#include "options/watch_settings.h"
#include "settings/ini_file.h"
#include "encoding/text.h"

namespace vm::soak {

namespace {

// A maximized window's overhang on the desktop's Windows XP: SM_CYFRAME, no
// padding.
constexpr int kFrame = 4;
constexpr std::uint32_t kFrameBits = 0x00FFFFFFu;
// The three built-in images, the three in use and the tray's own copy of
// each image it has shown.
constexpr std::size_t kMaxIcons = 9;

// ANSI text as the program keeps it: cut at the first NUL, trailing blanks
// and control characters removed.
std::string Cleaned(std::string text) {
    text = text.substr(0, text.find('\0'));
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.pop_back();
    return text;
}

// The upper-case file name of an executable path; a 0x5C that is the trail
// byte of a double-byte character is no folder separator.
std::string ExeName(const std::string& path) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(path[i])))
            ++i;
        else if (path[i] == '\\')
            start = i + 1;
    }
    return AsciiUpper(std::string_view(path).substr(start));
}

std::int64_t Overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::int64_t{std::min(a.right, b.right)} - std::max(a.left, b.left);
    const std::int64_t h = std::int64_t{std::min(a.bottom, b.bottom)} - std::max(a.top, b.top);
    return (w > 0 && h > 0) ? w * h : 0;
}

// The comma-separated integer arguments of a logged call, as far as they
// are integers.
std::vector<int> IntArgs(const std::string& args) {
    std::vector<int> values;
    std::size_t start = 0;
    while (start <= args.size()) {
        const std::size_t comma = std::min(args.find(',', start), args.size());
        values.push_back(
            static_cast<int>(std::strtoll(args.substr(start, comma - start).c_str(), nullptr, 10)));
        start = comma + 1;
    }
    return values;
}

std::string Describe(Hwnd window, const Rect& r) {
    return "window " + std::to_string(window.Value()) + " at (" + std::to_string(r.left) + "," +
           std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
           std::to_string(r.bottom) + ")";
}

// The shell's windows, known by class (and executable) whatever their title.
struct Exclusion {
    const char* className;
    const char* exe; // nullptr: any
};
const std::array<Exclusion, 5> kExclusions = {{
    {"ViewControlClass", nullptr},
    {"SysDragImage", nullptr},
    {"Button", "EXPLORER.EXE"},
    {"DV2ControlHost", nullptr},
    {"VANUITooltip", nullptr},
}};

// What differs between the ignore list in a settings file and a list;
// empty when they are the same.
std::string IgnoreListDiffers(const IniFile& file, const std::vector<std::string>& list) {
    if (file.ReadInteger("Disable", "Count", -2) != static_cast<int>(list.size()) - 1)
        return "the ignore list's count";
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (file.ReadString("Disable", std::to_string(i), "") != list[i])
            return "ignore-list entry " + std::to_string(i);
    }
    return {};
}

// The saves the soak makes fail, into the read-only folder (denied) or with
// a torn write (the disk full), are handled where they happen and leave
// their trace without reaching the error hook. Any other line is an error.
bool IsProvokedSaveFailure(const std::string& line) {
    const std::string_view text = line;
    const bool startsAsOne = text.substr(0, 22) == "Velmora: cannot write ";
    const bool denied = text.find(" (WriteWholeFile failed: GetLastError 5 (") != text.npos;
    const bool full = text.find(" (WriteWholeFile failed: GetLastError 112 (") != text.npos;
    return startsAsOne && (denied || full);
}

} // namespace

SoakChecks::SoakChecks(SoakScene& scene) : scene_(scene) {
    invariants_ = {{"moves within the rules"},
                   {"nothing eligible left above the watch line after a pass"},
                   {"watch line, slider and menu follow the taskbar"},
                   {"titles come back after the announcement"},
                   {"log of moved windows without duplicates, only growing, bounded"},
                   {"settings file parses and keeps every saved key"},
                   {"windows, timers, icons and lists of the program bounded"},
                   {"program resident, timer running"},
                   {"OK saves the settings window, Cancel brings the file's back"},
                   {"no error reaches the error hook"}};
}

void SoakChecks::Begin() {
    std::string ignored;
    UpdateWatchLine(ignored);
    scene_.desk.clearCalls();
}

void SoakChecks::AfterRestart() {
    log_.clear();
    logFolded_.clear();
    tracking_ = true;
    watchLine_ = 0;
    autoHideSeen_ = false;
    taskbarHidden_ = false;
    Begin();
}

SoakChecks::Seen SoakChecks::Observe(Hwnd window) {
    const sim::SimWindow& w = scene_.desk.windows().window(window);
    Seen seen;
    seen.rect = w.rect;
    seen.style = w.style;
    seen.visible = w.visible();
    seen.enabled = w.enabled();
    seen.minimized = w.minimized();
    seen.maximized = w.maximized();
    seen.titleW = w.titleW;
    // GetWindowTextA reads into a buffer of 260 bytes.
    seen.title = w.titleA().substr(0, 259);
    seen.className = Cleaned(w.className);
    seen.exeName = ExeName(scene_.ExeOf(w.pid));
    return seen;
}

SoakChecks::Options SoakChecks::ReadOptions() {
    ProgramController& form = *scene_.program->Controller();
    const MainFormControls& c = form.Controls();
    return Options{form.SettingsWindow().Visible(),
                   c.PPEnabled.Checked(),
                   c.PPMax.Checked(),
                   c.PPRestore.Checked(),
                   c.PPReSize.Checked(),
                   c.PPDialog.Checked(),
                   c.PPActive.Checked(),
                   c.PPHideON.Checked(),
                   scene_.desk.windows().foreground()};
}

void SoakChecks::Snapshot() {
    before_.clear();
    for (const Hwnd window : scene_.Windows())
        before_.emplace(window, Observe(window));
    optionsBefore_ = ReadOptions();
    if (scene_.desk.shellObjects().taskbar() != 0)
        taskbars_.insert(scene_.desk.shellObjects().taskbar());
    peakWindows = std::max(peakWindows, before_.size());
}

bool SoakChecks::IsTaskbar(const std::string& args) const {
    const auto window = static_cast<Hwnd>(static_cast<unsigned>(IntArgs(args).at(0)));
    return taskbars_.count(window) != 0;
}

bool SoakChecks::Touched(Hwnd window) const {
    return std::any_of(scene_.touchedInStep.begin(), scene_.touchedInStep.end(),
                       [window](const auto& touched) { return touched.first == window; });
}

bool SoakChecks::MainlyOnPrimary(const Rect& r) const {
    const std::int64_t primary = Overlap(r, kPrimary);
    if (primary == 0)
        return false;
    return std::all_of(scene_.extraMonitors.begin(), scene_.extraMonitors.end(),
                       [&](const auto& m) { return Overlap(r, m.second) <= primary; });
}

bool SoakChecks::IsProtected(const Seen& seen) const {
    const std::string raw = seen.title;
    const std::string title = Cleaned(raw);
    if (!seen.visible || !seen.enabled || seen.minimized || raw.empty() || raw == "Program Manager")
        return true;
    for (const Exclusion& row : kExclusions) {
        if (seen.className == row.className &&
            (row.exe == nullptr || seen.exeName == row.exe))
            return true;
    }
    for (const char* entry : kIgnoreList) {
        if (EqualsIgnoreCase(entry, seen.exeName) || EqualsIgnoreCase(entry, title) ||
            EqualsIgnoreCase(entry, seen.className))
            return true;
    }
    const std::size_t dot = seen.exeName.rfind('.');
    if (dot != std::string::npos && seen.exeName.substr(dot) == ".SCR")
        return true;
    return (seen.style & kFrameBits) == 0;
}

bool SoakChecks::MayMove(const Seen& seen, const Options& options) const {
    if (!tracking_ || taskbarHidden_ || options.settingsVisible || !options.enabled ||
        options.foreground == scene_.desk.shellObjects().taskbar())
        return false;
    if (IsProtected(seen))
        return false;
    const Rect& r = seen.rect;
    const std::int64_t width = std::int64_t{r.right} - r.left;
    const std::int64_t height = std::int64_t{r.bottom} - r.top;
    if (seen.maximized && (!options.max || autoHideSeen_))
        return false;
    if (!MainlyOnPrimary(r) || r.top >= watchLine_)
        return false;
    if (scene_.extraMonitors.empty()) {
        const Rect& bar = scene_.taskbar.appBar;
        if (r.top + height < 0 || r.left + width < bar.left || r.left > bar.right)
            return false;
    }
    if (width >= kPrimary.Width() && height >= kPrimary.Height() &&
        (seen.style & ws::THICKFRAME) == 0)
        return false;
    // A maximized window under a bar that reserves its band fills the work
    // area below the watch line; elsewhere only its overhang is allowed.
    return !(seen.maximized &&
             (scene_.primaryWork.top >= watchLine_ || r.top >= watchLine_ - kFrame));
}

void SoakChecks::UpdateWatchLine(std::string& failure) {
    const TaskbarState& bar = scene_.taskbar;
    const MainFormControls& c = scene_.program->Controller()->Controls();
    Count(kWatchLine);
    if (bar.edge == abe::TOP) {
        tracking_ = true;
        const int band = bar.appBar.bottom - bar.appBar.top;
        const int position = c.Slider.Position();
        if (c.Slider.Min() != -band || c.Slider.Max() != band || position < -band ||
            position > band) {
            failure = "slider range " + std::to_string(c.Slider.Min()) + ".." +
                      std::to_string(c.Slider.Max()) + " position " + std::to_string(position) +
                      " for a band of " + std::to_string(band);
        }
        // Which options the menu offers follows the last pass that found
        // the taskbar at the top; a pass at another edge keeps it.
        autoHideSeen_ = bar.autoHide;
        const bool reserve = c.PPHideON.Checked() && bar.autoHide;
        watchLine_ = (reserve ? bar.appBar.bottom : bar.window.bottom) + std::int64_t{position};
    } else if (bar.edge == abe::BOTTOM || bar.edge == abe::LEFT || bar.edge == abe::RIGHT) {
        tracking_ = false;
    }
    if (failure.empty() && c.PPEnabled.Visible() != tracking_)
        failure = std::string("the menu ") + (tracking_ ? "shrank" : "did not shrink") +
                  " with the taskbar at edge " + std::to_string(bar.edge);
    if (failure.empty() && bar.edge == abe::TOP && c.PPHideON.Enabled() != bar.autoHide)
        failure = "the reserve-area item does not follow auto-hide";
}

std::string SoakChecks::Check() {
    const Options after = ReadOptions();
    std::string failure = CheckCalls(optionsBefore_);
    if (failure.empty())
        failure = CheckNoneLeftAbove(optionsBefore_, after);
    if (failure.empty())
        failure = CheckTitles();
    if (failure.empty())
        failure = CheckLog();
    if (failure.empty())
        failure = CheckSettingsFile();
    if (failure.empty())
        failure = CheckResources();
    if (failure.empty())
        failure = CheckSettingsClosed();
    if (failure.empty())
        failure = CheckNoErrors();
    scene_.desk.clearCalls();
    return failure;
}

std::string SoakChecks::CheckNoErrors() {
    Count(kNoErrors);
    for (const std::string& line : scene_.desk.system().takeDebugOutput()) {
        if (!IsProvokedSaveFailure(line))
            return "an error reached the error hook: " + line;
    }
    return {};
}

std::string SoakChecks::CheckCalls(const Options& before) {
    const std::vector<sim::CallRecord>& calls = scene_.desk.calls();
    passesInStep_ = 0;
    restoredInStep_.clear();
    if (scene_.desk.shellObjects().taskbar() != 0)
        taskbars_.insert(scene_.desk.shellObjects().taskbar());
    std::uint64_t enumerations = 0;
    // The watch line first: the pass works it out before it moves anything.
    // A pass looks for the taskbar once, and again after each sleep while
    // there is none.
    bool afterSleep = false;
    for (const sim::CallRecord& call : calls) {
        if (call.pid != scene_.velmoraPid)
            continue;
        if (call.name == "EnumWindows")
            ++enumerations;
        else if (call.name == "FindWindowA" && call.args.rfind("Shell_TrayWnd,", 0) == 0 &&
                 !afterSleep)
            ++passesInStep_;
        afterSleep = call.name == "Sleep";
        // The program hides the taskbar and shows it again; meanwhile no
        // window is a candidate.
        if ((call.name == "ShowWindow" || call.name == "ShowWindowAsync") && IsTaskbar(call.args))
            taskbarHidden_ = IntArgs(call.args).at(1) == sw::HIDE;
    }
    passes += passesInStep_;
    ticks += enumerations - std::min(enumerations, passesInStep_);
    std::string failure;
    if (passesInStep_ > 0)
        UpdateWatchLine(failure);
    if (!failure.empty())
        return failure;
    for (const sim::CallRecord& call : calls) {
        if (call.pid != scene_.velmoraPid)
            continue;
        // The program moves with MoveWindow or SetWindowPos, restores with
        // ShowWindow or ShowWindowAsync and swaps titles with SetWindowText
        // or WM_SETTEXT; raising a window without moving it is no move.
        std::vector<int> args = IntArgs(call.args);
        const bool place = call.name == "SetWindowPos" && args.size() == 7 &&
                           (static_cast<std::uint32_t>(args[6]) & (swp::NOMOVE | swp::NOSIZE)) !=
                               (swp::NOMOVE | swp::NOSIZE);
        if (place)
            args = {args[0], args[2], args[3], args[4], args[5]};
        const bool move = call.name == "MoveWindow" || place;
        const bool show = call.name == "ShowWindow" || call.name == "ShowWindowAsync";
        const bool title =
            call.name == "SetWindowTextA" || call.name == "SetWindowTextW" ||
            ((call.name == "SendMessageTimeoutA" || call.name == "SendMessageTimeoutW") &&
             args.size() > 1 && args[1] == static_cast<int>(wm::SETTEXT));
        if (!move && !show && !title)
            continue;
        const auto window = static_cast<Hwnd>(static_cast<unsigned>(args.at(0)));
        const sim::SimWindow* own = nullptr;
        if (scene_.desk.windows().exists(window))
            own = &scene_.desk.windows().window(window);
        const bool ours = own != nullptr && own->pid == scene_.velmoraPid;
        // The program places its own windows, but never as a foreign one.
        if (ours && own->className == "VelmoraApp" && (move || title))
            return call.name + "(" + call.args + ") on the program's own application window";
        if (window == sim::kDesktopWindow || ours || (show && IsTaskbar(call.args)))
            continue;
        Count(kMovesWithinRules);
        if (move)
            ++moves;
        // A window restored earlier in the step (a window event between two
        // ticks, then the tick's pass) is moved from its restored rectangle,
        // which the step's first look did not see.
        if (move && restoredInStep_.count(window) != 0)
            continue;
        if (show && args.size() > 1 && args[1] == sw::RESTORE) {
            ++restores;
            restoredInStep_.insert(window);
        }
        if (Touched(window))
            continue;
        const auto seen = before_.find(window);
        if (seen == before_.end())
            return call.name + " on window " + std::to_string(window.Value()) +
                   ", which is not another program's";
        if (!MayMove(seen->second, before))
            return call.name + "(" + call.args + ") on " + Describe(window, seen->second.rect) +
                   ", which the rules leave alone (watch line " + std::to_string(watchLine_) + ")";
        if (move || show) {
            failure = CheckMove(window, args, before);
            if (!failure.empty())
                return call.name + "(" + call.args + "): " + failure;
        }
    }
    return {};
}

std::string SoakChecks::CheckMove(Hwnd window, const std::vector<int>& args,
                                  const Options& before) {
    const Seen& seen = before_.at(window);
    const Rect& r = seen.rect;
    if (args.size() == 2) {
        if (args[1] != sw::RESTORE || !seen.maximized || !before.max || !before.restore)
            return "a show command other than restoring a maximized window";
        return {};
    }
    if (args.size() < 5)
        return "unexpected arguments";
    const bool centred = before.dialog && seen.className == "#32770";
    std::int64_t left = r.left;
    std::int64_t top = watchLine_;
    std::int64_t height = std::int64_t{r.bottom} - r.top;
    const std::int64_t width = std::int64_t{r.right} - r.left;
    const Rect& work = scene_.primaryWork;
    if (centred) {
        left = (std::int64_t{work.left} + work.right - width) / 2;
        top = (std::int64_t{work.top} + work.bottom - height) / 2;
    }
    if (before.reSize)
        height = std::min<std::int64_t>(height, std::llabs(std::int64_t{work.bottom} - watchLine_));
    if (args[1] != left || args[2] != top || args[3] != width || args[4] != height)
        return "expected (" + std::to_string(left) + "," + std::to_string(top) + ") " +
               std::to_string(width) + "x" + std::to_string(height) + " for " +
               Describe(window, r) + ", watch line " + std::to_string(watchLine_);
    return {};
}

std::string SoakChecks::CheckNoneLeftAbove(const Options& before, const Options& after) {
    // Only after a pass that nothing disturbed: a change in the middle of
    // the step may come after the window was looked at.
    if (passesInStep_ == 0 || scene_.midStepEvents != 0 ||
        after.foreground == scene_.desk.shellObjects().taskbar())
        return {};
    Count(kNoneLeftAbove);
    for (const Hwnd window : scene_.Windows()) {
        const Seen seen = Observe(window);
        const Rect& r = seen.rect;
        // Windows whose fate depends on more than the rules themselves.
        if (seen.maximized || scene_.Refuses(window) || restoredInStep_.count(window) != 0 ||
            (before.dialog && seen.className == "#32770") ||
            (before.active && (window == before.foreground || window == after.foreground)))
            continue;
        if (r.left < kPrimary.left || r.right > kPrimary.right || r.bottom <= 0)
            continue;
        if (MayMove(seen, before) && MayMove(seen, after))
            return "after a full pass " + Describe(window, r) + " (class '" + seen.className +
                   "', title '" + Cleaned(seen.title) + "', exe '" + seen.exeName +
                   "') is still above the watch line " + std::to_string(watchLine_);
    }
    return {};
}

std::string SoakChecks::CheckTitles() {
    for (const auto& [window, seen] : before_) {
        if (!scene_.desk.windows().exists(window) || Touched(window))
            continue;
        Count(kTitlesRestored);
        if (scene_.desk.windows().window(window).titleW != seen.titleW)
            return "the title of window " + std::to_string(window.Value()) +
                   " did not come back as '" + sim::ToCp932(seen.titleW) + "' but is '" +
                   sim::ToCp932(scene_.desk.windows().window(window).titleW) + "'";
    }
    return {};
}

std::string SoakChecks::CheckLog() {
    Count(kLogUnique);
    const std::vector<std::string>& items =
        scene_.program->Controller()->Controls().ListBoxLog.Items();
    if (items.size() < log_.size() || !std::equal(log_.begin(), log_.end(), items.begin()))
        return "the log of moved windows lost or changed entries";
    for (std::size_t i = log_.size(); i < items.size(); ++i) {
        if (!logFolded_.insert(sim::FoldAsciiCase(items[i])).second)
            return "the log of moved windows holds '" + items[i] + "' twice";
        log_.push_back(items[i]);
    }
    peakLogEntries = std::max(peakLogEntries, log_.size());
    const std::size_t bound =
        scene_.ExePoolSize() + scene_.TitlePoolSize() + scene_.ClassPoolSize();
    if (log_.size() > bound)
        return "the log of moved windows grew to " + std::to_string(log_.size()) +
               " entries from pools of " + std::to_string(bound) + " names";
    return {};
}

std::string SoakChecks::CheckSettingsFile() {
    sim::SimFiles& files = scene_.desk.files();
    Count(kSettingsFile);
    if (files.exists(std::string(kSettingsPath) + ".tmp"))
        return "a temporary settings file was left behind";
    const std::uint64_t stamp = files.modifiedAt(kSettingsPath);
    if (stamp == fileStamp_)
        return {};
    fileStamp_ = stamp;
    const std::optional<std::string> bytes = files.read(kSettingsPath);
    if (!bytes)
        return "the settings file is gone";
    // Every key that was ever in the file: the program writes all of its
    // own and keeps those it does not know.
    std::set<std::pair<std::string, std::string>> keys;
    std::string section;
    std::size_t start = 0;
    while (start < bytes->size()) {
        const std::size_t end = std::min(bytes->find("\r\n", start), bytes->size());
        const std::string line = bytes->substr(start, end - start);
        start = end + 2;
        if (line.size() > 1 && line.front() == '[' && line.back() == ']')
            section = sim::FoldAsciiCase(line.substr(1, line.size() - 2));
        else if (const std::size_t eq = line.find('='); eq != std::string::npos)
            keys.emplace(section, sim::FoldAsciiCase(line.substr(0, eq)));
    }
    for (const auto& key : savedKeys_) {
        if (keys.count(key) == 0)
            return "the settings file lost the key " + key.first + "/" + key.second;
    }
    const IniFile file = IniFile::Parse(*bytes);
    const std::int32_t count = file.ReadInteger("Disable", "Count", -2);
    if (count < -1)
        return "the settings file has no readable ignore-list count";
    for (std::int32_t i = 0; i <= count; ++i) {
        if (!file.ReadValue("Disable", std::to_string(i)))
            return "the settings file misses ignore-list entry " + std::to_string(i);
    }
    savedKeys_.insert(keys.begin(), keys.end());
    return {};
}

std::string SoakChecks::CheckResources() {
    ProgramController& form = *scene_.program->Controller();
    Count(kStillRunning);
    if (form.Closed()) {
        // Only a change of the desktop's size closes it, to start again.
        const std::vector<sim::CallRecord>& calls = scene_.desk.calls();
        const bool restart = std::any_of(calls.begin(), calls.end(), [&](const auto& call) {
            return call.pid == scene_.velmoraPid && call.name == "ShellExecuteA" &&
                   call.args.find(",/w,") != std::string::npos;
        });
        return restart ? std::string() : "the program closed without starting again";
    }
    if (!form.WatchTimer().Enabled())
        return "the program is no longer resident: its watch timer stopped";
    Count(kResources);
    std::size_t own = 0;
    for (const Hwnd window : scene_.desk.windows().zOrder()) {
        if (scene_.desk.windows().window(window).pid == scene_.velmoraPid)
            ++own;
    }
    // The application window, the settings window and the tray icon's
    // hidden handler window; nothing the program does may add another.
    if (own > 3)
        return "the program has " + std::to_string(own) + " windows";
    // The watch timer, and the re-look timer while reported windows wait to
    // be shown.
    const std::size_t timers = scene_.desk.scheduler().timerCount(scene_.velmoraPid);
    if (timers < 1 || timers > 2)
        return "the program has " + std::to_string(timers) + " timers";
    // Every rebuild of the images after OK or Cancel lets go of the old ones.
    const std::size_t icons = scene_.desk.shellObjects().liveIcons(scene_.velmoraPid);
    peakIcons = std::max(peakIcons, icons);
    if (icons > kMaxIcons)
        return "the program holds " + std::to_string(icons) + " icons";
    // The scene's entries stay; the user's spare names come and go.
    const std::vector<std::string> list = form.Controls().ListBoxDisable.Items();
    if (list.size() > kIgnoreList.size() + kSpareIgnoreNames.size())
        return "the ignore list has " + std::to_string(list.size()) + " entries";
    for (const char* entry : kIgnoreList) {
        if (std::find(list.begin(), list.end(), entry) == list.end())
            return std::string("the ignore list lost ") + entry;
    }
    return {};
}

std::string SoakChecks::CheckSettingsClosed() {
    if (!scene_.settingsClosed)
        return {};
    Count(kOkCancel);
    const SettingsClosed& closed = *scene_.settingsClosed;
    const char* button = closed.ok ? "OK" : "Cancel";
    // OK with a file that cannot be written keeps the window open.
    if (closed.ok && !closed.writable) {
        if (closed.hidden)
            return "OK closed the settings window without saving";
        return closed.fileAfter == closed.fileBefore ? std::string()
                                                     : "OK changed a read-only settings file";
    }
    if (!closed.hidden)
        return std::string(button) + " left the settings window open";
    if (!closed.ok && closed.fileAfter != closed.fileBefore)
        return "Cancel wrote the settings file";
    const IniFile file = IniFile::Parse(closed.fileAfter);
    const int saved = file.ReadInteger("Config", "Position", kOffsetRange.defaultValue);
    const int slider = closed.sliderAfter;
    // OK keeps the slider and saves it; Cancel shows the file's position,
    // kept inside the band.
    const int expected =
        closed.ok ? closed.slider : std::clamp(saved, closed.sliderMin, closed.sliderMax);
    if (closed.ok && saved != closed.slider)
        return "OK saved Position " + std::to_string(saved) + " for a slider at " +
               std::to_string(closed.slider);
    // OK saved the list the window shows; Cancel shows the one in the file.
    if (const std::string differs = IgnoreListDiffers(file, closed.listAfter); !differs.empty())
        return std::string(button) + " left " + differs + " different in the window and the file";
    if (slider != expected)
        return std::string(button) + " left the slider at " + std::to_string(slider) +
               " instead of " + std::to_string(expected);
    return {};
}

std::string SoakChecks::CheckFinalSave(const MainFormControls& atExit) {
    const std::optional<std::string> bytes = scene_.desk.files().read(kSettingsPath);
    if (!bytes)
        return "no settings file after the exit";
    const IniFile file = IniFile::Parse(*bytes);
    const std::array<std::pair<const char*, const MenuItem*>, 7> items = {{
        {"Enable", &atExit.PPEnabled},
        {"Hide", &atExit.PPHideON},
        {"Max", &atExit.PPMax},
        {"Restore", &atExit.PPRestore},
        {"ReSize", &atExit.PPReSize},
        {"Dialog", &atExit.PPDialog},
        {"Active", &atExit.PPActive},
    }};
    for (const auto& [key, item] : items) {
        if (file.ReadBool("Config", key, !item->Checked()) != item->Checked())
            return std::string("the exit saved ") + key + " wrong";
    }
    if (file.ReadInteger("Config", "Position", 999) != atExit.Slider.Position())
        return "the exit saved Position wrong";
    if (const std::string differs = IgnoreListDiffers(file, atExit.ListBoxDisable.Items());
        !differs.empty())
        return "the exit saved " + differs + " wrong";
    for (const auto& [section, key] : scene_.handKeys) {
        if (!file.ReadValue(section, key))
            return "the exit lost the hand-written key " + key;
    }
    return CheckSettingsFile();
}

} // namespace vm::soak
