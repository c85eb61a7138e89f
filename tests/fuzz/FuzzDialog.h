#pragma once

#include "ScriptedResponder.h"
#include "Vexbus/VexbusDlg.h"

#include <QApplication>

#include <memory>

// The main dialog of one fuzz process, built on first use and kept to the end of the process
// (Qt cannot be taken down while the process exits): a headless application with a profile
// folder of its own, every box and file dialog answered by a script, and the dialog shown as
// the application's main window (so that Log reaches it) over the simulated device.
class FuzzDialog {
public:
    static FuzzDialog& Instance();

    FuzzDialog(const FuzzDialog&) = delete;
    FuzzDialog& operator=(const FuzzDialog&) = delete;

    CVexbusDlg& Dialog() { return *dlg; }
    ScriptedResponder& Ui() { return ui; }

    // Before each input: room in the log, no boxes recorded, a device as built, the link on it,
    // and the dialog shown again if a Return or Escape ended it.
    void Fresh();

private:
    FuzzDialog();

    int argc = 1;
    char name[8] = "vexbus";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
    ScriptedResponder ui;
    std::unique_ptr<CVexbusDlg> dlg;
};
