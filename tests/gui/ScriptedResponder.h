#pragma once

#include "platform/UiServices.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// Answers boxes and file dialogs from queues and records every request, so no test blocks.
// Without a queued answer a box gets its first button (IDOK or IDYES) and a file dialog is
// cancelled.
class ScriptedResponder : public UiResponder {
public:
    struct Box {
        std::string text;
        std::string caption;
        unsigned type;
    };

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
    // Sleeps for real unless onSleep takes the wait.
    void Sleep(unsigned milliseconds) override;

    std::deque<int> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::vector<Box> boxes;
    std::vector<FileDialogRequest> fileRequests;
    // Runs while a box is up, to look at the program as the user would see it then.
    std::function<void(const Box&)> onBox;
    std::function<void(unsigned)> onSleep;
    // Runs while a file dialog is up, before its queued answer is given.
    std::function<void(const FileDialogRequest&)> onFileDialog;
};

// Takes the boxes that the link objects raised while the globals were built, as the program's
// first responder does.
std::vector<ScriptedResponder::Box> TakeStartUpBoxes();
