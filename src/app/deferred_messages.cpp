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

void DeferredMessages::Add(std::uint32_t msg, std::uintptr_t wParam) {
    messages_.push_back(DeferredMessage{.msg = msg, .wParam = wParam});
}

void DeferredMessages::AddCopyData(std::uintptr_t wParam, const CopyDataStruct* record) {
    DeferredMessage kept{.msg = wm::COPYDATA, .wParam = wParam};
    if (record != nullptr) {
        kept.hasRecord = true;
        kept.dwData = record->dwData;
        if (record->lpData != nullptr) {
            kept.hasData = true;
            const auto* bytes = static_cast<const std::uint8_t*>(record->lpData);
            kept.data.assign(bytes, bytes + std::min(record->cbData, kKeptBytes));
        }
    }
    messages_.push_back(std::move(kept));
}

std::vector<DeferredMessage> DeferredMessages::Take() {
    return std::exchange(messages_, {});
}

} // namespace vm
