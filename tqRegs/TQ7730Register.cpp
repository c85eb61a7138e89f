#include "tqRegs/TQ7730Register.h"

#include "tqLink/I2CLink.h"
#include "tqRegs/BankedAccess.h"
#include "tqRegs/TQ7730Fields.h"
#include "widgets/ProgressWnd.h"

#include <array>
#include <initializer_list>
#include <memory>
#include <span>
#include <string_view>

constinit TQ7730Register g_tq7730Register;

using BankedAccess::ReadOrZero;

namespace {

std::uint8_t Device()
{
    return g_pLink->GetDeviceAddress();
}

void SelectBank(std::uint8_t bank)
{
    BankedAccess::SelectBank(TQ7730Register::kBankRegister, bank);
}

// One step of the register-settings dump: fixed texts, then the fields of rows first to last
// (1-based table rows; 0 for none).
struct DumpStep {
    std::string_view text;
    std::uint16_t first;
    std::uint16_t last;
};

// clang-format off
constexpr std::array<DumpStep, 94> kDumpLayout{{
    {"#FIRSTSEG\n" "#  \n" "\n" "#ADCTOP setting: \n", 1, 3},
    {"#0:RGB0/YUV0/SOG0; 1:RGB1/YUV1/SOG1; 2:RGB2; 3:reserved.\n", 4, 20},
    {"\n" "# ADC Auto Offset Control\n", 21, 27},
    {"\n" "#ADC clock mux Setting  \n", 28, 31},
    {"\n" "\n" "#PLLAD setting: \n", 32, 46},
    {"\n" "#PA for ADCTOP control\n", 47, 50},
    {"\n" "\n" "#PA for sync_proc control\n", 51, 54},
    {"\n" "# Decimator filterlsetting: \n", 55, 60},
    {"\n" "# sync proc register setting:\n" "\n" "# Control [7:0]\n", 61, 65},
    {"\n" "# H active detect control\n", 66, 70},
    {"\n" "# V active detect control\n", 71, 75},
    {"\n" "# freerun timming setting\n", 76, 77},
    {"\n" "# sog separate setting\n", 78, 79},
    {"#(this count bigin with sync_larg_differnt)\n", 80, 96},
    {"\n" "# retimming control\n", 97, 108},
    {"\n" "# Out proc              \n", 109, 122},
    {"\n" "# Auto Clamping Control\n", 123, 125},
    {"\n" "# Test Bus control\n", 126, 128},
    {"\n" "# Auto mode detect Register Settings:\n", 129, 179},
    {"\n" "\n" "#HD bypass Register Setting\n", 180, 206},
    {"\n" "\n" "#Input formatter register setting: \n" "\n", 207, 228},
    {"\n" "# horizontal scaling down control: from M down to N: ratio = 4095 * ((M-N) / N)\n", 229, 265},
    {"\n" "\n" "#Deinterlacer setting\n" "\n" "######## Diagonal BOB ##########\n", 266, 273},
    {"\n" "######## deint_mapdt3 ##########\n" "\n" "# Motion Index control\n", 274, 288},
    {"\n" "# misc\n", 289, 292},
    {"\n" "\n" "# still control           \n", 293, 303},
    {"\n" "# less still control                    \n", 304, 308},
    {"\n" "# high frequency control\n", 309, 313},
    {"\n" "# global motioncontrol\n", 314, 316},
    {"\n" "# pulldown control\n", 317, 327},
    {"\n" "\n" "# vertical scaling down control: from M down to N: ratio = 4095 * ((M-N) / N)\n", 328, 342},
    {"#(0: 1x; 1: 1/2x; 2: 1/4x; 3: 1/8x)\n", 343, 346},
    {"\n" "# feedback bit control\n", 347, 351},
    {"\n" "# pixel still control                         \n", 352, 354},
    {"\n" "# auto noise detection control                \n", 355, 356},
    {"#3:drop 15bits,2:drop 16bits,1:drop 17bits,0:drop 18bits\n", 357, 362},
    {"\n" "###### background noise reduction control ######### \n", 363, 385},
    {"\n" "# test bus control                 \n", 386, 387},
    {"\n" "\n" "###########PLL648 setting: \n", 388, 392},
    {"#100--144MHz,  101--185MHz, 110--216MHz,      111--129.6MHz\n" "\n", 393, 397},
    {"# 32.4MHz   64.8MHz  129.6MHz  1     x    01   00    00\n"
     "# 32.4MHz64.8MHz  64.8MHz   0     1    01   01    00\n"
     "# 32.4MHz32.4MHz  32.4MHz   0     0    01   01    01\n"
     "# 40.5MHz   81MHz    162MHz    1     x    10   00    00\n"
     "# 40.5MHz   81MHz    81MHz     0     1    10   01    00\n"
     "# 40.5MHz   40.5MHz  40.5MHz   0     0    10   01    01\n"
     "# 54MHz     108MHz   108MHz    1     x    00   01    00\n"
     "# 54MHz     54MHz    54MHz     0     1    00   01    01\n"
     "# 64.8MHz   129.6MHz 129.6MHz  1     x    01   01    00\n"
     "# 64.8MHz   64.8MHz  64.8MHz   0     1    01   01    01\n"
     "# 81MHz     162MHz   162MHz    1     x    10   01    00\n"
     "# 81MHz81MHz 81MHz     0     1    10   01    01\n"
     "# 108MHz108MHz   108MHz    1     x    00   01    01\n"
     "# 129.6MHz  129.6MHz 129.6MHz  1     x    01   01    01\n"
     "# 162MHz162MHz   162MHz    1 x10   01    01\n"
     "# XTOUTXTOUT XTOUT     1 x11   01    01\n"
     "# CLKINCLKIN CLKIN     0 111   01    01\n"
     "# ADCLKADCLK ADCLK     0 011   01    01\n"
     "\n", 398, 401},
    {"\n" "###########DAC(RGBS) disable, output Min\n", 402, 418},
    {"\n" "\n" "###########CKT FIFO control, for CKT used only\n", 419, 419},
    {"\n" "###########SoftWare Reset Control\n", 420, 431},
    {"\n" "###########PAD enable for H-sync/V-sync/output clock\n", 432, 448},
    {"\n" "###########Test Bus Control\n", 449, 450},
    {"\n" "###########digital output mux\n", 451, 452},
    {"\n" "###########clock/sync/blank output control\n", 453, 457},
    {"#01: H/V sync output from if_hd_byps,\n"
     "#10: H/V sync output from decimation filter\n"
     "#11: Reserved\n", 458, 459},
    {"\n" "\n" "###########input blank control\n", 460, 461},
    {"\n" "\n" "###########GPIO control\n", 462, 485},
    {"\n" "\n" "###########test logic for processing\n", 486, 486},
    {"\n" "###########interrupt control\n", 487, 502},
    {"\n" "\n" "# Memory Controller Setting : \n", 503, 568},
    {"\n" "# OSD register setting: \n", 569, 590},
    {"\n" "\n" "# Capture Register Setting: \n", 591, 606},
    {"\n" "\n" "#Playback Register Setting: \n", 607, 617},
    {"\n", 618, 619},
    {"\n" "## capture and plyaback shared register\n", 620, 626},
    {"\n" "\n" "# WFF Register Setting: \n", 627, 643},
    {"\n" "#RFF Register Setting: \n", 644, 653},
    {"\n" "#read fifo and write fifo shared register\n", 654, 657},
    {"\n" "#mem_ff_top all fifo status and memory stauts out\n", 658, 658},
    {"\n" "\n" "#Vds_proc Setting\n" "\n" "#vds_proc timing setting: \n", 659, 683},
    {"\n" "#H/V scaling up ratio\n", 684, 687},
    {"\n", 688, 692},
    {"\n" "#different frame size select\n", 693, 698},
    {"\n" "#vds_proc quality setting\n" "#YUV 422 to 444 convertion\n", 699, 704},
    {"\n" "#line buffer control\n", 705, 705},
    {"\n" "\n", 706, 706},
    {"\n" "#blk_cntrl\n", 707, 712},
    {"\n" "#step_cntrl\n", 713, 716},
    {"\n" "\n" "#skin tone correction control\n", 717, 724},
    {"\n" "#svm_cntrl\n", 725, 732},
    {"\n" "#dynamic range expansion control\n", 733, 741},
    {"\n" "#sync level insertion\n", 742, 745},
    {"\n" "\n", 746, 748},
    {"\n" "\n" "#2d peaking control\n", 749, 774},
    {"\n" "#test bus\n", 775, 776},
    {"\n" "#digital out control\n", 777, 779},
    {"\n" "#noise reduction control\n", 780, 793},
    {"\n" "#white level expansion\n", 794, 796},
    {"\n" "#nonlinear saturation \n", 797, 805},
    {"\n" "#color enhancement, can be green, red, blue or other color improvement\n", 806, 812},
    {"\n", 813, 819},
    {"\n", 820, 824},
    {"\n" "\n" "####PIP control register\n", 825, 844},
    {"\n" "\n" "\n\n# NEXTSEG\n\n" "#DAC(RGBS) enable\n", 404, 404},
    {"", 407, 407},
    {"\n", 410, 410},
    {"", 413, 413},
    {"\n\n#clock/sync output control\n", 455, 456},
    {"\n\n#Memory Initial cycle enable\n", 503, 503},
    {"\n#PLLAD ND/MD latch enable\n"
     "pllad_lat   \t     \t\t1\t1\t6\t117 #Trigger bit for ND, MD, KS, CKOS, ICP\n"
     "\n#PA_ADC and PA_Sync_proc latch enable\n"
     "pa_adc_lat\t\t\t1\t1\t6\t187 #Trigger bit for pa_adc_S\n"
     "pa_sp_lat\t\t\t1\t1\t6\t197 #Trigger bit for pa_sp_S\n", 0, 0},
}};
// clang-format on

static_assert([] {
    for (const DumpStep& step : kDumpLayout)
        if (step.first > step.last || step.last > kTQ7730FieldCount)
            return false;
    return true;
}());

// Sub-addresses of a bank pass that the export leaves out.
struct SubRange {
    std::uint8_t first;
    std::uint8_t last;
};

constexpr SubRange kBank0Skipped[] = {{0x42, 0x42}, {0x4C, 0x4C}, {0x51, 0x51}, {0x55, 0x56}};
constexpr SubRange kBank6Skipped[] = {{0x01, 0x01}, {0x0D, 0x0D}, {0x10, 0x10}, {0x1A, 0x1D},
                                      {0x28, 0x29}, {0x2B, 0x2C}, {0x30, 0x30}, {0x3C, 0x3D}};
constexpr SubRange kBank4Skipped[] = {{0x2B, 0x5F}};
constexpr SubRange kBank1Skipped[] = {{0x1C, 0x1E}, {0x25, 0x25}};
constexpr SubRange kBank2Skipped[] = {{0x1E, 0x1F}, {0x2A, 0x2A}, {0x4C, 0x4C}};

// The batch export's lines and its progress: one counted line per register of a bank pass.
class Export {
public:
    Export(std::FILE* file, CProgressWnd& progress) : file(file), progress(progress) {}

