// The hand-over of a second plain start: "/Show" sent as WM_COPYDATA to the
// running instance's controller window.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace vm {

// The controller window of a running instance.
inline constexpr char kMainFormClass[] = "TMainForm";
inline constexpr char16_t kMainFormClassW[] = u"TMainForm";

// True only for the text "/Show": at most cbData bytes, up to the first NUL.
// Any program can send us WM_COPYDATA, so nothing beyond cbData is read.
bool IsShowRequest(const CopyDataStruct* data);

// Finds the running instance's controller window; when found, sends it the
// hand-over record and waits for it to be handled, a few seconds at most.
void SendShowRequest(IWindowSystem& win, Hwnd ownAppWindow);

} // namespace vm
