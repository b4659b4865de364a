#include "ui/focus_keeper.h"

namespace vm {

namespace {
constexpr std::uint32_t kInactive = 0; // WA_INACTIVE
} // namespace

bool FocusKeeper::IsUsableChild(Hwnd form, Hwnd control) {
    return control != 0 && win_.IsWindow(control) && win_.GetParent(control) == form &&
           win_.IsWindowVisible(control) && win_.IsWindowEnabled(control);
}

bool FocusKeeper::OnActivate(Hwnd form, std::uint32_t state, bool minimized, Hwnd first) {
    if (state == kInactive) {
        const Hwnd focus = win_.GetFocus();
        if (IsUsableChild(form, focus))
            kept_ = focus;
        return false;
    }
    if (minimized || !win_.IsWindowVisible(form))
        return false;
    const Hwnd target = IsUsableChild(form, kept_) ? kept_ : first;
    if (!IsUsableChild(form, target))
        return false;
    win_.SetFocus(target);
    return true;
}

} // namespace vm
