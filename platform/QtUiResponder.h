#pragma once

#include "platform/UiServices.h"

#include <QStringList>

// Answers the program's message boxes and file dialogs with Qt's own dialogs.
class QtUiResponder : public UiResponder {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;

    // "Name|pattern;pattern|...||" as Qt name filters; "*.*" becomes "*", so that names without
    // a dot match too.
    static QStringList NameFilters(const std::string& filter);
};
