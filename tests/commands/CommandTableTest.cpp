#include "CommandFixture.h"

#include <cctype>
#include <ostream>

namespace {

// One command line, run over the slave's known bytes, and all that it must leave behind.
struct CommandCase {
    const char* line;
    int result;
    std::vector<std::string> log;
    std::vector<std::string> traffic;
    // The list shows its new last line afterwards (it was scrolled to the top before).
    bool scrolls;
};

// The line in quotes, its line ends and tabs written as escapes.
void PrintTo(const CommandCase& c, std::ostream* os)
{
    *os << '"';
    for (const char* p = c.line; *p; ++p) {
        switch (*p) {
        case '\r': *os << "\\r"; break;
        case '\n': *os << "\\n"; break;
        case '\t': *os << "\\t"; break;
        default: *os << *p;
        }
    }
    *os << '"';
}

// The row's number and its line's letters and digits, so that a test name tells its line.
std::string CaseName(const ::testing::TestParamInfo<CommandCase>& info)
{
    std::string name = std::to_string(info.index) + "_";
    for (const char* c = info.param.line; *c; ++c)
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    return name;
}

} // namespace

class CommandTable : public CommandFixture, public ::testing::WithParamInterface<CommandCase> {
protected:
    void Check()
    {
        const CommandCase& c = GetParam();
        EXPECT_EQ(Run(c.line), c.result);
        EXPECT_EQ(NewLines(), c.log);
        EXPECT_EQ(Traffic(), c.traffic);
        if (c.scrolls)
            EXPECT_TRUE(LastLineShown());
        else
            EXPECT_FALSE(Scrolled());
        EXPECT_TRUE(ui.boxes.empty());
    }
};

TEST_P(CommandTable, LogsAndTransfersAsTheLineSays)
{
    Check();
}

INSTANTIATE_TEST_SUITE_P(
    Reads, CommandTable,
    ::testing::Values(
        CommandCase{"i2cr 1a 10", 1, {"i2cr 1a 10 -> 5a"}, {"1a 10 1b r1"}, true},
        CommandCase{"I2cR 0x1A 0X10", 1, {"i2cr 1a 10 -> 5a"}, {"1a 10 1b r1"}, true},
        CommandCase{"i2cr\t11a  10 ", 1, {"i2cr 11a 10 -> 5a"}, {"1a 10 1b r1"}, true},
        CommandCase{"i2cr 50 10", 1, {"i2cr 50 10 -> failed"}, {"50 10 51 r1 nak"}, true},
        CommandCase{"i2cr 1a 10 2", 1, {"i2cr 1a 10 -> 5a", "i2cr 1a 11 -> 6b"}, {"1a 10 1b r1", "1a 11 1b r1"}, false},
        CommandCase{"i2cr 1a fe 4",
                    1,
                    {"i2cr 1a fe -> 00", "i2cr 1a ff -> 00", "i2cr 1a 100 -> 11", "i2cr 1a 101 -> 22"},
                    {"1a fe 1b r1", "1a ff 1b r1", "1a 00 1b r1", "1a 01 1b r1"},
                    false},
        CommandCase{"i2cr 50 10 2",
                    1,
                    {"i2cr 50 10 -> failed", "i2cr 50 11 -> failed"},
                    {"50 10 51 r1 nak", "50 11 51 r1 nak"},
                    false},
        CommandCase{"i2cr 1a 10 0", 1, {}, {}, false},
        CommandCase{"i2cr 1a 0 2 4",
                    1,
                    {"i2cr 1a 00 -> byte: 00 11", "i2cr 1a 00 -> byte: 01 22", "i2cr 1a 00 -> byte: 02 33",
                     "i2cr 1a 00 -> byte: 03 44", "i2cr 1a 01 -> byte: 00 22", "i2cr 1a 01 -> byte: 01 33",
                     "i2cr 1a 01 -> byte: 02 44", "i2cr 1a 01 -> byte: 03 55"},
                    {"1a 00 1b r4", "1a 01 1b r4"},
                    true},
        CommandCase{"i2cr 1a 1 1 102",
                    1,
                    {"i2cr 1a 01 -> byte: 00 22", "i2cr 1a 01 -> byte: 01 33"},
                    {"1a 01 1b r2"},
                    true},
        CommandCase{"i2cr 1a 1 1 100", 1, {}, {"1a 01"}, false},
        CommandCase{"i2cr 50 0 1 2",
                    1,
                    {"i2cr 50 00 -> byte: 00 00", "i2cr 50 00 -> byte: 01 00"},
                    {"50 00 51 r2 nak"},
                    true},
        CommandCase{"i2cr 1a", 0, {"*** i2cr parameters missing ***"}, {}, true},
        CommandCase{"i2cr 1a 10 1 2 3", 0, {"*** i2cr parameters missing ***"}, {}, true},
        CommandCase{"i2cr16 1a 123", 1, {"i2cr 1a 0123 -> 07"}, {"1a 23 01 1b r1"}, true},
        CommandCase{"i2cr16 50 123", 1, {"i2cr 50 0123 -> failed"}, {"50 23 01 51 r1 nak"}, true},
        CommandCase{"i2cr16 1a 123 2",
                    1,
                    {"i2cr16 1a 0123 -> 07", "i2cr16 1a 0124 -> 08"},
                    {"1a 23 01 1b r1", "1a 24 01 1b r1"},
                    false},
        CommandCase{"i2cr16 1a ffff 2",
                    1,
                    {"i2cr16 1a ffff -> 00", "i2cr16 1a 10000 -> 00"},
                    {"1a ff ff 1b r1", "1a 00 00 1b r1"},
                    false},
        CommandCase{"i2cr16 50 123 1", 1, {"i2cr16 50 0123 -> failed"}, {"50 23 01 51 r1 nak"}, false},
        CommandCase{"i2cr16 1a 123 2 2",
                    1,
                    {"i2cr 1a 0123 -> byte: 00 07", "i2cr 1a 0123 -> byte: 01 08", "i2cr 1a 0124 -> byte: 00 08",
                     "i2cr 1a 0124 -> byte: 01 09"},
                    {"1a 23 01 1b r2", "1a 24 01 1b r2"},
                    true},
        CommandCase{"i2cr16", 0, {"*** i2cr16 parameters missing ***"}, {}, true}),
    CaseName);

