#pragma once

#include "Vexbus/VexbusDlg.h"
#include "widgets/LogList.h"

#include <QCheckBox>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cstddef>
#include <cstdint>

// What the tests and benchmarks see of the main dialog beside its template's controls: the
// control pointers and the values it keeps.
class VexbusDlgProbe {
public:
    explicit VexbusDlgProbe(const CVexbusDlg& dlg) : d(dlg) {}

    LogList* Log() const { return d.m_pLogList; }
    QRadioButton* Bits8() const { return d.m_p8Bits; }
    QRadioButton* Bits16() const { return d.m_p16Bits; }
    QLabel* Status() const { return d.m_pStatus; }
    QColor StatusColor() const { return d.m_statusColor; }
    std::uint8_t Data() const { return d.m_data; }
    QCheckBox* Bit(std::size_t n) const { return d.m_pBit[n]; }
    static constexpr std::size_t kBits = 8;
    QLineEdit* DataEdit() const { return d.m_pDataEdit; }
    QLineEdit* SlaveEdit() const { return d.m_pSlaveEdit; }
    QLineEdit* SubEdit() const { return d.m_pSubEdit; }
    QLineEdit* StartEdit() const { return d.m_pStartEdit; }
    QLineEdit* EndEdit() const { return d.m_pEndEdit; }
    QLineEdit* CmdLine() const { return d.m_pCmdLine; }
    QLabel* LoadPath() const { return d.m_pLoadPath; }
    QLabel* SavePath() const { return d.m_pSavePath; }

private:
    const CVexbusDlg& d;
};

inline VexbusDlgProbe Probe(const CVexbusDlg& dlg)
{
    return VexbusDlgProbe(dlg);
}
