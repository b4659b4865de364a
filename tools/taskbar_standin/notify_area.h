// The notification area on the bar. Wine's shell32 sends every
// Shell_NotifyIcon call as WM_COPYDATA to the first top-level window of
// class "Shell_TrayWnd": wParam is the icon's window, dwData the NIM_
// message, lpData Wine's own record of the icon (below) followed by the
// icon's mask and colour bits. The stand-in keeps the icons, draws them at
// the bar's far end and lets a test read and click them.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace standin {

// Wine 8's platform-independent NOTIFYICONDATA; the bits of the mask (then
// of the colour bitmap, when there is one) follow it.
struct NotifyData {
    LONG hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    WCHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    WCHAR szInfo[256];
    UINT uTimeoutOrVersion;
    WCHAR szInfoTitle[64];
    DWORD dwInfoFlags;
    GUID guidItem;
    UINT width;
    UINT height;
    UINT planes;
    UINT bpp;
};
static_assert(sizeof(NotifyData) == 960);

struct TrayIcon {
    HWND owner = nullptr;
    UINT id = 0;
    UINT callbackMessage = 0;
    std::wstring tip;
    HICON image = nullptr;
};

class NotifyArea {
public:
    NotifyArea() = default;
    ~NotifyArea();
    NotifyArea(const NotifyArea&) = delete;
    NotifyArea& operator=(const NotifyArea&) = delete;

    // From now on every call appends a line to this file (none when empty):
    // the NIM_ message, the flags in hex and the answer, and with NIF_INFO a
    // tab, "info", the balloon's title and its text, tab-separated, in UTF-8.
    void SetLog(std::wstring path) { logPath_ = std::move(path); }
    // One Shell_NotifyIcon call; TRUE when it was taken, as the shell answers.
    BOOL Handle(const COPYDATASTRUCT& data);
    const std::vector<TrayIcon>& Icons() const { return icons_; }
    // Posts the icon's callback message with the mouse message, as the shell
    // does when the user acts on it; false for an unknown index.
    bool Click(std::size_t index, UINT mouseMessage) const;
    // Draws the icons from the right end of the band.
    void Paint(HDC dc, const RECT& band) const;
    // The user's mouse on the band: the icon under the point gets the mouse
    // message. False when no icon is there.
    bool MouseAt(const RECT& band, POINT point, UINT mouseMessage) const;

private:
    // Where the icon of each index is drawn, from the right end of the band.
    RECT IconRect(const RECT& band, std::size_t slot) const;
    BOOL Apply(DWORD message, NotifyData& record, const BYTE* bits, std::size_t bitsSize);
    void Log(DWORD message, const NotifyData& record, BOOL answer) const;

    std::vector<TrayIcon> icons_;
    std::wstring logPath_;
};

} // namespace standin
