// Messages that arrived while a pass ran and wait until it has ended. A
// pass may wait for another program (a title swap sends with a time-out), and
// while it waits the system hands the thread the messages other programs
// send it: a hand-over, a close, the end of the session. Handling them there
// would run a second pass inside the first or end the program under it, so
// they are kept, with a copy of what a WM_COPYDATA points to (the sender's
// buffer is gone once the send returns), and handled afterwards.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace vm {

struct DeferredMessage {
    std::uint32_t msg = 0;
    std::uintptr_t wParam = 0;
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

    void Add(std::uint32_t msg, std::uintptr_t wParam);
    void AddCopyData(std::uintptr_t wParam, const CopyDataStruct* record);
    bool Empty() const { return messages_.empty(); }
    // Hands over everything kept, oldest first.
    std::vector<DeferredMessage> Take();

private:
    std::vector<DeferredMessage> messages_;
};

} // namespace vm
