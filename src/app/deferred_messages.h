// The messages the gate holds while a pass runs, oldest first, until the
// pass has ended. What a WM_COPYDATA points to is copied: the sender's
// buffer is gone once its send returns.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "platform/types.h"

namespace vm {

struct DeferredMessage {
    Hwnd window = 0;
    std::uint32_t msg = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
    // WM_COPYDATA: whether a record came, its dwData and its first bytes.
    bool hasRecord = false;
    std::uintptr_t dwData = 0;
    bool hasData = false;
    std::vector<std::uint8_t> data{};

    // The record as the handler reads it, pointing into this copy.
    CopyDataStruct Record() const;
};

class DeferredMessages {
public:
    // The hand-over reads only the first bytes of a WM_COPYDATA; a longer
    // text is kept this far, which gives every check the same answer.
    static constexpr std::uint32_t kKeptBytes = 4096;

    void Add(Hwnd window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam);
    bool Empty() const { return messages_.empty(); }
    bool Any(const std::function<bool(const DeferredMessage&)>& matches) const;
    // The oldest message kept; the queue must not be empty.
    DeferredMessage TakeOldest();
    void Clear() { messages_.clear(); }

private:
    std::deque<DeferredMessage> messages_;
};

} // namespace vm
