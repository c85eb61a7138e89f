#include "FuzzDialog.h"

#include "Vexbus/Vexbus.h"
#include "VexbusDlgProbe.h"
#include "platform/UiServices.h"
#include "tqLink/I2CLink.h"
#include "tqLink/SimDevice.h"

#include <QByteArray>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

// The log is emptied only now and then: clearing it costs more than a short input's run.
constexpr int kMaxLogLines = 100000;

// The profile folder, removed at exit.
char g_configDir[256];

void RemoveConfigDir()
{
    std::error_code ec;
    std::filesystem::remove_all(g_configDir, ec);
}

} // namespace

FuzzDialog& FuzzDialog::Instance()
{
    static FuzzDialog* const instance = new FuzzDialog;
    return *instance;
}

FuzzDialog::FuzzDialog()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The progress window stores its position in the profile: never in the user's, and in
    // memory where there is a place for it, since every batch run writes it.
    std::error_code ec;
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
    const std::string pattern = (base / "vexbus-fuzz-XXXXXX").string();
    if (pattern.size() >= sizeof g_configDir)
        std::abort();
    pattern.copy(g_configDir, pattern.size());
    if (!mkdtemp(g_configDir))
        std::abort();
    std::atexit(RemoveConfigDir);
    qputenv("XDG_CONFIG_HOME", QByteArray(g_configDir));

    app = std::make_unique<QApplication>(argc, argv);
    SetAppName(ExecutableBaseName());
    SetUiResponder(&ui);
    dlg = std::make_unique<CVexbusDlg>();
    theApp.m_pMainWnd = dlg.get();
    Fresh();
}

void FuzzDialog::Fresh()
{
    if (!dlg->isVisible())
        dlg->show();
    if (Probe(*dlg).Log()->GetItemCount() > kMaxLogLines)
        dlg->OnClear();
    ui.boxes.clear();
    ui.answers.clear();
    g_simDevice = SimDevice();
    g_pLink->SetTransport(LinkSim);
}
