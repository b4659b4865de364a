#include "ui/edit.h"

#include "encoding/text.h"

namespace vm {

void Edit::Type(const std::string& text) {
    if (window_ != 0) {
        Send(em::SETSEL, 0, -1);
        Send(em::REPLACESEL, 0, reinterpret_cast<std::intptr_t>(text.c_str()));
        return;
    }
    // The limit counts characters, a double-byte one as one, and never cuts
    // one in two.
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && (maxLength_ == 0 || characters < maxLength_)) {
        const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > text.size())
            break;
        end += width;
        ++characters;
    }
    text_ = text.substr(0, end);
}

void Edit::HandOver() {
    text_.clear();
    if (maxLength_ != 0)
        Send(em::LIMITTEXT, maxLength_);
}

} // namespace vm
