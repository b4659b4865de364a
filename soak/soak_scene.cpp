#include "soak/soak_scene.h"

#include <algorithm>
#include <array>
#include <utility>

#include "platform/constants.h"
#include "sim_desktop/cp932.h"
#include "settings/ini_file.h"
#include "encoding/sjis_literals.h"

namespace vm::soak {

namespace {

// Executables of the other programs. A folder and a name whose Shift-JIS
// characters carry the trail byte 0x5C (表, ソ) must not be cut there.
const std::array<const char*, 6> kExes = {
    "C:\\Apps\\Editor\\editor.exe",
    "C:\\Apps\\Mail\\MAIL.EXE",
    "C:\\Apps\\Ignored\\Ignored.exe",
    "C:\\Apps\\Saver\\stars.scr",
    "C:\\\x95\x5C\\\x83\x5C\x83\x74\x83\x67.exe", // C:\表\ソフト.exe
    "C:\\Apps\\Browser\\browser.exe",
};

// Titles: ANSI (Shift-JIS, with trail bytes 0x5C and 0x7C), UTF-16 outside
// code page 932, untitled ones, a title longer than the program's buffers.
struct Title {
    std::string ansi;
    std::u16string wide; // wins when not empty
};
const std::vector<Title>& Titles() {
    static const std::vector<Title> titles = {
        {"Untitled - Editor", {}},
        {"Inbox (3)", {}},
        {"Report|Draft", {}},
        {"\x83\x81\x83\x82\x92\xA0", {}},          // メモ帳
        {"\x95\x5C\x8E\xA6", {}},                  // 表示, on the ignore list
        {"\x83\x5C\x83\x74\x83\x67 \x83\x7C", {}}, // ソフト ポ
        {"ignored TITLE", {}},
        {"Drag", {}},
        {"View Available Networks (Tooltip)", {}},
        {sjis::kExcludeStartMenuTitle, {}},
        {"Program Manager", {}},
        {"", {}},
        {"   ", {}},
        {std::string(300, 'L'), {}},
        {{}, u"Caf\u00E9 \u2713 \U0001F600"},
        {{}, u"\u00C5ngstr\u00F6m \u20AC \u0E01"},
        {{}, std::u16string(u"half ") + char16_t(0xD800) + u" surrogate"},
    };
    return titles;
}

const std::array<const char*, 8> kClasses = {
    "EditorWindow",
    "MailFrame",
    "#32770",
    "IgnoredClass",
    "SysDragImage",
    "VANUITooltip",
    "DV2ControlHost",
    "\x95\x5C\x8E\xA6"
    "Class", // 表示Class
};

// Styles: framed and sizable, framed and fixed, frameless.
const std::array<std::uint32_t, 5> kStyles = {ws::OVERLAPPEDWINDOW, ws::OVERLAPPEDWINDOW,
                                              ws::CAPTION | ws::SYSMENU, ws::POPUP,
                                              ws::POPUP | ws::BORDER};

constexpr std::size_t kRecentEvents = 40;

std::string Hex(Hwnd window) {
    return std::to_string(window.Value());
}

} // namespace

SoakScene::SoakScene(std::uint64_t seed) : rng_(seed) {
    primaryMonitor_ = desk.addMonitor(kPrimary, {0, 30, 1024, 768});
    desk.addProgramManager();
    taskbar.appBar = taskbar.window = {0, 0, 1024, 30};
    desk.addTaskbar({.edge = abe::TOP, .rect = taskbar.window});
    userPid = desk.addProcess("C:\\WINDOWS\\user.exe");
    for (int i = 0; i < 6; ++i)
        AddProcess();
    for (int i = 0; i < 25; ++i)
        CreateWindow();
    WriteInitialSettings();
}

SoakScene::~SoakScene() = default;

void SoakScene::WriteInitialSettings() {
    // Announcements on, so every move swaps the title and back; a
    // translucent taskbar and start menu.
    std::string disable = "[Disable]\r\nCount=" + std::to_string(kIgnoreList.size() - 1) + "\r\n";
    for (std::size_t i = 0; i < kIgnoreList.size(); ++i)
        disable += std::to_string(i) + "=" + kIgnoreList[i] + "\r\n";
    desk.files().write(kSettingsPath, "[Config]\r\nTray=1\r\nEnable=1\r\nHide=0\r\nMax=1\r\n"
                                      "Restore=0\r\nReSize=0\r\nDialog=0\r\nActive=0\r\n"
                                      "Position=0\r\nCaption=1\r\n"
                                      "Title=\x88\xDA\x93\xAE\x92\x86\r\n" // 移動中
                                      "Play=1\r\nWave=C:\\Velmora\\dame.wav\r\nIcon0=\r\n"
                                      "Icon1=\r\nIcon2=\r\nWait=2\r\nTrans=60\r\n"
                                      "TransEnabled=1\r\nTransStartMenu=1\r\n\r\n" +
                                          disable + "\r\n");
    desk.files().write("C:\\Velmora\\dame.wav", "RIFF");
}

bool SoakScene::Start(std::vector<std::string> args) {
    velmoraPid = desk.addProcess(kExePath);
    program = std::make_unique<Program>(desk.platformFor(velmoraPid), CommandLine(std::move(args)));
    return program->Start();
}

bool SoakScene::Restart() {
    // What the system does with the program's ShellExecute of itself: the
    // old process ends, the new one starts with "/w".
    Note("Velmora restarts");
    ++restarts;
    program.reset();
    desk.endProcess(velmoraPid);
    return Start({"/w"});
}

std::vector<Hwnd> SoakScene::Windows() const {
    std::vector<Hwnd> windows;
    for (const Hwnd window : desk.windows().zOrder()) {
        const sim::SimWindow& w = const_cast<sim::SimDesktop&>(desk).windows().window(window);
        if (std::find(processes_.begin(), processes_.end(), w.pid) != processes_.end())
            windows.push_back(window);
    }
    return windows;
}

bool SoakScene::Refuses(Hwnd window) const {
    return refusing_.count(window) != 0;
}

std::size_t SoakScene::TitlePoolSize() const {
    return Titles().size();
}

std::size_t SoakScene::ExePoolSize() const {
    return kExes.size();
}

std::size_t SoakScene::ClassPoolSize() const {
    return kClasses.size();
}

void SoakScene::Note(std::string what) {
    recent_.push_back("t=" + std::to_string(desk.scheduler().now()) + " " + std::move(what));
    if (recent_.size() > kRecentEvents)
        recent_.pop_front();
}

void SoakScene::BeginStep() {
    touchedInStep.clear();
    midStepEvents = 0;
    closePosted_ = false;
    settingsClosed.reset();
}

void SoakScene::Churn(Rate rate) {
    PutThingsBack();
    if (rate == Rate::Realistic) {
        // About one change every five seconds.
        if (Chance(0.05))
            OneEvent(rate);
        return;
    }
    const int count = Between(0, 4);
    for (int i = 0; i < count; ++i)
        OneEvent(rate);
    // Changes that land while the program is in the middle of a pass (its
    // 100 ms announcement sleeps run the desktop on), so a window may go
    // between the rules and the move.
    if (Chance(0.3)) {
        const int midCount = Between(1, 3);
        for (int i = 0; i < midCount; ++i)
            desk.scheduler().at(desk.scheduler().now() +
                                    static_cast<std::uint64_t>(Between(1, 249)),
                                [this] { OneMidStepEvent(); });
    }
}

void SoakScene::PutThingsBack() {
    // The user does not leave the program idle for long: a settings window
    // is closed after a few seconds, watching switched back on, the taskbar
    // docked at the top again. So most of the day the program has work.
    ProgramController& form = *program->Controller();
    if (form.SettingsWindow().Visible() && Chance(0.05)) {
        Note("settings window cancelled");
        form.BtnCancelClick();
    }
    if (!form.Controls().PPEnabled.Checked() && Chance(0.1)) {
        Note("menu PPEnabled");
        form.Controls().PPEnabled.Click();
    }
    if (taskbar.edge != abe::TOP && Chance(0.05)) {
        taskbar.edge = abe::TOP;
        ApplyTaskbar();
    }
    if (desk.windows().foreground() == desk.shellObjects().taskbar() && Chance(0.3))
        ChangeForeground();
    // A hidden taskbar comes back when the cursor rests on its band.
    if (desk.shellObjects().taskbar() != 0 &&
        !desk.windows().window(desk.shellObjects().taskbar()).visible() && Chance(0.02))
        MoveCursor(true);
}

void SoakScene::OneEvent(Rate rate) {
    ++events;
    const std::uint32_t roll = Below(100);
    if (roll < 18) {
        if (Windows().size() < (rate == Rate::Hostile ? 120u : 60u))
            CreateWindow();
    } else if (roll < 28) {
        DestroyWindow();
    } else if (roll < 31) {
        EndProcess();
    } else if (roll < 46) {
        MoveUnderTaskbar(AnyWindow());
    } else if (roll < 56) {
        Retitle(AnyWindow());
    } else if (roll < 66) {
        const std::array<int, 5> commands = {sw::MAXIMIZE, sw::MINIMIZE, sw::RESTORE, sw::HIDE,
                                             sw::SHOW};
        ShowCommand(AnyWindow(), commands[Below(commands.size())]);
    } else if (roll < 75) {
        ChangeForeground();
    } else if (roll < 78) {
        ChangeTaskbar();
    } else if (roll < 82) {
        SlideTaskbar();
    } else if (roll < 84) {
        // Each display change makes the program start again.
        if (Chance(0.1))
            ChangeMonitors();
    } else if (roll < 86) {
        SettingsWindow();
    } else if (roll < 88) {
        MoveCursor(Chance(0.3));
    } else if (roll < 93) {
        ToggleMenuOption();
    } else if (roll < 95) {
        ToggleReadOnly();
    } else if (roll < 97) {
        CloseFromOutside();
    } else if (roll < 98) {
        TearNextWrite();
    } else if (roll < 99) {
        EditSettingsByHand();
    } else {
        RestartShell();
    }
}

void SoakScene::OneMidStepEvent() {
    ++midStepEvents;
    const Hwnd window = AnyWindow();
    if (window == 0)
        return;
    switch (Below(5)) {
        case 0:
            touchedInStep.emplace_back(window, desk.scheduler().now());
            Note("mid-step destroy " + Hex(window));
            ++windowsDestroyed;
            desk.destroyWindow(window);
            break;
        case 1: {
            const std::uint32_t pid = desk.windows().window(window).pid;
            for (const Hwnd w : Windows()) {
                if (desk.windows().window(w).pid == pid)
                    touchedInStep.emplace_back(w, desk.scheduler().now());
            }
            Note("mid-step end of process " + std::to_string(pid));
            ++processesEnded;
            desk.endProcess(pid);
            std::erase(processes_, pid);
            break;
        }
        case 2:
            touchedInStep.emplace_back(window, desk.scheduler().now());
            Retitle(window);
            break;
        case 3:
            touchedInStep.emplace_back(window, desk.scheduler().now());
            ShowCommand(window, sw::MINIMIZE);
            break;
        default:
            touchedInStep.emplace_back(window, desk.scheduler().now());
            MoveUnderTaskbar(window);
            break;
    }
}

std::uint32_t SoakScene::AddProcess() {
    const std::string exe = kExes[Below(kExes.size())];
    const std::uint32_t pid = desk.addProcess(exe);
    processes_.push_back(pid);
    exes_[pid] = exe;
    return pid;
}

std::string SoakScene::ExeOf(std::uint32_t pid) const {
    const auto it = exes_.find(pid);
    return it == exes_.end() ? std::string() : it->second;
}

Hwnd SoakScene::AnyWindow() {
    const std::vector<Hwnd> windows = Windows();
    return windows.empty() ? 0 : windows[Below(windows.size())];
}

std::uint32_t SoakScene::AnyProcess() {
    if (processes_.size() < 4 || Chance(0.05))
        return AddProcess();
    return processes_[Below(processes_.size())];
}

void SoakScene::CreateWindow() {
    sim::WindowSpec spec;
    const Title& title = Titles()[Below(Titles().size())];
    spec.title = title.ansi;
    spec.titleW = title.wide;
    spec.className = kClasses[Below(kClasses.size())];
    spec.style = kStyles[Below(kStyles.size())];
    int left = Between(-40, 900);
    int top = Between(-60, 300);
    int width = Between(100, 700);
    int height = Between(60, 700);
    const std::uint32_t shape = Below(20);
    if (shape == 0) { // the whole primary screen
        left = 0;
        top = 0;
        width = kPrimary.Width();
        height = kPrimary.Height();
    } else if (shape == 1) { // wholly above the screen
        top = -height - Between(1, 200);
    } else if (shape == 2) { // on another display, if there is one
        left = Between(1030, 1800);
    } else if (shape == 3) { // left of every display
        left = -width - Between(1, 400);
    }
    spec.rect = {left, top, left + width, top + height};
    spec.visible = !Chance(0.05);
    spec.enabled = !Chance(0.05);
    spec.maximized = Chance(0.08);
    spec.minimized = !spec.maximized && Chance(0.05);
    spec.pid = AnyProcess();
    spec.refusesMoves = Chance(0.03);
    const Hwnd window = desk.addWindow(spec);
    if (spec.refusesMoves)
        refusing_.insert(window);
    placedTop_[window] = top;
    ++windowsCreated;
    Note("create " + Hex(window) + " '" + spec.className + "' at " + std::to_string(left) + "," +
         std::to_string(top));
}

void SoakScene::DestroyWindow() {
    const Hwnd window = AnyWindow();
    if (window == 0)
        return;
    Note("destroy " + Hex(window));
    refusing_.erase(window);
    placedTop_.erase(window);
    ++windowsDestroyed;
    desk.destroyWindow(window);
}

void SoakScene::EndProcess() {
    if (processes_.empty())
        return;
    const std::uint32_t pid = processes_[Below(processes_.size())];
    Note("end of process " + std::to_string(pid));
    ++processesEnded;
    desk.endProcess(pid);
    std::erase(processes_, pid);
}

void SoakScene::MoveUnderTaskbar(Hwnd window) {
    if (window == 0)
        return;
    sim::SimWindow& w = desk.windows().window(window);
    int top = Between(-40, taskbar.thickness + 5);
    const auto placed = placedTop_.find(window);
    if (placed != placedTop_.end() && placed->second == top)
        ++top;
    placedTop_[window] = top;
    const Rect r = w.rect;
    Note("move " + Hex(window) + " to top " + std::to_string(top));
    desk.moveWindow(window, {r.left, top, r.right, top + r.Height()});
}

void SoakScene::Retitle(Hwnd window) {
    if (window == 0)
        return;
    const Title& title = Titles()[Below(Titles().size())];
    // An ANSI title as SetWindowTextA stores it, through code page 932.
    desk.windows().window(window).titleW =
        title.wide.empty() ? sim::FromCp932(title.ansi) : title.wide;
    Note("retitle " + Hex(window));
}

void SoakScene::ShowCommand(Hwnd window, int command) {
    if (window == 0)
        return;
    Note("show " + Hex(window) + " command " + std::to_string(command));
    desk.showWindow(window, command);
}

void SoakScene::ChangeForeground() {
    const std::uint32_t roll = Below(10);
    Hwnd window = AnyWindow();
    if (roll == 0)
        window = desk.shellObjects().taskbar();
    else if (roll == 1)
        window = 0;
    Note("foreground " + Hex(window));
    desk.windows().setForeground(window);
}

void SoakScene::ChangeTaskbar() {
    const std::uint32_t roll = Below(10);
    if (roll < 3) {
        // Mostly at the top, where the program works.
        const std::array<std::uint32_t, 7> edges = {abe::TOP,  abe::TOP,   abe::TOP, abe::BOTTOM,
                                                    abe::LEFT, abe::RIGHT, 7};
        taskbar.edge = edges[Below(edges.size())];
    } else if (roll < 7) {
        taskbar.thickness = Chance(0.2) ? Between(2, 90) : Between(24, 60);
    } else {
        taskbar.autoHide = !taskbar.autoHide;
        taskbar.slidAway = false;
    }
    ApplyTaskbar();
}

void SoakScene::SlideTaskbar() {
    if (!taskbar.autoHide)
        return;
    taskbar.slidAway = !taskbar.slidAway;
    ApplyTaskbar();
}

void SoakScene::ApplyTaskbar() {
    const int t = taskbar.thickness;
    const Rect screen = kPrimary;
    Rect bar;
    Rect work = screen;
    switch (taskbar.edge) {
        case abe::BOTTOM:
            bar = {0, screen.bottom - t, screen.right, screen.bottom};
            work.bottom -= t;
            break;
        case abe::LEFT:
            bar = {0, 0, t, screen.bottom};
            work.left += t;
            break;
        case abe::RIGHT:
            bar = {screen.right - t, 0, screen.right, screen.bottom};
            work.right -= t;
            break;
        default: // the top, and an edge the shell should not report
            bar = {0, 0, screen.right, t};
            work.top += t;
            break;
    }
    if (taskbar.autoHide)
        work = screen;
    taskbar.appBar = bar;
    taskbar.window = bar;
    if (taskbar.autoHide && taskbar.slidAway && taskbar.edge == abe::TOP)
        taskbar.window = {0, 2 - t, screen.right, 2};
    desk.setTaskbar({.edge = taskbar.edge, .rect = bar, .autoHide = taskbar.autoHide});
    if (taskbar.window != bar)
        desk.moveWindow(desk.shellObjects().taskbar(), taskbar.window);
    primaryWork = work;
    desk.setMonitor(primaryMonitor_, screen, work);
    Note("taskbar edge " + std::to_string(taskbar.edge) + " thickness " + std::to_string(t) +
         (taskbar.autoHide ? " auto-hide" : "") + (taskbar.slidAway ? " slid away" : ""));
}

void SoakScene::RestartShell() {
    // The taskbar window goes and comes back with a new handle a moment
    // later; the program looks for it meanwhile.
    if (desk.shellObjects().taskbar() == 0)
        return;
    Note("taskbar window destroyed");
    desk.destroyWindow(desk.shellObjects().taskbar());
    desk.scheduler().at(desk.scheduler().now() + static_cast<std::uint64_t>(Between(50, 5000)),
                        [this] {
                            if (desk.shellObjects().taskbar() == 0)
                                ApplyTaskbar();
                        });
}

void SoakScene::ChangeMonitors() {
    if (!extraMonitors.empty() && (extraMonitors.size() >= 2 || Chance(0.5))) {
        const std::size_t index = Below(extraMonitors.size());
        desk.removeMonitor(extraMonitors[index].first);
        Note("display removed");
        extraMonitors.erase(extraMonitors.begin() + static_cast<std::ptrdiff_t>(index));
        return;
    }
    // To the right of the primary display, or to its left.
    const bool right = Chance(0.5);
    const Rect r = right ? Rect{1024, 0, 1024 + 1280, 1024} : Rect{-1280, 0, 0, 1024};
    extraMonitors.emplace_back(desk.addMonitor(r, r), r);
    Note(right ? "display added right" : "display added left");
}

void SoakScene::SettingsWindow() {
    ProgramController& form = *program->Controller();
    MainFormControls& c = form.Controls();
    if (!form.SettingsWindow().Visible()) {
        if (Chance(0.25)) {
            Note("settings window opened");
            c.PPConfig.Click();
        }
        return;
    }
    // A close from outside is on its way, perhaps with a torn write: the
    // user waits for it.
    if (closePosted_)
        return;
    // The user moves the slider and leaves with OK or Cancel.
    SettingsClosed closed;
    closed.ok = Chance(0.5);
    closed.writable = !settingsReadOnly;
    closed.sliderMin = c.Slider.Min();
    closed.sliderMax = c.Slider.Max();
    desk.controls().dragTrackBar(c.Slider.Window(), Between(closed.sliderMin, closed.sliderMax));
    closed.slider = c.Slider.Position();
    EditIgnoreList();
    closed.fileBefore = desk.files().read(kSettingsPath).value_or("");
    Note(std::string("settings window closed with ") + (closed.ok ? "OK" : "Cancel") +
         ", slider at " + std::to_string(closed.slider));
    (closed.ok ? c.BtnOK : c.BtnCancel).Click();
    closed.hidden = !form.SettingsWindow().Visible();
    closed.sliderAfter = c.Slider.Position();
    closed.listAfter = c.ListBoxDisable.Items();
    closed.fileAfter = desk.files().read(kSettingsPath).value_or("");
    settingsClosed = std::move(closed);
}

void SoakScene::EditIgnoreList() {
    MainFormControls& c = program->Controller()->Controls();
    if (Chance(0.3)) {
        const char* name = kSpareIgnoreNames[Below(kSpareIgnoreNames.size())];
        Note(std::string("ignore list: add ") + name);
        desk.dialogs().answerOpenFileName(std::string("C:\\Tools\\") + name);
        desk.controls().click(c.BtnAdd.Window());
    }
    const std::vector<std::string> items = c.ListBoxDisable.Items();
    std::vector<int> spares;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].rfind("SPARE", 0) == 0)
            spares.push_back(static_cast<int>(i));
    }
    if (!spares.empty() && Chance(0.3)) {
        const int index = spares[Below(static_cast<std::uint32_t>(spares.size()))];
        Note("ignore list: remove " + items[static_cast<std::size_t>(index)]);
        desk.controls().selectListItem(c.ListBoxDisable.Window(), index);
        desk.controls().click(c.BtnDel.Window());
    }
}

