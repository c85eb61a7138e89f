#include "tqRegs/TQ7790Register.h"

#include "tqLink/I2CLink.h"
#include "tqRegs/BankedAccess.h"
#include "tqRegs/TQ7790Fields.h"
#include "widgets/ProgressWnd.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>

constinit TQ7790Register g_tq7790Register;

namespace {

constexpr std::uint8_t kIdBank = 0;
constexpr std::array<std::uint8_t, 3> kIdSubs = {0x01, 0x02, 0x03};
constexpr std::array<std::uint8_t, 3> kIdBytes = {0xF2, 0x18, 0x03};

struct ExportBlock {
    int bank;
    int first;
    int last;
    const char* title;
};

// Every sub-address that holds a field lies in one of these.
constexpr ExportBlock kExportBlocks[] = {
    {0, 0x50, 0x7f, "rem PAD Register Settings:"},
    {0, 0x80, 0x8f, "rem PLLV Register Settings:"},
    {0, 0x90, 0xaf, "rem mode and border detect Register Settings:"},
    {0, 0xb4, 0xb5, "rem chip reset Register Settings:"},
    {0, 0xc0, 0xcf, "rem top Register Settings:"},
    {1, 0x00, 0x7f, "rem Input format Register Setting:"},
    {2, 0x20, 0x3f, "rem adc abist Register Settings:"},
    {2, 0x40, 0x7f, "rem Sync Processing Register Settings:"},
    {2, 0x80, 0x9f, "rem 83 Register Settings:"},
    {2, 0xa0, 0xaf, "rem afe_top Register Settings:"},
    {2, 0xb0, 0xdf, "rem afe Register Settings:"},
    {2, 0xe0, 0xef, "rem dpllad Register Settings:"},
    {3, 0xa0, 0xaf, "rem data_proc Register Settings:"},
    {3, 0xb0, 0xbf, "rem HDMI_TX Register Settings:"},
    {3, 0xc0, 0xdf, "rem ld Register Settings:"},
    {4, 0x00, 0xef, "rem hdmi_proc2 Register Settings:"},
    {5, 0x00, 0xef, "rem rgb2hdmi Register Settings:"},
    {6, 0x00, 0x3f, "rem vds Register Setting:"},
};

// The latch and trigger fields: the settings file sets them with fixed lines, never from the chip.
constexpr std::string_view kNotDumped[] = {"afe_pa_lat", "afe_pllad_lat", "afe_dpllad_lat", "pllv_trigger"};

constexpr const char* kHeader = "#regisger name                             value(H) length(H) bank  start_addr(H)\n";

// Legends stand under the value column of the field line they explain.
constexpr int kLegend = 76;

// A line of the settings file that carries nothing read from the chip: the field whose line it
// follows (empty: before the first), its indent and its text.
struct FixedLine {
    std::string_view after;
    int indent;
    std::string_view text;
};

constexpr FixedLine kFixedLines[] = {
    {"", 0, "#pad setting"},
    {"pad_gpio_o_", 0, ""},
    {"pad_r_gpio_outen_", 0, ""},
    {"pad_r_spdif_outen", 0, ""},
    {"pad_r_mclk_outen", 0, ""},
    {"pad_r_i2s_data_outen_", 0, ""},
    {"pad_r_i2s_ws_outen", 0, ""},
    {"pad_r_i2s_sck_outen", 0, ""},
    {"pad_r_vsin1_sel", 0, ""},
    {"pad_r_hpd_setb", 0, ""},
    {"pad_r_cec_outen", 0, ""},
    {"pad_r_dscl_outen", 0, ""},
    {"pad_r_dsda_outen", 0, ""},
    {"pad_r_din_outen_", 0, ""},
    {"pad_r_dclkin_outen", 0, ""},
    {"pad_r_hsin_outen", 0, ""},
    {"pad_r_vsin_outen", 0, ""},
    {"pad_r_vsin2_sel", 0, ""},
    {"pad_r_hsin2_sel", 0, ""},
    {"pad_dsda_o", 0, ""},
    {"pad_r_din_sel", 0, ""},
    {"pad_r_cksel_to_afe", 0, ""},
    {"pad_r_cksel_to_afe", 0, ""},
    {"pad_r_cksel_to_afe", 0, "#module reset control"},
    {"pad_r_cksel_to_afe", 0, "#reset_top_normal.txt"},
    {"rst_border_det", 0, ""},
    {"rst_border_det", 0, "#regisger name\t\t\tvalue(H) length(H) bank\tstart_addr(H)"},
    {"rst_border_det", 0, "#adc_abst_setting"},
    {"adc_abst_r_out_sel", 0, ""},
    {"adc_abst_r_lv1_y", 0, ""},
    {"adc_abst_min_70", 0, ""},
    {"adc_abst_max_70", 0, ""},
    {"adc_abst_r_ofst_width1", 0, ""},
    {"adc_abst_r_ofst_nb1", 0, ""},
    {"adc_abst_r_ofst_x7", 0, ""},
    {"adc_abst_r_ofst_y7", 0, ""},
    {"adc_abst_r_ofst_y7", 0, ""},
    {"adc_abst_r_ofst_y7", 0, ""},
    {"adc_abst_r_ofst_y7", 0, ""},
    {"adc_abst_r_ofst_y7", 0, "#ckgen setting"},
    {"ckgen_sel_bit_6to0", 0, ""},
    {"ckgen_sel_bit_6to0", 0, "# clk mux control                                    "},
    {"ckgen_sel_bit7_afe_clk_mux_cntrl", 0, ""},
    {"ckgen_sel_bit7_afe_clk_mux_cntrl", 0, ""},
    {"ckgen_sel_bit7_afe_clk_mux_cntrl", 0, "#afe_setting:s3_b0-df"},
    {"AFE_AFGAINCR", 0, ""},
    {"AFE_AFOFFSETCR", 0, ""},
    {"AFE_AFTESTR", 0, ""},
    {"AFE_AMUXR", 0, ""},
    {"AFE_BGPDB", 0, ""},
    {"AFE_CH0PDR", 0, ""},
    {"AFE_CH0PDR", 0, ""},
    {"AFE_CH1PDR", 0, ""},
    {"AFE_CH2PDR", 0, ""},
    {"AFE_CH2PDR", 0, "#AFE_CH3PDB                                       0\t1\t2\tc34 #"},
    {"AFE_CH2PDR", 0, "#AFE_CH3PDG                                       0\t1\t2\tc35 #"},
    {"AFE_CH2PDR", 0, "#AFE_CH3PDR                                       0\t1\t2\tc36 #"},
    {"AFE_CH2PDR", 0, ""},
    {"AFE_CHNPDR", 0, ""},
    {"AFE_CHNPDR", 0, "#AFE_CLAMPOEB                                     1\t1\t2\tc44 #"},
    {"AFE_CHNPDR", 0, "#AFE_CLAMPOEG                                     1\t1\t2\tc45 #"},
    {"AFE_CHNPDR", 0, "#AFE_CLAMPOER                                     1\t1\t2\tc46 #"},
    {"AFE_CHNPDR", 0, ""},
    {"AFE_CHNPDR", 0, "#AFE_CLAMPSEL2B                                   0\t1\t2\tc50 #"},
    {"AFE_CHNPDR", 0, "#AFE_CLAMPSEL2G                                   0\t1\t2\tc51 #"},
    {"AFE_CHNPDR", 0, "#AFE_CLAMPSEL2R                                   0\t1\t2\tc52 #"},
    {"AFE_CHNPDR", 0, ""},
    {"AFE_CLAMPSELR", 0, ""},
    {"AFE_CLAMPSELR", 0, "#AFE_CLAMPSSELB                                   0\t1\t2\tc60 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CLAMPSSELG                                   0\t1\t2\tc61 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CLAMPSSELR                                   0\t1\t2\tc62 #"},
    {"AFE_CLAMPSELR", 0, ""},
    {"AFE_CLAMPSELR", 0, "#AFE_CPISELB                                      0\t3\t2\tc70 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CPISELG                                      0\t3\t2\tc74 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CPISELR                                      0\t3\t2\tc80 #"},
    {"AFE_CLAMPSELR", 0, ""},
    {"AFE_CLAMPSELR", 0, "#AFE_CPSELB                                       0\t1\t2\tc84 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CPSELG                                       0\t1\t2\tc85 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CPSELR                                       0\t1\t2\tc86 #"},
    {"AFE_CLAMPSELR", 0, ""},
    {"AFE_CLAMPSELR", 0, "#AFE_CPOEB                                        0\t1\t2\tc90 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CPOEG                                        0\t1\t2\tc91 #"},
    {"AFE_CLAMPSELR", 0, "#AFE_CPOER                                        0\t1\t2\tc92 #"},
    {"AFE_CLAMPSELR", 0, ""},
    {"AFE_DATACKINV", 0, ""},
    {"AFE_DEC2OER", 0, ""},
    {"AFE_IBSELR", 0, ""},
    {"AFE_SOGEN", 0, ""},
    {"AFE_HSYNC_SEL", 0, ""},
    {"AFE_SOGTEST_EN", 0, ""},
    {"AFE_CLAMPDEC", 0, ""},
    {"AFE_R_PDRIN", 0, ""},
    {"AFE_ABISTEN", 0, "# 83 top Test bus control"},
    {"afe_pa_reserved", 0, ""},
    {"afe_pa_reserved", 0, ""},
    {"afe_top_tst_cntrl_", 0, ""},
    {"afe_tstadc_mod2_en", 0, ""},
    {"afe_tstadc1_clk_mux", 0, ""},
    {"afe_ATE_mux_all_sel", 0, ""},
    {"afe_ATE_mux_all_sel", 0, ""},
    {"afe_ATE_mux_all_sel", 0, ""},
    {"afe_ATE_mux_all_sel", 0, ""},
    {"afe_ATE_mux_all_sel", 0, "###################################"},
    {"afe_ATE_mux_all_sel", 0, "# ADC Auto Offset register "},
    {"afe_ATE_mux_all_sel", 0, "###################################"},
    {"afe_ATE_mux_all_sel", 0, "# auto offset control"},
    {"afe_ao_p_mux_", kLegend, "#3'h0: R,G,B"},
    {"afe_ao_p_mux_", kLegend, "#3'h1: R,B,G"},
    {"afe_ao_p_mux_", kLegend, "#3'h2: G,B,R"},
    {"afe_ao_p_mux_", kLegend, "#3'h3: G,R,B"},
    {"afe_ao_p_mux_", kLegend, "#3'h4: B,G,R"},
    {"afe_ao_p_mux_", kLegend, "#3'h5: B,R,G"},
    {"afe_ao_rd_mux", kLegend, "#2'h0: R"},
    {"afe_ao_rd_mux", kLegend, "#2'h1: G"},
    {"afe_ao_rd_mux", kLegend, "#2'h2: B"},
    {"afe_ao_reserved", 0, ""},
    {"afe_ao_reserved", 0,
     "#afe_ao_auto_ofst_en             0       1 2810 # =1, enable auto offset adjustment; =0, disable"},
    {"afe_ao_ofst_step_", kLegend, "# 000 = adjust by absolute value"},
    {"afe_ao_ofst_v_rng_", 0, ""},
    {"afe_ao_ofst_v_rng_", 0, ""},
    {"afe_ao_ofst_v_rng_", 0, ""},
    {"adcb_ofst_s_", 0, ""},
    {"adcb_ofst_s_", 0, ""},
    {"adcb_ofst_s_", 0, "###################################"},
    {"adcb_ofst_s_", 0, "#Auto Phase control:s2_8d-92"},
    {"adcb_ofst_s_", 0, "###################################"},
    {"afe_ap_st_ln_thd", 0, "#H will start with this value * 4"},
    {"afe_ap_reserved", 0, ""},
    {"afe_ap_reserved", 0, "#PA registers"},
    {"afe_pa_reserved0", 0, ""},
    {"afe_pa_reserved0", 0, "afe_pa_lat                                       0\t1\t2\t8c0 #@PA cntrl latch enable"},
    {"afe_pa_reserved1", 0, ""},
    {"afe_pa_reserved1", 0, "afe_pa_lat                                       1\t1\t2\t8c0 #@PA cntrl latch enable"},
    {"afe_pa_reserved1", 0, ""},
    {"afe_pa_reserved1", 0, ""},
    {"afe_pa_reserved1", 0, "###################################"},
    {"afe_pa_reserved1", 0, "# PLLAD registers"},
    {"afe_pa_reserved1", 0, "###################################"},
    {"afe_pllad_reserved0", 0, ""},
    {"afe_pllad_reserved2", 0, ""},
    {"afe_pllad_reserved3", 0, ""},
    {"afe_pllad_reserved3", 0, "afe_pllad_lat                                    0\t1\t2\t8a0 # PLLAD latch signal"},
    {"afe_pllad_reserved4", 0, ""},
    {"afe_pllad_reserved4", 0, "#dpllad_setting:0390-039f"},
    {"AFE_DPLLAD_TCNT", 0, ""},
    {"AFE_DPLLAD_DSMCKS", 0, ""},
    {"AFE_DPLLAD_XTINV", 0, ""},
    {"AFE_DPLLAD_ICP", 0, ""},
    {"AFE_DPLLAD_TS", 0, ""},
    {"AFE_DPLLAD_CKIS", 0, ""},
    {"AFE_DPLLAD_CKIS", 0, ""},
    {"AFE_DPLLAD_R", 0, ""},
    {"AFE_DPLLAD_K5", 0, ""},
    {"AFE_DPLLAD_K5", 0, ""},
    {"AFE_DPLLAD_OV", 0, ""},
    {"AFE_DPLLAD_OV", 0, "afe_dpllad_lat                                   0\t1\t2\tee7 # cntrl_119;"},
    {"AFE_DPLLAD_OV", 0, ""},
    {"afe_pllad_sel", 0, ""},
    {"afe_pllad_sel", 0, ""},
    {"afe_pllad_sel", 0, ""},
    {"afe_pllad_sel", 0, "####################################################"},
    {"afe_pllad_sel", 0, "# SYNC processor register :0240-027f , separate sync"},
    {"afe_pllad_sel", 0, "####################################################"},
    {"afe_pllad_sel", 0, ""},
    {"afe_pllad_sel", 0, ""},
    {"afe_sp_reserved0", 0, ""},
    {"afe_sp_reserved0", 0, "# H DET BLK"},
    {"afe_sp_prd_eq_thd", 0, ""},
    {"afe_sp_prd_eq_thd", 0, "# V DET BLK"},
    {"afe_sp_v_dif_thd", 0, ""},
    {"afe_sp_2_reserved", 0, ""},
    {"afe_sp_2_reserved", 0, "#Timmer"},
    {"afe_sp_vtimer_cnt", 0, ""},
    {"afe_sp_vtimer_cnt", 0, "#cs_sep_cntrl_"},
    {"afe_sp_reserved3", 0, ""},
    {"afe_sp_reserved5", 0, ""},
    {"afe_sp_reserved5", 0, "#coast gen"},
    {"afe_sp_safe_cst_sel", 0, ""},
    {"afe_sp_reserved7", 0, ""},
    {"afe_sp_clp_sp_reg_h", 0, ""},
    {"afe_sp_cs_hs_sp_reg_h", 0, ""},
    {"afe_sp_cs_hs_sp_reg_h", 0, "#clamp auto cntrol"},
    {"afe_sp_stbl_cnt_reg", 0, ""},
    {"afe_sp_stbl_cnt_reg", 0, "#RT control"},
    {"afe_sp_reserved12", 0, ""},
    {"afe_sp_hcst_auto_en", 0, ""},
    {"afe_sp_hcst_auto_en", 0, "#OUT control"},
    {"afe_sp_hs_reg", 0, ""},
    {"afe_sp_reserved16", 0, ""},
    {"afe_sp_reserved16", 0, "#test bus"},
    {"afe_sp_test_en", 0, ""},
    {"afe_sp_rd_sel_", kLegend, "# 000: {reserved,vs_act,vs_pol,hs_act,hs_pol}"},
    {"afe_sp_rd_sel_", kLegend, "# 001: {ht_val}"},
    {"afe_sp_rd_sel_", kLegend, "# 010: {l_pd_val}"},
    {"afe_sp_rd_sel_", kLegend, "# 011: {vt_val}"},
    {"afe_sp_rd_sel_", kLegend, "# 100: {rd_out}"},
    {"afe_sp_reserved18", 0, ""},
    {"afe_sp_reserved18", 0, "# HS rt control"},
    {"afe_sp_reserved19", 0, ""},
    {"afe_sp_reserved20", 0, "########################################################"},
    {"afe_sp_reserved20", 0, "#decimator register"},
    {"afe_sp_reserved20", 0, "########################################################"},
    {"afe_rgb_clkdiv2_sel", kLegend, "# 0: input clk to clk2x"},
    {"afe_rgb_channel_rst", 0, ""},
    {"afe_rgb_channel_rst", 0, "#dec setting"},
    {"afe_lpf_bypsz", 0, ""},
    {"afe_lpf_bypsz", 0, ""},
    {"afe_lpf_bypsz", 0, "# auto detection settings: analog seprate input sync path 1"},
    {"at_md_sync_sel", kLegend, "#000 :   digital sync input (hsin ,vsin)"},
    {"at_md_sync_sel", kLegend, "#001 :   analog input sync 1 (hsin1, vsin1)"},
    {"at_md_sync_sel", kLegend, "#010 :   analog input sync 2 (hsin2, vsin2)"},
    {"at_md_sync_sel", kLegend, "#011 :   analog sync on Y input (hs_sog, vs_sog)"},
    {"at_md_sync_sel", kLegend, "#100 :   sync from decimation   (hs_dec, vs_dec)"},
    {"at_md_sync_sel", kLegend, "#101 :   656 hb, vb             (hb_656, vb_656)"},
    {"at_md_no_sync_sel", kLegend, "# 00 : h_sync & v_sync"},
    {"at_md_no_sync_sel", kLegend, "# 01 : h_sync | v_sync"},
    {"at_md_no_sync_sel", kLegend, "# 10 : h_sync"},
    {"at_md_no_sync_sel", kLegend, "# 11 : v_sync"},
    {"at_md_stb_sel", kLegend, "# 00 : hstable & vstable"},
    {"at_md_stb_sel", kLegend, "# 01 : vstable"},
    {"at_md_stb_sel", kLegend, "# others : hstable"},
    {"at_bd_src_sel_", 0, ""},
    {"at_bd_src_sel_", 0, ""},
    {"at_bd_src_sel_", 0, ""},
    {"at_bd_src_sel_", 0, "#PLLV setting"},
    {"at_bd_src_sel_", 0, "#pllv_vclk_eq_iclk27.txt"},
    {"pllv_s_", 0, ""},
    {"pllv_iclk_sel", kLegend, "#when =1, PLLV ICLK from Sub channel"},
    {"pllv_ckis_by_vsync", 0, ""},
    {"pllv_div75s", 0, ""},
    {"pllv_div75s", 0, ""},
    {"pllv_div75s", 0, ""},
    {"pllv_div75s", 0, "#ck2x setting"},
    {"pllv_div75s", 0, "#pllv_m24_ck2x_cntrl_00108B0#"},
    {"pllv_div75s", 0, "#pllv_m24_ck4x_cntrl_1           0       1 08B1 #"},
    {"pllv_div75s", 0, "#pllv_m24_mux3_cntrl_0           0       2 08B4 #"},
    {"pllv_div75s", 0, "#pllv_m24_mux3_cntrl_1           0       2 08B6 #"},
    {"pllv_div75s", 0, ""},
    {"pllv_div75s", 0, ""},
    {"pllv_div75s", 0, ""},
    {"pllv_fn_l_4b", 0, ""},
    {"pllv_noclk_id", 0, "#ck2x setting"},
    {"pllv_m24_mux3_cntrl_1", 0, "# digcore datain mux setting"},
    {"dcore_din_mux", kLegend, "#00, dec out"},
    {"dcore_din_mux", kLegend, "#01, from pad in"},
    {"dcore_din_mux", kLegend, "#1x, color bar gen"},
    {"dcore_din_mux", 0, ""},
    {"dcore_din_mux", 0, ""},
    {"dcore_din_mux", 0, ""},
    {"dcore_din_mux", 0, ""},
    {"if_hde_safe_gen", 0, ""},
    {"if_hv_dly_sel_", 0, ""},
    {"if_hde_sp_", 0, ""},
    {"if_vde_sp1_", 0, ""},
    {"if_vs_regen_sp_", 0, ""},
    {"if_vsout_sel", 0, ""},
    {"if_reg_width_type_", 0, ""},
    {"if_reg_ana_db_cap_sel", 0, ""},
    {"if_rgb2ycbcr_en", 0, ""},
    {"if_uv_gain_en", 0, ""},
    {"if_v_gain4_", 0, ""},
    {"if_yuv_to422_cntrl_", 0, ""},
    {"if_yuv_to422_cntrl_", 0, ""},
    {"if_r_offset_", 0, ""},
    {"if_blue_scrn", 0, ""},
    {"if_blue_scrn", 0, "#if_out_cntrl_03201740#8bit process"},
    {"if_hrst_dlysel_", 0, ""},
    {"if_hrst_dlysel_", 0, ""},
    {"if_hrst_dlysel_", 0, "#dithering"},
    {"dith_vd_pol", 0, ""},
    {"dith_reserved34", 0, ""},
    {"dith_reserved34", 0, "#ldouble"},
    {"dig_sel_if2vds", 0, ""},
    {"dig_sel_if2vds", 0, ""},
    {"ld_vbout_sp_", 0, ""},
    {"ld_vbout_sp_", 0, "#diag_bob                                "},
    {"vds_dither_type", 0, ""},
    {"vds_rgb_expan_en", 0, ""},
    {"vds_rgb2ycbcr_en", 0, ""},
    {"vds_uv_gain_en", 0, ""},
    {"vds_v_gain4_", 0, ""},
    {"vds_yuv_to422_cntrl_", 0, ""},
    {"vds_yuv_to422_cntrl_", 0, ""},
    {"vds_r_offset_", 0, ""},
    {"vds_blue_scrn", 0, ""},
    {"vds_blue_scrn", 0, "#data_proc_cntrl_"},
    {"digcore_clbar_type", 0, ""},
    {"digcore_cntrl_tst_", 0, ""},
    {"tx_cntrl_loop", 0, ""},
    {"tx_cntrl_30b_neg_trig_byps", 0, ""},
    {"tx_psel2_pad_i", 0, ""},
    {"tx_psel2_pad_i", 0, ""},
    {"mbist_rstb", 0, ""},
    {"mbist_rstb", 0, "# digout mux setting"},
    {"digout_trig_clk_mux", kLegend, "#0000, trig_clk = dcore_clkin"},
    {"digout_trig_clk_mux", kLegend, "#0001, trig_clk = pllv_1x"},
    {"digout_trig_clk_mux", kLegend, "#0010, trig_clk = pllv_2x "},
    {"digout_trig_clk_mux", kLegend, "#0011, trig_clk = pllv_7x"},
    {"digout_trig_clk_mux", kLegend, "#0100, trig_clk = dec_clk1x"},
    {"digout_trig_clk_mux", kLegend, "#0101, trig_clk = dec_clk2x"},
    {"digout_trig_clk_mux", kLegend, "#0110, trig_clk = dec_clk4x"},
    {"digout_trig_clk_mux", kLegend, "#0111, trig_clk = adc_tst_ck"},
    {"digout_trig_clk_mux", kLegend, "#1xxx, trig_clk = pllv_4x"},
    {"digout_mux", kLegend, "#3'h0: q_ = {dec_vout_ , dec_yout_, dec_uout_}; "},
    {"digout_mux", kLegend, "#3'h1: q_ = {tvenc_rout_,tvenc_gout_,tvenc_bout_};"},
    {"digout_mux", kLegend, "#3'h2: q_ = {20'h0,tvenc_cout_};"},
    {"digout_mux", kLegend, "#3'h3: q_ = {dcore_rin_,dcore_gin_,dcore_bin_};"},
    {"digout_mux", kLegend, "#3'h4: q_ = {15'h0,tbus_out_};"},
    {"digout_mux", kLegend, "#3'h5: q_ = {tvenc_cr_int_,tvenc_y_int_,tvenc_cb_int_};"},
    {"digout_mux", kLegend, "#3'h6: q_ = 0;"},
    {"digout_mux", kLegend, "#3'h7: q_ = 0;"},
    {"digout_mux", 0, ""},
    {"digout_mux", 0, ""},
    {"digout_mux", 0, "# clkout mux setting"},
    {"clkout_mux", kLegend, "#0000, clkout = dcore_clkin"},
    {"clkout_mux", kLegend, "#0001, clkout = pllv_1x"},
    {"clkout_mux", kLegend, "#0010, clkout = pllv_2x "},
    {"clkout_mux", kLegend, "#0011, clkout = pllv_7x"},
    {"clkout_mux", kLegend, "#0100, clkout = dec_clk1x"},
    {"clkout_mux", kLegend, "#0101, clkout = dec_clk2x"},
    {"clkout_mux", kLegend, "#0110, clkout = dec_clk4x"},
    {"clkout_mux", kLegend, "#0111, clkout = adc_tst_ck"},
    {"clkout_mux", kLegend, "#1xxx, clkout = pllv_4x"},
    {"clkout_phase_inv", 0, ""},
    {"clkout_phase_inv", 0, "#mbist setting"},
    {"mbist_en", 0, ""},
    {"mbist_en", 0, "#test bus setting"},
    {"test_bus_sel", kLegend, "#  0 (dec_tout_"},
    {"test_bus_sel", kLegend, "#  1 auto_ofst_tout_"},
    {"test_bus_sel", kLegend, "#  2 adc_tout_"},
    {"test_bus_sel", kLegend, "#  3 top_tout_"},
    {"test_bus_sel", kLegend, "#  4 sp_tout_"},
    {"test_bus_sel", kLegend, "#  5 16'b0"},
    {"test_bus_sel", kLegend, "#  6 lvds_tout_"},
    {"test_bus_sel", kLegend, "#  7 apa_tout_"},
    {"test_bus_sel", kLegend, "#  8 {6'h0,md_status_}"},
    {"test_bus_sel", kLegend, "#  9 adc_tst_out_"},
    {"test_bus_sel", kLegend, "#  a tst_out_dcore_"},
    {"test_bus_sel", kLegend, "#  b {9'b0,mbist_fail_,1'b0,mbist_done_}"},
    {"test_bus_en", 0, "# sync out mux setting"},
    {"sync_out_mux", kLegend, "#00, dec sync out"},
    {"sync_out_mux", kLegend, "#01, dcore input sync out"},
    {"sync_out_mux", kLegend, "#10, dcore output sync out"},
    {"sync_out_mux", kLegend, "#11, tvenc output sync out"},
    {"sync_out_mux", 0, ""},
    {"sync_out_mux", 0, "###################################"},
    {"rgb2hdmi_adj_sync_en", 0, ""},
    {"rgb2hdmi_uv_offset_opt", 0, ""},
    {"rgb2hdmi_uv_offset_opt", 0, ""},
    {"rgb2hdmi_reserved2", 0, ""},
    {"rgb2hdmi_c_spare_en", 0, ""},
    {"rgb2hdmi_reservedf", 0, ""},
    {"rgb2hdmi_reservedf", 0, ""},
    {"rgb2hdmi_c_uv_lpf_bypass_dly", 0, ""},
    {"rgb2hdmi_c_tog_vh_sel", 0, ""},
    {"rgb2hdmi_c_yuv_conv_sel", 0, ""},
    {"rgb2hdmi_c_cnt_tog_delay_sel", 0, ""},
    {"rgb2hdmi_top_lmt", 0, ""},
    {"rgb2hdmi_top_uv_lmt", 0, ""},
    {"rgb2hdmi_c_ink_en", 0, ""},
    {"rgb2hdmi_c_ocnt_hold", 0, ""},
    {"rgb2hdmi_c_cf_on", 0, ""},
    {"rgb2hdmi_reserved1d", 0, ""},
    {"rgb2hdmi_reserved1e", 0, ""},
    {"rgb2hdmi_reserved1f", 0, ""},
    {"rgb2hdmi_c_yg_lpf_sign", 0, ""},
    {"rgb2hdmi_c_yg_coefcmm", 0, ""},
    {"rgb2hdmi_c_yg_coefcmm", 0, ""},
    {"rgb2hdmi_c_yg_coefcmm", 0, ""},
    {"rgb2hdmi_c_uv_lpf_sign", 0, ""},
    {"rgb2hdmi_c_uv_coefcmm", 0, ""},
    {"rgb2hdmi_c_uv_coefcmm", 0, ""},
    {"rgb2hdmi_c_adjust_total", 0, ""},
    {"rgb2hdmi_adj_forward", 0, ""},
    {"rgb2hdmi_c_debug_in_cr", 0, ""},
    {"rgb2hdmi_c_debug_in", 0, ""},
    {"rgb2hdmi_reserved27", 0, ""},
    {"rgb2hdmi_reserved27", 0, ""},
    {"rgb2hdmi_reserved27", 0, ""},
    {"rgb2hdmi_hdmi_line_act_sel_2", 0, ""},
    {"rgb2hdmi_reserved2b", 0, ""},
    {"rgb2hdmi_reserved2b", 0, ""},
    {"rgb2hdmi_reserved2b", 0, "##namevaluebitaddress"},
    {"info_cnt_adder", 0, ""},
    {"info_cnt_adder", 0, "# all data should add to 8'h00"},
    {"mix_ctrl_reg_7_", 0, ""},
    {"rg_dummy", 0, ""},
    {"rg_dummy", 0, ""},
    {"rg_dummy", 0, "#hdmi_tx register:"},
    {"rg_dummy", 0, "#register for hotplug"},
    {"rg_dummy", 0, "#hdmi_tx_hot_resetb                               0      1       3       B00 # tx_cntrl_[0];"},
    {"rg_dummy", 0, "#hdmi_tx_hot_setb                                 0      1       3       B04 # tx_cntrl_[4];"},
    {"rg_dummy", 0, "#hdmi_txister for TX                               "},
    {"rg_dummy", 0, "#hdmi_tx_rstb                                     0      1       3       B10 # tx_cntrl_[8];"},
    {"hdmi_tx_bg_pdb", 0,
     "#hdmi_tx_SEL_DATA                                 0      1       3       B13 # tx_cntrl_[11];"},
    {"hdmi_tx_bg_pdb", 0, ""},
    {"hdmi_tx_precursorpredrv1", 0, ""},
    {"hdmi_tx_txbias_gainc", 0, ""},
};

// Loading the file sets the latch and trigger fields to 0, then to 1, after the body.
constexpr std::string_view kTrailer[] = {
    "",
    "",
    "",
    "#pllv trigger",
    "#NEXTSEG",
    "pllv_trigger            0    1    0    8D0 #PLLV trigger bit",
    "afe_pa_lat              0    1    2    8c0 #@PA cntrl latch enable",
    "afe_pllad_lat           0    1    2    8a0 # PLLAD latch signal",
    "afe_dpllad_lat          0    1    2    ee7 # cntrl_119;",
    "",
    "#NEXTSEG",
    "pllv_trigger            1    1    0    8D0 #PLLV trigger bit",
    "",
    "",
    "afe_pa_lat              1    1    2    8c0 #@PA cntrl latch enable",
    "afe_pllad_lat           1    1    2    8a0 # PLLAD latch signal",
    "afe_dpllad_lat          1    1    2    ee7 # cntrl_119;",
};

std::uint8_t ReadOrZero(std::uint8_t sub)
{
    return BankedAccess::ReadOrZero(g_pLink->GetDeviceAddress(), sub);
}

void SelectBank(std::uint8_t bank)
{
    BankedAccess::SelectBank(TQ7790Register::kBankRegister, bank);
}

std::string_view Trimmed(std::string_view name)
{
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

bool IsDumped(std::string_view name)
{
    for (std::string_view skipped : kNotDumped)
        if (name == skipped)
            return false;
    return true;
}

// One line of output built by hand: on a fast adapter printf costs about as much as the transfer
// whose result it prints. The text keeps its capacity from line to line.
class LineBuffer {
public:
    LineBuffer& Text(std::string_view text)
    {
        line.append(text);
        return *this;
    }

    LineBuffer& Blanks(int count)
    {
        line.append(static_cast<std::size_t>(std::max(count, 0)), ' ');
        return *this;
    }

    // Lower-case hexadecimal of at least `digits` digits, as "%0*x" gives it.
    LineBuffer& Hex(std::uint32_t value, int digits = 1)
    {
        std::array<char, 8> reversed{};
        int n = 0;
        do {
            reversed[static_cast<std::size_t>(n++)] = "0123456789abcdef"[value & 0xF];
            value >>= 4;
        } while (value != 0 || n < digits);
        while (n > 0)
            line.push_back(reversed[static_cast<std::size_t>(--n)]);
        return *this;
    }

    LineBuffer& Char(char c)
    {
        line.push_back(c);
        return *this;
    }

    // Ends the line, hands it to the file and starts the next.
    void WriteTo(std::FILE* file)
    {
        line.push_back('\n');
        std::fwrite(line.data(), 1, line.size(), file);
        line.clear();
    }

private:
    std::string line;
};

// "i2crw" with the device, the sub-address and the byte, as the batch runner reads them.
void WriteCommand(LineBuffer& line, std::FILE* file, std::uint32_t sub, std::uint32_t value)
{
    line.Text("i2crw ").Hex(g_pLink->GetDeviceAddress(), 2).Text(" ").Hex(sub, 2).Text(" ").Hex(value, 2).WriteTo(file);
}

// A bit address as the settings file gives it: the sub-address, then the bit number as "%d"
// prints the remainder (negative for a negative address).
void WriteBitAddress(LineBuffer& line, std::int32_t bitAddress)
{
    const std::int32_t bit = bitAddress % 8;
    line.Hex(static_cast<std::uint32_t>(bitAddress / 8), 2);
    if (bit < 0)
        line.Char('-');
    line.Char(static_cast<char>('0' + (bit < 0 ? -bit : bit)));
}

} // namespace

bool TQ7790Register::CheckChipId()
{
    SelectBank(kIdBank);
    std::array<std::uint8_t, kIdSubs.size()> id{};
    for (std::size_t i = 0; i < id.size(); ++i)
        id[i] = ReadOrZero(kIdSubs[i]);
    return id == kIdBytes;
}

std::uint8_t TQ7790Register::GetBankReg()
{
    return kBankRegister;
}

bool TQ7790Register::ReadBit(std::uint8_t slave, std::int32_t bitAddress)
{
    return BankedAccess::ReadBit(slave, bitAddress);
}

void TQ7790Register::WriteBit(std::uint8_t slave, std::int32_t bitAddress, bool on)
{
    BankedAccess::WriteBit(slave, bitAddress, on);
}

std::int32_t TQ7790Register::ReadField(RegField field)
{
    return BankedAccess::ReadField(kBankRegister, field);
}

void TQ7790Register::WriteField(std::int32_t value, RegField field)
{
    BankedAccess::WriteField(kBankRegister, value, field);
}

std::int32_t WriteRegRange(std::FILE* file, int bank, int first, int last, const char* title)
{
    if (!file)
        return 0;
    LineBuffer line;
    line.WriteTo(file);
    line.Text(title ? title : "").WriteTo(file);
    SelectBank(static_cast<std::uint8_t>(bank));
    WriteCommand(line, file, TQ7790Register::kBankRegister, static_cast<std::uint32_t>(bank));
    for (std::int64_t sub = first; sub <= last; ++sub) {
        // Cleared each time: a failed read must not repeat the register before it, which loading
        // the file would then write to this one.
        const std::uint8_t value = ReadOrZero(static_cast<std::uint8_t>(sub));
        WriteCommand(line, file, static_cast<std::uint32_t>(sub), value);
    }
    return static_cast<std::int32_t>(std::int64_t{last} - first + 1);
}

void TQ7790Register::WriteAllRegister(std::FILE* file)
{
    if (!file)
        return;
    const std::uint8_t savedBank = ReadOrZero(kBankRegister);
    const auto progress = std::make_unique<CProgressWnd>(nullptr, "Write tq all register.", false);
    progress->SetRange(0, 499, 1);
    // Never pumped: painted now, or it stays an empty frame for the whole export.
    progress->ShowNow();
    std::fputs("remFirstSeg\n", file);
    for (const ExportBlock& block : kExportBlocks)
        WriteRegRange(file, block.bank, block.first, block.last, block.title);
    SelectBank(2);
    SelectBank(savedBank);
}

void TQ7790Register::PrintField(RegField field, std::FILE* file)
{
    if (!file)
        return;
    LineBuffer line;
    const auto value = static_cast<std::uint32_t>(ReadField(field));
    line.Text(field.name.View()).Hex(value).Text("\t").Hex(field.length).Text("\t").Hex(field.bank).Text("\t");
    WriteBitAddress(line, field.start_addr);
    if (field.end_addr != -1) {
        line.Text(":");
        WriteBitAddress(line, field.end_addr);
        line.Text("-");
        WriteBitAddress(line, field.start2_addr);
        line.Text(":");
        WriteBitAddress(line, field.end2_addr);
    }
    line.Text(field.comment).WriteTo(file);
}

void TQ7790Register::SaveToTxt(std::FILE* file)
{
    if (!file)
        return;
    const auto progress = std::make_unique<CProgressWnd>(nullptr, "Save to txt", false);
    // Never pumped: painted now, or it stays an empty frame for the whole dump.
    progress->ShowNow();
    const std::uint8_t savedBank = ReadOrZero(kBankRegister);
    std::fputs(kHeader, file);

    LineBuffer line;
    std::size_t next = 0;
    const auto writeFixedLines = [&](std::string_view after) {
        for (; next < std::size(kFixedLines) && kFixedLines[next].after == after; ++next)
            line.Blanks(kFixedLines[next].indent).Text(kFixedLines[next].text).WriteTo(file);
    };
    writeFixedLines({});
    for (const RegField& field : g_tq7790Fields) {
        const std::string_view name = Trimmed(field.name.View());
        if (!IsDumped(name))
            continue;
        PrintField(field, file);
        writeFixedLines(name);
    }
    for (std::string_view text : kTrailer)
        line.Text(text).WriteTo(file);

    SelectBank(savedBank);
}
