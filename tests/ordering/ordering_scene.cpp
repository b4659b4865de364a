#include "ordering_scene.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"
#include "sim_desktop/cp932.h"
#include "translations/ui_texts.h"

namespace vm::ordering {

namespace {

constexpr char kExe[] = "C:\\Velmora\\Velmora.exe";
constexpr char kSettings[] = "C:\\Velmora\\vmr_XP_Taro.ini";
// Everything the schedule set going has settled within this time.
constexpr std::uint32_t kQuietMs = 2000;
// Far more calls than any schedule needs: Velmora is caught in a loop.
constexpr std::size_t kMostCalls = 40000;

struct Livelock {};

// The longest single wait inside one call, on a simulated desktop that
// measures it.
template <typename Scheduler>
std::optional<std::uint64_t> LongestWait(Scheduler& scheduler, std::uint32_t pid) {
    if constexpr (requires { scheduler.longestWaitMs(pid); })
        return static_cast<std::uint64_t>(scheduler.longestWaitMs(pid));
    else
        return std::nullopt;
}

std::u16string TitleOf(int window, int version) {
    std::string text = "W" + std::to_string(window + 1);
    if (version > 0)
        text += " (" + std::to_string(version) + ")";
    return {text.begin(), text.end()};
}

} // namespace

OrderingScene::OrderingScene(const Schedule& schedule)
    : schedule_(schedule), reactions_(schedule.seed ^ 0x9E3779B97F4A7C15ull) {
    desk_.addMonitor({0, 0, 1024, 768}, {0, kWatchLine, 1024, 768});
    desk_.addProgramManager();
    desk_.addTaskbar({.rect = {0, 0, 1024, kWatchLine}});
    desk_.winEvents().setCreationOnly(schedule_.options.wine);
    desk_.system().cursor = {500, 500};
    for (int i = 0; i < schedule_.processes; ++i) {
        pids_.push_back(desk_.addProcess("C:\\Apps\\app" + std::to_string(i + 1) + ".exe"));
        busyUntil_.push_back(0);
        hung_.push_back(false);
    }
    const std::size_t windows = schedule_.windows.size();
    handles_.assign(windows, Hwnd{});
    titles_.assign(windows, u"");
    retitles_.assign(windows, 0);
    dragging_.assign(windows, false);
}

OrderingScene::~OrderingScene() {
    // Velmora's windows go first, while what their wrapped procedures
    // record into is still there.
    program_.reset();
}

void OrderingScene::Run() {
    const bool announced = schedule_.options.announced;
    desk_.files().write(kSettings, std::string("[Config]\r\nCaption=") + (announced ? "1" : "0") +
                                       "\r\nTitle=MOVING\r\nPlay=" + (announced ? "1" : "0") +
                                       "\r\nWave=C:\\Velmora\\dame.wav\r\nActive=" +
                                       (schedule_.options.active ? "1" : "0") + "\r\n");
    desk_.files().write("C:\\Velmora\\dame.wav", "RIFF");
    velmoraPid_ = desk_.addProcess(kExe);
    std::vector<std::string> args{"/w"};
    if (!announced)
        args.emplace_back("/S");
    program_ = std::make_unique<Program>(desk_.platformFor(velmoraPid_), CommandLine(args));
    program_->Start();
    // Two ticks, then the schedule starts on a phase of the tick its seed chooses.
    desk_.scheduler().advance(510 + static_cast<std::uint32_t>(schedule_.seed % 250));
    WrapVelmoraWindows();
    desk_.clearCalls();
    // Its own start-up wait is no wait on another program.
    desk_.scheduler().resetLongestWaits();
    const std::uint64_t start = desk_.scheduler().now();
    for (std::size_t i = 0; i < schedule_.actions.size(); ++i)
        desk_.scheduler().at(start + schedule_.actions[i].at, [this, i] { Do(i); });
    running_ = true;
    try {
        desk_.scheduler().advance(schedule_.lengthMs);
        Quiet();
    } catch (const Livelock&) {
        livelock_ = true;
        Record(At(MarkKind::End));
    }
    running_ = false;
    longestWait_ = LongestWait(desk_.scheduler(), velmoraPid_);
}

void OrderingScene::Quiet() {
    for (std::size_t p = 0; p < pids_.size(); ++p) {
        if (hung_[p]) {
            desk_.setHung(pids_[p], false);
            hung_[p] = false;
            ReadQueue(static_cast<int>(p));
        }
    }
    for (std::size_t w = 0; w < handles_.size(); ++w) {
        if (dragging_[w] && desk_.windows().exists(handles_[w])) {
            desk_.windows().endMoveSize(handles_[w]);
            dragging_[w] = false;
            Mark mark = At(MarkKind::Change, static_cast<int>(w));
            mark.action = ActionKind::DragEnd;
            Record(mark);
        }
    }
    desk_.scheduler().advance(kQuietMs);
    // A program busy on seeing the replacement title near the end settles
    // once it reads its queue again: the quiet time counts from then.
    for (int round = 0; round < 4 && !busyUntil_.empty(); ++round) {
        const std::uint64_t quietAt =
            *std::max_element(busyUntil_.begin(), busyUntil_.end()) + kQuietMs;
        if (quietAt <= desk_.scheduler().now())
            break;
        desk_.scheduler().advance(quietAt - desk_.scheduler().now());
    }
    Record(At(MarkKind::End));
}

void OrderingScene::WrapVelmoraWindows() {
    // Every message that reaches one of Velmora's windows is marked, with
    // how deep it came (a message sent to the thread while it waits in a
    // call of its own arrives inside the handler that made the call).
    for (const Hwnd handle : desk_.windows().zOrder()) {
        sim::SimWindow& window = desk_.windows().window(handle);
        if (window.pid != velmoraPid_ || !window.proc)
            continue;
        window.proc = [this, inner = window.proc](Hwnd hwnd, std::uint32_t msg,
                                                  std::uintptr_t wParam,
                                                  std::intptr_t lParam) -> MsgResult {
            if (depth_ == 0 && running_ && desk_.calls().size() > kMostCalls)
                throw Livelock{};
            ++depth_;
            Mark begin = At(MarkKind::DispatchBegin);
            begin.depth = depth_;
            begin.msg = msg;
            begin.wParam = wParam;
            Record(begin);
            struct Leave {
                OrderingScene& scene;
                std::uint32_t msg;
                std::uintptr_t wParam;
                ~Leave() {
                    Mark end = scene.At(MarkKind::DispatchEnd);
                    end.depth = scene.depth_;
                    end.msg = msg;
                    end.wParam = wParam;
                    scene.Record(end);
                    --scene.depth_;
                }
            } leave{*this, msg, wParam};
            return inner(hwnd, msg, wParam, lParam);
        };
    }
}

bool OrderingScene::Reading(int process) const {
    const auto p = static_cast<std::size_t>(process);
    return !hung_[p] && desk_.scheduler().now() >= busyUntil_[p];
}

Rect OrderingScene::RectAt(int window, int top) const {
    const int left = 100 + 40 * window;
    return {left, top, left + 400, top + 300};
}

Mark OrderingScene::At(MarkKind kind, int window) {
    Mark mark;
    mark.call = desk_.calls().size();
    mark.time = desk_.scheduler().now();
    mark.kind = kind;
    mark.window = window;
    if (window >= 0) {
        const auto w = static_cast<std::size_t>(window);
        mark.process = schedule_.windows[w].process;
        mark.reading = Reading(mark.process);
        const Hwnd handle = handles_[w];
        mark.exists = handle != 0 && desk_.windows().exists(handle);
        if (mark.exists) {
            const sim::SimWindow& state = desk_.windows().window(handle);
            mark.rect = state.rect;
            mark.visible = state.visible();
            mark.maximized = state.maximized();
        }
    }
    mark.foreground = WindowIndex(desk_.windows().foreground().Value());
    if (ProgramController* form = program_ ? program_->Controller() : nullptr) {
        mark.enabled = form->Controls().PPEnabled.Checked();
        mark.settingsShown = form->SettingsWindow().Visible();
    }
    mark.taskbarHidden = desk_.shellObjects().taskbar() != 0 &&
                         !desk_.windows().window(desk_.shellObjects().taskbar()).visible();
    mark.taskbarInFront = desk_.shellObjects().taskbar() != 0 &&
                          desk_.windows().foreground() == desk_.shellObjects().taskbar();
    mark.frozenCalls = desk_.scheduler().frozenCalls();
    return mark;
}

void OrderingScene::Record(Mark mark) {
    marks_.push_back(std::move(mark));
}

int OrderingScene::WindowIndex(std::uint64_t handle) const {
    const auto found = indexOf_.find(handle);
    return found == indexOf_.end() ? -1 : found->second;
}

std::optional<std::u16string> OrderingScene::ShownTitle(int window) const {
    const Hwnd handle = handles_[static_cast<std::size_t>(window)];
    if (handle == 0 || !desk_.windows().exists(handle))
        return std::nullopt;
    return const_cast<sim::SimDesktop&>(desk_).windows().window(handle).titleW;
}

int OrderingScene::ProcessIndex(std::uint32_t pid) const {
    const auto found = std::find(pids_.begin(), pids_.end(), pid);
    return found == pids_.end() ? -1 : static_cast<int>(found - pids_.begin());
}

void OrderingScene::Do(std::size_t index) {
    const Action& action = schedule_.actions[index];
    switch (action.kind) {
        case ActionKind::Busy:
            Busy(action.process, action.ms);
            return;
        case ActionKind::HangOn: {
            const auto p = static_cast<std::size_t>(action.process);
            if (hung_[p])
                return;
            desk_.setHung(pids_[p], true);
            hung_[p] = true;
            Mark mark = At(MarkKind::Hang);
            mark.process = action.process;
            Record(mark);
            return;
        }
        case ActionKind::HangOff: {
            const auto p = static_cast<std::size_t>(action.process);
            if (!hung_[p])
                return;
            desk_.setHung(pids_[p], false);
            hung_[p] = false;
            ReadQueue(action.process);
            return;
        }
        case ActionKind::TrayDoubleClick:
            if (!UserDragging())
                Tray(wm::LBUTTONDBLCLK);
            return;
        case ActionKind::TrayMenu:
            if (UserDragging())
                return;
            desk_.shellObjects().chooseMenuItem(
                action.hide ? Text(Language::Japanese, TextId::MenuHide).ansi : "");
            Tray(wm::RBUTTONDOWN);
            return;
        case ActionKind::Foreground:
            if (!UserDragging())
                Activate(action.window);
            return;
        default:
            DoWindow(action);
            return;
    }
}

void OrderingScene::DoWindow(const Action& action) {
    const int w = action.window;
    const auto wi = static_cast<std::size_t>(w);
    const Hwnd handle = handles_[wi];
    const bool exists = handle != 0 && desk_.windows().exists(handle);
    if (action.kind == ActionKind::Create) {
        if (handle != 0)
            return;
        titles_[wi] = TitleOf(w, 0);
        const Hwnd made = desk_.addWindow(
            {.className = "AppWindow",
             .titleW = titles_[wi],
             .rect = RectAt(w, action.top),
             .visible = !action.hidden,
             .pid = pids_[static_cast<std::size_t>(schedule_.windows[wi].process)]});
        handles_[wi] = made;
        indexOf_[made.Value()] = w;
        desk_.windows().window(made).proc = [this, w](Hwnd, std::uint32_t msg, std::uintptr_t,
                                                      std::intptr_t lParam) {
            return ProgramProc(w, msg, lParam);
        };
        Mark mark = At(MarkKind::Change, w);
        mark.action = ActionKind::Create;
        mark.text = titles_[wi];
        Record(mark);
        if (action.foreground && !action.hidden && ProgramMayTakeTheFront())
            Activate(w);
        return;
    }
    if (!exists)
        return;
    switch (action.kind) {
        case ActionKind::Show:
            desk_.showWindow(handle, sw::SHOW);
            break;
        case ActionKind::Hide:
            if (dragging_[wi])
                return;
            desk_.showWindow(handle, sw::HIDE);
            break;
        case ActionKind::Place:
            if (dragging_[wi])
                return;
            if (desk_.windows().window(handle).maximized())
                desk_.showWindow(handle, sw::RESTORE);
            desk_.moveWindow(handle, RectAt(w, action.top));
            break;
        case ActionKind::Maximize:
            if (dragging_[wi])
                return;
            desk_.showWindow(handle, sw::MAXIMIZE);
            break;
        case ActionKind::Restore:
            if (dragging_[wi])
                return;
            desk_.showWindow(handle, sw::RESTORE);
            break;
        case ActionKind::Retitle:
            titles_[wi] = TitleOf(w, ++retitles_[wi]);
            desk_.windows().window(handle).titleW = titles_[wi];
            break;
        case ActionKind::Destroy:
            if (dragging_[wi])
                return;
            desk_.destroyWindow(handle);
            break;
        case ActionKind::DragBegin:
            // One mouse: one drag at a time.
            if (UserDragging() || !desk_.windows().window(handle).visible() ||
                desk_.windows().window(handle).maximized())
                return;
            desk_.windows().beginMoveSize(handle);
            dragging_[wi] = true;
            break;
        case ActionKind::DragMove:
            if (!dragging_[wi])
                return;
            desk_.moveWindow(handle, RectAt(w, action.top));
            break;
        case ActionKind::DragEnd:
            if (!dragging_[wi])
                return;
            desk_.windows().endMoveSize(handle);
            dragging_[wi] = false;
            break;
        default:
            return;
    }
    Mark mark = At(MarkKind::Change, w);
    mark.action = action.kind;
    mark.text = titles_[wi];
    Record(mark);
    if (action.kind == ActionKind::Show && action.foreground && ProgramMayTakeTheFront())
        Activate(w);
}

bool OrderingScene::UserDragging() const {
    return std::find(dragging_.begin(), dragging_.end(), true) != dragging_.end();
}

bool OrderingScene::ProgramMayTakeTheFront() const {
    return !UserDragging() || schedule_.options.wine;
}

void OrderingScene::Activate(int window) {
    const Hwnd handle = handles_[static_cast<std::size_t>(window)];
    if (handle == 0 || !desk_.windows().exists(handle) || !desk_.windows().window(handle).visible())
        return;
    desk_.windows().setForeground(handle);
    Record(At(MarkKind::Foreground, window));
}

void OrderingScene::Busy(int process, std::uint32_t ms) {
    const auto p = static_cast<std::size_t>(process);
    desk_.setBusy(pids_[p], ms);
    busyUntil_[p] = std::max(busyUntil_[p], desk_.scheduler().now() + ms);
    Mark mark = At(MarkKind::Busy);
    mark.process = process;
    mark.busyMs = ms;
    mark.reading = false;
    Record(mark);
    // After the desktop's own read at that moment, which carries out what
    // waited in the queue.
    desk_.scheduler().at(desk_.scheduler().now() + ms, [this, process] { ReadQueue(process); });
}

void OrderingScene::ReadQueue(int process) {
    if (!Reading(process))
        return;
    Mark mark = At(MarkKind::QueueRead);
    mark.process = process;
    Record(mark);
}

void OrderingScene::Tray(std::uint32_t mouseMessage) {
    const std::vector<sim::SimNotifyIcon>& icons = desk_.shellObjects().notifyIcons();
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const sim::SimWindow* owner = desk_.windows().find(icons[i].window);
        if (owner == nullptr || owner->pid != velmoraPid_)
            continue;
        Mark mark = At(MarkKind::Tray);
        mark.msg = mouseMessage;
        Record(mark);
        desk_.clickNotifyIcon(i, mouseMessage);
        return;
    }
}