    void Select(std::uint8_t bank)
    {
        SelectBank(bank);
        Line(TQ7730Register::kBankRegister, bank);
    }

    std::uint8_t Read(std::uint8_t sub) const { return ReadOrZero(Device(), sub); }

    void Line(std::uint8_t sub, std::uint8_t value) const
    {
        std::fprintf(file, "i2crw %02x %02x %02x\n", Device(), sub, value);
    }

    void Copy(std::uint8_t sub) const { Line(sub, Read(sub)); }

    void Count() { ++lines; }

    // Visits first..last but the skipped sub-addresses; before each one the user may cancel,
    // and a cancelled pass ends before it reads.
    template <typename Visit>
    void Pass(std::uint8_t first, std::uint8_t last, std::span<const SubRange> skipped, Visit visit)
    {
        for (int sub = first; sub <= last; ++sub) {
            if (Skipped(sub, skipped))
                continue;
            progress.SetText("Writing lines %d ", lines);
            progress.StepIt();
            progress.PumpMessages(true);
            if (progress.IsCancelled())
                return;
            visit(static_cast<std::uint8_t>(sub));
            Count();
        }
    }

private:
    static bool Skipped(int sub, std::span<const SubRange> skipped)
    {
        for (const SubRange& range : skipped)
            if (sub >= range.first && sub <= range.last)
                return true;
        return false;
    }

