#pragma once

#include "DialogFixture.h"
#include "VexbusDlgProbe.h"

#include <QScrollBar>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// The main dialog over the emulated adapter, its slave holding known bytes, its log list longer
// than its window and scrolled to the top, so that a scroll to the end can be seen.
class CommandFixture : public DialogFixture {
protected:
    void SetUp() override
    {
        DialogFixture::SetUp();
        if (HasFatalFailure())
            return;
        const std::pair<std::uint8_t, std::uint8_t> paged[] = {
            {0x00, 0x11}, {0x01, 0x22}, {0x02, 0x33}, {0x03, 0x44}, {0x04, 0x55}, {0x10, 0x5A}, {0x11, 0x6B},
        };
        for (const auto& [sub, value] : paged)
            emulator.Slave().Paged(0, sub) = value;
        emulator.Slave().Flat(0x0123) = 0x07;
        emulator.Slave().Flat(0x0124) = 0x08;
        emulator.Slave().Flat(0x0125) = 0x09;

        LogList* list = Probe(*dlg).Log();
        for (int i = 0; i < 100; ++i)
            list->InsertItem(list->GetItemCount(), "earlier line");
        list->verticalScrollBar()->setValue(0);
        ASSERT_FALSE(LastLineShown());
        mark = list->GetItemCount();
        emulator.ClearLog();
    }

    int Run(const std::string& line)
    {
        std::string buffer = line;
        return dlg->ExecuteCommand(buffer.data());
    }

    // The lines logged since the set-up.
    std::vector<std::string> NewLines() const
    {
        std::vector<std::string> lines;
        for (int i = mark; i < Probe(*dlg).Log()->GetItemCount(); ++i)
            lines.push_back(Probe(*dlg).Log()->GetItemText(i));
        return lines;
    }

    // Each transaction on the bus: the bytes written, "r" and the number of bytes read, "nak"
    // when a written byte was refused.
    std::vector<std::string> Traffic() const
    {
        std::vector<std::string> traffic;
        for (const I2CTransaction& t : emulator.Transactions()) {
            std::string text;
            for (std::uint8_t byte : t.written) {
                char hex[4];
                std::snprintf(hex, sizeof hex, "%02x", byte);
                text += (text.empty() ? "" : " ") + std::string(hex);
            }
            if (t.read > 0)
                text += " r" + std::to_string(t.read);
            if (!t.acknowledged)
                text += " nak";
            traffic.push_back(text);
        }
        return traffic;
    }

    // The list shows its last line, partly shown being enough.
    bool LastLineShown() const
    {
        LogList* list = Probe(*dlg).Log();
        const QModelIndex last = list->model()->index(list->GetItemCount() - 1, 0);
        return list->visualRect(last).intersects(list->viewport()->rect());
    }

    // The scroll bar follows the list once the pending events have run.
    bool Scrolled() const
    {
        QApplication::processEvents();
        return Probe(*dlg).Log()->verticalScrollBar()->value() != 0;
    }

    int mark = 0;
};
