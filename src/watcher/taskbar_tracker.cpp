#include "watcher/taskbar_tracker.h"

#include <array>
#include <string>
#include <utility>

#include "platform/constants.h"
#include "sys/window_helpers.h"
#include "watcher/secondary_taskbars.h"

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

TaskbarTracker::TaskbarTracker(ProgramContext& context, MainFormControls& controls,
                               TaskbarInfo& taskbar, TrayIcon& trayIcon, Form& settingsWindow,
                               TaskbarTrackerHooks hooks)
    : context_(context), controls_(controls), taskbar_(taskbar), trayIcon_(trayIcon),
      settingsWindow_(settingsWindow), hooks_(std::move(hooks)) {}

void TaskbarTracker::CheckTaskbar() {
    // Without a taskbar the pass still asks the shell: its unanswered query
    // reads as "not at the top" and suspends watching until the close.
    if (!FindTaskbar() && hooks_.CloseController)
        hooks_.CloseController();
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
    const bool enabled = controls_.PPEnabled.Checked();
    trayIcon_.SetImage(enabled ? IconState::Normal : IconState::Stopped);
    if (controls_.LabelTans.Enabled()) {
        ForceTranslucency(enabled ? static_cast<std::int16_t>(controls_.UDTrans.Position())
                                  : kOpaque);
    }
    trayIcon_.SetHint(context_.Text(enabled ? TextId::HintEnabled : TextId::HintDisabled));
}

void TaskbarTracker::TrackBarChange() {
    const int position = controls_.Slider.Position();
    controls_.LblPosition.SetCaption(std::to_string(position));
    // The watch line itself follows at the next full pass.
    settingsWindow_.SetTop(ClampToInt32(std::int64_t{position} + taskbar_.AppBarBottom));
}

bool TaskbarTracker::FindTaskbar() {
    IWindowSystem& win = context_.platform.win;
    taskbar_.Handle = win.FindWindowA(kTaskbarClass, nullptr);
    for (int retry = 0; taskbar_.Handle == 0 && retry < kTaskbarRetries; ++retry) {
        context_.platform.os.Sleep(kTaskbarRetryMs);
        taskbar_.Handle = win.FindWindowA(kTaskbarClass, nullptr);
    }
    return taskbar_.Handle != 0;
}

void TaskbarTracker::Track(const Rect& appBar) {
    Resume();
    SetTrackedItemsVisible(true);
    FollowBand(appBar);
    UpdateWatchLine();
    FindSecondaryTaskbars();
}

void TaskbarTracker::FindSecondaryTaskbars() {
    taskbar_.Secondary =
        vm::FindSecondaryTaskbars(context_.platform.win, taskbar_.Handle, ReservesBand(),
                                  static_cast<std::int32_t>(controls_.Slider.Position()));
}

void TaskbarTracker::Resume() {
    // With "/S" nothing was suspended, so nothing is resumed.
    if (context_.commandLine.IsSilent() || !taskbar_.Suspended)
        return;
    taskbar_.Suspended = false;
    if (controls_.PPEnabled.Checked())
        PPEnabledClick();
    trayIcon_.SetIconVisible(controls_.CHKTray.Checked());
}

void TaskbarTracker::FollowBand(const Rect& appBar) {
    taskbar_.AppBarBottom = appBar.bottom;
    controls_.LblBottom.SetCaption(std::to_string(taskbar_.AppBarBottom));
    // Minus and plus the band's height; a position outside moves to the
    // nearer end and runs TrackBarChange.
    const std::int64_t band = std::int64_t{taskbar_.AppBarBottom} - appBar.top;
    controls_.Slider.SetRange(ClampToInt32(-band), ClampToInt32(band));
    if (settingsWindow_.Visible()) {
        settingsWindow_.SetTop(
            ClampToInt32(std::int64_t{controls_.Slider.Position()} + taskbar_.AppBarBottom));
    }
}

void TaskbarTracker::UpdateWatchLine() {
    WindowBounds bar;
    const bool readable = GetWindowBounds(context_.platform.win, taskbar_.Handle, bar);
    UpdateOptionStates();
    // The reserve-area option counts the whole band even while the
    // auto-hidden taskbar is slid away.
    const bool reserve = ReservesBand();
    if (reserve) {
        bar.top = 0;
        bar.height = taskbar_.AppBarBottom;
    }
    // An unreadable taskbar rectangle keeps the previous watch line.
    if (!readable && !reserve)
        return;
    taskbar_.WatchLine = ClampToInt32(std::int64_t{bar.top} + bar.height +
                                      std::int64_t{controls_.Slider.Position()});
}

bool TaskbarTracker::ReservesBand() const {
    return controls_.PPHideON.Checked() && controls_.PPHideON.Enabled();
}

void TaskbarTracker::UpdateOptionStates() {
    // Reserving the band is offered only for an auto-hidden taskbar,
    // watching maximized windows only for one that stays.
    controls_.PPHideON.SetEnabled(IsTaskbarAutoHide());
    controls_.PPMax.SetEnabled(!IsTaskbarAutoHide());
    controls_.PPRestore.SetEnabled(controls_.PPMax.Enabled() && controls_.PPMax.Checked());
}

void TaskbarTracker::Suspend() {
    // Hiding PPEnabled stops windows reaching the handler.
    SetTrackedItemsVisible(false);
    taskbar_.Secondary.clear();
    if (context_.commandLine.IsQuick() && controls_.LabelTans.Enabled())
        ForceTranslucency(kOpaque);
    if (settingsWindow_.Visible() && hooks_.BtnCancelClick)
        hooks_.BtnCancelClick();
    if (context_.commandLine.IsSilent())
        return;
    // Show the stopped state while keeping the user's choice.
    const bool wasEnabled = controls_.PPEnabled.Checked();
    controls_.PPEnabled.SetChecked(false);
    PPEnabledClick();
    if (wasEnabled)
        controls_.PPEnabled.SetChecked(true);
    trayIcon_.SetIconVisible(true);
    // Once a session, the user learns why everything stopped: the icon
    // alone would read as if they had switched it off.
    if (!taskbar_.Suspended && !suspensionAnnounced_ && !context_.commandLine.IsQuick()) {
        suspensionAnnounced_ = true;
        trayIcon_.ShowBalloon(context_.Text(TextId::BalloonSuspendedTitle),
                              context_.Text(TextId::BalloonSuspendedText));
    }
    taskbar_.Suspended = true;
}

void TaskbarTracker::SetTrackedItemsVisible(bool visible) {
    const std::array<MenuItem*, 11> tracked{
        &controls_.PPHide,    &controls_.PPEnabled, &controls_.PPHideON, &controls_.PPMax,
        &controls_.PPRestore, &controls_.PPReSize,  &controls_.N1,       &controls_.PPConfig,
        &controls_.N2,        &controls_.PPDialog,  &controls_.PPActive};
    for (MenuItem* item : tracked)
        item->SetVisible(visible);
}

void TaskbarTracker::ForceTranslucency(std::int16_t percent) {
    if (hooks_.ApplyTranslucency)
        hooks_.ApplyTranslucency(percent, true);
}

} // namespace vm
