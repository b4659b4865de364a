#include "ui/edit.h"

#include "sys/text.h"

namespace vm {

void Edit::Type(std::string text) {
    if (maxLength_ != 0 && text.size() > maxLength_) {
        // Never cut between the two bytes of a double-byte character.
        std::size_t end = 0;
        while (end < text.size()) {
            const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
            if (end + width > maxLength_)
                break;
            end += width;
        }
        text.resize(end);
    }
    text_ = std::move(text);
}

} // namespace vm
