#pragma once

#include "Ch341Emulator.h"
#include "ScriptedResponder.h"
#include "Vexbus/EditBox.h"
#include "Vexbus/VexbusDlg.h"
#include "VexbusDlgProbe.h"
#include "platform/UiServices.h"
#include "platform/usbio.h"
#include "widgets/LogList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

// A shown and active main dialog over the emulated adapter (plugged in unless a test says
// otherwise), with every box answered by a script.
class DialogFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        USBIO_CloseDevice(0);
        emulator.Reset();
        if (!pluggedAtStart)
            emulator.Unplug();
        SetAppName(ExecutableBaseName());
        SetUiResponder(&ui);
        dlg = std::make_unique<CVexbusDlg>();
        dlg->show();
        QApplication::setActiveWindow(dlg.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    void TearDown() override
    {
        dlg.reset();
        SetUiResponder(nullptr);
        USBIO_CloseDevice(0);
        EXPECT_EQ(emulator.ProtocolErrors(), std::vector<std::string>{});
    }

    QLineEdit* Edit(int id) const { return static_cast<QLineEdit*>(dlg->GetDlgItem(id)); }
    QAbstractButton* Button(int id) const { return static_cast<QAbstractButton*>(dlg->GetDlgItem(id)); }

    // Clicks into the edit, as the user does, and types.
    void Type(int id, const QString& keys)
    {
        QLineEdit* edit = Edit(id);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->end(false);
        QTest::keyClicks(edit, keys);
    }

    // Clicks into the edit, selects its text and types over it.
    void Retype(int id, const QString& keys)
    {
        QLineEdit* edit = Edit(id);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }

    void Click(int id) { QTest::mouseClick(Button(id), Qt::LeftButton); }

    std::string Text(int id) const { return Edit(id)->text().toStdString(); }

    // Bit n of the value is set exactly where box n is checked.
    unsigned Boxes() const
    {
        unsigned bits = 0;
        for (int n = 0; n < 8; ++n)
            if (Probe(*dlg).Bit(static_cast<std::size_t>(n))->isChecked())
                bits |= 1u << n;
        return bits;
    }

    std::string LastLog() const { return Probe(*dlg).Log()->GetItemText(Probe(*dlg).Log()->GetItemCount() - 1); }

    bool pluggedAtStart = true;
    Ch341Emulator& emulator = Ch341Emulator::Instance();
    ScriptedResponder ui;
    std::unique_ptr<CVexbusDlg> dlg;
};
