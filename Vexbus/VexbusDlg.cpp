#include "Vexbus/VexbusDlg.h"

#include "Vexbus/AboutDlg.h"
#include "Vexbus/CmdArgs.h"
#include "Vexbus/DialogUnits.h"
#include "Vexbus/EditBox.h"
#include "Vexbus/Vexbus.h"
#include "platform/TextScan.h"
#include "platform/UiServices.h"
#include "tqLink/I2CLink.h"
#include "widgets/LogList.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace {

enum class Kind { Radio, Edit, Button, Group, Label, Check, List };

// Edit styles of the template.
enum : unsigned {
    kUpper = 1,       // every character that enters becomes upper case
    kAutoHScroll = 2, // typing may scroll past the right edge
    kCentred = 4,     // static text centred horizontally
};

struct ControlTemplate {
    int id;
    Kind kind;
    const char* text;
    int x, y, width, height;
    unsigned style;
};

constexpr int kNoId = -1;

// The dialog template in its order, which is also the tab order (dialog units).
constexpr ControlTemplate kTemplate[] = {
    {CVexbusDlg::IDC_8BITS, Kind::Radio, "8Bits", 280, 58, 31, 15, 0},
    {CVexbusDlg::IDC_16BITS, Kind::Radio, "16Bits", 320, 58, 38, 15, 0},
    {CVexbusDlg::IDC_SLAVE_ADDR, Kind::Edit, "", 280, 38, 80, 14, kUpper},
    {CVexbusDlg::IDC_DATA, Kind::Edit, "", 280, 98, 80, 14, kUpper},
    {CVexbusDlg::IDC_READ, Kind::Button, "Read", 365, 38, 30, 30, 0},
    {CVexbusDlg::IDC_WRITE, Kind::Button, "Write", 365, 68, 30, 30, 0},
    {CVexbusDlg::IDC_CMDLINE, Kind::Edit, "", 168, 155, 176, 14, 0},
    {CVexbusDlg::IDC_ENTER, Kind::Button, "Enter", 356, 155, 35, 14, 0},
    {CVexbusDlg::IDC_LOAD, Kind::Button, "Load", 356, 245, 35, 14, 0},
    {CVexbusDlg::IDC_START_ADDR, Kind::Edit, "", 224, 206, 30, 14, kUpper},
    {CVexbusDlg::IDC_END_ADDR, Kind::Edit, "", 309, 205, 30, 14, kUpper},
    {CVexbusDlg::IDC_SAVE, Kind::Button, "Save", 356, 225, 35, 14, 0},
    {CVexbusDlg::IDC_SAVE_LOGS, Kind::Button, "Save Logs", 18, 268, 54, 14, 0},
    {CVexbusDlg::IDC_CLEAR, Kind::Button, "Clear", 94, 268, 54, 14, 0},
    {kNoId, Kind::Group, "Batch Read/Write Mode ", 165, 180, 234, 109, 0},
    {kNoId, Kind::Label, "Status", 17, 295, 51, 15, kCentred},
    {CVexbusDlg::IDC_STATUS, Kind::Label, "Connected", 71, 295, 85, 15, 0},
    {kNoId, Kind::Label, "Sub Address Bits Width", 170, 58, 99, 15, 0},
    {kNoId, Kind::Group, "IIC/I2C Read/Write", 163, 20, 239, 115, 0},
    {kNoId, Kind::Label, "Device Slave Address (Hex)", 170, 38, 104, 15, 0},
    {kNoId, Kind::Label, "Sub Address (Hex)", 170, 78, 95, 15, 0},
    {kNoId, Kind::Label, "Data Value (Hex)", 170, 98, 90, 15, 0},
    {CVexbusDlg::IDC_BIT0, Kind::Check, "", 350, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT0 + 1, Kind::Check, "", 340, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT0 + 2, Kind::Check, "", 330, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT0 + 3, Kind::Check, "", 320, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT0 + 4, Kind::Check, "", 310, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT0 + 5, Kind::Check, "", 300, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT0 + 6, Kind::Check, "", 290, 115, 10, 15, 0},
    {CVexbusDlg::IDC_BIT7, Kind::Check, "", 280, 115, 10, 15, 0},
    {CVexbusDlg::IDC_ALL, Kind::Button, "All", 365, 98, 30, 30, 0},
    {kNoId, Kind::Label, "IIC/I2C R/W Command Line ( Cmd+Address+SubAddr.+<Data>)", 170, 139, 231, 15, 0},
    {kNoId, Kind::Label, "Batch Write ( load a .bat file )", 174, 245, 154, 15, 0},
    {kNoId, Kind::Group, "Logs Window", 8, 20, 150, 269, 0},
    {CVexbusDlg::IDC_LOG_LIST, Kind::List, "", 17, 35, 131, 226, 0},
    {CVexbusDlg::IDC_BANNER, Kind::Label, "Vexbus - I2C register tool for CH341 adapters", 150, 295, 256, 15, kCentred},
    {CVexbusDlg::IDC_SUB_ADDR, Kind::Edit, "", 280, 78, 80, 14, kUpper | kAutoHScroll},
    {CVexbusDlg::IDC_LOAD_PATH, Kind::Label, "Load file as:", 173, 265, 220, 15, 0},
    {CVexbusDlg::IDC_SAVE_PATH, Kind::Label, "Save as file:", 173, 225, 175, 15, 0},
    {CVexbusDlg::IDC_BATCH_READ, Kind::Button, "BatchRead", 346, 205, 45, 14, 0},
    {kNoId, Kind::Label, "Start Addr. ", 173, 205, 47, 15, 0},
    {kNoId, Kind::Label, "End Addr.", 264, 205, 40, 15, 0},
};

