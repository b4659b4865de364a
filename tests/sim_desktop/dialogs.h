// The modal dialogs of the simulated desktop: message boxes and the
// file-open dialog, recorded and answered from the scene's queues.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "sim_desktop/sim_records.h"

namespace vm::sim {

class SimDialogs {
public:
    // A message box shows: the user does this while it is open (it runs
    // inside the box's modal loop), then answers it.
    void whileNextMessageBox(std::function<void()> action) {
        messageBoxActions_.push_back(std::move(action));
    }
    // Each box is answered with the next queued answer, or with its
    // default button when none is queued.
    void queueMessageBoxAnswer(int answer) { messageBoxAnswers_.push_back(answer); }
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    int answerMessageBox(MessageBoxRecord record);

    // The file-open dialog answers from this queue: a full path, or nothing
    // for a cancelled dialog (also when the queue is empty).
    void answerOpenFileName(std::optional<std::string> path) {
        fileAnswers_.push_back(std::move(path));
    }
    const std::vector<FileDialogRecord>& fileDialogs() const { return fileDialogs_; }
    std::optional<std::string> answerFileDialog(FileDialogRecord record);

private:
    std::vector<MessageBoxRecord> messageBoxes_;
    std::deque<std::function<void()>> messageBoxActions_;
    std::deque<int> messageBoxAnswers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::vector<FileDialogRecord> fileDialogs_;
};

} // namespace vm::sim
