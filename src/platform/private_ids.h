// The program's private window messages and timer ids, in one place so no two
// share a number on the window that gets them.
#pragma once

#include <cstdint>

#include "platform/constants.h"

namespace vm {

namespace private_msg {
// The notification icon's callback, to the tray handler's window.
inline constexpr std::uint32_t TRAY_CALLBACK = wm::USER + 0x400;
// To the settings window: posted after a change of the keyboard cues, so the
// repaint comes once the messages already waiting have been handled.
inline constexpr std::uint32_t REPAINT_AFTER_CUES = wm::APP + 1;
// To the settings window: windows reported by a window event wait for their
// check.
inline constexpr std::uint32_t EVENTS_PENDING = wm::APP + 2;
// To the settings window: a pass has ended during which messages arrived.
inline constexpr std::uint32_t HANDLE_DEFERRED = wm::APP + 3;
} // namespace private_msg

// Timers of the settings window. The tray handler's window times each icon's
// retries under the icon's own id.
namespace timer_id {
inline constexpr std::uintptr_t WATCH = 1;
inline constexpr std::uintptr_t RELOOK = 2;
// The error hook's pause.
inline constexpr std::uintptr_t RESUME = 3;
} // namespace timer_id

} // namespace vm
