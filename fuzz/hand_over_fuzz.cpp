// Any program on the desktop can send the controller WM_COPYDATA.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/hand_over.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A copy of exactly size bytes, so any read past cbData is caught.
    std::vector<std::uint8_t> bytes(data, data + size);
    vm::CopyDataStruct record;
    record.cbData = static_cast<std::uint32_t>(size);
    record.lpData = size == 0 ? nullptr : bytes.data();
    vm::IsShowRequest(&record);
    return 0;
}