void SoakScene::ToggleMenuOption() {
    MainFormControls& c = program->Controller()->Controls();
    const std::array<MenuItem*, 8> items = {&c.PPEnabled, &c.PPMax,    &c.PPRestore, &c.PPReSize,
                                            &c.PPHideON,  &c.PPDialog, &c.PPActive,  &c.PPHide};
    MenuItem& item = *items[Below(items.size())];
    Note("menu " + item.Name());
    item.Click();
}

void SoakScene::MoveCursor(bool ontoTaskbar) {
    const Rect& bar = taskbar.appBar;
    const Point point = ontoTaskbar ? Point{(bar.left + bar.right) / 2, (bar.top + bar.bottom) / 2}
                                    : Point{Between(0, 1023), Between(100, 767)};
    Note(ontoTaskbar ? "cursor rests on the taskbar's band" : "cursor moves away");
    desk.system().cursor = point;
}

void SoakScene::ToggleReadOnly() {
    if (closePosted_)
        return;
    settingsReadOnly = !settingsReadOnly;
    desk.files().setReadOnlyFolder(settingsReadOnly ? kProgramFolder : "");
    Note(settingsReadOnly ? "settings folder read-only" : "settings folder writable");
}

void SoakScene::TearNextWrite() {
    // A write torn in the middle, then a close that has to save: the one
    // write it makes is the torn one.
    if (settingsReadOnly || closePosted_)
        return;
    desk.files().setFailNextWrite(true);
    Note("next write torn, WM_CLOSE from outside");
    PostClose();
}