MsgResult OrderingScene::ProgramProc(int window, std::uint32_t msg, std::intptr_t lParam) {
    if (msg != wm::SETTEXT)
        return std::nullopt;
    // The text's encoding is the sending call's: the record just made.
    const std::vector<sim::CallRecord>& calls = desk_.calls();
    if (calls.empty())
        return std::nullopt;
    const std::string& name = calls.back().name;
    const bool wide = name == "SendMessageTimeoutW" || name == "SendMessageW";
    if (!wide && name != "SendMessageTimeoutA" && name != "SendMessageA")
        return std::nullopt;
    const auto w = static_cast<std::size_t>(window);
    sim::SimWindow& state = desk_.windows().window(handles_[w]);
    Mark mark = At(MarkKind::SetText, window);
    mark.title = state.titleW;
    if (wide) {
        const auto* text = reinterpret_cast<const char16_t*>(lParam);
        mark.text = text == nullptr ? u"" : text;
    } else {
        const auto* text = reinterpret_cast<const char*>(lParam);
        mark.text = sim::FromCp932(text == nullptr ? "" : text);
    }
    mark.wide = wide;
    state.titleW = mark.text;
    Record(mark);
    if (!wide && mark.text == kReplacementTitle)
        React(window);
    return 1;
}

void OrderingScene::React(int window) {
    // The program has just handled the message, so it reads its queue.
    const WindowPlan& plan = schedule_.windows[static_cast<std::size_t>(window)];
    if (plan.retitlesOnSwap) {
        desk_.scheduler().at(desk_.scheduler().now() + reactions_() % 20, [this, window] {
            const auto w = static_cast<std::size_t>(window);
            if (!desk_.windows().exists(handles_[w]))
                return;
            titles_[w] = TitleOf(window, ++retitles_[w]);
            desk_.windows().window(handles_[w]).titleW = titles_[w];
            Mark mark = At(MarkKind::Change, window);
            mark.action = ActionKind::Retitle;
            mark.reaction = true;
            mark.text = titles_[w];
            Record(mark);
        });
    }
    if (plan.busyOnSwapMs > 0)
        desk_.scheduler().at(
            desk_.scheduler().now(),
            [this, process = plan.process, ms = plan.busyOnSwapMs] { Busy(process, ms); });
    if (plan.adjustsOnSwap) {
        desk_.scheduler().at(
            desk_.scheduler().now() + 1 + reactions_() % 60, [this, window, top = plan.adjustTop] {
                const auto w = static_cast<std::size_t>(window);
                if (!desk_.windows().exists(handles_[w]) || dragging_[w])
                    return;
                // Always a change, even where the window already is.
                const int to = desk_.windows().window(handles_[w]).rect.top == top ? top + 2 : top;
                desk_.moveWindow(handles_[w], RectAt(window, to));
                Mark mark = At(MarkKind::Change, window);
                mark.action = ActionKind::Place;
                mark.reaction = true;
                mark.text = titles_[w];
                Record(mark);
            });
    }
}

} // namespace vm::ordering
