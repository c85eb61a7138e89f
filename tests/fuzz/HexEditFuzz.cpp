// The checks of the five hexadecimal edits, driven through the real edits: the input's text is
// typed by the user or set by the program, in 8-bit or 16-bit mode.
#include "FuzzCheck.h"
#include "FuzzDialog.h"

#include "Vexbus/EditBox.h"
#include "VexbusDlgProbe.h"
#include "platform/TextScan.h"

#include <QApplication>
#include <QKeyEvent>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

constexpr std::array kEdits = {CVexbusDlg::IDC_SLAVE_ADDR, CVexbusDlg::IDC_SUB_ADDR, CVexbusDlg::IDC_DATA,
                               CVexbusDlg::IDC_START_ADDR, CVexbusDlg::IDC_END_ADDR};
// Typing is slow; a few dozen keys reach every state of a check.
constexpr qsizetype kMaxKeys = 48;
// The longest text a check writes: a whole 32-bit value.
constexpr int kMaxReplacement = 8;

// Control characters of the input stand for the editing keys; every other character is typed.
struct EditingKey {
    char16_t code;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
constexpr EditingKey kEditingKeys[] = {
    {0x08, Qt::Key_Backspace, Qt::NoModifier}, {0x7F, Qt::Key_Delete, Qt::NoModifier},
    {0x01, Qt::Key_Home, Qt::NoModifier},      {0x05, Qt::Key_End, Qt::NoModifier},
    {0x02, Qt::Key_Left, Qt::NoModifier},      {0x06, Qt::Key_Right, Qt::NoModifier},
    {0x1A, Qt::Key_Z, Qt::ControlModifier},    {0x19, Qt::Key_Y, Qt::ControlModifier},
    {0x0C, Qt::Key_Left, Qt::ShiftModifier},
};

void Press(QWidget* edit, QChar c)
{
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    QString text(c);
    for (const EditingKey& k : kEditingKeys) {
        if (c.unicode() == k.code) {
            key = k.key;
            modifiers = k.modifiers;
            text.clear();
        }
    }
    if (!text.isEmpty() && c.isLetterOrNumber() && c.unicode() < 0x80)
        key = static_cast<Qt::Key>(c.toUpper().unicode());
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(edit, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(edit, &release);
}

bool AllHexDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return -1;
    FuzzDialog& fuzz = FuzzDialog::Instance();
    fuzz.Fresh();
    CVexbusDlg& dlg = fuzz.Dialog();

    const std::uint8_t how = data[0];
    auto* edit = static_cast<EditBox*>(dlg.GetDlgItem(kEdits[how % kEdits.size()]));
    const bool typed = (how & 0x08) != 0;
    if ((how & 0x10) != 0)
        dlg.On16Bits();
    else
        dlg.On8Bits();
    edit->setText(QString());
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));

    if (typed) {
        text.truncate(kMaxKeys);
        edit->setFocus();
        edit->end(false);
        for (QChar c : text)
            Press(edit, c);
        FuzzCheck(edit->text().size() <= std::max(edit->GetLimitText(), kMaxReplacement),
                  "typing stays within the limit");
    } else {
        edit->setText(text);
    }

    const QString shown = edit->text();
    FuzzCheck(AllHexDigits(shown), "an edit shows only upper-case hexadecimal digits");
    const std::size_t refusals = AllHexDigits(text.toUpper()) ? 0 : 1;
    FuzzCheck(typed || fuzz.Ui().boxes.size() == refusals, "a text set with other characters is refused once");
    for (const auto& box : fuzz.Ui().boxes)
        FuzzCheck(box.text == "Invalid parameters", "the only box is \"Invalid parameters\"");
    if (edit == Probe(dlg).DataEdit()) {
        FuzzCheck(Probe(dlg).Data() == static_cast<std::uint8_t>(ScanHex(shown.toStdString())),
                  "the data byte is the value shown");
        for (std::size_t n = 0; n < VexbusDlgProbe::kBits; ++n)
            FuzzCheck(Probe(dlg).Bit(n)->isChecked() == (((Probe(dlg).Data() >> n) & 1) != 0),
                      "the bit boxes show the data byte");
    }
    return 0;
}
