#pragma once

#include "platform/UiServices.h"

#include <string>
#include <vector>

// Answers every message box with OK and keeps its text and type; installed for its lifetime.
// Boxes queued before it was installed (the link objects are built before any test runs) are
// dropped so that a test sees only its own.
class BoxRecorder : public UiResponder {
public:
    struct Box {
        std::string text;
        unsigned type;
    };

    BoxRecorder()
    {
        SetUiResponder(this);
        boxes.clear();
    }
    ~BoxRecorder() override { SetUiResponder(nullptr); }
    BoxRecorder(const BoxRecorder&) = delete;
    BoxRecorder& operator=(const BoxRecorder&) = delete;

    int MessageBox(const std::string& text, const std::string&, unsigned type) override
    {
        boxes.push_back({text, type});
        return IDOK;
    }
    std::optional<std::string> FileDialog(const FileDialogRequest&) override { return std::nullopt; }

    std::vector<Box> boxes;
};
