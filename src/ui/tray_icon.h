// The notification-area icon: whether it is shown, whether it reacts to the
// mouse, which tray image it shows and its tip text. Once bound to the
// platform, every change goes to the shell through one NOTIFYICONDATA
// record, and the shell's mouse notifications come back through the hidden
// window of TrayIconHandler. Unbound, it is state only.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "platform/unique.h"
#include "translations/ui_texts.h"
#include "ui/control.h"
#include "ui/popup_menu.h"
#include "ui/tray_images.h"

namespace vm {

class TrayIconHandler;

class TrayIcon {
public:
    TrayIcon() = default;
    // Takes the icon out of the notification area.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // From now on the icon talks to the shell. Its images come from images;
    // form is the window that owns the icon, which gets a WM_NULL after the
    // menu closes.
    void Bind(Platform& platform, const TrayImages& images, Hwnd form);

    bool IconVisible() const { return iconVisible_; }
    // NIM_ADD or NIM_DELETE; the flag is kept whatever the shell answers.
    // An add the shell refuses (at logon it may not be ready yet) is tried
    // again every two seconds for a minute, and at "TaskbarCreated".
    void SetIconVisible(bool visible);
    // The icon is in the notification area as far as the shell last said.
    bool IconShown() const { return shown_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    IconState Image() const { return image_; }
    // Shows a copy of that tray image and sends it (NIM_MODIFY).
    void SetImage(IconState image);
    std::string Hint() const { return hint_.ansi; }
    void SetHint(UiText hint);
    // A balloon from the icon (NIF_INFO); it waits until the icon is in the
    // notification area.
    void ShowBalloon(UiText title, UiText text);

    // The value that names this icon to the shell and comes back as the
    // callback's wParam.
    std::uint32_t Id() const { return id_; }
    // The shell's notification: lParam is the mouse message.
    void HandleCallback(std::intptr_t lParam);
    // The shell's taskbar was (re)created: a shown icon is added again.
    void TaskbarCreated();
    // The retry timer of an add the shell refused.
    void RetryAdd();
    // Opens the popup menu at the cursor, from the tray.
    void ShowTrayMenu();
    // Asked first by the procedure of the window that gets the shell's
    // callbacks (see TrayIconHandler::SetGate); needs Bind first.
    void SetGate(WndProc gate);

    PopupMenu* Menu = nullptr;
    Handler OnDblClick;
    // Runs the handling of a click on the icon as a pass: what reaches the
    // program meanwhile (another click, a tick), while it waits on the shell
    // or reads the queue before the menu opens, waits until it is done, so
    // no menu opens inside another click's handling. The menu's own loop
    // runs outside it.
    std::function<void(const Handler&)> RunAlone;
    // Runs after every change that the notification area would show.
    Handler OnChange;

    // How often and how long a refused add is tried again.
    static constexpr std::uint32_t kRetryIntervalMs = 2000;
    static constexpr int kRetryAttempts = 30;

private:
    struct MenuPlace {
        Point at;
        std::uint32_t align = 0;
        bool fromKeyboard = false;
    };
    void RunGated(const Handler& handler);
    // Where the menu opens, with its owner in front and the queue read;
    // nothing when it cannot open.
    std::optional<MenuPlace> PrepareTrayMenu();
    // False when the shell refused the call.
    bool Notify(std::uint32_t message);
    // NIM_ADD, or NIM_MODIFY when the shell already holds the icon (an add
    // that timed out may still have reached it); on failure the retry timer.
    void Add();
    void StartRetry();
    void StopRetry();
    void SendBalloons();
    NotifyIconData Record() const;
    void Changed() {
        if (OnChange)
            OnChange();
    }

    Platform* platform_ = nullptr;
    const TrayImages* images_ = nullptr;
    TrayIconHandler* handler_ = nullptr;
    Hwnd form_ = 0;
    std::uint32_t id_ = 0;
    // A copy of each tray image as it was when last shown, made once per
    // change of the images: a move shows two images, and copying an icon
    // each time costs milliseconds the move would wait for.
    struct ImageCopy {
        Unique<HIcon> icon;
        std::uint32_t generation = 0;
    };
    std::array<ImageCopy, kTrayImageCount> copies_{};
    HIcon icon_ = 0; // one of the copies
    bool iconVisible_ = false;
    bool shown_ = false;
    int retriesLeft_ = 0;
    struct Balloon {
        std::u16string title;
        std::u16string text;
    };
    std::deque<Balloon> balloons_;
    bool enabled_ = true;
    bool showHint_ = true;
    IconState image_ = IconState::Normal;
    CaptionText hint_{Text(Language::Japanese, TextId::HintEnabled)};
};

} // namespace vm