    std::FILE* file;
    CProgressWnd& progress;
    int lines = 0;
};

} // namespace

std::uint8_t TQ7730Register::GetBankReg()
{
    return kBankRegister;
}

bool TQ7730Register::CheckChipId()
{
    SelectBank(0);
    // All three are read whatever the first one holds.
    const std::uint8_t id0 = ReadOrZero(Device(), 0x0B);
    const std::uint8_t id1 = ReadOrZero(Device(), 0x0C);
    const std::uint8_t id2 = ReadOrZero(Device(), 0x0D);
    return id0 == 0xA0 && id1 == 0x02 && id2 == 0x02;
}

bool TQ7730Register::ReadBit(std::uint8_t slave, std::int32_t bitAddress)
{
    return BankedAccess::ReadBit(slave, bitAddress);
}

void TQ7730Register::WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on)
{
    BankedAccess::WriteBit(slave, bitAddress, on);
}

std::int32_t TQ7730Register::ReadField(RegField field)
{
    return BankedAccess::ReadField(kBankRegister, field);
}

void TQ7730Register::WriteField(std::int32_t value, RegField field)
{
    BankedAccess::WriteField(kBankRegister, value, field);
}

void TQ7730Register::PrintField(RegField field, std::FILE* file)
{
    if (!file)
        return;
    const auto value = static_cast<std::uint32_t>(ReadField(field));
    const std::string_view name = field.name.View();
    std::fprintf(file, "%.*s%x\t%x\t%x\t%02x%d", static_cast<int>(name.size()), name.data(), value,
                 static_cast<unsigned>(field.length), static_cast<unsigned>(field.bank),
                 static_cast<unsigned>(field.start_addr / 8), field.start_addr % 8);
    if (field.end_addr != -1)
        std::fprintf(file, ":%02x%d-%02x%d:%02x%d", static_cast<unsigned>(field.end_addr / 8), field.end_addr % 8,
                     static_cast<unsigned>(field.start2_addr / 8), field.start2_addr % 8,
                     static_cast<unsigned>(field.end2_addr / 8), field.end2_addr % 8);
    std::fprintf(file, "%.*s\n", static_cast<int>(field.comment.size()), field.comment.data());
}

