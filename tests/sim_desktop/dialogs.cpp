// Message boxes and the file-open dialog, answered from the scene's queues.
#include "sim_desktop/dialogs.h"

#include <iterator>

#include "platform/constants.h"

namespace vm::sim {

int SimDialogs::answerMessageBox(MessageBoxRecord record) {
    const std::uint32_t type = record.type;
    messageBoxes_.push_back(std::move(record));
    if (!messageBoxActions_.empty()) {
        const std::function<void()> action = std::move(messageBoxActions_.front());
        messageBoxActions_.pop_front();
        action();
    }
    if (!messageBoxAnswers_.empty()) {
        const int answer = messageBoxAnswers_.front();
        messageBoxAnswers_.pop_front();
        return answer;
    }
    // Nobody answered: the default button is pressed.
    static constexpr int kButtons[][3] = {
        {id_::OK, id_::OK, id_::OK},
        {id_::OK, id_::CANCEL, id_::CANCEL},
        {3, 4, 5},
        {id_::YES, id_::NO, id_::CANCEL},
        {id_::YES, id_::NO, id_::NO},
        {4, id_::CANCEL, id_::CANCEL},
    };
    const std::uint32_t buttons = type & 0xFu;
    const std::uint32_t defaultButton = (type >> 8) & 0xFu;
    if (buttons >= std::size(kButtons) || defaultButton > 2)
        return kButtons[0][0];
    return kButtons[buttons][defaultButton];
}

std::optional<std::string> SimDialogs::answerFileDialog(FileDialogRecord record) {
    fileDialogs_.push_back(std::move(record));
    if (fileAnswers_.empty())
        return std::nullopt;
    std::optional<std::string> answer = std::move(fileAnswers_.front());
    fileAnswers_.pop_front();
    return answer;
}

} // namespace vm::sim
