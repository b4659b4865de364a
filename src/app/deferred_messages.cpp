#include "app/deferred_messages.h"

#include <algorithm>
#include <utility>

#include "platform/constants.h"

namespace vm {

CopyDataStruct DeferredMessage::Record() const {
    CopyDataStruct record;
    record.dwData = dwData;
    record.cbData = static_cast<std::uint32_t>(data.size());
    record.lpData = hasData ? data.data() : nullptr;
    return record;
}

void DeferredMessages::Add(Hwnd window, std::uint32_t msg, std::uintptr_t wParam,
                           std::intptr_t lParam) {
    DeferredMessage kept{.window = window, .msg = msg, .wParam = wParam, .lParam = lParam};
    if (msg == wm::COPYDATA) {
        // Only the copy is read once the pass has ended.
        kept.lParam = 0;
        if (const auto* record = reinterpret_cast<const CopyDataStruct*>(lParam)) {
            kept.hasRecord = true;
            kept.dwData = record->dwData;
            if (record->lpData != nullptr) {
                kept.hasData = true;
                const auto* bytes = static_cast<const std::uint8_t*>(record->lpData);
                kept.data.assign(bytes, bytes + std::min(record->cbData, kKeptBytes));
            }
        }
    }
    messages_.push_back(std::move(kept));
}

bool DeferredMessages::Any(const std::function<bool(const DeferredMessage&)>& matches) const {
    return std::any_of(messages_.begin(), messages_.end(), matches);
}

DeferredMessage DeferredMessages::TakeOldest() {
    DeferredMessage oldest = std::move(messages_.front());
    messages_.pop_front();
    return oldest;
}

} // namespace vm
