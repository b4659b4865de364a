#include "watcher/window_events.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/constants.h"
#include "platform/private_ids.h"

namespace vm {

namespace {
// A window made or shown, shown again by the compositor, or dropped after
// the user's drag.
constexpr std::uint32_t kEvents[] = {event_::OBJECT_CREATE, event_::OBJECT_SHOW,
                                     event_::OBJECT_UNCLOAKED, event_::SYSTEM_MOVESIZEEND};
} // namespace

WindowEvents::WindowEvents(ProgramContext& context, SettledWindowsJudge& judge)
    : context_(context), judge_(judge) {}

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
    // Only the events used, each on its own: a range would bring every
    // destruction of the session in between. A system that never raises
    // one (uncloaking before Windows 8) simply never reports it.
    for (const std::uint32_t event : kEvents) {
        Unique<HWinEventHook> hook(
            win.SetWinEventHook(
                setWinEventHook, event, event,
                [this](HWinEventHook, std::uint32_t e, Hwnd window, std::int32_t idObject,
                       std::int32_t idChild, std::uint32_t,
                       std::uint32_t) { OnWinEvent(e, window, idObject, idChild); },
                0, 0, winevent::OUTOFCONTEXT | winevent::SKIPOWNPROCESS),
            {&win, unhookWinEvent});
        if (!hook && hooks_.empty())
            return false;
        if (hook)
            hooks_.push_back(std::move(hook));
    }
    session_ = std::make_shared<bool>(true);
    return true;
}

void WindowEvents::Stop() {
    if (!Running())
        return;
    hooks_.clear();
    session_.reset();
    records_.clear();
    SetRelookTimer(0);
}

void WindowEvents::OnWinEvent(std::uint32_t event, Hwnd window, std::int32_t idObject,
                              std::int32_t idChild) {
    if (!Running() || window == 0 || idObject != objid::WINDOW || idChild != childid::SELF ||
        std::find(std::begin(kEvents), std::end(kEvents), event) == std::end(kEvents))
        return;
    // Only top-level windows, as a pass enumerates them.
    const auto style =
        static_cast<std::uint32_t>(context_.platform.win.GetWindowLongA(window, gwl::STYLE));
    if ((style & ws::CHILD) != 0)
        return;
    Report(window);
}

void WindowEvents::Report(Hwnd window) {
    Record* record = Find(window);
    if (record == nullptr) {
        if (records_.size() >= kCapacity)
            return;
        record = &records_.emplace_back(Record{window, 0});
    }
    // A new ask: an answer still on its way belongs to an older generation.
    record->sinceMs = context_.platform.os.GetTickCount();
    ++record->generation;
    record->stage = Stage::Due;
    record->hiddenAnswers = 0;
    PostPending();
}

bool WindowEvents::Take(Hwnd window) {
    if (!Running() || (Find(window) == nullptr && records_.size() >= kCapacity))
        return false;
    Report(window);
    return true;
}

WindowEvents::Record* WindowEvents::Find(Hwnd window) {
    const auto found =
        std::find_if(records_.begin(), records_.end(),
                     [window](const Record& record) { return record.window == window; });
    return found == records_.end() ? nullptr : &*found;
}

void WindowEvents::CheckWaiting() {
    pendingPosted_ = false;
    if (!Running() || checking_)
        return;
    const std::uint32_t now = context_.platform.os.GetTickCount();
    std::vector<Hwnd> ready;
    bool handOver = false;
    std::vector<Record> kept;
    kept.reserve(records_.size());
    for (Record& record : records_) {
        switch (Step(record, now)) {
            case Next::Keep:
                kept.push_back(record);
                break;
            case Next::Judge:
                ready.push_back(record.window);
                break;
            case Next::HandOver:
                handOver = true;
                break;
            case Next::End:
                break;
        }
    }
    records_.swap(kept);
    if (handOver)
        judge_.RequestFullPass();
    if (!ready.empty())
        Judge(ready);
    if (!Running())
        return;
    if (std::any_of(records_.begin(), records_.end(), [](const Record& record) {
            return record.stage == Stage::Due || record.stage == Stage::Answered;
        }))
        PostPending();
    // Quick while a hidden window is young, slower once it is older.
    const std::uint32_t after = context_.platform.os.GetTickCount();
    std::uint32_t relook = 0;
    for (const Record& record : records_) {
        if (record.stage != Stage::Hidden)
            continue;
        if (after - record.sinceMs < kRelookForMs) {
            relook = kRelookMs;
            break;
        }
        relook = kSlowRelookMs;
    }
    SetRelookTimer(relook);
}

