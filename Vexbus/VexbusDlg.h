#pragma once

#include <QColor>
#include <QDialog>
#include <QIcon>

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>

class CProgressWnd;
class EditBox;
class LogList;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
struct CmdArgs;

// The main window: manual register read and write, the bit editor, the command line, the batch
// controls, the log list and the adapter's connection status.
class CVexbusDlg : public QDialog {
    Q_OBJECT

public:
    // Control ids of the dialog template.
    enum : int {
        IDC_8BITS = 1001,
        IDC_16BITS = 1004,
        IDC_STATUS = 1005,
        IDC_SLAVE_ADDR = 1007,
        IDC_SUB_ADDR = 1008,
        IDC_DATA = 1009,
        IDC_READ = 1010,
        IDC_WRITE = 1011,
        IDC_ALL = 1012,
        IDC_BIT0 = 1013,
        IDC_BIT7 = 1020,
        IDC_CMDLINE = 1021,
        IDC_ENTER = 1022,
        IDC_START_ADDR = 1024,
        IDC_LOAD = 1025,
        IDC_SAVE = 1026,
        IDC_SAVE_LOGS = 1027,
        IDC_CLEAR = 1028,
        IDC_BANNER = 1029,
        IDC_END_ADDR = 1030,
        IDC_LOG_LIST = 1031,
        IDC_BATCH_READ = 1035,
        IDC_LOAD_PATH = 1043,
        IDC_SAVE_PATH = 1044,
    };
    // The command of the About entry.
    static constexpr unsigned IDM_ABOUTBOX = 0x10;

    explicit CVexbusDlg(QWidget* parent = nullptr);

    // The control with this template id, or null.
    QWidget* GetDlgItem(int id) const;
    // The button that Return presses when the focus is on no button: 0 for none.
    int GetDefID() const { return m_defId; }

    void UpdateLinkStatus();
    // Appends the line to the log list, scrolls to it and repaints.
    void AddLog(std::string line);

    // The command language.
    int ExecuteCommand(char* line);
    int CmdI2cr(CmdArgs* args);
    int CmdI2cw(CmdArgs* args);
    int CmdIor(CmdArgs* args);
    int CmdIow(CmdArgs* args);
    int CmdI2cr16(CmdArgs* args);
    int CmdI2cw16(CmdArgs* args);
    int CmdIor16(CmdArgs* args);
    int CmdIow16(CmdArgs* args);
    void OnEnter();

    // Load and the batch runner.
    void OnLoad();
    void RunBatch(std::FILE* file);

    // Chip detection, range reads and the log file.
    void DetectChip();
    void OnSave();
    void OnBatchRead();
    void OnSaveLogs();
    void OnClear();

    // While a batch runs, ending the dialog stops the batch first and ends it afterwards.
    void done(int result) override;

    void OnSysCommand(unsigned id);
    void OnTimer();
    void On8Bits();
    void On16Bits();
    void OnChangeData();
    void OnChangeSubAddr();
    void OnChangeSlaveAddr();
    void OnChangeStartAddr();
    void OnChangeEndAddr();
    void OnBit0();
    void OnBit1();
    void OnBit2();
    void OnBit3();
    void OnBit4();
    void OnBit5();
    void OnBit6();
    void OnBit7();
    void OnAll();
    void OnRead();
    void OnWrite();
    void OnSetFocusCmdLine();
    void OnSetFocusSubAddr();
    void OnSetFocusData();

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    // The tests' and benchmarks' one view of the controls and the data byte.
    friend class VexbusDlgProbe;

    QIcon m_hIcon;
    QRadioButton* m_p8Bits = nullptr;
    QRadioButton* m_p16Bits = nullptr;
    QLabel* m_pStatus = nullptr;
    QColor m_statusColor;
    std::array<QCheckBox*, 8> m_pBit{};
    std::uint8_t m_data = 0;
    QLineEdit* m_pDataEdit = nullptr;
    QLineEdit* m_pSlaveEdit = nullptr;
    QLineEdit* m_pSubEdit = nullptr;
    QLineEdit* m_pStartEdit = nullptr;
    QLineEdit* m_pEndEdit = nullptr;
    QLineEdit* m_pCmdLine = nullptr;
    LogList* m_pLogList = nullptr;
    QLabel* m_pLoadPath = nullptr;
    QLabel* m_pSavePath = nullptr;

    // Helpers of the command language.
    void AppendLine(const std::string& line, bool scroll);
    void ScrollToEnd();
    int MissingParameters(const char* word);
    int BlockRead(CmdArgs* args, bool wide);
    int SlaveRead(CmdArgs* args, bool wide);
    int SlaveWrite(CmdArgs* args, bool wide);
    // Reads the range of the start and end edits, logging each read and writing its batch
    // line to file when one is given; false for a range the user must correct.
    bool ReadRange(std::FILE* file);

    void CreateControls();
    void ConnectHandlers();
    void OnInitDialog();
    void OnCtlColor();
    void OnBit(int n);
    void ShowData();
    // Runs the check of a hexadecimal edit; true with its value when every character is valid.
    bool CheckHexEdit(QLineEdit* edit, std::uint32_t* value);
    void SetLimits(int limit);
    void SetDefID(int id);
    EditBox* Edit(int id) const;
    QPushButton* Button(int id) const;

    std::map<int, QWidget*> m_controls;
    int m_defId = 0;
    QTimer* m_timer = nullptr;
    // The running batch's progress window; null when no batch runs.
    CProgressWnd* m_pBatch = nullptr;
    bool m_bStopBatch = false;
    std::optional<int> m_closeRequest;
};
