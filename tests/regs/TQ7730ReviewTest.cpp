// The TQ7730 export's progress window and cleared bits, the dump's untouched window, and the
// columns of a settings line, over the emulated adapter.
#include "RegsFixture.h"
#include "tqRegs/TQ7730Fields.h"
#include "tqRegs/TQ7730Register.h"
#include "tqRegs/Txtproc.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QWidget>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

const RegField& Field(std::string_view name)
{
    return FieldNamed(g_tq7730Fields, name);
}

std::string Padded(std::string_view name)
{
    return std::string(name) + std::string(49 - name.size(), ' ');
}

// What the progress popup shows at one moment.
struct Shown {
    std::string title;
    std::string text;
    int minimum = -1;
    int maximum = -1;
    int value = -1;
};

Shown Look()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* bar = w->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (!w->isVisible() || !bar)
            continue;
        auto* label = w->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
        return {w->windowTitle().toStdString(), label ? label->text().toStdString() : std::string(), bar->minimum(),
                bar->maximum(), bar->value()};
    }
    return {};
}

void PressEscape()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !w->findChild<QProgressBar*>(QString(), Qt::FindDirectChildrenOnly))
            continue;
        QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, "\x1b"));
        QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier, "\x1b"));
    }
}

class TQ7730ReviewTest : public RegsFixture {
protected:
    void SetUp() override
    {
        RegsFixture::SetUp();
        host.current = &g_tq7730Register;
    }

    // Every register of every bank holds `value` (or the known pattern), bank 3 selected.
    void Fill(int value)
    {
        for (int bank = 0; bank < BankedSlave::kPages; ++bank)
            for (int sub = 0; sub < 0xF0; ++sub)
                emulator.Slave().Paged(bank, static_cast<std::uint8_t>(sub)) =
                    value >= 0 ? static_cast<std::uint8_t>(value) : KnownByte(bank, sub);
        g_pLink->Write8(0x1A, 0xF0, 3);
        emulator.ClearLog();
    }

    // Calls look(count) at every USB call, with the number of transactions recorded so far.
    void Watch(std::function<void(std::size_t)> look)
    {
        emulator.SetPlugSource([this, look = std::move(look)] {
            look(emulator.Transactions().size());
            return true;
        });
    }

    // The final restoring write of the bank register is about to go out: the read of bank 0's
    // 0x4F, then 0x02 to the bank register, are the last two transactions.
    bool AtLastWrite() const
    {
        const auto& t = emulator.Transactions();
        const std::size_t n = t.size();
        return n >= 2 && t[n - 1].written == std::vector<std::uint8_t>{0x1A, 0xF4, 0x02} &&
               t[n - 2].written == std::vector<std::uint8_t>{0x1A, 0x4F, 0x1B};
    }
};

} // namespace

TEST_F(TQ7730ReviewTest, ExportStepsItsWindowOncePerRegisterAndOncePerPassAfterACancel)
{
    struct Case {
        const char* name;
        std::size_t escAt; // transactions recorded when ESC is pressed; 0 for none
        int steps;         // progress steps of the whole export
        int lines;         // counted lines when the last pass steps: its registers, and bank 6's 0x63
    };
    // Pass sizes 21, 79, 79, 57, 88, 117. A cancelled pass steps once more at the register it
    // does not read, and so does every pass after it.
    const Case cases[] = {
        {"no cancel", 0, 441, 21 + 79 + 1 + 79 + 57 + 88 + 116},
        {"in the first pass after 4 registers", 6, 4 + 1 + 5, 4 + 1},
        {"in bank 4 right after 0x2A", 153, 21 + 79 + 43 + 1 + 3, 21 + 79 + 1 + 43},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fill(-1);
        Shown first;
        Shown last;
        Watch([&](std::size_t n) {
            // The read of bank 0's 0x40 waits for its answer: one step made.
            if (n == 3 && first.maximum < 0)
                first = Look();
            if (c.escAt != 0 && n == c.escAt)
                PressEscape();
            if (AtLastWrite() && last.maximum < 0) {
                // The caption follows the text's pace: let it catch up first.
                QTest::qWait(100);
                last = Look();
            }
        });
        FilePtr file(std::tmpfile());
        g_tq7730Register.WriteAllRegister(file.get());
        emulator.SetPlugSource(nullptr);

        EXPECT_EQ(first.text, "Writing lines 0 ");
        EXPECT_EQ(first.minimum, 0);
        EXPECT_EQ(first.maximum, 499);
        EXPECT_TRUE(first.title.starts_with("Write tq all register."));
        EXPECT_EQ(last.title, "Write tq all register. [" + std::to_string(c.steps * 100 / 499) + "%]");
        EXPECT_EQ(last.text, "Writing lines " + std::to_string(c.lines) + " ");
        EXPECT_EQ(last.value, c.steps);
        EXPECT_EQ(last.maximum, 499);
        EXPECT_EQ(Look().maximum, -1) << "the window is gone";
    }
}