WindowEvents::Next WindowEvents::Step(Record& record, std::uint32_t now) {
    if (OwnOrGone(record.window))
        return Next::End;
    const bool shown = context_.platform.win.IsWindowVisible(record.window);
    const std::uint32_t waited = now - record.sinceMs;
    switch (record.stage) {
        case Stage::Due:
            Ask(record, shown);
            return Next::Keep;
        case Stage::Asked:
            if (waited < kAnswerForMs)
                return Next::Keep;
            return shown ? Next::HandOver : Next::End;
        case Stage::Answered:
            if (shown && record.askedShown)
                return Next::Judge;
            // Answered before it was shown: its program may still show and
            // place it before it reads its queue again, so only an answer
            // to an ask sent while it is shown counts.
            if (shown || record.hiddenAnswers++ < kAsksBeforeRelook)
                Ask(record, shown);
            else
                record.stage = Stage::Hidden;
            return Next::Keep;
        case Stage::Hidden:
            if (shown) {
                Ask(record, shown);
                return Next::Keep;
            }
            return waited < kHiddenForMs ? Next::Keep : Next::End;
    }
    return Next::End;
}

void WindowEvents::Ask(Record& record, bool shown) {
    // The answer comes through this thread's queue, possibly while a pass
    // waits on another program: it only marks the record and posts the
    // pending message, so nothing runs in the middle of a pass.
    std::weak_ptr<bool> session = session_;
    const std::uint32_t generation = ++record.generation;
    record.askedShown = shown;
    const bool sent = context_.platform.win.SendMessageCallbackW(
        record.window, wm::NULL_, 0, 0,
        [this, session, generation](Hwnd window, std::uint32_t, std::intptr_t) {
            if (!session.expired())
                OnAnswer(window, generation);
        });
    record.stage = sent ? Stage::Asked : Stage::Answered;
}

void WindowEvents::OnAnswer(Hwnd window, std::uint32_t generation) {
    Record* record = Find(window);
    if (record == nullptr || record->stage != Stage::Asked || record->generation != generation)
        return;
    record->stage = Stage::Answered;
    PostPending();
}

bool WindowEvents::OwnOrGone(Hwnd window) {
    IWindowSystem& win = context_.platform.win;
    // A window destroyed before its turn is simply skipped.
    if (!win.IsWindow(window))
        return true;
    std::uint32_t process = 0;
    win.GetWindowThreadProcessId(window, &process);
    return process == ownProcess_;
}

void WindowEvents::Judge(const std::vector<Hwnd>& ready) {
    // An error escaping the checks leaves the rest to the poll, and the
    // queue ready for the next events.
    struct Checking {
        bool& flag;
        explicit Checking(bool& f) : flag(f) { flag = true; }
        ~Checking() { flag = false; }
        Checking(const Checking&) = delete;
        Checking& operator=(const Checking&) = delete;
    } checking(checking_);
    const std::vector<Hwnd> again = judge_.CheckWindows(ready);
    if (!Running())
        return;
    // Changed before or while it was announced: asked again, as reported.
    for (const Hwnd window : again)
        Report(window);
}

void WindowEvents::PostPending() {
    if (!pendingPosted_ && !checking_)
        pendingPosted_ =
            context_.platform.win.PostMessageA(owner_, private_msg::EVENTS_PENDING, 0, 0);
}

void WindowEvents::SetRelookTimer(std::uint32_t periodMs) {
    if (periodMs == relookMs_)
        return;
    IWindowSystem& win = context_.platform.win;
    relookMs_ = periodMs != 0 && win.SetTimer(owner_, timer_id::RELOOK, periodMs) ? periodMs : 0;
    if (periodMs == 0)
        win.KillTimer(owner_, timer_id::RELOOK);
}

} // namespace vm
