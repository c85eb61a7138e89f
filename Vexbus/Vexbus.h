#pragma once

#include "tqRegs/RegsHost.h"

#include <QIcon>

#include <string>

class CVexbusDlg;

// The application object: runs the main dialog, holds the current register set and carries log
// lines to the main dialog; the register sets reach both through it.
class CVexbusApp : public RegsHost {
public:
    CVexbusApp() { SetRegsHost(this); }
    ~CVexbusApp() { SetRegsHost(nullptr); }
    CVexbusApp(const CVexbusApp&) = delete;
    CVexbusApp& operator=(const CVexbusApp&) = delete;

    // Runs the main dialog modally; false, so the program ends when it closes.
    bool InitInstance();
    // Appends the line to the main dialog's log list; without a main dialog it does nothing.
    void AddLog(std::string line) override;
    TQRegister* CurrentRegister() const override { return m_pRegister; }
    QIcon LoadIcon() const;

    TQRegister* m_pRegister = nullptr;
    CVexbusDlg* m_pMainWnd = nullptr;
};

extern CVexbusApp theApp;

void Log(std::string line);
