#include "watcher/window_events.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"

namespace vm {

WindowEvents::WindowEvents(ProgramContext& context, std::function<void(Hwnd)> checkWindow)
    : context_(context), checkWindow_(std::move(checkWindow)) {}

WindowEvents::~WindowEvents() {
    Stop();
}

bool WindowEvents::Start(Hwnd owner) {
    if (Running())
        return true;
    IOperatingSystem& os = context_.platform.os;
    IWindowSystem& win = context_.platform.win;
    // user32 is the program's own import and stays loaded as long as the
    // program runs, so its addresses outlive this reference.
    FarProc setWinEventHook = 0;
    FarProc unhookWinEvent = 0;
    if (const Unique<HModule> user32 = Own(os, os.LoadLibraryA("user32.dll"))) {
        setWinEventHook = os.GetProcAddress(user32.Get(), "SetWinEventHook");
        unhookWinEvent = os.GetProcAddress(user32.Get(), "UnhookWinEvent");
    }
    if (setWinEventHook == 0 || unhookWinEvent == 0)
        return false;
    owner_ = owner;
    win.GetWindowThreadProcessId(owner, &ownProcess_);
    const HWinEventHook hook = win.SetWinEventHook(
        setWinEventHook, event_::OBJECT_CREATE, event_::OBJECT_SHOW,
        [this](HWinEventHook, std::uint32_t event, Hwnd window, std::int32_t idObject,
               std::int32_t idChild, std::uint32_t,
               std::uint32_t) { OnWinEvent(event, window, idObject, idChild); },
        0, 0, winevent::OUTOFCONTEXT | winevent::SKIPOWNPROCESS);
    hook_ = Unique<HWinEventHook>(hook, {&win, unhookWinEvent});
    return Running();
}

void WindowEvents::Stop() {
    if (!Running())
        return;
    hook_.Reset();
    waiting_.clear();
    SetRelookTimer(false);
}

void WindowEvents::OnWinEvent(std::uint32_t event, Hwnd window, std::int32_t idObject,
                              std::int32_t idChild) {
    // The range hooked holds the destruction too.
    if (!Running() || window == 0 || idObject != objid::WINDOW || idChild != childid::SELF ||
        (event != event_::OBJECT_CREATE && event != event_::OBJECT_SHOW))
        return;
    if (event == event_::OBJECT_SHOW)
        showReported_ = true;
    // Only top-level windows, as a pass enumerates them.
    const auto style =
        static_cast<std::uint32_t>(context_.platform.win.GetWindowLongA(window, gwl::STYLE));
    if ((style & ws::CHILD) != 0)
        return;
    const bool known =
        std::any_of(waiting_.begin(), waiting_.end(),
                    [window](const Waiting& entry) { return entry.window == window; });
    if (known || waiting_.size() >= kCapacity)
        return;
    waiting_.push_back({window, context_.platform.os.GetTickCount()});
    if (!checking_)
        PostPending();
}

void WindowEvents::CheckWaiting() {
    pendingPosted_ = false;
    if (!Running() || checking_)
        return;
    CheckBatch();
    for (int step = 0; step < kSettleSteps && Running() && ShouldSettle(); ++step) {
        context_.platform.os.Sleep(1);
        CheckBatch();
    }
    for (Waiting& entry : waiting_)
        entry.settled = true;
    if (Running())
        SetRelookTimer(!waiting_.empty());
}

bool WindowEvents::ShouldSettle() const {
    return !showReported_ && !waiting_.empty() && waiting_.size() <= kSettleWindows &&
           std::none_of(waiting_.begin(), waiting_.end(),
                        [](const Waiting& entry) { return entry.settled; });
}

void WindowEvents::CheckBatch() {
    std::vector<Waiting> batch;
    batch.swap(waiting_);
    std::vector<Waiting> kept;
    {
        // An error escaping a check leaves the rest of the batch to the poll,
        // and the queue ready for the next events.
        struct Checking {
            bool& flag;
            explicit Checking(bool& f) : flag(f) { flag = true; }
            ~Checking() { flag = false; }
            Checking(const Checking&) = delete;
            Checking& operator=(const Checking&) = delete;
        } checking(checking_);
        for (const Waiting& entry : batch) {
            if (!Running())
                break;
            bool keep = false;
            if (ReadyForCheck(entry, keep))
                checkWindow_(entry.window);
            else if (keep)
                kept.push_back(entry);
        }
    }
    if (!Running())
        return;
    // Windows reported during the checks are due at once.
    if (!waiting_.empty())
        PostPending();
    for (const Waiting& entry : kept) {
        const bool known =
            std::any_of(waiting_.begin(), waiting_.end(),
                        [&entry](const Waiting& other) { return other.window == entry.window; });
        if (!known && waiting_.size() < kCapacity)
            waiting_.push_back(entry);
    }
}

bool WindowEvents::ReadyForCheck(const Waiting& entry, bool& keep) {
    IWindowSystem& win = context_.platform.win;
    // A window destroyed before its turn is simply skipped.
    if (!win.IsWindow(entry.window))
        return false;
    std::uint32_t process = 0;
    win.GetWindowThreadProcessId(entry.window, &process);
    if (process == ownProcess_)
        return false;
    if (win.IsWindowVisible(entry.window))
        return true;
    keep = context_.platform.os.GetTickCount() - entry.sinceMs < kRelookForMs;
    return false;
}

void WindowEvents::PostPending() {
    if (!pendingPosted_)
        pendingPosted_ = context_.platform.win.PostMessageA(owner_, kPendingMessage, 0, 0);
}

void WindowEvents::SetRelookTimer(bool on) {
    if (on == relookTimer_)
        return;
    IWindowSystem& win = context_.platform.win;
    relookTimer_ = on && win.SetTimer(owner_, kRelookTimerId, kRelookMs);
    if (!on)
        win.KillTimer(owner_, kRelookTimerId);
}

} // namespace vm
