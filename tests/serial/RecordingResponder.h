#pragma once

#include "platform/UiServices.h"

#include <string>
#include <vector>

// Answers every message box with OK and keeps its text.
class RecordingResponder : public UiResponder {
public:
    int MessageBox(const std::string& text, const std::string&, unsigned) override
    {
        texts.push_back(text);
        return IDOK;
    }

    std::optional<std::string> FileDialog(const FileDialogRequest&) override { return std::nullopt; }

    std::vector<std::string> texts;
};