// The keep mask of "i2cw" keeps the bits it sets (0x5A at 10 with a5 and 0f gives aa); the mask
// of "iow" writes them (55); the logs show the mask as given.
INSTANTIATE_TEST_SUITE_P(
    Writes, CommandTable,
    ::testing::Values(
        CommandCase{"i2cw 1a 20 77", 1, {"i2cw 1a 20 77"}, {"1a 20 77"}, true},
        CommandCase{"i2cw 11a 20 1ff", 1, {"i2cw 11a 20 1ff"}, {"1a 20 ff"}, true},
        CommandCase{"i2cw 50 20 77", 1, {"i2cw 50 20 77 failed"}, {"50 20 77 nak"}, true},
        CommandCase{"i2cw 1a 10 a5 0f", 1, {"i2cw 1a 10 a5, mask = 0f"}, {"1a 10 1b r1", "1a 10 aa"}, true},
        CommandCase{"i2cw 1a 10 a5 10f", 1, {"i2cw 1a 10 a5, mask = 10f"}, {"1a 10 1b r1", "1a 10 aa"}, true},
        CommandCase{"i2cw 50 10 a5 0f", 1, {"i2cw 50 10 a5, mask = 0f failed"}, {"50 10 51 r1 nak"}, true},
        CommandCase{"i2cw 1a 20", 0, {"*** i2cw parameters missing ***"}, {}, true},
        CommandCase{"i2cw 1a 20 zz", 0, {"*** i2cw parameters missing ***"}, {}, true},
        CommandCase{"i2cw16 1a 123 44", 1, {"i2cw16 1a 0123 44"}, {"1a 23 01 44"}, true},
        CommandCase{"i2cw16 1a 10123 44", 1, {"i2cw16 1a 10123 44"}, {"1a 23 01 44"}, true},
        CommandCase{"i2cw16 50 123 44", 1, {"i2cw16 50 0123 44 failed"}, {"50 23 01 44 nak"}, true},
        CommandCase{"i2cw16 1a 123 a5 0f",
                    1,
                    {"i2cw16 1a 0123 a5, mask = 0f"},
                    {"1a 23 01 1b r1", "1a 23 01 a7"},
                    true},
        CommandCase{"i2cw16 50 123 a5 0f", 1, {"i2cw16 50 0123 a5, mask = 0f failed"}, {"50 23 01 51 r1 nak"}, true},
        CommandCase{"i2cw16 1a 123 1 2 3", 0, {"*** i2cw16 parameters missing ***"}, {}, true}),
    CaseName);