TEST_F(TQ7730ReviewTest, ExportClearsTheEnableAndTriggerBitsBeforeTheRealValues)
{
    Fill(0xFF);
    FilePtr file(std::tmpfile());
    g_tq7730Register.WriteAllRegister(file.get());

    // The values each (bank, sub-address) gets, in file order, the bank followed through the
    // lines that select it.
    std::map<std::pair<int, int>, std::string> values;
    std::istringstream lines(Contents(file.get()));
    int bank = -1;
    for (std::string line; std::getline(lines, line);) {
        unsigned sub = 0;
        char value[3] = {};
        if (std::sscanf(line.c_str(), "i2crw 1a %x %2s", &sub, value) != 2)
            continue;
        if (sub == 0xF4) {
            bank = std::stoi(value, nullptr, 16);
            continue;
        }
        std::string& seen = values[{bank, static_cast<int>(sub)}];
        seen += (seen.empty() ? "" : " ") + std::string(value);
    }
    const std::map<std::pair<int, int>, std::string> twice = {
        {{0, 0x44}, "db ff"}, {{0, 0x45}, "f6 ff"}, {{0, 0x4F}, "cf ff"}, {{6, 0x11}, "7f ff"},
        {{6, 0x18}, "7f ff"}, {{6, 0x19}, "7f ff"}, {{2, 0x00}, "10 ff"},
    };
    for (const auto& [where, seen] : values) {
        const auto it = twice.find(where);
        EXPECT_EQ(seen, it != twice.end() ? it->second : "ff")
            << "bank " << where.first << " sub " << std::hex << where.second;
    }
    EXPECT_EQ(values.size(), 444u);
}

TEST_F(TQ7730ReviewTest, DumpWindowIsNeitherSteppedNorCancelled)
{
    Fill(-1);
    Shown shown;
    Watch([&](std::size_t n) {
        if (n == 2 && shown.maximum < 0) {
            shown = Look();
            PressEscape();
        }
    });
    FilePtr file(std::tmpfile());
    g_tq7730Register.SaveToTxt(file.get());
    emulator.SetPlugSource(nullptr);

    EXPECT_EQ(shown.title, "Save to txt");
    EXPECT_EQ(shown.minimum, 0);
    EXPECT_EQ(shown.maximum, 100);
    EXPECT_EQ(shown.text, "");

    EXPECT_EQ(Contents(file.get()), FileText(std::string(TQ7730_DATA_DIR) + "/tq7730_dump.txt"))
        << "ESC changes nothing";
}

TEST_F(TQ7730ReviewTest, PrintFieldWritesEveryColumn)
{
    // First run bits 6-7 of 0x20, second run bits 0-1 of 0x25, in bank 1.
    const RegField split{"split_field", 4, 1, 0x20 * 8 + 6, 0x20 * 8 + 7, 0x25 * 8 + 0, 0x25 * 8 + 1, " # s"};
    const RegField& wide = Field("vds_fr_select");
    const RegField& md = Field("pllad_MD");
    struct Case {
        const RegField& field;
        std::uint8_t fill; // every byte of the field's bank
        std::string line;
    };
    const std::string wideTail = "\t20\t5\t1b0" + std::string(wide.comment) + "\n";
    const Case cases[] = {
        {split, 0xFF, Padded("split_field") + "f\t4\t1\t206:207-250:251 # s\n"},
        {split, 0x00, Padded("split_field") + "0\t4\t1\t206:207-250:251 # s\n"},
        {wide, 0xFF, Padded("vds_fr_select") + "ffffffff" + wideTail},
        {wide, 0x00, Padded("vds_fr_select") + "0" + wideTail},
        {md, 0x5A, Padded("pllad_MD") + "a5a\tc\t6\t120" + std::string(md.comment) + "\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        for (int sub = 0; sub < 0xF0; ++sub)
            emulator.Slave().Paged(c.field.bank, static_cast<std::uint8_t>(sub)) = c.fill;
        FilePtr file(std::tmpfile());
        g_tq7730Register.PrintField(c.field, file.get());
        EXPECT_EQ(Contents(file.get()), c.line);
    }

    // The loader takes the four-group address of a split field back.
    emulator.Slave().Paged(1, 0x20) = 0x80;
    emulator.Slave().Paged(1, 0x25) = 0x01;
    FilePtr file(std::tmpfile());
    g_tq7730Register.PrintField(split, file.get());
    emulator.Slave().Paged(1, 0x20) = 0x00;
    emulator.Slave().Paged(1, 0x25) = 0x00;
    std::rewind(file.get());
    g_txtproc.Load(file.get());
    EXPECT_EQ(emulator.Slave().Paged(1, 0x20), 0x80);
    EXPECT_EQ(emulator.Slave().Paged(1, 0x25), 0x01);
}
