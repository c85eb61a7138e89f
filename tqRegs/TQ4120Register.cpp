#include "tqRegs/TQ4120Register.h"

#include "tqLink/I2CLink.h"
#include "tqRegs/TQ4120Fields.h"
#include "tqRegs/Txtproc16.h"

#include <algorithm>
#include <array>
#include <cstddef>

constinit TQ4120Register g_tq4120Register;

namespace {

// Fixed texts, then the lines of the fields first to last (table indices, both included).
struct DumpItem {
    std::string_view texts;
    std::uint16_t first;
    std::uint16_t last;
};

// The body of the register-settings file: every field but the two trigger records, in table
// order, among section titles, notes and commented-out lines.
// clang-format off
constexpr std::array<DumpItem, 217> kBody{{
    {"#padsetting\n" "#dout\n", 0, 2},
    {"\n", 3, 5},
    {"\n", 6, 8},
    {"\n" "#dclkout\n", 9, 11},
    {"\n" "#hsout\n", 12, 14},
    {"\n" "#vsout\n", 15, 17},
    {"\n" "#deout\n", 18, 20},
    {"\n" "#hsin1\n", 21, 22},
    {"\n" "#vsin1\n", 23, 24},
    {"\n" "#hsin2\n", 25, 26},
    {"\n" "#vsin2\n", 27, 28},
    {"\n" "#hsin\n", 29, 30},
    {"\n" "#vsin\n", 31, 32},
    {"\n" "#dein\n", 33, 35},
    {"\n" "#din\n", 36, 38},
    {"\n", 39, 41},
    {"\n", 42, 44},
    {"\n" "#dclkin\n", 45, 47},
    {"\n" "#sout\n", 48, 50},
    {"\n" "#osd_in1\n", 51, 53},
    {"\n" "#osd_in2\n", 54, 56},
    {"\n" "#osd_in3\n", 57, 59},
    {"\n" "#osd_in4\n", 60, 62},
    {"\n" "#gpio1\n", 63, 66},
    {"\n" "#gpio2\n", 67, 70},
    {"\n" "#module reset control\n" "#reset_top_normal.txt\n", 71, 82},
    {"\n" "#ckgen setting\n", 83, 83},
    {"\n" "# clk mux control\n", 84, 84},
    {"\n" "#afe_setting:02d6-02fa\n", 85, 97},
    {"\n", 98, 100},
    {"\n", 101, 116},
    {"\n", 117, 119},
    {"\n", 120, 122},
    {"\n", 123, 125},
    {"\n", 126, 128},
    {"\n", 129, 131},
    {"\n", 132, 134},
    {"\n", 135, 137},
    {"\n", 138, 140},
    {"\n", 141, 143},
    {"\n", 144, 146},
    {"\n", 147, 149},
    {"\n", 150, 150},
    {"\n", 151, 153},
    {"\n", 154, 156},
    {"\n", 157, 172},
    {"\n", 173, 175},
    {"\n", 176, 177},
    {"\n", 178, 182},
    {"\n" "# 83 top Test bus control\n", 183, 188},
    {"\n", 189, 189},
    {"\n", 190, 190},
    {"\n", 191, 195},
    {"\n", 196, 197},
    {"\n"
     "###################################\n"
     "# ADC Auto Offset register\n"
     "###################################\n"
     "# auto offset control\n", 198, 198},
    {"#3'h0: R,G,B\n"
     "#3'h1: R,B,G\n"
     "#3'h2: G,B,R\n"
     "#3'h3: G,R,B\n"
     "#3'h4: B,G,R\n"
     "#3'h5: B,R,G\n", 199, 199},
    {"#2'h0: R\n" "#2'h1: G\n" "#2'h2: B\n", 200, 200},
    {"\n"
     "#afe_ao_auto_ofst_en                             0        1        0281[0] # =1, enable auto offset adjustment; =0, disable\n", 201, 203},
    {"# 000 = adjust by absolute value\n", 204, 207},
    {"\n", 208, 211},
    {"\n"
     "###################################\n"
     "#Auto Phase control:028d-0292\n"
     "###################################\n", 212, 214},
    {"#H will start with this value * 4\n", 215, 221},
    {"\n" "#PA registers\n", 222, 225},
    {"\n", 226, 227},
    {"\n"
     "###################################\n"
     "# PLLAD registers\n"
     "###################################\n", 228, 235},
    {"\n", 236, 239},
    {"\n", 240, 245},
    {"\n", 246, 247},
    {"\n" "#dpllad_setting:0390-039f\n", 248, 249},
    {"\n", 250, 250},
    {"\n", 251, 253},
    {"\n", 254, 257},
    {"\n", 258, 258},
    {"\n", 259, 260},
    {"\n", 261, 262},
    {"\n", 263, 267},
    {"\n", 268, 272},
    {"\n", 273, 273},
    {"\n", 274, 274},
    {"\n"
     "###################################\n"
     "# SYNC processor register :0240-027f\n"
     "###################################\n"
     "\n"
     "\n", 275, 281},
    {"\n" "# H DET BLK\n", 282, 287},
    {"\n" "# V DET BLK\n", 288, 291},
    {"\n", 292, 293},
    {"\n" "#Timmer\n", 294, 295},
    {"\n" "#cs_sep_cntrl_\n", 296, 306},
    {"\n", 307, 312},
    {"\n" "#coast gen\n", 313, 325},
    {"\n", 326, 331},
    {"\n", 332, 335},
    {"\n", 336, 339},
    {"\n" "#clamp auto cntrol\n", 340, 342},
    {"\n" "#RT control\n", 343, 351},
    {"\n", 352, 356},
    {"\n" "#OUT control\n", 357, 371},
    {"\n", 372, 374},
    {"\n" "#test bus\n", 375, 378},
    {"\n", 379, 381},
    {"# 000: {reserved,vs_act,vs_pol,hs_act,hs_pol}\n"
     "# 001: {ht_val}\n"
     "# 010: {l_pd_val}\n"
     "# 011: {vt_val}\n"
     "# 100: {rd_out}\n", 382, 382},
    {"\n" "# HS rt control\n", 383, 384},
    {"\n", 385, 386},
    {"\n"
     "########################################################\n"
     "#decimator register\n"
     "########################################################\n", 387, 387},
    {"# 0: input clk to clk2x\n", 388, 390},
    {"\n" "#dec setting\n", 391, 393},
    {"\n" "# auto detection settings: analog seprate input sync path 1\n", 394, 399},
    {"#000 :   digital sync input (hsin ,vsin)\n"
     "#001 :   analog input sync 1 (hsin1, vsin1)\n"
     "#010 :   analog input sync 2 (hsin2, vsin2)\n"
     "#011 :   analog sync on Y input (hs_sog, vs_sog)\n"
     "#100 :   sync from decimation   (hs_dec, vs_dec)\n"
     "#101 :   656 hb, vb             (hb_656, vb_656)\n", 400, 416},
    {"# 00 : h_sync & v_sync\n"
     "# 01 : h_sync | v_sync\n"
     "# 10 : h_sync\n"
     "# 11 : v_sync\n", 417, 422},
    {"# 00 : hstable & vstable\n" "# 01 : vstable\n" "# others : hstable\n", 423, 443},
    {"\n" "#PLLV setting\n" "#pllv_vclk65M_v7clk455M.txt\n", 444, 466},
    {"\n", 467, 471},
    {"#when =1, PLLV ICLK from Sub channel\n", 472, 472},
    {"\n", 473, 473},
    {"\n"
     "#ck2x setting\n"
     "#pllv_m24_ck2x_cntrl_0                           0        1        02BB[0] #\n"
     "#pllv_m24_ck4x_cntrl_1                           0        1        02BB[1] #\n"
     "#pllv_m24_mux3_cntrl_0                           0        2        02BB[4] #\n"
     "#pllv_m24_mux3_cntrl_1                           0        2        02BB[6] #\n"
     "\n", 474, 474},
    {"\n", 475, 475},
    {"\n" "#ck2x setting\n", 476, 479},
    {"\n"
     "################################################################################# \n"
     "#  PLL2X Text File# \n"
     "################################################################################# \n"
     "\n"
     "# PLL2X Register Setting\n", 480, 487},
    {"# 1,feedback clock)\n", 488, 491},
    {"\n" "# dcore dmux setting\n", 492, 492},
    {"#00, dec out\n"
     "#01, from pad in\n"
     "#1x, color bar gen\n"
     "\n"
     "# Begin of\n"
     "################################################################################# \n"
     "#  TVENCODE CHANNEL  CONTROL BLOCK TEXT FILE# \n"
     "#-------------------------------------------------------------------------------# \n"
     "# NAMEVALUE(HEX)      WIDTH(DEC)ADDRESS(HEX)COMMENT # \n"
     "################################################################################# \n"
     "#data_proc_cntrl_\n", 493, 500},
    {"\n", 501, 502},
    {"\n", 503, 511},
    {"\n", 512, 523},
    {"\n"
     "################################################################################\n", 524, 537},
    {"\n", 538, 543},
    {"\n", 544, 548},
    {"\n", 549, 552},
    {"\n", 553, 554},
    {"\n", 555, 557},
    {"\n", 558, 564},
    {"\n", 565, 568},
    {"\n", 569, 580},
    {"\n", 581, 588},
    {"\n", 589, 590},
    {"\n", 591, 593},
    {"\n", 594, 610},
    {"\n"
     "#if_out_cntrl_                                   0        32       01f4[0] #8bit process\n", 611, 628},
    {"\n" "#dithering\n", 629, 640},
    {"\n", 641, 685},
    {"\n" "#112:0\n", 686, 701},
    {"\n" "#ds_scale_up 511:128\n", 702, 719},
    {"\n", 720, 737},
    {"\n", 738, 738},
    {"#1: non-linear scaling up; 0: linear scaling up\n", 739, 739},
    {"#1: non-linear scaling up; 0: linear scaling up\n", 740, 747},
    {"\n", 748, 749},
    {"\n" "#YUV 422 to 444 conversion\n", 750, 754},
    {"\n" "#border correction\n", 755, 761},
    {"\n" "#vsc_down 687:512\n", 762, 765},
    {"\n", 766, 789},
    {"\n", 790, 793},
    {"\n", 794, 797},
    {"\n", 798, 802},
    {"\n" "#timing_gen 879:688\n", 803, 817},
    {"\n" "\n", 818, 825},
    {"\n", 826, 826},
    {"\n", 827, 827},
    {"\n" "#[1023]\n", 828, 828},
    {"\n" "#ldouble\n", 829, 831},
    {"\n", 832, 833},
    {"\n" "\n", 834, 837},
    {"\n" "#diag_bob\n", 838, 855},
    {"\n" "#CLUT\n", 856, 951},
    {"\n" "#TTX\n" "#regin0&regin1\n", 952, 959},
    {"\n", 960, 968},
    {"\n" "#regin2&regin3\n", 969, 976},
    {"\n" "#regin4\n", 977, 980},
    {"\n", 981, 982},
    {"\n" "#regin5\n", 983, 986},
    {"\n" "\n", 987, 991},
    {"\n" "#regin6\n", 992, 996},
    {"\n", 997, 1003},
    {"\n" "#regin7\n", 1004, 1011},
    {"\n" "#ALPHA\n", 1012, 1020},
    {"\n", 1021, 1024},
    {"\n", 1025, 1025},
    {"\n", 1026, 1029},
    {"\n", 1030, 1041},
    {"\n", 1042, 1049},
    {"\n", 1050, 1051},
    {"\n", 1052, 1054},
    {"\n", 1055, 1071},
    {"\n" "#cvbs\n", 1072, 1078},
    {"\n", 1079, 1086},
    {"\n", 1087, 1089},
    {"\n", 1090, 1091},
    {"\n", 1092, 1093},
    {"\n", 1094, 1100},
    {"\n", 1101, 1120},
    {"\n", 1121, 1124},
    {"\n", 1125, 1132},
    {"\n" "#cav\n", 1133, 1136},
    {"\n", 1137, 1156},
    {"\n", 1157, 1159},
    {"\n", 1160, 1177},
    {"\n" "# color bar gen setting\n", 1178, 1185},
    {"\n", 1186, 1186},
    {"\n" "# dac_out mux setting\n", 1187, 1187},
    {"#00, trig_clk = dcore_clkin\n"
     "#01, trig_clk = pllv_1x\n"
     "#01, trig_clk = pllv_2x\n"
     "\n", 1188, 1188},
    {"#0: {dcore_rin_,dcore_gin_,dcore_bin}\n"
     "#1: {tvenc_rout_,tvenc_gout_,tvenc_bout_}\n"
     "\n"
     "# digout mux setting\n", 1189, 1189},
    {"#0000, trig_clk = dcore_clkin\n"
     "#0001, trig_clk = pllv_1x\n"
     "#0010, trig_clk = pllv_2x \n"
     "#0011, trig_clk = pllv_7x\n"
     "#0100, trig_clk = dec_clk1x\n"
     "#0101, trig_clk = dec_clk2x\n"
     "#0110, trig_clk = dec_clk4x\n"
     "#0111, trig_clk = adc_tst_ck\n"
     "#1xxx, trig_clk = pllv_4x\n", 1190, 1191},
    {"#3'h0: q_ = {dec_vout_ , dec_yout_, dec_uout_}; \n"
     "#3'h1: q_ = {tvenc_rout_,tvenc_gout_,tvenc_bout_};\n"
     "#3'h2: q_ = {20'h0,tvenc_cout_};\n"
     "#3'h3: q_ = {dcore_rin_,dcore_gin_,dcore_bin_};\n"
     "#3'h4: q_ = {15'h0,tbus_out_};\n"
     "#3'h5: q_ = {tvenc_cr_int_,tvenc_y_int_,tvenc_cb_int_};\n"
     "#3'h6: q_ = 0;\n"
     "#3'h7: q_ = 0;\n"
     "\n"
     "\n"
     "# clkout mux setting\n", 1192, 1192},
    {"#0000, clkout = dcore_clkin\n"
     "#0001, clkout = pllv_1x\n"
     "#0010, clkout = pllv_2x\n"
     "#0011, clkout = pllv_7x\n"
     "#0100, clkout = dec_clk1x\n"
     "#0101, clkout = dec_clk2x\n"
     "#0110, clkout = dec_clk4x\n"
     "#0111, clkout = adc_tst_ck\n"
     "#1xxx, clkout = pllv_4x\n", 1193, 1193},
    {"\n" "#mbist setting\n", 1194, 1194},
    {"\n" "###########DAC(RGBS) disable, output Min\n", 1195, 1207},
    {"\n" "#test bus setting\n", 1208, 1208},
    {"#  0 (dec_tout_\n"
     "#  1 auto_ofst_tout_\n"
     "#  2 adc_tout_\n"
     "#  3 top_tout_\n"
     "#  4 sp_tout_\n"
     "#  5 16'b0\n"
     "#  6 lvds_tout_\n"
     "#  7 apa_tout_\n"
     "#  8 {6'h0,md_status_}\n"
     "#  9 adc_tst_out_\n"
     "#  a tst_out_dcore_\n"
     "#  b {9'b0,mbist_fail_,1'b0,mbist_done_}\n", 1209, 1209},
    {"\n" "# sync out mux setting\n", 1210, 1210},
    {"#00, dec sync out\n"
     "#01, dcore input sync out\n"
     "#10, dcore output sync out\n"
     "#11, tvenc output sync out\n"
     "\n"
     "#LVDS setting: lvds_mode1\n", 1211, 1215},
    {"\n", 1216, 1230},
    {"\n", 1231, 1247},
    {"\n", 1248, 1259},
    {"\n", 1260, 1276},
    {"\n", 1277, 1281},
    {"\n", 1282, 1282},
    {"\n"
     "#hdmi_tx register:\n"
     "#registerforhotplug\n"
     "#hdmi_tx_hot_resetb                              0        1        03B0[0] # tx_cntrl_[0];\n"
     "#hdmi_tx_hot_setb                                0        1        03B0[4] # tx_cntrl_[4];\n"
     "#hdmi_txisterforTX\n"
     "#hdmi_tx_rstb                                    0        1        03B1[0] # tx_cntrl_[8];\n", 1283, 1284},
    {"#hdmi_tx_SEL_DATA                                0        1        03B1[3] # tx_cntrl_[11];\n"
     "\n", 1285, 1300},
    {"\n", 1301, 1309},
    {"\n", 1310, 1312},
}};
// clang-format on

// The runs of the body list every field once, in table order, up to the two trigger records.
constexpr bool BodyCoversTable()
{
    std::size_t next = 0;
    for (const DumpItem& item : kBody) {
        if (item.first != next || item.last < item.first)
            return false;
        next = item.last + 1u;
    }
    return next == kTq4120FieldCount - 2;
}
static_assert(BodyCoversTable());

// The closing segments: the PLLV trigger driven to 0 and then to 1, then the PLL2X trigger and
// the three latch enables set.
// clang-format off
constexpr std::array<std::string_view, 10> kTrailer{{
    "\n",
    "\n",
    "\n",
    "# trigger segement\n"
    "#pllv trigger\n"
    "#NEXTSEG\n",
    "pllv_trigger                                     0        1        02bd[0] #PLLV trigger bit\n"
    "\n"
    "#NEXTSEG\n"
    "pllv_trigger                                     1        1        02bd[0] #PLLV trigger bit\n"
    "\n"
    "\n",
    "################################################################################# \n"
    "#  PLL2X Text File\t\t\t\t\t\t\t\t# \n"
    "################################################################################# \n",
    "#NEXTSEG\n"
    "# PLL2X Register Setting\n"
    "pll2x_trigger                                    1        1        02fe[0] #@PLL2X Register trigger bit\n"
    "pll2x_trigger_reserved                           0        7        02fe[1] #Reserved\n"
    "\n",
    "pa_lat                                           1        1        028c[0] #@PA cntrl latch enable\n",
    "afe_pllad_lat                                    1        1        028a[0] # PLLAD latch signal\n",
    "afe_dpllad_lat                                   1        1        039e[7] # cntrl_[119];\n",
}};
// clang-format on

// A value column is nine characters wide; a longer value still gets one blank, so that the
// loader reads the value and the width as two numbers.
constexpr int kValueColumn = 9;
constexpr int kWidthColumn = 9;
constexpr int kIndent = 75;

// Lower-case hexadecimal digits without leading zeros; returns the end of what it wrote.
char* PutHex(char* out, std::uint32_t value)
{
    std::array<char, 8> digits{};
    std::size_t n = 0;
    do {
        digits[n++] = "0123456789abcdef"[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (n > 0)
        *out++ = digits[--n];
    return out;
}

char* PutDecimal(char* out, std::uint8_t value)
{
    if (value >= 100)
        *out++ = static_cast<char>('0' + value / 100);
    if (value >= 10)
        *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

char* PutBlanks(char* out, std::ptrdiff_t count)
{
    return std::fill_n(out, std::max<std::ptrdiff_t>(1, count), ' ');
}

void Write(std::string_view text, std::FILE* file)
{
    std::fwrite(text.data(), 1, text.size(), file);
}

// The registers that a field covers, one after another from its first.
struct FieldRegister {
    std::uint16_t address;
    std::uint8_t lo;
    std::uint8_t hi;
    std::uint8_t keep; // the bits that do not belong to the field
};

template <typename Visit>
void ForEachRegister(const RegField16& field, Visit visit)
{
    // A start bit outside its byte, or a width whose span with the start bit overflows the 8 bits
    // it is counted in, names no bit of any register.
    if (field.start_bit > 7 || field.width + field.start_bit > 0xFF)
        return;
    const auto span = static_cast<std::uint8_t>(field.width + field.start_bit);
    const int count = (span + 7) / 8;
    for (int i = 0; i < count; ++i) {
        const auto lo = static_cast<std::uint8_t>(i == 0 ? field.start_bit : 0);
        const int left = span - 8 * i;
        const auto hi = static_cast<std::uint8_t>(left >= 8 ? 7 : left - 1);
        visit(i, FieldRegister{static_cast<std::uint16_t>(field.address + i), lo, hi, g_txtproc16.KeepMask(lo, hi)});
    }
}

} // namespace

void TQ4120Register::WriteAllRegister(std::FILE* file)
{
    if (file == nullptr)
        return;
    Write("# Not support yet!", file);
}

void TQ4120Register::SaveToTxt(std::FILE* file)
{
    if (file == nullptr)
        return;
    // One lock for the whole file rather than one per line.
    flockfile(file);
    for (const DumpItem& item : kBody) {
        Write(item.texts, file);
        for (std::size_t i = item.first; i <= item.last; ++i)
            PrintField(g_tq4120Fields[i], file);
    }
    for (const std::string_view text : kTrailer)
        Write(text, file);
    funlockfile(file);
}

bool TQ4120Register::CheckChipId()
{
    return true;
}

std::uint8_t TQ4120Register::GetBankReg()
{
    return 0x00;
}

std::int32_t TQ4120Register::ReadField(RegField16 field)
{
    std::uint32_t result = 0;
    ForEachRegister(field, [&](int i, const FieldRegister& reg) {
        std::uint8_t byte = 0;
        // A failed read contributes no bits, whatever it left in the byte.
        if (g_pLink->ReadReg16(reg.address, &byte) != 0)
            byte = 0;
        const std::uint64_t part = static_cast<std::uint8_t>(byte & ~reg.keep) >> reg.lo;
        const int shift = i == 0 ? 0 : 8 * i - field.start_bit;
        // Bits from 32 up do not fit the value.
        if (shift < 32)
            result |= static_cast<std::uint32_t>(part << shift);
    });
    return static_cast<std::int32_t>(result);
}

void TQ4120Register::WriteField(std::int32_t value, RegField16 field)
{
    ForEachRegister(field, [&](int, const FieldRegister& reg) {
        const int bits = reg.hi - reg.lo + 1;
        const auto mask = static_cast<std::uint32_t>((1u << bits) - 1);
        const auto part = static_cast<std::uint8_t>((static_cast<std::uint32_t>(value) & mask) << reg.lo);
        g_pLink->ModifyReg16(reg.address, part, reg.keep);
        value >>= bits;
    });
}

void TQ4120Register::PrintField(RegField16 field, std::FILE* file)
{
    if (file == nullptr)
        return;
    const auto value = static_cast<std::uint32_t>(ReadField(field));
    // Formatted by hand and written at once: the dump writes 1313 of these lines, and a
    // formatted print of each would cost more than the register reads behind it.
    std::array<char, 256> line;
    const std::string_view name = field.name.View();
    char* p = std::copy(name.begin(), name.end(), line.data());
    char* column = p;
    p = PutHex(p, value);
    p = PutBlanks(p, kValueColumn - (p - column));
    column = p;
    p = PutHex(p, field.width);
    p = PutBlanks(p, kWidthColumn - (p - column));
    for (int shift = 12; shift >= 0; shift -= 4)
        *p++ = "0123456789abcdef"[(field.address >> shift) & 0xF];
    *p++ = '[';
    p = PutDecimal(p, field.start_bit);
    *p++ = ']';
    *p++ = ' ';
    const std::size_t room = static_cast<std::size_t>(line.data() + line.size() - p) - 1;
    if (field.comment.size() > room) {
        Write({line.data(), static_cast<std::size_t>(p - line.data())}, file);
        Write(field.comment, file);
        std::fputc('\n', file);
        return;
    }
    p = std::copy(field.comment.begin(), field.comment.end(), p);
    *p++ = '\n';
    Write({line.data(), static_cast<std::size_t>(p - line.data())}, file);
}

void PrintIndented(std::string_view text, std::FILE* file)
{
    if (file == nullptr)
        return;
    std::fprintf(file, "%*s%.*s\n", kIndent, "", static_cast<int>(text.size()), text.data());
}
