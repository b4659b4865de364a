#include "sim_desktop/call_log.h"

#include "sim_desktop/cp932.h"

namespace vm::sim {

void CallLog::appendWide(std::string& text, const char16_t* value) {
    if (value == nullptr)
        text += "null";
    else
        text += ToCp932(value);
}

} // namespace vm::sim
