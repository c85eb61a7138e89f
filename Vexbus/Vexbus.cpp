#include "Vexbus/Vexbus.h"

#include "Vexbus/VexbusDlg.h"
#include "platform/UiServices.h"

#include <QImageReader>
#include <QPixmap>

#include <utility>

bool CVexbusApp::InitInstance()
{
    // Only now: a box raised while the other globals were built keeps the executable's path.
    SetAppName(ExecutableBaseName());
    CVexbusDlg dlg;
    m_pMainWnd = &dlg;
    dlg.exec();
    m_pMainWnd = nullptr;
    return false;
}

void CVexbusApp::AddLog(std::string line)
{
    if (m_pMainWnd)
        m_pMainWnd->AddLog(std::move(line));
}

QIcon CVexbusApp::LoadIcon() const
{
    // Read as what it is: detecting the format would load every image plugin first.
    QImageReader reader(QStringLiteral(":/icons/vexbus.png"), "png");
    reader.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(reader.read()));
}

// The last of the program's own globals.
CVexbusApp theApp;

void Log(std::string line)
{
    theApp.AddLog(std::move(line));
}