void SoakScene::CloseFromOutside() {
    // Only while the settings cannot be saved: the closing is then
    // abandoned and the program must stay.
    if (!settingsReadOnly || closePosted_)
        return;
    Note("WM_CLOSE from outside");
    PostClose();
}

void SoakScene::PostClose() {
    // The folder stays as it is until the message has been handled.
    closePosted_ = true;
    desk.platformFor(userPid).win.PostMessageA(program->Controller()->Window(), wm::CLOSE, 0, 0);
}

void SoakScene::EditSettingsByHand() {
    if (settingsReadOnly)
        return;
    const std::optional<std::string> bytes = desk.files().read(kSettingsPath);
    IniFile file = IniFile::Parse(bytes.value_or(""));
    const std::string key = "HandNote" + std::to_string(Below(4));
    file.WriteString("Config", key, "edit " + std::to_string(++handEdits_));
    if (Chance(0.5))
        file.WriteInteger("Config", "Position", Between(-99, 99));
    desk.files().write(kSettingsPath, file.Serialize());
    handKeys.emplace("Config", key);
    Note("settings edited by hand: " + key);
}

void SoakScene::ExitProgram() {
    settingsReadOnly = false;
    desk.files().setReadOnlyFolder("");
    Note("exit");
    program->Controller()->Controls().PPExit.Click();
}

} // namespace vm::soak
