#include "watcher/taskbar_tracker.h"

#include "platform/constants.h"
#include "watcher/secondary_taskbars.h"
#include "window_info/window_helpers.h"

namespace vm {

namespace {

constexpr char kTaskbarClass[] = "Shell_TrayWnd";
// One minute of looking for a taskbar that is being (re)created.
constexpr int kTaskbarRetries = 600;
constexpr std::uint32_t kTaskbarRetryMs = 100;
constexpr std::int16_t kOpaque = 100;

TaskbarEdge EdgeOf(std::uint32_t shellEdge) {
    switch (shellEdge) {
        case abe::LEFT:
            return TaskbarEdge::Left;
        case abe::TOP:
            return TaskbarEdge::Top;
        case abe::RIGHT:
            return TaskbarEdge::Right;
        case abe::BOTTOM:
            return TaskbarEdge::Bottom;
        default:
            return TaskbarEdge::Other;
    }
}

} // namespace

TaskbarTracker::TaskbarTracker(ProgramContext& context, const WatchOptions& options,
                               WatchOutputs& outputs, WatchHost& host)
    : context_(context), options_(options), outputs_(outputs), host_(host) {}

void TaskbarTracker::LookUpTaskbar() {
    taskbar_.SetHandle(context_.platform.win.FindWindowA(kTaskbarClass, nullptr));
}

void TaskbarTracker::CheckTaskbar() {
    // Without a taskbar the pass still asks the shell: its unanswered query
    // reads as "not at the top" and suspends watching until the close.
    if (!FindTaskbar())
        host_.CloseProgram();
    Rect appBar;
    switch (GetTaskbarEdge(appBar)) {
        case TaskbarEdge::Top:
            Track(appBar);
            break;
        case TaskbarEdge::Other:
            // An edge the shell should not give: keep the watch line and menu.
            break;
        case TaskbarEdge::Bottom:
        case TaskbarEdge::Left:
        case TaskbarEdge::Right:
            Suspend();
            break;
    }
}

TaskbarEdge TaskbarTracker::GetTaskbarEdge(Rect& rect) {
    // The answer is not checked: a query the shell does not answer leaves
    // the edge at 0, the left edge.
    AppBarData data;
    context_.platform.shell.SHAppBarMessage(abm::GETTASKBARPOS, data);
    rect = data.rc;
    return EdgeOf(data.uEdge);
}

bool TaskbarTracker::IsTaskbarAutoHide() {
    AppBarData data;
    return (context_.platform.shell.SHAppBarMessage(abm::GETSTATE, data) & abs_::AUTOHIDE) != 0;
}

void TaskbarTracker::PPEnabledClick() {
    ShowEnabled(options_.settings.enabled);
}

bool TaskbarTracker::ReservesBand() const {
    return options_.settings.reserveBand && reserveBandOffered_;
}

bool TaskbarTracker::WatchesMaximized() const {
    return options_.settings.watchMaximized && maximizedOffered_;
}

void TaskbarTracker::ShowEnabled(bool enabled) {
    outputs_.SetTrayImage(enabled ? WatchImage::Normal : WatchImage::Stopped);
    if (options_.translucencyOn)
        ForceTranslucency(enabled ? static_cast<std::int16_t>(options_.settings.translucencyPercent)
                                  : kOpaque);
    outputs_.SetTrayHint(context_.Text(enabled ? TextId::HintEnabled : TextId::HintDisabled));
}

bool TaskbarTracker::FindTaskbar() {
    LookUpTaskbar();
    for (int retry = 0; taskbar_.Handle() == 0 && retry < kTaskbarRetries; ++retry) {
        context_.platform.os.Sleep(kTaskbarRetryMs);
        LookUpTaskbar();
    }
    return taskbar_.Handle() != 0;
}

void TaskbarTracker::Track(const Rect& appBar) {
    Resume();
    tracking_ = true;
    outputs_.OnSuspended(false);
    FollowBand(appBar);
    UpdateWatchLine();
    FindSecondaryTaskbars();
}

void TaskbarTracker::FindSecondaryTaskbars() {
    taskbar_.SetSecondary(vm::FindSecondaryTaskbars(context_.platform.win, taskbar_.Handle(),
                                                    ReservesBand(), options_.settings.offset));
}

void TaskbarTracker::Resume() {
    // With "/S" nothing was suspended, so nothing is resumed.
    if (context_.commandLine.IsSilent() || !taskbar_.Suspended())
        return;
    taskbar_.SetSuspended(false);
    if (options_.settings.enabled)
        PPEnabledClick();
    outputs_.SetTrayIconVisible(options_.settings.trayIcon);
}

void TaskbarTracker::FollowBand(const Rect& appBar) {
    taskbar_.SetAppBarBottom(appBar.bottom);
    // Minus and plus the band's height; a position outside moves to the
    // nearer end and runs TrackBarChange.
    const std::int64_t band = std::int64_t{taskbar_.AppBarBottom()} - appBar.top;
    outputs_.ShowBand(taskbar_.AppBarBottom(), ClampToInt32(-band), ClampToInt32(band));
    if (options_.settingsShown)
        outputs_.SetSettingsTop(
            ClampToInt32(std::int64_t{options_.settings.offset} + taskbar_.AppBarBottom()));
}

void TaskbarTracker::UpdateWatchLine() {
    WindowBounds bar;
    const bool readable = GetWindowBounds(context_.platform.win, taskbar_.Handle(), bar);
    UpdateOptionStates();
    // The reserve-area option counts the whole band even while the
    // auto-hidden taskbar is slid away.
    const bool reserve = ReservesBand();
    if (reserve) {
        bar.top = 0;
        bar.height = taskbar_.AppBarBottom();
    }
    // An unreadable taskbar rectangle keeps the previous watch line.
    if (!readable && !reserve)
        return;
    taskbar_.SetWatchLine(
        ClampToInt32(std::int64_t{bar.top} + bar.height + std::int64_t{options_.settings.offset}));
}

void TaskbarTracker::UpdateOptionStates() {
    // Reserving the band is offered only for an auto-hidden taskbar,
    // watching maximized windows only for one that stays.
    const bool autoHide = IsTaskbarAutoHide();
    reserveBandOffered_ = autoHide;
    maximizedOffered_ = !autoHide;
    outputs_.OfferOptions(autoHide, !autoHide);
}

void TaskbarTracker::Suspend() {
    // No window reaches the handler any more.
    tracking_ = false;
    outputs_.OnSuspended(true);
    taskbar_.SetSecondary({});
    if (context_.commandLine.IsQuick() && options_.translucencyOn)
        ForceTranslucency(kOpaque);
    if (options_.settingsShown)
        outputs_.CancelSettings();
    if (context_.commandLine.IsSilent())
        return;
    // Show the stopped state while keeping the user's choice.
    ShowEnabled(false);
    outputs_.SetTrayIconVisible(true);
    // Once a session, the user learns why everything stopped: the icon
    // alone would read as if they had switched it off.
    if (!taskbar_.Suspended() && !suspensionAnnounced_ && !context_.commandLine.IsQuick()) {
        suspensionAnnounced_ = true;
        outputs_.ShowTrayBalloon(context_.Text(TextId::BalloonSuspendedTitle),
                                 context_.Text(TextId::BalloonSuspendedText));
    }
    taskbar_.SetSuspended(true);
}

void TaskbarTracker::ForceTranslucency(std::int16_t percent) {
    host_.ApplyTranslucency(percent, true);
}

} // namespace vm