// The io commands address the link's own device, the slave at 1a.
INSTANTIATE_TEST_SUITE_P(
    IoCommands, CommandTable,
    ::testing::Values(
        CommandCase{"ior 10 2", 1, {"ior 10 -> 5a", "ior 11 -> 6b"}, {"1a 10 1b r1", "1a 11 1b r1"}, true},
        CommandCase{"ior fe 4",
                    1,
                    {"ior fe -> 00", "ior ff -> 00", "ior 00 -> 11", "ior 01 -> 22"},
                    {"1a fe 1b r1", "1a ff 1b r1", "1a 00 1b r1", "1a 01 1b r1"},
                    true},
        CommandCase{"ior 110 1", 1, {"ior 10 -> 5a"}, {"1a 10 1b r1"}, true},
        // A count of 0 or with bit 31 set reads nothing, and the list scrolls all the same.
        CommandCase{"ior 10 0", 1, {}, {}, true}, CommandCase{"ior 10 80000000", 1, {}, {}, true},
        CommandCase{"ior 10", 0, {"*** ior parameters missing ***"}, {}, true},
        CommandCase{"ior16 123", 1, {"ior16 0123 -> 07"}, {"1a 23 01 1b r1"}, true},
        CommandCase{"ior16 123 2",
                    1,
                    {"ior16 0123 -> 07", "ior16 0124 -> 08"},
                    {"1a 23 01 1b r1", "1a 24 01 1b r1"},
                    true},
        CommandCase{"ior16 ffff 2",
                    1,
                    {"ior16 ffff -> 00", "ior16 10000 -> 00"},
                    {"1a ff ff 1b r1", "1a 00 00 1b r1"},
                    true},
        CommandCase{"ior16 123 ffffffff", 1, {}, {}, true},
        CommandCase{"ior16", 0, {"*** ior16 parameters missing ***"}, {}, true},
        CommandCase{"iow 20 77", 1, {"iow 20 77"}, {"1a 20 77"}, true},
        CommandCase{"iow 120 177", 1, {"iow 20 177"}, {"1a 20 77"}, true},
        CommandCase{"iow 10 a5 0f", 1, {"iow 10 a5 0f"}, {"1a 10 1b r1", "1a 10 55"}, true},
        CommandCase{"iow 110 a5 10f", 1, {"iow 10 a5 10f"}, {"1a 10 1b r1", "1a 10 55"}, true},
        CommandCase{"iow 20", 0, {"*** iow parameters missing ***"}, {}, true},
        CommandCase{"iow16 123 44", 1, {"iow16 0123 44"}, {"1a 23 01 44"}, true},
        CommandCase{"iow16 10123 44", 1, {"iow16 10123 44"}, {"1a 23 01 44"}, true},
        CommandCase{"iow16 123 a5 0f", 1, {"iow16 0123 a5 0f"}, {"1a 23 01 1b r1", "1a 23 01 05"}, true},
        CommandCase{"iow16 123 1 2 3", 0, {"*** iow16 parameters missing ***"}, {}, true}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Interpreter, CommandTable,
    ::testing::Values(
        CommandCase{"", 1, {}, {}, false}, CommandCase{"   \t ", 1, {}, {}, false},
        CommandCase{"\r\n", 1, {}, {}, false},
        CommandCase{"i2cr 1a 10\r\n\r", 1, {"i2cr 1a 10 -> 5a"}, {"1a 10 1b r1"}, true},
        CommandCase{"# i2cw 1a 20 77", 1, {}, {}, false}, CommandCase{"rem i2cw 1a 20 77", 1, {}, {}, false},
        CommandCase{"REM", 1, {}, {}, false}, CommandCase{"; i2cw 1a 20 77", 1, {}, {}, false},
        CommandCase{"#i2cw 1a 20 77", 1, {"Test CMD Line: '#'"}, {}, true},
        CommandCase{"#a-first-word-longer-than-the-word-buffer", 1, {"Test CMD Line: '#'"}, {}, true},
        CommandCase{"  #i2cw 1a 20 77", 0, {"*** Unknown cmd   #i2cw 1a 20 77 ***"}, {}, true},
        CommandCase{";i2cw 1a 20 77", 0, {"*** Unknown cmd ;i2cw 1a 20 77 ***"}, {}, true},
        CommandCase{"remark 1a", 0, {"*** Unknown cmd remark 1a ***"}, {}, true},
        CommandCase{" frob 1 2 3\r\n", 0, {"*** Unknown cmd  frob 1 2 3 ***"}, {}, true},
        CommandCase{"i2cr1a 10", 0, {"*** Unknown cmd i2cr1a 10 ***"}, {}, true},
        CommandCase{"i2crxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx 1a 10",
                    0,
                    {"*** Unknown cmd i2crxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx 1a 10 ***"},
                    {},
                    true},
        CommandCase{"portr 378", 1, {}, {}, false}, CommandCase{"PORTW 378 ff", 1, {}, {}, false},
        CommandCase{"delay", 1, {}, {}, false}, CommandCase{"delay 0x1", 1, {}, {}, false},
        // Numbers: optional "0x" and sign; a number ends at its first non-hex character, and the
        // scan stops where no number can be read.
        CommandCase{"i2cw 0x1a 0x20 0x77", 1, {"i2cw 1a 20 77"}, {"1a 20 77"}, true},
        CommandCase{"i2cw 1a 20 77zz 0f", 1, {"i2cw 1a 20 77"}, {"1a 20 77"}, true},
        CommandCase{"i2cw 1a 20,77", 0, {"*** i2cw parameters missing ***"}, {}, true},
        CommandCase{"i2cw 1a 20 -1", 1, {"i2cw 1a 20 ffffffff"}, {"1a 20 ff"}, true},
        CommandCase{"i2cw 1a 20 123456789", 1, {"i2cw 1a 20 ffffffff"}, {"1a 20 ff"}, true},
        CommandCase{"i2cr 1a 0x", 1, {"i2cr 1a 00 -> 11"}, {"1a 00 1b r1"}, true},
        CommandCase{"i2cr 1a 0xg 10", 1, {"i2cr 1a 00 -> 11"}, {"1a 00 1b r1"}, true},
        // The combined words choose by the number of numbers.
        CommandCase{"i2crw 1a 10", 1, {"i2cr 1a 10 -> 5a"}, {"1a 10 1b r1"}, true},
        CommandCase{"I2CRW 1a 20 77", 1, {"i2cw 1a 20 77"}, {"1a 20 77"}, true},
        CommandCase{"i2crw 1a 10 a5 0f", 1, {"i2cw 1a 10 a5, mask = 0f"}, {"1a 10 1b r1", "1a 10 aa"}, true},
        CommandCase{"i2crw 1a 10 1 2 3", 0, {"*** i2cw parameters missing ***"}, {}, true},
        CommandCase{"i2crw 1a", 0, {}, {}, false}, CommandCase{"i2crw", 0, {}, {}, false},
        CommandCase{"i2crw16 1a 123", 1, {"i2cr 1a 0123 -> 07"}, {"1a 23 01 1b r1"}, true},
        CommandCase{"i2crw16 1a 123 44", 1, {"i2cw16 1a 0123 44"}, {"1a 23 01 44"}, true},
        CommandCase{"i2crw16 1a", 0, {}, {}, false}),
    CaseName);

// The slave refuses its address in the first transaction only: that transfer fails, the rest go
// on.
class RefusedCommand : public CommandTable {
protected:
    void SetUp() override
    {
        CommandTable::SetUp();
        emulator.RefuseAddress();
    }
};

TEST_P(RefusedCommand, LogsTheFailedTransferAndGoesOn)
{
    Check();
}

INSTANTIATE_TEST_SUITE_P(
    FirstTransfer, RefusedCommand,
    ::testing::Values(
        CommandCase{"i2cr 1a 10 2",
                    1,
                    {"i2cr 1a 10 -> failed", "i2cr 1a 11 -> 6b"},
                    {"1a 10 1b r1 nak", "1a 11 1b r1"},
                    false},
        CommandCase{"i2cr16 1a 123 2",
                    1,
                    {"i2cr16 1a 0123 -> failed", "i2cr16 1a 0124 -> 08"},
                    {"1a 23 01 1b r1 nak", "1a 24 01 1b r1"},
                    false},
        CommandCase{"ior 10 2", 1, {"ior 10 -> failed", "ior 11 -> 6b"}, {"1a 10 1b r1 nak", "1a 11 1b r1"}, true},
        CommandCase{"ior16 123", 1, {"ior16 0123 -> failed"}, {"1a 23 01 1b r1 nak"}, true},
        CommandCase{"ior16 123 2",
                    1,
                    {"ior16 0123 -> failed", "ior16 0124 -> 08"},
                    {"1a 23 01 1b r1 nak", "1a 24 01 1b r1"},
                    true},
        CommandCase{"iow 20 77", 1, {"iow 20 77 failed"}, {"1a 20 77 nak"}, true},
        CommandCase{"iow 10 a5 0f", 1, {"iow 10 a5 0f failed"}, {"1a 10 1b r1 nak"}, true},
        CommandCase{"iow16 123 44", 1, {"iow16 0123 44 failed"}, {"1a 23 01 44 nak"}, true},
        CommandCase{"iow16 123 a5 0f", 1, {"iow16 0123 a5 0f failed"}, {"1a 23 01 1b r1 nak"}, true},
        CommandCase{"i2cw 1a 10 a5 0f", 1, {"i2cw 1a 10 a5, mask = 0f failed"}, {"1a 10 1b r1 nak"}, true},
        CommandCase{"i2cr 1a 0 2 2",
                    1,
                    {"i2cr 1a 00 -> byte: 00 00", "i2cr 1a 00 -> byte: 01 00", "i2cr 1a 01 -> byte: 00 22",
                     "i2cr 1a 01 -> byte: 01 33"},
                    {"1a 00 1b r2 nak", "1a 01 1b r2"},
                    true}),
    CaseName);
