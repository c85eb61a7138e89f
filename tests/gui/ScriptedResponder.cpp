#include "ScriptedResponder.h"

int ScriptedResponder::MessageBox(const std::string& text, const std::string& caption, unsigned type)
{
    boxes.push_back({text, caption, type});
    if (onBox)
        onBox(boxes.back());
    if (!answers.empty()) {
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
}

std::optional<std::string> ScriptedResponder::FileDialog(const FileDialogRequest& request)
{
    fileRequests.push_back(request);
    if (onFileDialog)
        onFileDialog(request);
    if (fileNames.empty())
        return std::nullopt;
    std::optional<std::string> name = fileNames.front();
    fileNames.pop_front();
    return name;
}

void ScriptedResponder::Sleep(unsigned milliseconds)
{
    if (onSleep)
        onSleep(milliseconds);
    else
        UiResponder::Sleep(milliseconds);
}

std::vector<ScriptedResponder::Box> TakeStartUpBoxes()
{
    ScriptedResponder first;
    SetUiResponder(&first);
    SetUiResponder(nullptr);
    return first.boxes;
}
