#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "../common/append_to_file.h"
#include "notify_area.h"

namespace standin {

namespace {

// Bytes of a bitmap's bits as Wine packs them: rows of whole 16-bit words.
std::size_t BitsSize(UINT width, UINT height, UINT planes, UINT bpp) {
    return (static_cast<std::size_t>(planes) * width * height * bpp + 15) / 16 * 2;
}

// The icon the record carries, or null when it carries none that makes sense.
HICON IconOf(const NotifyData& record, const BYTE* bits, std::size_t size) {
    // Colour icons only: a monochrome one keeps both halves in its mask.
    if (record.width == 0 || record.width > 256 || record.height == 0 || record.height > 256 ||
        record.planes != 1 ||
        (record.bpp != 8 && record.bpp != 16 && record.bpp != 24 && record.bpp != 32))
        return nullptr;
    const std::size_t mask = BitsSize(record.width, record.height, 1, 1);
    const std::size_t colour = BitsSize(record.width, record.height, record.planes, record.bpp);
    if (size < mask + colour)
        return nullptr;
    return CreateIcon(nullptr, static_cast<int>(record.width), static_cast<int>(record.height),
                      static_cast<BYTE>(record.planes), static_cast<BYTE>(record.bpp), bits,
                      bits + mask);
}

} // namespace

NotifyArea::~NotifyArea() {
    for (const TrayIcon& icon : icons_) {
        if (icon.image != nullptr)
            DestroyIcon(icon.image);
    }
}

BOOL NotifyArea::Handle(const COPYDATASTRUCT& data) {
    if (data.lpData == nullptr || data.cbData < sizeof(NotifyData))
        return FALSE;
    NotifyData record;
    std::memcpy(&record, data.lpData, sizeof(record));
    const auto* bits = static_cast<const BYTE*>(data.lpData) + sizeof(record);
    const std::size_t bitsSize = data.cbData - sizeof(record);
    const BOOL answer = Apply(static_cast<DWORD>(data.dwData), record, bits, bitsSize);
    Log(static_cast<DWORD>(data.dwData), record, answer);
    return answer;
}

BOOL NotifyArea::Apply(DWORD message, NotifyData& record, const BYTE* bits, std::size_t bitsSize) {
    const HWND owner = reinterpret_cast<HWND>(static_cast<LONG_PTR>(record.hWnd));
    auto it = std::find_if(icons_.begin(), icons_.end(), [&](const TrayIcon& icon) {
        return icon.owner == owner && icon.id == record.uID;
    });
    const bool known = it != icons_.end();
    switch (message) {
        case NIM_DELETE:
            if (!known)
                return FALSE;
            if (it->image != nullptr)
                DestroyIcon(it->image);
            icons_.erase(it);
            return TRUE;
        case NIM_ADD:
            if (known)
                return FALSE;
            icons_.push_back({owner, record.uID, 0, L"", nullptr});
            it = icons_.end() - 1;
            break;
        case NIM_MODIFY:
            if (!known)
                return FALSE;
            break;
        default:
            return FALSE;
    }
    if (record.uFlags & NIF_MESSAGE)
        it->callbackMessage = record.uCallbackMessage;
    if (record.uFlags & NIF_TIP) {
        record.szTip[127] = L'\0';
        it->tip = record.szTip;
    }
    if (record.uFlags & NIF_ICON) {
        if (it->image != nullptr)
            DestroyIcon(it->image);
        it->image = IconOf(record, bits, bitsSize);
    }
    return TRUE;
}

void NotifyArea::Log(DWORD message, const NotifyData& record, BOOL answer) const {
    if (logPath_.empty())
        return;
    std::wstring line = std::to_wstring(message) + L" ";
    wchar_t flags[16];
    swprintf(flags, 16, L"0x%X", record.uFlags);
    line += flags;
    line += answer ? L" 1" : L" 0";
    if (record.uFlags & NIF_INFO) {
        NotifyData copy = record;
        copy.szInfoTitle[63] = L'\0';
        copy.szInfo[255] = L'\0';
        line += std::wstring(L"\tinfo\t") + copy.szInfoTitle + L"\t" + copy.szInfo;
    }
    line += L"\r\n";
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size,
                        nullptr, nullptr);
    tools::AppendToFile(logPath_, bytes);
}

bool NotifyArea::Click(std::size_t index, UINT mouseMessage) const {
    if (index >= icons_.size())
        return false;
    const TrayIcon& icon = icons_[index];
    return PostMessageW(icon.owner, icon.callbackMessage, icon.id, mouseMessage) != FALSE;
}

RECT NotifyArea::IconRect(const RECT& band, std::size_t slot) const {
    const int height = band.bottom - band.top;
    const int size = std::max(8, std::min(height - 4, 32));
    const int right = band.right - 4 - static_cast<int>(slot) * (size + 4);
    const int top = band.top + (height - size) / 2;
    return RECT{right - size, top, right, top + size};
}

void NotifyArea::Paint(HDC dc, const RECT& band) const {
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        if (icons_[i].image == nullptr)
            continue;
        const RECT place = IconRect(band, i);
        DrawIconEx(dc, place.left, place.top, icons_[i].image, place.right - place.left,
                   place.bottom - place.top, 0, nullptr, DI_NORMAL);
    }
}

bool NotifyArea::MouseAt(const RECT& band, POINT point, UINT mouseMessage) const {
    for (std::size_t i = 0; i < icons_.size(); ++i) {
        const RECT place = IconRect(band, i);
        if (PtInRect(&place, point))
            return Click(i, mouseMessage);
    }
    return false;
}

} // namespace standin