void TQ7730Register::SaveToTxt(std::FILE* file)
{
    if (!file)
        return;
    // Shown while the fields are read, and never stepped nor pumped: painted now, or it stays an
    // empty frame for the whole dump.
    const auto progress = std::make_unique<CProgressWnd>(nullptr, "Save to txt", false);
    progress->ShowNow();
    for (const DumpStep& step : kDumpLayout) {
        std::fwrite(step.text.data(), 1, step.text.size(), file);
        for (std::uint16_t row = step.first; row != 0 && row <= step.last; ++row)
            PrintField(g_tq7730Fields[row - 1u], file);
    }
}

void TQ7730Register::WriteAllRegister(std::FILE* file)
{
    if (!file)
        return;
    const std::uint8_t savedBank = ReadOrZero(Device(), kBankRegister);
    const auto progress = std::make_unique<CProgressWnd>(nullptr, "Write tq all register.", false);
    progress->SetRange(0, 499, 1);
    Export out(file, *progress);

    // The output enables and the trigger bits go into the batch cleared, and their real values
    // only after the rest of their bank.
    out.Select(0);
    out.Pass(0x40, 0x59, kBank0Skipped, [&](std::uint8_t sub) {
        std::uint8_t value = out.Read(sub);
        if (sub == 0x44)
            value &= 0xDB;
        else if (sub == 0x45)
            value &= 0xF6;
        else if (sub == 0x4F)
            value &= 0xCF;
        out.Line(sub, value);
    });

    out.Select(6);
    out.Pass(0x00, 0x5C, kBank6Skipped, [&](std::uint8_t sub) {
        std::uint8_t value = out.Read(sub);
        if (sub == 0x11 || sub == 0x18 || sub == 0x19)
            value &= 0x7F;
        out.Line(sub, value);
    });
    out.Copy(0x63);
    out.Count();
    out.Select(6);
    for (const std::uint8_t sub : {0x11, 0x18, 0x19})
        out.Copy(sub);

    out.Select(4);
    out.Pass(0x00, 0x83, kBank4Skipped, [&](std::uint8_t sub) {
        out.Copy(sub);
        if (sub == 0x2A) {
            out.Copy(0x85);
            out.Copy(0x86);
        }
    });

    out.Select(1);
    out.Pass(0x00, 0x3C, kBank1Skipped, [&](std::uint8_t sub) { out.Copy(sub); });

    // The memory's initial cycle stays off until the end of the bank.
    out.Select(2);
    out.Pass(0x00, 0x5B, kBank2Skipped, [&](std::uint8_t sub) {
        if (sub == 0x00)
            out.Line(sub, 0x10);
        else
            out.Copy(sub);
    });
    out.Select(2);
    out.Copy(0x00);

    out.Select(5);
    out.Pass(0x00, 0x74, {}, [&](std::uint8_t sub) { out.Copy(sub); });

    out.Select(0);
    for (const std::uint8_t sub : {0x44, 0x45, 0x4F})
        out.Copy(sub);
    std::fputs("\n", file);

    SelectBank(2);
    SelectBank(savedBank);
}