const char* const kConnected = "CH341已连接!";
const char* const kDisconnected = "CH341未连接!";

// The colours are those of the status texts as red-green-blue values.
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kRed(0xFF, 0x00, 0x00);

QString HexByte(std::uint8_t value)
{
    return QString::asprintf("%02X", value);
}

} // namespace

CVexbusDlg::CVexbusDlg(QWidget* parent) : QDialog(parent), m_hIcon(theApp.LoadIcon()), m_timer(new QTimer(this))
{
    CreateControls();
    ConnectHandlers();
    OnInitDialog();
}

QWidget* CVexbusDlg::GetDlgItem(int id) const
{
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

EditBox* CVexbusDlg::Edit(int id) const
{
    return static_cast<EditBox*>(GetDlgItem(id));
}

QPushButton* CVexbusDlg::Button(int id) const
{
    return static_cast<QPushButton*>(GetDlgItem(id));
}

void CVexbusDlg::CreateControls()
{
    setWindowTitle(QStringLiteral("Vexbus I2C Tool"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(DialogUnits::SongFont(9));
    const DialogUnits du(font());
    setFixedSize(du.Size(412, 316));

    for (const ControlTemplate& t : kTemplate) {
        const QString text = QString::fromUtf8(t.text);
        QWidget* control = nullptr;
        switch (t.kind) {
        case Kind::Radio: {
            auto* radio = new QRadioButton(text, this);
            radio->setFocusPolicy(Qt::ClickFocus);
            control = radio;
            break;
        }
        case Kind::Edit: control = new EditBox(this, (t.style & kUpper) != 0, (t.style & kAutoHScroll) != 0); break;
        case Kind::Button: {
            auto* button = new QPushButton(text, this);
            // Only the dialog's own default-button choice decides what Return presses.
            button->setAutoDefault(false);
            control = button;
            break;
        }
        case Kind::Group: {
            auto* group = new QGroupBox(text, this);
            // A frame around other controls: it must neither hide them nor take their clicks.
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            control = group;
            break;
        }
        case Kind::Label: {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignVCenter | ((t.style & kCentred) ? Qt::AlignHCenter : Qt::AlignLeft));
            control = label;
            break;
        }
        case Kind::Check: {
            auto* check = new QCheckBox(this);
            check->setFocusPolicy(Qt::ClickFocus);
            control = check;
            break;
        }
        case Kind::List: control = new LogList(this); break;
        }
        control->setGeometry(du.Rect(t.x, t.y, t.width, t.height));
        if (t.kind == Kind::Group)
            control->lower();
        if (t.id != kNoId)
            m_controls[t.id] = control;
    }

    auto* about = new QAction(QStringLiteral("&About Vexbus..."), this);
    connect(about, &QAction::triggered, this, [this] { OnSysCommand(IDM_ABOUTBOX); });
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

void CVexbusDlg::ConnectHandlers()
{
    const auto clicked = [this](int id, void (CVexbusDlg::*handler)()) {
        connect(static_cast<QAbstractButton*>(GetDlgItem(id)), &QAbstractButton::clicked, this, handler);
    };
    const auto changed = [this](int id, void (CVexbusDlg::*handler)()) {
        connect(Edit(id), &EditBox::Changed, this, handler);
    };
    const auto focused = [this](int id, void (CVexbusDlg::*handler)()) {
        connect(Edit(id), &EditBox::FocusIn, this, handler);
    };

    changed(IDC_DATA, &CVexbusDlg::OnChangeData);
    static constexpr void (CVexbusDlg::*kBits[8])() = {
        &CVexbusDlg::OnBit0, &CVexbusDlg::OnBit1, &CVexbusDlg::OnBit2, &CVexbusDlg::OnBit3,
        &CVexbusDlg::OnBit4, &CVexbusDlg::OnBit5, &CVexbusDlg::OnBit6, &CVexbusDlg::OnBit7,
    };
    for (int n = 0; n < 8; ++n)
        clicked(IDC_BIT0 + n, kBits[n]);
    clicked(IDC_ALL, &CVexbusDlg::OnAll);
    clicked(IDC_READ, &CVexbusDlg::OnRead);
    clicked(IDC_WRITE, &CVexbusDlg::OnWrite);
    clicked(IDC_ENTER, &CVexbusDlg::OnEnter);
    focused(IDC_CMDLINE, &CVexbusDlg::OnSetFocusCmdLine);
    focused(IDC_SUB_ADDR, &CVexbusDlg::OnSetFocusSubAddr);
    focused(IDC_DATA, &CVexbusDlg::OnSetFocusData);
    changed(IDC_SUB_ADDR, &CVexbusDlg::OnChangeSubAddr);
    changed(IDC_SLAVE_ADDR, &CVexbusDlg::OnChangeSlaveAddr);
    clicked(IDC_8BITS, &CVexbusDlg::On8Bits);
    clicked(IDC_16BITS, &CVexbusDlg::On16Bits);
    changed(IDC_START_ADDR, &CVexbusDlg::OnChangeStartAddr);
    changed(IDC_END_ADDR, &CVexbusDlg::OnChangeEndAddr);
    clicked(IDC_CLEAR, &CVexbusDlg::OnClear);
    clicked(IDC_LOAD, &CVexbusDlg::OnLoad);
    clicked(IDC_SAVE, &CVexbusDlg::OnSave);
    clicked(IDC_SAVE_LOGS, &CVexbusDlg::OnSaveLogs);
    clicked(IDC_BATCH_READ, &CVexbusDlg::OnBatchRead);
    connect(m_timer, &QTimer::timeout, this, &CVexbusDlg::OnTimer);
}

void CVexbusDlg::OnInitDialog()
{
    setWindowIcon(m_hIcon);

    g_pLink->SetTransport(LinkUsb);
    g_pLink->SetUsbStreamMode(0);

    m_pStatus = static_cast<QLabel*>(GetDlgItem(IDC_STATUS));
    m_statusColor = Qt::black;
    OnCtlColor();
    m_pStatus->setText(QStringLiteral("Disconnect!"));

    m_p8Bits = static_cast<QRadioButton*>(GetDlgItem(IDC_8BITS));
    m_p16Bits = static_cast<QRadioButton*>(GetDlgItem(IDC_16BITS));
    m_p8Bits->setChecked(true);
    m_p16Bits->setChecked(false);

    m_pDataEdit = Edit(IDC_DATA);
    Edit(IDC_DATA)->SetLimitText(2);
    m_data = 0;

    for (int n = 0; n < 8; ++n)
        m_pBit[static_cast<std::size_t>(n)] = static_cast<QCheckBox*>(GetDlgItem(IDC_BIT0 + n));

    m_pSlaveEdit = Edit(IDC_SLAVE_ADDR);
    Edit(IDC_SLAVE_ADDR)->SetLimitText(2);
    m_pSlaveEdit->setText(QString());
    m_pSubEdit = Edit(IDC_SUB_ADDR);
    Edit(IDC_SUB_ADDR)->SetLimitText(2);
    m_pSubEdit->setText(QStringLiteral("0"));
    m_pStartEdit = Edit(IDC_START_ADDR);
    Edit(IDC_START_ADDR)->SetLimitText(2);
    m_pStartEdit->setText(QStringLiteral("0"));
    m_pEndEdit = Edit(IDC_END_ADDR);
    Edit(IDC_END_ADDR)->SetLimitText(2);
    m_pEndEdit->setText(QStringLiteral("0"));
    m_pCmdLine = Edit(IDC_CMDLINE);
    m_pLoadPath = static_cast<QLabel*>(GetDlgItem(IDC_LOAD_PATH));
    m_pSavePath = static_cast<QLabel*>(GetDlgItem(IDC_SAVE_PATH));

    UpdateLinkStatus();

    m_pLogList = static_cast<LogList*>(GetDlgItem(IDC_LOG_LIST));
    m_pLogList->InsertItem(0, std::string());
    m_pLogList->EnsureVisible(m_pLogList->GetItemCount() - 1, false);

    m_timer->start(1000);

    m_pSlaveEdit->setFocus();
}

void CVexbusDlg::UpdateLinkStatus()
{
    const bool connected = g_pLink->Connect() == LinkConnected;
    // The colour first, so that the repaint of the new text already shows it.
    m_statusColor = connected ? kBlue : kRed;
    OnCtlColor();
    m_pStatus->setText(QString::fromUtf8(connected ? kConnected : kDisconnected));
}

void CVexbusDlg::OnCtlColor()
{
    QPalette palette = m_pStatus->palette();
    palette.setColor(QPalette::WindowText, m_statusColor);
    m_pStatus->setPalette(palette);
}

void CVexbusDlg::OnTimer()
{
    UpdateLinkStatus();
}

void CVexbusDlg::AddLog(std::string line)
{
    const int index = m_pLogList->InsertItem(m_pLogList->GetItemCount(), line);
    m_pLogList->EnsureVisible(index, true);
    m_pLogList->Invalidate();
}

void CVexbusDlg::OnSysCommand(unsigned id)
{
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about(this);
        about.exec();
    }
}

void CVexbusDlg::SetLimits(int limit)
{
    Edit(IDC_SUB_ADDR)->SetLimitText(limit);
    Edit(IDC_START_ADDR)->SetLimitText(limit);
    Edit(IDC_END_ADDR)->SetLimitText(limit);
}

void CVexbusDlg::On8Bits()
{
    m_p8Bits->setChecked(true);
    m_p16Bits->setChecked(false);
    SetLimits(2);
    UpdateLinkStatus();
}

void CVexbusDlg::On16Bits()
{
    m_p16Bits->setChecked(true);
    m_p8Bits->setChecked(false);
    SetLimits(4);
    UpdateLinkStatus();
}

bool CVexbusDlg::CheckHexEdit(QLineEdit* edit, std::uint32_t* value)
{
    const std::string text = edit->text().toStdString();
    *value = ScanHex(text);
    for (char c : text) {
        if ((c < '0' || c > '9') && (c < 'A' || c > 'F')) {
            AppMessageBox("Invalid parameters", MB_OK);
            edit->setText(QString::asprintf("%X", *value));
            return false;
        }
    }
    return true;
}

void CVexbusDlg::OnChangeData()
{
    std::uint32_t value = 0;
    if (!CheckHexEdit(m_pDataEdit, &value))
        return;
    m_data = static_cast<std::uint8_t>(value);
    for (std::size_t n = 0; n < m_pBit.size(); ++n)
        m_pBit[n]->setChecked((m_data >> n) & 1);
}

void CVexbusDlg::OnChangeSubAddr()
{
    std::uint32_t value = 0;
    CheckHexEdit(m_pSubEdit, &value);
}

void CVexbusDlg::OnChangeSlaveAddr()
{
    std::uint32_t value = 0;
    CheckHexEdit(m_pSlaveEdit, &value);
}

void CVexbusDlg::OnChangeStartAddr()
{
    std::uint32_t value = 0;
    CheckHexEdit(m_pStartEdit, &value);
}

void CVexbusDlg::OnChangeEndAddr()
{
    std::uint32_t value = 0;
    CheckHexEdit(m_pEndEdit, &value);
}

void CVexbusDlg::ShowData()
{
    for (std::size_t n = 0; n < m_pBit.size(); ++n)
        m_pBit[n]->setChecked((m_data >> n) & 1);
    m_pDataEdit->setText(HexByte(m_data));
}

void CVexbusDlg::OnBit(int n)
{
    m_data = static_cast<std::uint8_t>(m_data ^ (1u << n));
    m_pBit[static_cast<std::size_t>(n)]->setChecked((m_data >> n) & 1);
    m_pDataEdit->setText(HexByte(m_data));
}

void CVexbusDlg::OnBit0()
{
    OnBit(0);
}
void CVexbusDlg::OnBit1()
{
    OnBit(1);
}
void CVexbusDlg::OnBit2()
{
    OnBit(2);
}
void CVexbusDlg::OnBit3()
{
    OnBit(3);
}
void CVexbusDlg::OnBit4()
{
    OnBit(4);
}
void CVexbusDlg::OnBit5()
{
    OnBit(5);
}
void CVexbusDlg::OnBit6()
{
    OnBit(6);
}
void CVexbusDlg::OnBit7()
{
    OnBit(7);
}

void CVexbusDlg::OnAll()
{
    m_data = m_data == 0xFF ? 0x00 : 0xFF;
    ShowData();
}

void CVexbusDlg::OnRead()
{
    CmdArgs args;
    args.count = 2;
    args.num1 = ScanHex(m_pSlaveEdit->text().toStdString());
    args.num2 = ScanHex(m_pSubEdit->text().toStdString());
    const int done = m_p8Bits->isChecked() ? CmdI2cr(&args) : CmdI2cr16(&args);
    if (done) {
        m_data = static_cast<std::uint8_t>(args.num3);
        ShowData();
    }
}

void CVexbusDlg::OnWrite()
{
    CmdArgs args;
    args.count = 3;
    args.num1 = ScanHex(m_pSlaveEdit->text().toStdString());
    args.num2 = ScanHex(m_pSubEdit->text().toStdString());
    args.num3 = ScanHex(m_pDataEdit->text().toStdString());
    if (m_p8Bits->isChecked())
        CmdI2cw(&args);
    else
        CmdI2cw16(&args);
}

void CVexbusDlg::SetDefID(int id)
{
    m_defId = id;
    Button(id)->setDefault(true);
}

void CVexbusDlg::OnSetFocusCmdLine()
{
    SetDefID(IDC_ENTER);
}

void CVexbusDlg::OnSetFocusSubAddr()
{
    SetDefID(IDC_READ);
}

void CVexbusDlg::OnSetFocusData()
{
    SetDefID(IDC_WRITE);
}

void CVexbusDlg::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (!enter || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(e);
        return;
    }
    // A button with the focus takes Return itself; elsewhere the default button, and with
    // none chosen yet, Return is the OK command that ends the dialog.
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget()))
        focused->click();
    else if (m_defId != 0)
        Button(m_defId)->click();
    else
        accept();
}
