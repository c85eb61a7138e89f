#include "tqRegs/TQ4120Fields.h"

// One record a line, in columns: kept as typed.
// clang-format off
// The TQ4120 fields in the order the register-settings dump lists them, block by block. A
// record marked "chosen:" has that width or comment picked here, for want of a documented one;
// each pick keeps its block's register bytes and free bits.
constinit const std::array<RegField16, kTq4120FieldCount> g_tq4120Fields{{
    // pad setting
    {"dout_gpi_pd_en_l",                   1, 0x0220, 0, "#"},
    {"dout_gpi_pd_en_m",                   1, 0x0220, 2, "#"},
    {"dout_gpi_pd_en_h",                   1, 0x0220, 3, "#"},
    {"dout_inen_l",                        1, 0x0220, 4, "#"},
    {"dout_inen_m",                        1, 0x0220, 5, "#"},
    {"dout_inen_h",                        1, 0x0220, 6, "#"},
    {"dout_outen_l",                       1, 0x0221, 0, "#"},
    {"dout_outen_m",                       1, 0x0221, 1, "#"},
    {"dout_outen_h",                       1, 0x0221, 2, "#"},
    {"dclkout_gpi_pd_en",                  1, 0x0221, 4, "#"},
    {"dclkout_inen",                       1, 0x0221, 5, "#"},
    {"dclkout_outen",                      1, 0x0221, 6, "# "},
    {"hsout_gpi_pd_en",                    1, 0x0222, 0, "# "},
    {"hsout_inen",                         1, 0x0222, 1, "# "},
    {"hsout_outen",                        1, 0x0222, 2, "# "},
    {"vsout_gpi_pd_en",                    1, 0x0222, 4, "# "},
    {"vsout_inen",                         1, 0x0222, 5, "# "},
    {"vsout_outen",                        1, 0x0222, 6, "# "},
    {"deout_gpi_pd_en",                    1, 0x0223, 0, "# "},
    {"deout_inen",                         1, 0x0223, 1, "# "},
    {"deout_outen",                        1, 0x0223, 2, "# "},
    {"hsin1_pup_en",                       1, 0x0224, 0, "# "},
    {"hsin1_sel",                          1, 0x0224, 1, "# "},
    {"vsin1_pup_en",                       1, 0x0224, 2, "# "},
    {"vsin1_sel",                          1, 0x0224, 3, "# "},
    {"hsin2_pup_en",                       1, 0x0224, 4, "# "},
    {"hsin2_sel",                          1, 0x0224, 5, "# "},
    {"vsin2_pup_en",                       1, 0x0224, 6, "# "},
    {"vsin2_sel",                          1, 0x0224, 7, "# "},
    {"hsin_pup_en",                        1, 0x0225, 0, "# "},
    {"hsin_sel",                           1, 0x0225, 1, "# "},
    {"vsin_pup_en",                        1, 0x0225, 2, "# "},
    {"vsin_sel",                           1, 0x0225, 3, "# "},
    {"dein_gpi_pd_en",                     1, 0x0226, 0, "# "},
    {"dein_inen",                          1, 0x0226, 1, "# "},
    {"dein_outen",                         1, 0x0226, 2, "# "},
    {"din_gpi_pd_en_l",                    1, 0x0226, 4, "# "},
    {"din_gpi_pd_en_m",                    1, 0x0226, 5, "# "},
    {"din_gpi_pd_en_h",                    1, 0x0226, 6, "# "},
    {"din_inen_l",                         1, 0x0227, 0, "# "},
    {"din_inen_m",                         1, 0x0227, 1, "# "},
    {"din_inen_h",                         1, 0x0227, 2, "# "},
    {"din_outen_l",                        1, 0x0227, 4, "# "},
    {"din_outen_m",                        1, 0x0227, 5, "# "},
    {"din_outen_h",                        1, 0x0227, 6, "# "},
    {"dclkin_gpi_pd_en",                   1, 0x0228, 0, "# "},
    {"dclkin_inen",                        1, 0x0228, 1, "# "},
    {"dclkin_outen",                       1, 0x0228, 2, "# "},
    {"sout_gpi_pd_en",                     1, 0x0228, 4, "# "},
    {"sout_inen",                          1, 0x0228, 5, "# "},
    {"sout_outen",                         1, 0x0228, 6, "# "},
    {"osd_in1_gpi_pd_en",                  1, 0x0229, 0, "# "},
    {"osd_in1_inen",                       1, 0x0229, 1, "# "},
    {"osd_in1_outen",                      1, 0x0229, 2, "# "},
    {"osd_in2_gpi_pd_en",                  1, 0x0229, 4, "# "},
    {"osd_in2_inen",                       1, 0x0229, 5, "# "},
    {"osd_in2_outen",                      1, 0x0229, 6, "# "},
    {"osd_in3_gpi_pd_en",                  1, 0x022A, 0, "# "},
    {"osd_in3_inen",                       1, 0x022A, 1, "# "},
    {"osd_in3_outen",                      1, 0x022A, 2, "# "},
    {"osd_in4_gpi_pd_en",                  1, 0x022A, 4, "# "},
    {"osd_in4_inen",                       1, 0x022A, 5, "# "},
    {"osd_in4_outen",                      1, 0x022A, 6, "# "},
    {"gpio1_gpi_pd_en",                    1, 0x022B, 0, "# "},
    {"gpio1_inen",                         1, 0x022B, 1, "# "},
    {"gpio1_outen",                        1, 0x022B, 2, "# "},
    {"gpio1_o",                            1, 0x022B, 3, "# "},
    {"gpio2_gpi_pd_en",                    1, 0x022B, 4, "# "},
    {"gpio2_inen",                         1, 0x022B, 5, "# "},
    {"gpio2_outen",                        1, 0x022B, 6, "# "},
    {"gpio2_o",                            1, 0x022B, 7, "# "},
    // module reset control
    {"rst_sync",                           1, 0x02D4, 0, "#when =0, reset sync_proc"},
    {"rst_dec",                            1, 0x02D4, 1, "#when =0, reset decimation"},
    {"rst_apa",                            1, 0x02D4, 2, "#when =0, reset auto-phase-adjustment"},
    {"rst_auto_ofst",                      1, 0x02D4, 3, "#when =0, reset auto_offset in ADC"},
    {"rst_tst_adc",                        1, 0x02D4, 4, "#when =0, reset tst_adc"},
    {"rst_mode",                           1, 0x02D4, 5, "#when =0, reset au_mode_det"},
    {"rst_hdmi_tx",                        1, 0x02D4, 6, "#when =0, reset hdmi_tx"},
    {"rst_lvds",                           1, 0x02D4, 7, "#when =0, reset lvds_top"},
    {"rst_tvenc",                          1, 0x02D5, 0, "#when =0, reset tvenc"},
    {"rst_dcore",                          1, 0x02D5, 1, "#when =0, reset digital core"},
    {"rst_clb_gen",                        1, 0x02D5, 2, "#when =0, reset colorbar_gen"},
    {"rst_border_det",                     1, 0x02D5, 4, "#when =0, reset border detect"},
    // clock generator
    {"ckgen_sel_bit_6to0",                 7, 0x02A8, 0, "# sel"},
    {"ckgen_sel_bit7_afe_clk_mux_cntrl",   1, 0x0280, 1, "#"},
    // analog front end
    {"AFE_AFDITCB",                        6, 0x02D6, 0, "#"},
    {"AFE_AFDITCG",                        6, 0x02D7, 0, "#"},
    {"AFE_AFDITCR",                        6, 0x02D8, 0, "#"},
    {"AFE_ADCPD",                          1, 0x02D9, 0, "# afe power down, 1, power down"},
    {"AFE_AFDITOEB",                       1, 0x02D9, 1, "# "},
    {"AFE_AFDITOEG",                       1, 0x02D9, 2, "#"},
    {"AFE_AFDITOER",                       1, 0x02D9, 3, "#"},
    {"AFE_AFDITSB",                        2, 0x02DA, 0, "#"},
    {"AFE_AFDITSG",                        2, 0x02DA, 2, "#"},
    {"AFE_AFDITSR",                        2, 0x02DA, 4, "#"},
    {"AFE_AFGAINCB",                       8, 0x02DB, 0, "#"},
    {"AFE_AFGAINCG",                       8, 0x02DC, 0, "#"},
    {"AFE_AFGAINCR",                       8, 0x02DD, 0, "#"},
    {"AFE_AFOFFSETCB",                     7, 0x02DE, 0, "#"},
    {"AFE_AFOFFSETCG",                     7, 0x02DF, 0, "#"},
    {"AFE_AFOFFSETCR",                     7, 0x02E0, 0, "#"},
    {"AFE_AFPGAB",                         4, 0x02E1, 0, "#"},
    {"AFE_AFPGAG",                         4, 0x02E1, 4, "#"},
    {"AFE_AFPGAR",                         4, 0x02E2, 0, "#"},
    {"AFE_AFRCB",                          3, 0x02E3, 0, "#"},
    {"AFE_AFRCG",                          3, 0x02E3, 4, "#"},
    {"AFE_AFRCR",                          3, 0x02E4, 0, "#"},
    {"AFE_AFTESTB",                        4, 0x02E5, 0, "#"},
    {"AFE_AFTESTG",                        4, 0x02E5, 4, "#"},
    {"AFE_AFTESTR",                        4, 0x02E6, 0, "#"},
    {"AFE_AMUXB",                          2, 0x02E7, 0, "#"},
    {"AFE_AMUXG",                          2, 0x02E7, 2, "#"},
    {"AFE_AMUXR",                          2, 0x02E7, 4, "#"},
    {"AFE_BGPDB",                          1, 0x02E8, 0, "#"},
    {"AFE_CH0PDB",                         1, 0x02E8, 1, "#"},
    {"AFE_CH0PDG",                         1, 0x02E8, 2, "#"},
    {"AFE_CH0PDR",                         1, 0x02E8, 3, "#"},
    {"AFE_CH1PDB",                         1, 0x02E8, 4, "#"},
    {"AFE_CH1PDG",                         1, 0x02E8, 5, "#"},
    {"AFE_CH1PDR",                         1, 0x02E8, 6, "#"},
    {"AFE_CH2PDB",                         1, 0x02E9, 0, "#"},
    {"AFE_CH2PDG",                         1, 0x02E9, 1, "#"},
    {"AFE_CH2PDR",                         1, 0x02E9, 2, "#"},
    {"AFE_CH3PDB",                         1, 0x02E9, 4, "#"},
    {"AFE_CH3PDG",                         1, 0x02E9, 5, "#"},
    {"AFE_CH3PDR",                         1, 0x02E9, 6, "#"},
    {"AFE_CHNPDB",                         1, 0x02EA, 0, "#"},
    {"AFE_CHNPDG",                         1, 0x02EA, 1, "#"},
    {"AFE_CHNPDR",                         1, 0x02EA, 2, "#"},
    {"AFE_CLAMPOEB",                       1, 0x02EA, 4, "#"},
    {"AFE_CLAMPOEG",                       1, 0x02EA, 5, "#"},
    {"AFE_CLAMPOER",                       1, 0x02EA, 6, "#"},
    {"AFE_CLAMPSEL2B",                     1, 0x02EB, 0, "#"},
    {"AFE_CLAMPSEL2G",                     1, 0x02EB, 1, "#"},
    {"AFE_CLAMPSEL2R",                     1, 0x02EB, 2, "#"},
    {"AFE_CLAMPSELB",                      1, 0x02EB, 4, "#"},
    {"AFE_CLAMPSELG",                      1, 0x02EB, 5, "#"},
    {"AFE_CLAMPSELR",                      1, 0x02EB, 6, "#"},
    {"AFE_CLAMPSSELB",                     1, 0x02EC, 0, "#"},
    {"AFE_CLAMPSSELG",                     1, 0x02EC, 1, "#"},
    {"AFE_CLAMPSSELR",                     1, 0x02EC, 2, "#"},
    {"AFE_CPISELB",                        3, 0x02ED, 0, "#"},
    {"AFE_CPISELG",                        3, 0x02ED, 4, "#"},
    {"AFE_CPISELR",                        3, 0x02EE, 0, "#"},
    {"AFE_CPSELB",                         1, 0x02EE, 4, "#"},
    {"AFE_CPSELG",                         1, 0x02EE, 5, "#"},
    {"AFE_CPSELR",                         1, 0x02EE, 6, "#"},
    {"AFE_CPOEB",                          1, 0x02EF, 0, "#"},
    {"AFE_CPOEG",                          1, 0x02EF, 1, "#"},
    {"AFE_CPOER",                          1, 0x02EF, 2, "#"},
    {"AFE_DATACKINV",                      1, 0x02F0, 0, "#"},
    {"AFE_DEC2OEB",                        1, 0x02F0, 4, "#"},
    {"AFE_DEC2OEG",                        1, 0x02F0, 5, "#"},
    {"AFE_DEC2OER",                        1, 0x02F0, 6, "#"},
    {"AFE_IBSELB",                         2, 0x02F1, 0, "#"},
    {"AFE_IBSELG",                         2, 0x02F1, 2, "#"},
    {"AFE_IBSELR",                         2, 0x02F1, 4, "#"},
    {"AFE_INN2PSELB",                      1, 0x02F2, 4, "#"},
    {"AFE_INN2PSELG",                      1, 0x02F2, 5, "#"},
    {"AFE_INN2PSELR",                      1, 0x02F2, 6, "#"},
    {"AFE_INNSELB",                        1, 0x02F3, 0, "#"},
    {"AFE_INNSELG",                        1, 0x02F3, 1, "#"},
    {"AFE_INNSELR",                        1, 0x02F3, 2, "#"},
    {"AFE_OFFBPNB",                        1, 0x02F3, 4, "#"},
    {"AFE_OFFBPNG",                        1, 0x02F3, 5, "#"},
    {"AFE_OFFBPNR",                        1, 0x02F3, 6, "#"},
    {"AFE_REFTEST_EN",                     1, 0x02F4, 0, "#"},
    {"AFE_SFBIASSELB",                     1, 0x02F4, 4, "#"},
    {"AFE_SFBIASSELG",                     1, 0x02F4, 5, "#"},
    {"AFE_SFBIASSELR",                     1, 0x02F4, 6, "#"},
    {"AFE_SOG0PD",                         1, 0x02F5, 0, "#"},
    {"AFE_SOG1PD",                         1, 0x02F5, 1, "#"},
    {"AFE_SOGEN",                          1, 0x02F5, 4, "#"},
    {"AFE_SOGSEL",                         5, 0x02F6, 0, "#"},
    {"AFE_SOGINSEL",                       1, 0x02F7, 0, "#"},
    {"AFE_HSYNC_SEL",                      1, 0x02F7, 1, "#"},
    {"AFE_SOGTEST",                        3, 0x02F7, 4, "#"},
    {"AFE_SOGTEST_EN",                     1, 0x02F7, 7, "#"},
    {"AFE_YCPDOWN",                        1, 0x02F8, 0, "#"},
    {"AFE_YCPUP",                          1, 0x02F8, 1, "#"},
    {"AFE_CCPDOWN",                        1, 0x02F8, 2, "#"},
    {"AFE_CCPUP",                          1, 0x02F8, 3, "#"},
    {"AFE_CLAMPDEC",                       1, 0x02F8, 4, "#"},
    // top test bus
    {"afe_test_bus_cntrl",                 3, 0x0297, 0, "#"},
    {"afe_adc_testbus_en",                 1, 0x0297, 3, "#"},
    {"afe_sync_sep_pr_byps",               1, 0x0297, 4, "#"},
    {"afe_pa_inclk_div8_en",               1, 0x0297, 5, "#"},
    {"afe_pa_outclk_div8_en",              1, 0x0297, 6, "#"},
    {"afe_reserved_0",                     1, 0x0297, 7, "#"},
    {"afe_top_tst_cntrl_",                 3, 0x02A3, 0, "#"},
    {"afe_tstadc_mod2_en",                 1, 0x02A4, 3, "# = cntrl_[3];"},
    {"afe_tstadc1_tst_sel_",               2, 0x02A5, 0, "# = cntrl_[1:0];"},
    {"afe_tstadc1_byps",                   1, 0x02A5, 2, "# = cntrl_[2];"},
    {"afe_tstadc1_ck_sel_",                2, 0x02A5, 3, "# = cntrl_[4:3];"},
    {"afe_tstadc1_adck_inv",               1, 0x02A5, 5, "# = cntrl_[5];"},
    {"afe_tstadc1_clk_mux",                1, 0x02A5, 6, "# = cntrl_[6] | test_mode;"},
    {"afe_ATE_test_en",                    1, 0x02A6, 0, "# = cntrl_[16];"},
    {"afe_ATE_mux_all_sel",                2, 0x02A6, 1, "# = cntrl_[18:17];"},
    // ADC auto offset
    {"afe_ao_p_mux_",                      3, 0x0280, 2, "# auto offset port mux "},
    {"afe_ao_rd_mux",                      2, 0x0280, 5, "# which chanel blank value read out mux"},
    {"afe_reserved_1",                     1, 0x0280, 7, "#"}, // chosen: comment
    {"afe_ao_ofst_by_vs",                  1, 0x0281, 1, "# =1, offset adjustment by frame; =0, by line"},
    {"afe_ao_hcl_delay_",                  2, 0x0281, 2, "#"}, // chosen: comment
    {"afe_ao_ofst_step_",                  2, 0x0281, 4, "# offset adjustment step control; "},
    {"afe_ao_avg_byps",                    1, 0x0281, 6, "#"}, // chosen: comment
    {"afe_ao_tst_cntrl",                   1, 0x0281, 7, "#"}, // chosen: comment
    {"afe_ao_ofst_u_rng_",                 4, 0x0282, 0, "# U channel offset detection range 0~15"},
    {"afe_ao_ofst_v_rng_",                 4, 0x0282, 4, "# V channel offset detection range 0~15"}, // chosen: comment
    {"adc_auto_ofst_en",                   1, 0x02A7, 0, "# = cntrl_afe_offset_[0];"},
    {"adcr_ofst_s_",                       2, 0x02A7, 2, "# = cntrl_afe_offset_[3:2];"},
    {"adcg_ofst_s_",                       2, 0x02A7, 4, "# = cntrl_afe_offset_[5:4];"},
    {"adcb_ofst_s_",                       2, 0x02A7, 6, "# = cntrl_afe_offset_[7:6];"},
    // auto phase
    {"afe_ap_diff_thd",                    8, 0x028D, 0, "#data change difference threshold"},
    {"afe_ap_dcmp_thd",                    8, 0x028E, 0, "#"}, // chosen: comment
    {"afe_ap_st_ln_thd",                   8, 0x028F, 0, "#"}, // chosen: comment
    {"afe_ap_st_px_thd",                   8, 0x0290, 0, "#"},
    {"afe_ap_phase_ofst",                  4, 0x0291, 0, "#"}, // chosen: comment
    {"afe_ap_ph_trg",                      1, 0x0291, 4, "#auto phase adjust trigger"},
    {"afe_ap_vga_mode",                    1, 0x0291, 5, "#0:progressive mode 1:interlace mode"},
    {"afe_ap_dmux",                        2, 0x0291, 6, "#auto phase base on 2'h0:R,2'h1:G,2'h2:B"},
    {"afe_ap_tst_cntrl",                   3, 0x0292, 0, "#"}, // chosen: comment
    {"afe_reserved_2",                     5, 0x0292, 3, "#"},
    // PA
    {"pa_bypsz",                           1, 0x028B, 0, "# phase adjustment bypass control"},
    {"pa_s",                               5, 0x028B, 1, "# phase control bits"},
    {"pa_pdz",                             1, 0x028B, 6, "# lock circuit disable control"},
    {"pa_dcc_byps",                        1, 0x028B, 7, "# pa dcc bypass, 0 dcc; 1:byps dcc"},
    {"pa_lat",                             1, 0x028C, 0, "#@PA cntrl latch enable"},
    {"pa_reserved_1",                      7, 0x028C, 1, "# Reserved"},
    // PLLAD
    {"afe_pllad_vcorst",                   1, 0x0283, 0, "# Initial VCO control voltage (0:default; 1:active)"},
    {"afe_pllad_len",                      1, 0x0283, 1, "#"}, // chosen: comment
    {"afe_pllad_test",                     1, 0x0283, 2, "#"}, // chosen: comment
    {"afe_pllad_ts",                       1, 0x0283, 3, "#"}, // chosen: comment
    {"afe_pllad_pdz",                      1, 0x0283, 4, "#"}, // chosen: comment
    {"afe_pllad_fs",                       1, 0x0283, 5, "#"}, // chosen: comment
    {"afe_pllad_bps",                      1, 0x0283, 6, "# Bypas input clock to CKO1 and CKO2 (0:default; 1:bypass)"},
    {"afe_pllad_reserved_0",               1, 0x0283, 7, "# Reserved"},
    {"afe_pllad_md",                      12, 0x0284, 0, "# PLL feedback divider control "},
    {"afe_pllad_reserved_1",               4, 0x0285, 4, "# Reserved"},
    {"afe_pllad_nd",                      12, 0x0286, 0, "# PLL input divider control"},
    {"afe_pllad_reserved_2",               4, 0x0287, 4, "# Reserved"},
    {"afe_pllad_r",                        2, 0x0288, 0, "# Skew control for testing"},
    {"afe_pllad_s",                        2, 0x0288, 2, "# Skew control for testing"},
    {"afe_pllad_ks",                       2, 0x0288, 4, "#"}, // chosen: comment
    {"afe_pllad_ckos",                     2, 0x0288, 6, "#"}, // chosen: comment
    {"afe_pllad_icp",                      3, 0x0289, 0, "# Charge Pump current selection"},
    {"afe_pllad_reserved_3",               5, 0x0289, 3, "# Reserved"},
    {"afe_pllad_lat",                      1, 0x028A, 0, "# PLLAD latch signal"},
    {"afe_pllad_reserved_4",               7, 0x028A, 1, "# Reserved"},
    // DPLLAD
    {"AFE_DPLLAD_PDZ",                     1, 0x0390, 0, "# =~cntrl_[0];"},
    {"AFE_DPLLAD_TCNT",                    1, 0x0390, 1, "# cntrl_[1];"},
    {"AFE_DPLLAD_DSMCKS",                  1, 0x0390, 2, "# cntrl_[2];"},
    {"AFE_DPLLAD_BPPLLV",                  1, 0x0390, 3, "# cntrl_[3];"},
    {"AFE_DPLLAD_BP",                      1, 0x0390, 4, "# cntrl_[4];"},
    {"AFE_DPLLAD_XTINV",                   1, 0x0390, 5, "# cntrl_[5];"},
    {"AFE_DPLLAD_PM",                     12, 0x0391, 0, "# cntrl_[19:8];"},
    {"AFE_DPLLAD_N",                      12, 0x0393, 0, "# cntrl_[35:24];"},
    {"AFE_DPLLAD_K0",                      3, 0x0394, 4, "# cntrl_[38:36];"},
    {"AFE_DPLLAD_ICP",                     3, 0x0395, 0, "# cntrl_[42:40];"},
    {"AFE_DPLLAD_TS",                      3, 0x0395, 4, "# cntrl_[46:44];"},
    {"AFE_DPLLAD_VCORST",                  1, 0x0396, 0, "# cntrl_[48];"},
    {"AFE_DPLLAD_CKIS",                    1, 0x0396, 1, "# cntrl_[49];"},
    {"AFE_DPLLAD_KS",                      2, 0x0396, 4, "# cntrl_[53:52];"},
    {"AFE_DPLLAD_R",                       2, 0x0396, 6, "# cntrl_[55:54];"},
    {"AFE_DPLLAD_K1",                      3, 0x0397, 0, "# cntrl_[58:56];"},
    {"AFE_DPLLAD_K2",                      3, 0x0397, 4, "# cntrl_[62:60];"},
    {"AFE_DPLLAD_K3",                      3, 0x0398, 0, "# cntrl_[66:64];"},
    {"AFE_DPLLAD_K4",                      2, 0x0398, 4, "# cntrl_[69:68];"},
    {"AFE_DPLLAD_K5",                      3, 0x0399, 0, "# cntrl_[74:72];"},
    {"AFE_DPLLAD_M",                      12, 0x039A, 0, "# cntrl_[91:80];"},
    {"AFE_DPLLAD_PN",                      8, 0x039C, 0, "# cntrl_[103:96];"},
    {"AFE_DPLLAD_S",                       2, 0x039D, 0, "# cntrl_[105:104];"},
    {"AFE_DPLLAD_LEN",                     1, 0x039D, 2, "# cntrl_[106];"},
    {"AFE_DPLLAD_OV",                      2, 0x039D, 4, "# cntrl_[109:108];"},
    {"afe_dpllad_lat",                     1, 0x039E, 7, "# cntrl_[119];"},
    {"afe_pllad_sel",                      1, 0x039F, 0, "# cntrl_[120];"},
    // sync processor, first half
    {"afe_sp_sog_src_sel",                 1, 0x0240, 0, "# sog input select 0:from ADC, 1:from HSin"},
    {"afe_sp_sog_p_ato",                   1, 0x0240, 1, "#"}, // chosen: comment
    {"afe_sp_sog_p_inv",                   1, 0x0240, 2, "#"}, // chosen: comment
    {"afe_sp_ext_sync_sel",                1, 0x0240, 3, "#"}, // chosen: comment
    {"afe_sp_rt_lp_sel",                   1, 0x0240, 4, "#"}, // chosen: comment
    {"afe_sp_scart_sel",                   1, 0x0240, 5, "#"}, // chosen: comment
    {"afe_sp_reserved_0",                  2, 0x0240, 6, "#      "},
    {"afe_sp_sync_tgl_thd",                8, 0x0241, 0, "#"}, // chosen: comment
    {"afe_sp_l_dlt_reg",                   8, 0x0242, 0, "#"}, // chosen: comment
    {"afe_sp_p_dlt_reg",                   8, 0x0243, 0, "#"}, // chosen: comment
    {"afe_sp_t_dlt_reg",                   8, 0x0244, 0, "#"}, // chosen: comment
    {"afe_sp_sync_pd_thd",                 8, 0x0245, 0, "#"}, // chosen: comment
    {"afe_sp_prd_eq_thd",                  8, 0x0246, 0, "# how man continue legal line as valid"},
    {"afe_sp_v_tgl_thd",                   8, 0x0247, 0, "#"}, // chosen: comment
    {"afe_sp_v_pls_thd",                   8, 0x0248, 0, "#"}, // chosen: comment
    {"afe_sp_v_eqc_thd",                   8, 0x0249, 0, "# how man continue legal fram as valid"}, // chosen: comment
    {"afe_sp_v_dif_thd",                   8, 0x024A, 0, "#"}, // chosen: comment
    {"afe_sp_reserved_1",                  8, 0x024B, 0, "# Vdet reserved"},
    {"afe_sp_reserved_2",                  8, 0x024C, 0, "# Vdet reserved"},
    {"afe_sp_htimer_cnt",                  8, 0x024D, 0, "#"}, // chosen: comment
    {"afe_sp_vtimer_cnt",                  8, 0x024E, 0, "#"}, // chosen: comment
    {"afe_sp_cs_sep_dlt_reg",              8, 0x024F, 0, "#"}, // chosen: comment
    {"afe_sp_cs_sep_h_pulse_ignor",        8, 0x0250, 0, "#"}, // chosen: comment
    {"afe_sp_cs_sep_htotal_eq_threshold",  8, 0x0251, 0, "# sync pulse width diffrence compare value"},
    {"afe_sp_reserved_3",                  1, 0x0252, 0, "#"},
    {"afe_sp_hd_mode",                     1, 0x0252, 1, "# 1: saprate for HD test"},
    {"afe_sp_cs_sep_vs_sel",               1, 0x0252, 2, "# saprate mode default 0"}, // chosen: comment
    {"afe_sp_reserved_4",                  1, 0x0252, 3, "#"},
    {"afe_sp_cs_sep_h_protect",            1, 0x0252, 4, "#"}, // chosen: comment
    {"afe_sp_cs_sep_dbs_sel",              1, 0x0252, 5, "#"}, // chosen: comment
    {"afe_sp_cs_sep_no_glh",               1, 0x0252, 6, "#"}, // chosen: comment
    {"afe_sp_reserved_5",                  1, 0x0252, 7, "#"},
    {"afe_sp_cs_sep_sdcs_vsst_reg_l",      8, 0x0253, 0, "#"}, // chosen: comment
    {"afe_sp_cs_sep_sdcs_vssp_reg_l",      8, 0x0254, 0, "#"}, // chosen: comment
    {"afe_sp_cs_sep_sdcs_vsst_reg_h",      3, 0x0255, 0, "# VS start postion low MSB"},
    {"afe_sp_reserved_6",                  1, 0x0255, 3, "#"},
    {"afe_sp_cs_sep_sdcs_vssp_reg_h",      3, 0x0255, 4, "# VS stop postion low MSB"}, // chosen: comment
    {"afe_sp_reserved_7",                  9, 0x0255, 7, "# Reserved"},
    {"afe_sp_dlt_reg",                     8, 0x0257, 0, "#"}, // chosen: comment
    {"afe_sp_h_pulse_ignor",               8, 0x0258, 0, "#"}, // chosen: comment
    {"afe_sp_ato_cst_st_reg",              8, 0x0259, 0, "#"}, // chosen: comment
    {"afe_sp_ato_cst_sp_reg",              8, 0x025A, 0, "#"}, // chosen: comment
    {"afe_sp_htotal_eq_threshold",         8, 0x025B, 0, "#"}, // chosen: comment
    {"afe_sp_vs_sel",                      1, 0x025C, 0, "#"}, // chosen: comment
    {"afe_sp_rd_out_sel",                  1, 0x025C, 1, "#"}, // chosen: comment
    {"afe_sp_h_protect",                   1, 0x025C, 2, "#"}, // chosen: comment
    {"afe_sp_dis_sub_coast",               1, 0x025C, 3, "#"}, // chosen: comment
    {"afe_sp_dbs_sel",                     1, 0x025C, 4, "# 1:  SOG debounce enable"},
    {"afe_sp_no_glh",                      1, 0x025C, 5, "#"}, // chosen: comment
    {"afe_sp_clp_mode",                    1, 0x025C, 6, "#"}, // chosen: comment
    {"afe_sp_safe_cst_sel",                1, 0x025C, 7, "# 1: PLL use safe coast 0: PLL use long coast"},
    {"afe_sp_sdcs_vsst_reg_l",             8, 0x025D, 0, "#"}, // chosen: comment
    {"afe_sp_sdcs_vssp_reg_l",             8, 0x025E, 0, "#"}, // chosen: comment
    {"afe_sp_sdcs_vsst_reg_h",             3, 0x025F, 0, "#"}, // chosen: comment
    {"afe_sp_reserved_8",                  1, 0x025F, 3, "#"},
    {"afe_sp_sdcs_vssp_reg_h",             3, 0x025F, 4, "#"}, // chosen: comment
    {"afe_sp_reserved_9",                  1, 0x025F, 7, "#"},
    // sync processor, second half
    {"afe_sp_clp_st_reg_l",                8, 0x0260, 0, "# clamp start LSB"},
    {"afe_sp_clp_sp_reg_l",                8, 0x0261, 0, "# clamp stop LSB"}, // chosen: comment
    {"afe_sp_clp_st_reg_h",                4, 0x0262, 0, "# clamp start MSB"},
    {"afe_sp_clp_sp_reg_h",                4, 0x0262, 4, "# clamp stop MSB"},
    {"afe_sp_cs_hs_st_reg_l",              8, 0x0263, 0, "#"}, // chosen: comment
    {"afe_sp_cs_hs_sp_reg_l",              8, 0x0264, 0, "#"}, // chosen: comment
    {"afe_sp_cs_hs_st_reg_h",              4, 0x0265, 0, "#"}, // chosen: comment
    {"afe_sp_cs_hs_sp_reg_h",              4, 0x0265, 4, "#"}, // chosen: comment
    {"afe_sp_ht_dlt_reg",                  8, 0x0266, 0, "#"}, // chosen: comment
    {"afe_sp_vt_dlt_reg",                  8, 0x0267, 0, "#"}, // chosen: comment
    {"afe_sp_stbl_cnt_reg",                8, 0x0268, 0, "#"}, // chosen: comment
    {"afe_sp_reserved_10",                32, 0x0269, 0, "# Reserved"},
    {"afe_sp_h_cst_st_reg",               12, 0x026D, 0, "# H sub coast start"},
    {"afe_sp_reserved_11",                 4, 0x026E, 4, "#"}, // chosen: comment
    {"afe_sp_h_cst_sp_reg",               12, 0x026F, 0, "# H sub coast stop"},
    {"afe_sp_reserved_12",                 4, 0x0270, 4, "#"}, // chosen: comment
    {"afe_sp_vs_st_reg",                  12, 0x0271, 0, "# V start for VGA in"},
    {"afe_sp_reserved_13",                 4, 0x0272, 4, "#"}, // chosen: comment
    {"afe_sp_vs_sp_reg",                  12, 0x0273, 0, "# V stop for VGA in"},
    {"afe_sp_reserved_14",                 4, 0x0274, 4, "#"}, // chosen: comment
    {"afe_sp_hs_ep_dly_sel",               3, 0x0275, 0, "#"}, // chosen: comment
    {"afe_sp_reserved_15",                 2, 0x0275, 3, "#"}, // chosen: comment
    {"afe_sp_vs_inv_reg",                  1, 0x0275, 5, "#"}, // chosen: comment
    {"afe_sp_vs_pol_ato",                  1, 0x0275, 6, "#"}, // chosen: comment
    {"afe_sp_hcst_auto_en",                1, 0x0275, 7, "#"}, // chosen: comment
    {"afe_sp_sog_mode",                    1, 0x0276, 0, "#"}, // chosen: comment
    {"afe_sp_hs2pll_inv_reg",              1, 0x0276, 1, "#"}, // chosen: comment
    {"afe_sp_clamp_manu",                  1, 0x0276, 2, "#"}, // chosen: comment
    {"afe_sp_reserved_16",                 1, 0x0276, 3, "#"},
    {"afe_sp_sync_bps",                    1, 0x0276, 4, "#"}, // chosen: comment
    {"afe_sp_hs_proc_inv_reg",             1, 0x0276, 5, "#"}, // chosen: comment
    {"afe_sp_vs_proc_inv_reg",             1, 0x0276, 6, "#"}, // chosen: comment
    {"afe_sp_clamp_inv_reg",               1, 0x0276, 7, "#"}, // chosen: comment
    {"afe_sp_no_clamp_reg",                1, 0x0277, 0, "#"}, // chosen: comment
    {"afe_sp_coast_inv_reg",               1, 0x0277, 1, "#"}, // chosen: comment
    {"afe_sp_no_coast_reg",                1, 0x0277, 2, "#"}, // chosen: comment
    {"afe_sp_coast_val_reg",               1, 0x0277, 3, "#"}, // chosen: comment
    {"afe_sp_reserved_17",                 2, 0x0277, 4, "#"}, // chosen: comment
    {"afe_sp_hs_loop_sel",                 1, 0x0277, 6, "#"}, // chosen: comment
    {"afe_sp_hs_reg",                      1, 0x0277, 7, "#"}, // chosen: comment
    {"afe_sp_vs_27_sel",                   1, 0x0278, 0, "#"}, // chosen: comment
    {"afe_sp_coast_sel",                   1, 0x0278, 1, "#"}, // chosen: comment
    {"afe_sp_reserved_18",                 6, 0x0278, 2, "#"}, // chosen: comment
    {"afe_sp_test_madule",                 3, 0x0279, 0, "# test module select control"},
    {"afe_sp_reserved_19",                 1, 0x0279, 3, "#"}, // chosen: comment
    {"afe_sp_test_sctl",                   3, 0x0279, 4, "#"}, // chosen: comment
    {"afe_sp_test_en",                     1, 0x0279, 7, "#"}, // chosen: comment
    {"afe_sp_pllad_cst_st",                8, 0x027A, 0, "#"}, // chosen: comment
    {"afe_sp_pllad_cst_sp",                8, 0x027B, 0, "#"}, // chosen: comment
    {"afe_sp_rd_sel_",                     3, 0x027C, 0, "# status read out select"},
    {"afe_sp_reserved_20",                29, 0x027C, 3, "#      "},
    // HS rt control
    {"afe_hs_st",                         13, 0x0293, 0, "# HS retiming start position"},
    {"afe_hs_reserved_0",                  3, 0x0294, 5, "#"},
    {"afe_hs_sp",                         13, 0x0295, 0, "# HS retiming stop position"},
    {"afe_hs_reserved_1",                  3, 0x0296, 5, "#"},
    // decimator
    {"afe_rgb_clkdiv2_sel",                1, 0x02A0, 0, "# 1: input clk div2 to clk2x. "},
    {"afe_rgb_clkdiv4_sel",                1, 0x02A0, 1, "# 1: input clk div4 to clk1x. 0: clk2x to clk1x"},
    {"afe_rgb_channel_rst_en",             1, 0x02A0, 4, "#"},
    {"afe_rgb_channel_rst",                1, 0x02A0, 5, "#"},
    {"afe_dec1_byps_enz",                  1, 0x02A2, 0, "# = ~cntrl_[0];"},
    {"afe_dec2_byps_enz",                  1, 0x02A2, 1, "# = ~cntrl_[1];"},
    {"afe_lpf_bypsz",                      1, 0x02A2, 5, "# = ~cntrl_[5];"},
    // auto detection
    {"at_md_byps",                         1, 0x0200, 0, "#byps htotal vtotal to status , all other bit is wrong"},
    {"at_md_hs_flip",                      1, 0x0200, 1, "#"}, // chosen: comment
    {"at_md_vs_flip",                      1, 0x0200, 2, "#"}, // chosen: comment
    {"at_md_h_range",                      1, 0x0200, 3, "#"}, // chosen: comment
    {"at_md_v_range",                      1, 0x0200, 4, "#"}, // chosen: comment
    {"at_md_sync_sel",                     3, 0x0200, 5, "#"}, // chosen: comment
    {"at_md_hperiod_lock_value",           8, 0x0201, 0, "#"}, // chosen: comment
    {"at_md_hperiod_unlock_value",         8, 0x0202, 0, "#"}, // chosen: comment
    {"at_md_vperiod_lock_value",           8, 0x0203, 0, "#"}, // chosen: comment
    {"at_md_vperiod_unlock_value",         8, 0x0204, 0, "#"}, // chosen: comment
    {"at_md_htimer_cntrl",                 4, 0x0205, 0, "#"}, // chosen: comment
    {"at_md_vtimer_cntrl",                 4, 0x0205, 4, "#"}, // chosen: comment
    {"at_md_h_pol_en",                     1, 0x0206, 0, "#"}, // chosen: comment
    {"at_md_h_pol_id",                     1, 0x0206, 1, "#"}, // chosen: comment
    {"at_md_v_pol_en",                     1, 0x0206, 2, "#"}, // chosen: comment
    {"at_md_v_pol_id",                     1, 0x0206, 3, "#"}, // chosen: comment
    {"at_md_mdsw_det_en",                  1, 0x0206, 4, "#"}, // chosen: comment
    {"at_md_mdsw_det_id",                  1, 0x0206, 5, "#"}, // chosen: comment
    {"at_md_ip_en",                        1, 0x0206, 6, "#"}, // chosen: comment
    {"at_md_ip_id",                        1, 0x0206, 7, "#"}, // chosen: comment
    {"at_md_no_sync_det_en",               1, 0x0207, 0, "#"}, // chosen: comment
    {"at_md_no_sync_id",                   1, 0x0207, 1, "#"}, // chosen: comment
    {"at_md_no_sync_sel",                  2, 0x0207, 2, "#"}, // chosen: comment
    {"at_md_no_sync_timer_",               3, 0x0207, 4, "#no sync detect timer contrl"},
    {"at_md_hstb_det_byps",                1, 0x0208, 0, "#"}, // chosen: comment
    {"at_md_hstb_id",                      1, 0x0208, 1, "#"}, // chosen: comment
    {"at_md_vstb_det_byps",                1, 0x0208, 2, "#"}, // chosen: comment
    {"at_md_vstb_id",                      1, 0x0208, 3, "#"}, // chosen: comment
    {"at_md_stb_sel",                      2, 0x0208, 4, "#stable interrupt source select"},
    {"at_bd_h_ave_",                       4, 0x0209, 0, "# horizontal data average compare value"},
    {"at_bd_v_ave_",                       4, 0x0209, 4, "#"}, // chosen: comment
    {"at_bd_y_black_lev_",                 8, 0x020A, 0, "#"}, // chosen: comment
    {"at_bd_h_p1_",                       12, 0x020B, 0, "# horizontal position 1"},
    {"at_bd_h_p2_",                       12, 0x020C, 4, "# horizontal position 2"},
    {"at_bd_h_p3_",                       12, 0x020E, 0, "# horizontal position 3"},
    {"at_bd_h_p4_",                       12, 0x020F, 4, "# horizontal position 4"},
    {"at_bd_v_p1_",                       11, 0x0211, 0, "# veritical position 1"},
    {"at_bd_v_p2_",                       11, 0x0212, 4, "# veritical position 2"},
    {"at_bd_v_p3_",                       11, 0x0214, 0, "# veritical position 3"},
    {"at_bd_v_p4_",                       11, 0x0215, 4, "# veritical position 4"},
    {"at_bd_border_det_en",                1, 0x0217, 0, "#"}, // chosen: comment
    {"at_bd_vdo_valid_manue",              1, 0x0217, 1, "#"}, // chosen: comment
    {"at_bd_border_det_id",                1, 0x0217, 2, "#"}, // chosen: comment
    {"at_bd_v_st_manue_",                 11, 0x0217, 4, "# vertical valid signal manue mode st value"},
    {"at_bd_v_sp_manue_",                 11, 0x0219, 0, "# vertical valid signal manue mode sp value"},
    {"at_bd_f_ave_",                       4, 0x021A, 4, "#"}, // chosen: comment
    {"at_bd_sel_de",                       1, 0x021B, 0, "#"}, // chosen: comment
    {"at_bd_sel_656",                      1, 0x021B, 1, "#"}, // chosen: comment
    {"at_bd_tst_sel_",                     2, 0x021B, 2, "#"}, // chosen: comment
    {"at_bd_src_sel_",                     2, 0x021B, 4, "#"},
    // PLLV
    {"pllv_m_",                           12, 0x02B0, 0, "#1st set of PLLV feedback counter"},
    {"pllv_n1_",                           8, 0x02B2, 0, "#1st set of PLLV input counter-1"},
    {"pllv_n2_",                           8, 0x02B3, 0, "#"}, // chosen: comment
    {"pllv_ks_",                           2, 0x02B4, 0, "#"}, // chosen: comment
    {"pllv_icp_",                          3, 0x02B4, 2, "#"}, // chosen: comment
    {"pllv_fn_h_16b",                     16, 0x02B5, 0, "#1st set of Input to the sigma-delta modulator of PLLV"},
    {"pllv_cko7en",                        1, 0x02B7, 0, "#"}, // chosen: comment
    {"pllv_sscen",                         1, 0x02B7, 1, "#"}, // chosen: comment
    {"pllv_bp",                            1, 0x02B7, 2, "#"}, // chosen: comment
    {"pllv_pdz",                           1, 0x02B7, 3, "#When =0, Power Down PLLV; when =1, enable PLLV"},
    {"pllv_ckis",                          1, 0x02B7, 4, "#"}, // chosen: comment
    {"pllv_dsmcks",                        1, 0x02B7, 5, "#"}, // chosen: comment
    {"pllv_fnen",                          1, 0x02B7, 6, "#"}, // chosen: comment
    {"pllv_halfck",                        1, 0x02B7, 7, "#"}, // chosen: comment
    {"pllv_mf_",                           4, 0x02B8, 0, "#"}, // chosen: comment
    {"pllv_sms",                           1, 0x02B8, 4, "# "},
    {"pllv_ma_",                           3, 0x02B8, 5, "#"}, // chosen: comment
    {"pllv_test",                          1, 0x02B9, 0, "#"}, // chosen: comment
    {"pllv_ts",                            1, 0x02B9, 1, "#"}, // chosen: comment
    {"pllv_vcorst",                        1, 0x02B9, 2, "#"}, // chosen: comment
    {"pllv_len",                           1, 0x02B9, 3, "#"}, // chosen: comment
    {"pllv_r_",                            2, 0x02B9, 4, "#"}, // chosen: comment
    {"pllv_s_",                            2, 0x02B9, 6, "#"}, // chosen: comment
    {"pllv_vclk_pwdnz",                    1, 0x02BA, 0, "#"}, // chosen: comment
    {"pllv_vclk_slext",                    1, 0x02BA, 1, "#"}, // chosen: comment
    {"pllv_v7clk_pwdnz",                   1, 0x02BA, 2, "#"}, // chosen: comment
    {"pllv_ckis_autosw",                   1, 0x02BA, 4, "#"}, // chosen: comment
    {"pllv_iclk_sel",                      1, 0x02BA, 5, "#"}, // chosen: comment
    {"pllv_ckis_by_vsync",                 1, 0x02BA, 6, "#"}, // chosen: comment
    {"pllv_div75s",                        1, 0x02BA, 7, "#when =1, pllv div 5"},
    {"pllv_fn_l_4b",                       4, 0x02BC, 0, "#1st set of Input to the sigma-delta modulator of PLLV"},
    {"pllv_noclk_id",                      1, 0x02BC, 4, "#"},
    {"pllv_m24_ck2x_cntrl_0",              1, 0x02BB, 0, "#"},
    {"pllv_m24_ck4x_cntrl_1",              1, 0x02BB, 1, "#"}, // chosen: comment
    {"pllv_m24_mux3_cntrl_0",              2, 0x02BB, 4, "#"},
    {"pllv_m24_mux3_cntrl_1",              2, 0x02BB, 6, "#"},
    // PLL2X
    {"pll2x_d_",                           4, 0x02FB, 0, "# Input and feedback counter data"},
    {"pll2x_ks_",                          3, 0x02FB, 4, "# Output range control signals"},
    {"pll2x_divby2z",                      1, 0x02FB, 7, "# 2X function control(0,cko=2x cki, 1, cko=cki)"},
    {"pll2x_icps_",                        3, 0x02FC, 0, "# Change pump current selection"},
    {"pll2x_byps",                         1, 0x02FC, 3, "# Bypass input clock(0, do 2x, 1, bypass)"},
    {"pll2x_pdz",                          1, 0x02FC, 4, "# PLL2X power down(0, power down, 1, enable)"},
    {"pll2x_ten",                          1, 0x02FC, 5, "# PLL2X test enable"},
    {"pll2x_ts",                           1, 0x02FC, 6, "# PLL2X test select(0,ref clock, "},
    {"pll2x_vcorst",                       1, 0x02FC, 7, "# VCO Control voltage reset signal"},
    {"pll2x_reserved_0",                   8, 0x02FD, 0, "# Reserved"},
    {"pll2x_trigger",                      1, 0x02FE, 0, "#@PLL2X Register trigger bit"},
    {"pll2x_reserved_1",                   7, 0x02FE, 1, "# Reserved"},
    // dcore dmux
    {"dcore_dmux",                         2, 0x0235, 0, "# trig_clk mux "},
    // data path control
    {"clb_prog",                           1, 0x03A0, 0, "#"},
    {"clb_625",                            1, 0x03A0, 1, "#"},
    {"clbar_hdtv",                         1, 0x03A0, 2, "#"},
    {"clbar_hd720p",                       1, 0x03A0, 3, "#"},
    {"clbar_hd1250",                       1, 0x03A0, 4, "#"},
    {"clbar_bd_en",                        1, 0x03A0, 5, "#"},
    {"clbar_rgb_in",                       1, 0x03A0, 6, "#"},
    {"clbar_type",                         1, 0x03A0, 7, "#"},
    {"sel_clbar_path",                     1, 0x03A1, 0, "#"},
    {"cntrl_tst_",                         4, 0x03A1, 4, "#"},
    {"cntrl_dout0_mux",                    2, 0x03A4, 0, "#"},
    {"cntrl_dout1_mux",                    2, 0x03A4, 4, "#"},
    {"cntrl_dout2_mux",                    2, 0x03A5, 0, "#"},
    {"cntrl_dout_set",                     1, 0x03A5, 4, "#"},
    {"cntrl_din_ana_ftrig_byps",           1, 0x03A5, 5, "#"},
    {"cntrl_12bit_mode_en",                1, 0x03A5, 7, "#"},
    {"cntrl_neg_trig_byps",                1, 0x03A6, 0, "#"},
    {"cntrl_encoder_sel",                  1, 0x03A6, 4, "#"},
    {"cntrl_loop",                         8, 0x03A7, 0, "#"},
    {"cntrl_dout_sel_",                    2, 0x03A8, 0, "#"},
    {"cntrl_30b_neg_trig_byps",            1, 0x03A8, 2, "#"},
    {"audio_outsync_en",                   1, 0x03A8, 3, "#"},
    {"audio_outsync_pre_en",               1, 0x03A8, 4, "#"},
    {"hdmi_anlg_on",                       1, 0x03A8, 5, "#"},
    {"psel0_pad_i",                        1, 0x03A8, 6, "#"},
    {"psel1_pad_i",                        1, 0x03A8, 7, "#"},
    {"psel2_pad_i",                        1, 0x03A9, 0, "#"},
    {"pwdn",                               1, 0x03A9, 1, "#"},
    {"dvi",                                1, 0x03A9, 2, "#"},
    {"test_hdmi_tx",                       1, 0x03A9, 3, "#"},
    {"hdmi_test_in",                      10, 0x03A9, 4, "#"},
    // input formatter
    {"if_sel656",                          1, 0x0180, 0, "#select 656 mode. only support 8/10bit UYVY mode."},
    {"if_hs_flip",                         1, 0x0180, 1, "#flip"},
    {"if_vs_flip",                         1, 0x0180, 2, "#flip"},
    {"if_phase_flip",                      1, 0x0180, 3, "#flip the wen signal"},
    {"if_field_sel",                       1, 0x0180, 4, "#progressive mode(field signal toggle by v_sync)"},
    {"if_wen_sel_",                        2, 0x0180, 5, "#use the data:clk=1:1 condition."},
    {"if_fid_flip",                        1, 0x0180, 7, "#flip"},
    {"if_bt1120_tim_sel_",                 2, 0x0181, 0, "#enable one channel to decode the bt1120 timing"},
    {"if_bt1120_656_sel",                  1, 0x0181, 2, "#select bt1120 timing decoder or bt656 timing decoder"},
    {"if_hde_hs_sel",                      1, 0x0181, 3, "#"},
    {"if_vde_vs_sel",                      1, 0x0181, 4, "#"},
    {"if_ext_fid_sel",                     1, 0x0181, 5, "#sel external field in 601 mode"},
    {"if_fid_det_en",                      1, 0x0181, 6, "#enable field det mode"},
    {"if_hde_safe_gen",                    1, 0x0181, 7, "#safe mode to generator HDE"},
    {"if_de_dec_cntrl_",                   8, 0x0182, 0, "#"},
    {"if_direct_de_sel",                   1, 0x0183, 0, "#"},
    {"if_fid_sfdly2_sel",                  1, 0x0183, 1, "#"},
    {"if_bt_err_crc_sel",                  1, 0x0183, 2, "#"},
    {"if_hs_vs_shift_sel",                 1, 0x0183, 3, "#"},
    {"if_hv_dly_sel_",                     4, 0x0183, 4, "#"},
    {"if_h_zone_st_",                     13, 0x0184, 0, "#use to draw a zone to detect the field"},
    {"if_h_zone_sp_",                     13, 0x0186, 0, "#use to draw a zone to detect the field"},
    {"if_tim_test_sel_",                   3, 0x0187, 5, "#"},
    {"if_hde_st_",                        13, 0x0188, 0, "#horizontial active video data start"},
    {"if_hde_sp_",                        13, 0x018A, 0, "#horizontial active video data stop"},
    {"if_vde_st0_",                       11, 0x018C, 0, "# //vertical"},
    {"if_vde_sp0_",                       11, 0x018E, 0, "#"},
    {"if_vde_st1_",                       11, 0x0190, 0, "#"},
    {"if_vde_sp1_",                       11, 0x0192, 0, "#"},
    {"if_vs_regen_st_",                   22, 0x0194, 0, "#default : d64"},
    {"if_vs_regen_sp_",                   22, 0x0198, 0, "#default : d6144"},
    {"if_reg_neg_cap_en",                  1, 0x01C0, 0, "#"},
    {"if_reg_db_edge_in",                  1, 0x01C0, 1, "#"},
    {"if_reg_width_type_",                 2, 0x01C0, 2, "#"},
    {"if_bt1120_pak_en",                   1, 0x01C0, 4, "#"},
    {"if_bt1120_phase",                    1, 0x01C0, 5, "#"},
    {"if_bt1120_flt_byps",                 1, 0x01C0, 6, "#"},
    {"if_bt1120_16rgb_sel",                1, 0x01C0, 7, "#"},
    {"if_yuv_dmux_sel",                    8, 0x01C1, 0, "#"},
    {"if_rgb_expan_en",                    1, 0x01C2, 0, "#"},
    {"if_reg_ana_db_cap_sel",              1, 0x01C2, 1, "#for support ana db_edge cap special fmt"},
    {"if_range_press_sel",                 1, 0x01C2, 4, "#"},
    {"if_hd_sd_sel",                       1, 0x01C2, 5, "#"},
    {"if_in_pb_cb_sel",                    1, 0x01C2, 6, "#"},
    {"if_rgb2ycbcr_en",                    1, 0x01C2, 7, "#"},
    {"if_y_offset",                       10, 0x01C3, 0, "#"},
    {"if_gamma0_",                        10, 0x01C4, 2, "#"},
    {"if_gamma1_",                        10, 0x01C5, 4, "#"},
    {"if_gamma2_",                        10, 0x01C6, 6, "#"},
    {"if_gamma3_",                        10, 0x01C8, 0, "#"},
    {"if_gamma4_",                        10, 0x01C9, 2, "#"},
    {"if_gamma5_",                        10, 0x01CA, 4, "#"},
    {"if_gamma6_",                        10, 0x01CB, 6, "#"},
    {"if_gamma7_",                        10, 0x01CD, 0, "#"},
    {"if_gamma8_",                        11, 0x01CE, 2, "#max is 11'h400"},
    {"if_y_gain_en",                       1, 0x01CF, 5, "#max "},
    {"if_uv_gain_en",                      1, 0x01CF, 6, "#max "},
    {"if_u_gain1_",                       10, 0x01D0, 0, "#"},
    {"if_u_gain2_",                       10, 0x01D1, 2, "#"},
    {"if_u_gain3_",                       10, 0x01D2, 4, "#"},
    {"if_u_gain4_",                       10, 0x01D3, 6, "#"},
    {"if_v_gain1_",                       10, 0x01D5, 0, "#"},
    {"if_v_gain2_",                       10, 0x01D6, 2, "#"},
    {"if_v_gain3_",                       10, 0x01D7, 4, "#"},
    {"if_v_gain4_",                       10, 0x01D8, 6, "#"},
    {"if_data_test_sel_",                  4, 0x01DA, 0, "#"},
    {"if_yuv_to422_cntrl_",                6, 0x01DB, 0, "#"},
    {"if_g_offset_",                      15, 0x01DC, 0, "#"},
    {"if_b_offset_",                      15, 0x01DE, 0, "#"},
    {"if_r_offset_",                      15, 0x01E0, 0, "#"},
    {"if_y_coef0_",                       12, 0x01E2, 0, "#"},
    {"if_blu_scr_gy0",                     4, 0x01E3, 4, "#"},
    {"if_u_coef0_",                       12, 0x01E4, 0, "#"},
    {"if_blu_scr_bu0",                     4, 0x01E5, 4, "#"},
    {"if_v_coef0_",                       12, 0x01E6, 0, "#"},
    {"if_blu_scr_rv0",                     4, 0x01E7, 4, "#"},
    {"if_y_coef1_",                       12, 0x01E8, 0, "#"},
    {"if_blu_scr_gy1",                     4, 0x01E9, 4, "#"},
    {"if_u_coef1_",                       12, 0x01EA, 0, "#"},
    {"if_blu_scr_bu1",                     4, 0x01EB, 4, "#"},
    {"if_v_coef1_",                       12, 0x01EC, 0, "#"},
    {"if_blu_scr_rv1",                     4, 0x01ED, 4, "#"},
    {"if_y_coef2_",                       12, 0x01EE, 0, "#"},
    {"if_u_coef2_",                       12, 0x01F0, 0, "#"},
    {"if_v_coef2_",                       12, 0x01F2, 0, "#"},
    {"if_ycbcr2rgb_byps",                  1, 0x01F3, 4, "#"},
    {"if_blue_scrn",                       1, 0x01F3, 5, "#"},
    {"if_dither_10b_en",                   1, 0x01F4, 0, "#"},
    {"if_dither_8b_en",                    1, 0x01F4, 1, "#"},
    {"if_dither_6b_en",                    1, 0x01F4, 2, "#"},
    {"if_dither_type",                     1, 0x01F4, 3, "#"},
    {"if_yuv_in",                          1, 0x01F4, 4, "#"},
    {"if_limit_en",                        1, 0x01F4, 5, "#"},
    {"if_yuv12b_422_1x",                   1, 0x01F4, 6, "#"},
    {"if_yuv12b_422_2x",                   1, 0x01F4, 7, "#"},
    {"if_wff_shift_",                      3, 0x01F5, 0, "#"},
    {"if_rff_shift_",                      3, 0x01F5, 3, "#"},
    {"if_clk_rate_type_",                  2, 0x01F5, 6, "#"},
    {"if_wen_out_phase",                   1, 0x01F6, 0, "#"},
    {"if_wen_out_set",                     1, 0x01F6, 1, "#"},
    {"if_tim_path_sel",                    1, 0x01F6, 2, "#"},
    {"if_macro_sync_sel",                  1, 0x01F6, 3, "#"},
    {"if_dram_en",                         1, 0x01F6, 4, "#"},
    {"if_ither_3d_sel",                    1, 0x01F6, 5, "#"},
    {"if_hrst_dlysel_",                    4, 0x01F7, 0, "#"},
    // dithering
    {"dith_in_fmt",                        2, 0x01A0, 0, "#dither input format, 0:8-bit; 1:10-bit; 2:12-bit; 3:14-bit"},
    {"dith_reserved0",                     2, 0x01A0, 2, "#reserved "}, // chosen: comment
    {"dith_out_fmt",                       2, 0x01A0, 4, "#"}, // chosen: comment
    {"dith_reserved1",                     2, 0x01A0, 6, "#reserved "}, // chosen: comment
    {"dith_byps",                          1, 0x01A1, 0, "#dither full bypass, active high"},
    {"dith_sync_sel",                      1, 0x01A1, 1, "#"}, // chosen: comment
    {"dith_de_sel",                        1, 0x01A1, 2, "#"}, // chosen: comment
    {"dith_fcnt_dif_en",                   1, 0x01A1, 3, "#"}, // chosen: comment
    {"dith_hs_pol",                        1, 0x01A1, 4, "# hsync poloraty select,default high active"},
    {"dith_vs_pol",                        1, 0x01A1, 5, "#"}, // chosen: comment
    {"dith_hd_pol",                        1, 0x01A1, 6, "#"}, // chosen: comment
    {"dith_vd_pol",                        1, 0x01A1, 7, "#"}, // chosen: comment
    {"dith_tb_u_val_idx0",                 4, 0x01A2, 0, "#dither table u index 0 value"},
    {"dith_tb_u_val_idx1",                 4, 0x01A2, 4, "#dither table u index 1 value"}, // chosen: comment
    {"dith_tb_u_val_idx2",                 4, 0x01A3, 0, "#dither table u index 2 value"}, // chosen: comment
    {"dith_tb_u_val_idx3",                 4, 0x01A3, 4, "#dither table u index 3 value"}, // chosen: comment
    {"dith_tb_u_val_idx4",                 4, 0x01A4, 0, "#dither table u index 4 value"}, // chosen: comment
    {"dith_tb_u_val_idx5",                 4, 0x01A4, 4, "#dither table u index 5 value"}, // chosen: comment
    {"dith_tb_u_val_idx6",                 4, 0x01A5, 0, "#dither table u index 6 value"}, // chosen: comment
    {"dith_tb_u_val_idx7",                 4, 0x01A5, 4, "#dither table u index 7 value"}, // chosen: comment
    {"dith_tb_u_val_idx8",                 4, 0x01A6, 0, "#dither table u index 8 value"}, // chosen: comment
    {"dith_tb_u_val_idx9",                 4, 0x01A6, 4, "#dither table u index 9 value"}, // chosen: comment
    {"dith_tb_u_val_idx10",                4, 0x01A7, 0, "#dither table u index 10 value"}, // chosen: comment
    {"dith_tb_u_val_idx11",                4, 0x01A7, 4, "#dither table u index 11 value"}, // chosen: comment
    {"dith_tb_u_val_idx12",                4, 0x01A8, 0, "#dither table u index 12 value"}, // chosen: comment
    {"dith_tb_u_val_idx13",                4, 0x01A8, 4, "#dither table u index 13 value"}, // chosen: comment
    {"dith_tb_u_val_idx14",                4, 0x01A9, 0, "#dither table u index 14 value"}, // chosen: comment
    {"dith_tb_u_val_idx15",                4, 0x01A9, 4, "#dither table u index 15 value"}, // chosen: comment
    {"dith_tb_l_val_idx0",                 4, 0x01AA, 0, "#dither table l index 0 value"},
    {"dith_tb_l_val_idx1",                 4, 0x01AA, 4, "#dither table l index 1 value"}, // chosen: comment
    {"dith_tb_l_val_idx2",                 4, 0x01AB, 0, "#dither table l index 2 value"}, // chosen: comment
    {"dith_tb_l_val_idx3",                 4, 0x01AB, 4, "#dither table l index 3 value"}, // chosen: comment
    {"dith_tb_l_val_idx4",                 4, 0x01AC, 0, "#dither table l index 4 value"}, // chosen: comment
    {"dith_tb_l_val_idx5",                 4, 0x01AC, 4, "#dither table l index 5 value"}, // chosen: comment
    {"dith_tb_l_val_idx6",                 4, 0x01AD, 0, "#dither table l index 6 value"}, // chosen: comment
    {"dith_tb_l_val_idx7",                 4, 0x01AD, 4, "#dither table l index 7 value"}, // chosen: comment
    {"dith_tb_l_val_idx8",                 4, 0x01AE, 0, "#dither table l index 8 value"}, // chosen: comment
    {"dith_tb_l_val_idx9",                 4, 0x01AE, 4, "#dither table l index 9 value"}, // chosen: comment
    {"dith_tb_l_val_idx10",                4, 0x01AF, 0, "#dither table l index 10 value"}, // chosen: comment
    {"dith_tb_l_val_idx11",                4, 0x01AF, 4, "#dither table l index 11 value"}, // chosen: comment
    {"dith_tb_l_val_idx12",                4, 0x01B0, 0, "#dither table l index 12 value"}, // chosen: comment
    {"dith_tb_l_val_idx13",                4, 0x01B0, 4, "#dither table l index 13 value"}, // chosen: comment
    {"dith_tb_l_val_idx14",                4, 0x01B1, 0, "#dither table l index 14 value"}, // chosen: comment
    {"dith_tb_l_val_idx15",                4, 0x01B1, 4, "#dither table l index 15 value"}, // chosen: comment
    {"dith_ram_fcnt",                      6, 0x01B2, 0, "#manual dither frame count "},
    {"dith_reserved2",                     1, 0x01B2, 6, "#reserved "}, // chosen: comment
    {"dith_ram_fcnt_en",                   1, 0x01B2, 7, "#"}, // chosen: comment
    {"dith_ram_vcnt",                      6, 0x01B3, 0, "#"}, // chosen: comment
    {"dith_reserved3",                     1, 0x01B3, 6, "#reserved "}, // chosen: comment
    {"dith_ram_vcnt_en",                   1, 0x01B3, 7, "#"}, // chosen: comment
    {"dith_ram_hcnt",                      6, 0x01B4, 0, "#"}, // chosen: comment
    {"dith_reserved4",                     1, 0x01B4, 6, "#reserved "}, // chosen: comment
    {"dith_ram_hcnt_en",                   1, 0x01B4, 7, "#"}, // chosen: comment
    {"dith_shde_st",                       9, 0x01B5, 0, "#when use sync generate de, hde start"},
    {"dith_reserved5",                     7, 0x01B6, 1, "#reserved "},
    {"dith_svde_st",                       9, 0x01B7, 0, "#when use sync generate de, vde start"},
    {"dith_reserved6",                     7, 0x01B8, 1, "#reserved "},
    // shaping filter
    {"if_soft_filter_coef",                9, 0x0600, 0, "#Shaping filter coefficient"},
    {"if_soft_filter_byps",                1, 0x0601, 1, "#Shaping filter bypass"},
    {"if_hs_sel_lpf",                      1, 0x0601, 2, "#"}, // chosen: comment
    {"if_hs_int_lpf_byps",                 1, 0x0601, 3, "#"}, // chosen: comment
    {"if_hs_pshift_byps",                  1, 0x0601, 4, "#"}, // chosen: comment
    {"if_hs_tap11_byps",                   1, 0x0601, 5, "#"}, // chosen: comment
    {"if_hs_y_pdelay",                     2, 0x0601, 6, "#444to422 convert y delay control "},
    {"if_hs_rate_seg0",                   12, 0x0602, 0, "#horizontal non-linear scaling down 1st segment scaling ratio."},
    {"if_hs_rate_seg1",                   12, 0x0603, 4, "#horizontal non-linear scaling down 2nd segment scaling ratio."},
    {"if_hs_rate_seg2",                   12, 0x0605, 0, "#horizontal non-linear scaling down 3rd segment scaling ratio."},
    {"if_hs_rate_seg3",                   12, 0x0606, 4, "#horizontal non-linear scaling down 4th segment scaling ratio."},
    {"if_hs_rate_seg4",                   12, 0x0608, 0, "#horizontal non-linear scaling down 5th segment scaling ratio."},
    {"if_hs_rate_seg5",                   12, 0x0609, 4, "#horizontal non-linear scaling down 6th segment scaling ratio. "},
    {"if_hs_rate_seg6",                   12, 0x060B, 0, "#horizontal non-linear scaling down 7th segment scaling ratio."},
    {"if_hs_rate_seg7",                   12, 0x060C, 4, "#horizontal non-linear scaling down 8th segment scaling ratio. "},
    {"if_hs_dec_factor",                   1, 0x060E, 0, "#DEC factor: 0-->1x,  1-->1/2x"},
    // scale-up
    {"su_h_lt_st",                        12, 0x0610, 0, "#non-linear horizontal scaling up left start position bit[11:0]"},
    {"su_reserved02",                      4, 0x0611, 4, "#reserved "},
    {"su_h_lt_sp",                        12, 0x0612, 0, "#non-linear horizontal scaling up left stop position bit[11:0]"},
    {"su_reserved03",                      4, 0x0613, 4, "#reserved "}, // chosen: comment
    {"su_h_rt_st",                        12, 0x0614, 0, "#non-linear horizontal scaling up right start position bit[11:0]"},
    {"su_reserved04",                      4, 0x0615, 4, "#reserved "}, // chosen: comment
    {"su_h_rt_sp",                        12, 0x0616, 0, "#non-linear horizontal scaling up right stop position bit[11:0]"},
    {"su_reserved05",                      4, 0x0617, 4, "#reserved "}, // chosen: comment
    {"su_h_lt_ratio",                     12, 0x0618, 0, "#non-linear horizontal scaling up left area initial ratio"},
    {"su_reserved06",                      4, 0x0619, 4, "#reserved "}, // chosen: comment
    {"su_h_lt_step",                      12, 0x061A, 0, "#non-linear horizontal scaling up left area ratio step"},
    {"su_reserved07",                      4, 0x061B, 4, "#reserved "}, // chosen: comment
    {"su_h_md_ratio",                     12, 0x061C, 0, "#non-linear horizontal scaling up middle area ratio"},
    {"su_reserved08",                      4, 0x061D, 4, "#reserved "}, // chosen: comment
    {"su_h_rt_ratio",                     12, 0x061E, 0, "#non-linear horizontal scaling up right area initial ratio"},
    {"su_reserved09",                      4, 0x061F, 4, "#reserved "}, // chosen: comment
    {"su_h_rt_step",                      12, 0x0620, 0, "#non-linear horizontal scaling up right area ratio step"},
    {"su_reserved10",                      4, 0x0621, 4, "#reserved "}, // chosen: comment
    {"su_v_tp_st",                        12, 0x0622, 0, "#non-linear vertical scaling up top start position bit[11:0]"},
    {"su_reserved11",                      4, 0x0623, 4, "#reserved "}, // chosen: comment
    {"su_v_tp_sp",                        12, 0x0624, 0, "#non-linear vertical scaling up top stop position bit[11:0]"},
    {"su_reserved12",                      4, 0x0625, 4, "#reserved "}, // chosen: comment
    {"su_v_bm_st",                        12, 0x0626, 0, "#non-linear vertical scaling up bottom start position bit[11:0]"},
    {"su_reserved13",                      4, 0x0627, 4, "#reserved "}, // chosen: comment
    {"su_v_bm_sp",                        12, 0x0628, 0, "#non-linear vertical scaling up bottom stop position bit[11:0]"},
    {"su_reserved14",                      4, 0x0629, 4, "#reserved "}, // chosen: comment
    {"su_v_tp_ratio",                     12, 0x062A, 0, "#non-linear vertical scaling up top area initial ratio"},
    {"su_reserved15",                      4, 0x062B, 4, "#reserved "}, // chosen: comment
    {"su_v_tp_step",                      12, 0x062C, 0, "#non-linear vertical scaling up top area ratio step"},
    {"su_reserved16",                      4, 0x062D, 4, "#reserved "}, // chosen: comment
    {"su_v_md_ratio",                     12, 0x062E, 0, "#non-linear vertical scaling up middle area ratio "},
    {"su_reserved17",                      4, 0x062F, 4, "#reserved "}, // chosen: comment
    {"su_v_bm_ratio",                     12, 0x0630, 0, "#non-linear vertical scaling up bottom area initial ratio "},
    {"su_reserved18",                      4, 0x0631, 4, "#reserved "}, // chosen: comment
    {"su_v_bm_step",                      12, 0x0632, 0, "#non-linear vertical scaling up bottom area ratio step"},
    {"su_reserved19",                      4, 0x0633, 4, "#reserved "}, // chosen: comment
    {"su_h_nl_en",                         1, 0x0634, 0, "#"}, // chosen: comment
    {"su_v_nl_en",                         1, 0x0634, 1, "#"}, // chosen: comment
    {"su_h_dda_byps",                      1, 0x0634, 2, "#"}, // chosen: comment
    {"su_v_dda_byps",                      1, 0x0634, 3, "#"}, // chosen: comment
    {"su_h_y_tap10_byps",                  1, 0x0634, 4, "#[292]Y H scaling up 1st stage tap10 interpolation filter bypass, active high"},
    {"su_reserved20",                      1, 0x0634, 5, "#reserved "}, // chosen: comment
    {"su_h_uv_tap6_byps",                  1, 0x0634, 6, "#[294] nouse in tqc4120, UV H scaling up 1st stage tap6 interpolation filter bypass, active high"},
    {"su_reserved21",                      1, 0x0634, 7, "#reserved "},
    {"su_h_ph_adj_en",                     1, 0x0635, 0, "#[296] nouse in tqc4120, horizontal scaling up phase adjustment enable, active high"},
    {"su_v_ph_adj_en",                     1, 0x0635, 1, "#[297] nouse in tqc4120, vertical scaling up phase adjustment enable, active high"},
    {"su_h_sel_2d",                        1, 0x0635, 2, "#[298] nouse in tqc4120, hsu ratio gen select 2D scaling, 1 select 2D scaling, 0 select normal"},
    {"su_v_sel_2d",                        1, 0x0635, 3, "#[299] nouse in tqc4120, vsu ratio gen select 2D scaling, 1 select 2D scaling, 0 select normal"},
    {"su_uv_flip",                         1, 0x0635, 4, "#[300]"}, // chosen: comment
    {"su_u_delay",                         1, 0x0635, 5, "#[301]"}, // chosen: comment
    {"su_v_delay",                         1, 0x0635, 6, "#[302]"}, // chosen: comment
    {"su_uv_tap6_int_byps",                1, 0x0635, 7, "#[303]"}, // chosen: comment
    {"su_y_comp_dly",                      2, 0x0636, 0, "#[304]"}, // chosen: comment
    {"su_vtap2_sel",                       1, 0x0636, 2, "#[306]"}, // chosen: comment
    {"su_covnt_6",                         1, 0x0636, 3, "#[307]"}, // chosen: comment
    {"su_v_intp_bd_c_en",                  1, 0x0636, 4, "#[308]"}, // chosen: comment
    {"vert_c_en",                          1, 0x0636, 5, "#[309]reserved "},
    {"wen_dly",                            2, 0x0636, 6, "#[310]"},
    {"vdda_byps",                          1, 0x0637, 0, "#"},
    {"pdelay_cntrl",                      12, 0x0637, 1, "#[313]"},
    // vertical scale-down
    {"vsd_viir_byps",                      1, 0x0640, 0, "#=1 bypass VIIR filter for vscale down"},
    {"vsd_viir_sel",                       1, 0x0640, 1, "#"}, // chosen: comment
    {"vsd_viir_coef",                      7, 0x0640, 2, "#coefficient of VIIR"},
    {"vsd_reserved00",                     7, 0x0641, 1, "#reserved "},
    {"vsd_vscale_ratio0",                 12, 0x0642, 0, "#vscale down period_0 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec0",                    1, 0x0643, 4, "#=0, vscale down period_0 will be n/m; =1, output will n/2m"},
    {"vsd_reserved01",                     3, 0x0643, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio1",                 12, 0x0644, 0, "#vscale down period_1 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec1",                    1, 0x0645, 4, "#=0, vscale down period_1 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved02",                     3, 0x0645, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio2",                 12, 0x0646, 0, "#vscale down period_2 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec2",                    1, 0x0647, 4, "#=0, vscale down period_2 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved03",                     3, 0x0647, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio3",                 12, 0x0648, 0, "#vscale down period_3 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec3",                    1, 0x0649, 4, "#=0, vscale down period_3 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved04",                     3, 0x0649, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio4",                 12, 0x064A, 0, "#vscale down period_4 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec4",                    1, 0x064B, 4, "#=0, vscale down period_4 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved05",                     3, 0x064B, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio5",                 12, 0x064C, 0, "#vscale down period_5 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec5",                    1, 0x064D, 4, "#=0, vscale down period_5 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved06",                     3, 0x064D, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio6",                 12, 0x064E, 0, "#vscale down period_6 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec6",                    1, 0x064F, 4, "#=0, vscale down period_6 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved07",                     3, 0x064F, 5, "#reserved "}, // chosen: comment
    {"vsd_vscale_ratio7",                 12, 0x0650, 0, "#vscale down period_7 ratio. to get n/m, set ratio=(m-n)/n"},
    {"vsd_vscale_fec7",                    1, 0x0651, 4, "#=0, vscale down period_7 will be n/m; =1, output will n/2m"}, // chosen: comment
    {"vsd_reserved08",                     3, 0x0651, 5, "#reserved "}, // chosen: comment
    {"vsd_phase_byps",                     1, 0x0652, 0, "#"}, // chosen: comment
    {"vsd_phase_sel",                      1, 0x0652, 1, "#=1 use auto phase_ini gen; =0 use 12'hff as ini"},
    {"vsd_split_en",                       1, 0x0652, 2, "#"}, // chosen: comment
    {"vsd_reserved09",                     5, 0x0652, 3, "#reserved "}, // chosen: comment
    {"vsd_pd_iir_st",                      4, 0x0653, 0, "#"}, // chosen: comment
    {"vsd_pd_iir_sp",                      4, 0x0653, 4, "#"}, // chosen: comment
    {"vsd_pd_pa_st",                       4, 0x0654, 0, "#"}, // chosen: comment
    {"vsd_pd_pa_sp",                       4, 0x0654, 4, "#"}, // chosen: comment
    {"vsd_pd_iir_byps",                    1, 0x0655, 0, "#"}, // chosen: comment
    {"vsd_pd_pa_byps",                     1, 0x0655, 1, "#"}, // chosen: comment
    {"vsd_test_en",                        1, 0x0655, 2, "#"}, // chosen: comment
    {"vsd_test_sel",                       2, 0x0655, 3, "#"}, // chosen: comment
    {"vsd_reserved10",                     3, 0x0655, 5, "#reserved "},
    // timing generator
    {"c_htotal_",                         13, 0x0656, 0, "#"},
    {"c_vtotal_",                         12, 0x0657, 5, "#"},
    {"c_hb_start_",                       13, 0x0659, 1, "#"},
    {"c_hb_end_",                         13, 0x065A, 6, "#"},
    {"c_hbdis_start_",                    13, 0x065C, 3, "#"},
    {"c_hbdis_end_",                      13, 0x065E, 0, "#"},
    {"c_vb_start_",                       12, 0x065F, 5, "#"},
    {"c_vb_end_",                         12, 0x0661, 1, "#"},
    {"c_vbdis_start_",                    12, 0x0662, 5, "#"},
    {"c_vbdis_end_",                      12, 0x0664, 1, "#"},
    {"c_de_h_start_",                     13, 0x0665, 5, "#"},
    {"c_de_h_end_",                       13, 0x0667, 2, "#"},
    {"c_de_v_start_",                     12, 0x0668, 7, "#"},
    {"c_de_v_end_",                       12, 0x066A, 3, "#"},
    {"c_reserved",                         1, 0x066B, 7, "#"},
    {"scal_line_len",                      8, 0x066E, 0, "#"},
    {"scal_buf_get_preload",               1, 0x066F, 0, "#"},
    {"scal_VDO_enable",                    1, 0x066F, 1, "#"},
    {"scal_one_line",                      1, 0x066F, 2, "#"},
    {"scal_buf_nolmt",                     1, 0x066F, 3, "#"},
    {"scal_wwsync_sel",                    1, 0x066F, 4, "#"},
    {"scal_corss_nolmt",                   1, 0x066F, 5, "#"},
    {"scal_cntrl_cross",                  14, 0x0670, 0, "#"},
    {"scal_line_star8",                   13, 0x0672, 0, "#"},
    {"scal_dout_sel",                      2, 0x067F, 5, "#"},
    {"scal_up_sel",                        1, 0x067F, 7, "#"},
    // line double
    {"ld_line_st",                        13, 0x03C0, 0, "#"},
    {"ld_line_sp",                        13, 0x03C2, 0, "#"},
    {"ld_ren_inc_",                       12, 0x03C4, 0, "#"},
    {"ld_sel_prg2de",                      1, 0x03C6, 0, "# #"},
    {"ld_sel_if2scl",                      1, 0x03C6, 1, "# #"},
    {"ld_hbout_st_",                      12, 0x03C8, 0, "#"},
    {"ld_hbout_sp_",                      12, 0x03CA, 0, "#"},
    {"ld_vbout_st_",                      11, 0x03CC, 0, "#"},
    {"ld_vbout_sp_",                      11, 0x03CE, 0, "#"},
    // diagonal bob
    {"db_sel_prg",                         1, 0x03D0, 0, "#"},
    {"db_rsm_byps",                        1, 0x03D0, 1, "#"},
    {"db_delay",                           4, 0x03D0, 6, "#"},
    {"db_pd_db_sp",                        4, 0x03D1, 2, "#"},
    {"db_pd_db_byps",                      1, 0x03D1, 6, "#"},
    {"db_tap3_byps",                       4, 0x03D1, 7, "#"},
    {"db_det_byps",                        4, 0x03D2, 3, "#"},
    {"db_med_byps",                        1, 0x03D2, 7, "#"},
    {"db_min_byps",                        1, 0x03D3, 0, "#"},
    {"db_lpf_byps",                        1, 0x03D3, 1, "#"},
    {"db_det_thd",                         7, 0x03D3, 2, "#"},
    {"db_hfreq_en",                        1, 0x03D4, 1, "#"},
    {"db_hfreq_id",                        1, 0x03D4, 2, "#"},
    {"db_hfreq_lock",                      3, 0x03D4, 3, "#"},
    {"db_hfreq_unlock",                    3, 0x03D4, 6, "#"},
    {"db_hfreq_thd",                       8, 0x03D5, 1, "#"},
    {"db_test_cntrl",                      3, 0x03D7, 0, "#"},
    {"db_444cnvt",                         8, 0x03D9, 0, "#"},
    // colour look-up table
    {"dis_ttx_r00",                        8, 0x0300, 0, "#ttx color look-up-table r value for index 0"},
    {"dis_ttx_g00",                        8, 0x0301, 0, "#ttx color look-up-table g value for index 0"},
    {"dis_ttx_b00",                        8, 0x0302, 0, "#ttx color look-up-table b value for index 0"},
    {"dis_ttx_r01",                        8, 0x0303, 0, "#ttx color look-up-table r value for index 1"},
    {"dis_ttx_g01",                        8, 0x0304, 0, "#ttx color look-up-table g value for index 1"},
    {"dis_ttx_b01",                        8, 0x0305, 0, "#ttx color look-up-table b value for index 1"},
    {"dis_ttx_r02",                        8, 0x0306, 0, "#ttx color look-up-table r value for index 2"},
    {"dis_ttx_g02",                        8, 0x0307, 0, "#ttx color look-up-table g value for index 2"},
    {"dis_ttx_b02",                        8, 0x0308, 0, "#ttx color look-up-table b value for index 2"},
    {"dis_ttx_r03",                        8, 0x0309, 0, "#ttx color look-up-table r value for index 3"},
    {"dis_ttx_g03",                        8, 0x030A, 0, "#ttx color look-up-table g value for index 3"},
    {"dis_ttx_b03",                        8, 0x030B, 0, "#ttx color look-up-table b value for index 3"},
    {"dis_ttx_r04",                        8, 0x030C, 0, "#ttx color look-up-table r value for index 4"},
    {"dis_ttx_g04",                        8, 0x030D, 0, "#ttx color look-up-table g value for index 4"},
    {"dis_ttx_b04",                        8, 0x030E, 0, "#ttx color look-up-table b value for index 4"},
    {"dis_ttx_r05",                        8, 0x030F, 0, "#ttx color look-up-table r value for index 5"},
    {"dis_ttx_g05",                        8, 0x0310, 0, "#ttx color look-up-table g value for index 5"},
    {"dis_ttx_b05",                        8, 0x0311, 0, "#ttx color look-up-table b value for index 5"},
    {"dis_ttx_r06",                        8, 0x0312, 0, "#ttx color look-up-table r value for index 6"},
    {"dis_ttx_g06",                        8, 0x0313, 0, "#ttx color look-up-table g value for index 6"},
    {"dis_ttx_b06",                        8, 0x0314, 0, "#ttx color look-up-table b value for index 6"},
    {"dis_ttx_r07",                        8, 0x0315, 0, "#ttx color look-up-table r value for index 7"},
    {"dis_ttx_g07",                        8, 0x0316, 0, "#ttx color look-up-table g value for index 7"},
    {"dis_ttx_b07",                        8, 0x0317, 0, "#ttx color look-up-table b value for index 7"},
    {"dis_ttx_r08",                        8, 0x0318, 0, "#ttx color look-up-table r value for index 8"},
    {"dis_ttx_g08",                        8, 0x0319, 0, "#ttx color look-up-table g value for index 8"},
    {"dis_ttx_b08",                        8, 0x031A, 0, "#ttx color look-up-table b value for index 8"},
    {"dis_ttx_r09",                        8, 0x031B, 0, "#ttx color look-up-table r value for index 9"},
    {"dis_ttx_g09",                        8, 0x031C, 0, "#ttx color look-up-table g value for index 9"},
    {"dis_ttx_b09",                        8, 0x031D, 0, "#ttx color look-up-table b value for index 9"},
    {"dis_ttx_r10",                        8, 0x031E, 0, "#ttx color look-up-table r value for index 10"},
    {"dis_ttx_g10",                        8, 0x031F, 0, "#ttx color look-up-table g value for index 10"},
    {"dis_ttx_b10",                        8, 0x0320, 0, "#ttx color look-up-table b value for index 10"},
    {"dis_ttx_r11",                        8, 0x0321, 0, "#ttx color look-up-table r value for index 11"},
    {"dis_ttx_g11",                        8, 0x0322, 0, "#ttx color look-up-table g value for index 11"},
    {"dis_ttx_b11",                        8, 0x0323, 0, "#ttx color look-up-table b value for index 11"},
    {"dis_ttx_r12",                        8, 0x0324, 0, "#ttx color look-up-table r value for index 12"},
    {"dis_ttx_g12",                        8, 0x0325, 0, "#ttx color look-up-table g value for index 12"},
    {"dis_ttx_b12",                        8, 0x0326, 0, "#ttx color look-up-table b value for index 12"},
    {"dis_ttx_r13",                        8, 0x0327, 0, "#ttx color look-up-table r value for index 13"},
    {"dis_ttx_g13",                        8, 0x0328, 0, "#ttx color look-up-table g value for index 13"},
    {"dis_ttx_b13",                        8, 0x0329, 0, "#ttx color look-up-table b value for index 13"},
    {"dis_ttx_r14",                        8, 0x032A, 0, "#ttx color look-up-table r value for index 14"},
    {"dis_ttx_g14",                        8, 0x032B, 0, "#ttx color look-up-table g value for index 14"},
    {"dis_ttx_b14",                        8, 0x032C, 0, "#ttx color look-up-table b value for index 14"},
    {"dis_ttx_r15",                        8, 0x032D, 0, "#ttx color look-up-table r value for index 15"},
    {"dis_ttx_g15",                        8, 0x032E, 0, "#ttx color look-up-table g value for index 15"},
    {"dis_ttx_b15",                        8, 0x032F, 0, "#ttx color look-up-table b value for index 15"},
    {"dis_ttx_r16",                        8, 0x0330, 0, "#ttx color look-up-table r value for index 16"},
    {"dis_ttx_g16",                        8, 0x0331, 0, "#ttx color look-up-table g value for index 16"},
    {"dis_ttx_b16",                        8, 0x0332, 0, "#ttx color look-up-table b value for index 16"},
    {"dis_ttx_r17",                        8, 0x0333, 0, "#ttx color look-up-table r value for index 17"},
    {"dis_ttx_g17",                        8, 0x0334, 0, "#ttx color look-up-table g value for index 17"},
    {"dis_ttx_b17",                        8, 0x0335, 0, "#ttx color look-up-table b value for index 17"},
    {"dis_ttx_r18",                        8, 0x0336, 0, "#ttx color look-up-table r value for index 18"},
    {"dis_ttx_g18",                        8, 0x0337, 0, "#ttx color look-up-table g value for index 18"},
    {"dis_ttx_b18",                        8, 0x0338, 0, "#ttx color look-up-table b value for index 18"},
    {"dis_ttx_r19",                        8, 0x0339, 0, "#ttx color look-up-table r value for index 19"},
    {"dis_ttx_g19",                        8, 0x033A, 0, "#ttx color look-up-table g value for index 19"},
    {"dis_ttx_b19",                        8, 0x033B, 0, "#ttx color look-up-table b value for index 19"},
    {"dis_ttx_r20",                        8, 0x033C, 0, "#ttx color look-up-table r value for index 20"},
    {"dis_ttx_g20",                        8, 0x033D, 0, "#ttx color look-up-table g value for index 20"},
    {"dis_ttx_b20",                        8, 0x033E, 0, "#ttx color look-up-table b value for index 20"},
    {"dis_ttx_r21",                        8, 0x033F, 0, "#ttx color look-up-table r value for index 21"},
    {"dis_ttx_g21",                        8, 0x0340, 0, "#ttx color look-up-table g value for index 21"},
    {"dis_ttx_b21",                        8, 0x0341, 0, "#ttx color look-up-table b value for index 21"},
    {"dis_ttx_r22",                        8, 0x0342, 0, "#ttx color look-up-table r value for index 22"},
    {"dis_ttx_g22",                        8, 0x0343, 0, "#ttx color look-up-table g value for index 22"},
    {"dis_ttx_b22",                        8, 0x0344, 0, "#ttx color look-up-table b value for index 22"},
    {"dis_ttx_r23",                        8, 0x0345, 0, "#ttx color look-up-table r value for index 23"},
    {"dis_ttx_g23",                        8, 0x0346, 0, "#ttx color look-up-table g value for index 23"},
    {"dis_ttx_b23",                        8, 0x0347, 0, "#ttx color look-up-table b value for index 23"},
    {"dis_ttx_r24",                        8, 0x0348, 0, "#ttx color look-up-table r value for index 24"},
    {"dis_ttx_g24",                        8, 0x0349, 0, "#ttx color look-up-table g value for index 24"},
    {"dis_ttx_b24",                        8, 0x034A, 0, "#ttx color look-up-table b value for index 24"},
    {"dis_ttx_r25",                        8, 0x034B, 0, "#ttx color look-up-table r value for index 25"},
    {"dis_ttx_g25",                        8, 0x034C, 0, "#ttx color look-up-table g value for index 25"},
    {"dis_ttx_b25",                        8, 0x034D, 0, "#ttx color look-up-table b value for index 25"},
    {"dis_ttx_r26",                        8, 0x034E, 0, "#ttx color look-up-table r value for index 26"},
    {"dis_ttx_g26",                        8, 0x034F, 0, "#ttx color look-up-table g value for index 26"},
    {"dis_ttx_b26",                        8, 0x0350, 0, "#ttx color look-up-table b value for index 26"},
    {"dis_ttx_r27",                        8, 0x0351, 0, "#ttx color look-up-table r value for index 27"},
    {"dis_ttx_g27",                        8, 0x0352, 0, "#ttx color look-up-table g value for index 27"},
    {"dis_ttx_b27",                        8, 0x0353, 0, "#ttx color look-up-table b value for index 27"},
    {"dis_ttx_r28",                        8, 0x0354, 0, "#ttx color look-up-table r value for index 28"},
    {"dis_ttx_g28",                        8, 0x0355, 0, "#ttx color look-up-table g value for index 28"},
    {"dis_ttx_b28",                        8, 0x0356, 0, "#ttx color look-up-table b value for index 28"},
    {"dis_ttx_r29",                        8, 0x0357, 0, "#ttx color look-up-table r value for index 29"},
    {"dis_ttx_g29",                        8, 0x0358, 0, "#ttx color look-up-table g value for index 29"},
    {"dis_ttx_b29",                        8, 0x0359, 0, "#ttx color look-up-table b value for index 29"},
    {"dis_ttx_r30",                        8, 0x035A, 0, "#ttx color look-up-table r value for index 30"},
    {"dis_ttx_g30",                        8, 0x035B, 0, "#ttx color look-up-table g value for index 30"},
    {"dis_ttx_b30",                        8, 0x035C, 0, "#ttx color look-up-table b value for index 30"},
    {"dis_ttx_r31",                        8, 0x035D, 0, "#ttx color look-up-table r value for index 31"},
    {"dis_ttx_g31",                        8, 0x035E, 0, "#ttx color look-up-table g value for index 31"},
    {"dis_ttx_b31",                        8, 0x035F, 0, "#ttx color look-up-table b value for index 31"},
    // teletext
    {"clr_bar_prog",                       1, 0x0360, 0, "#progressive"},
    {"clr_bar_tv_625",                     1, 0x0360, 1, "#"}, // chosen: comment
    {"clr_bar_hdtv",                       1, 0x0360, 2, "#"}, // chosen: comment
    {"clr_bar_hd720p",                     1, 0x0360, 3, "#"}, // chosen: comment
    {"clr_bar_hd1250",                     1, 0x0360, 4, "#"}, // chosen: comment
    {"clr_bar_bd_en",                      1, 0x0360, 5, "#"}, // chosen: comment
    {"clr_bar_rgb",                        1, 0x0360, 6, "#"}, // chosen: comment
    {"clr_bar_type",                       1, 0x0360, 7, "#"}, // chosen: comment
    {"clr_bar_test_pattern",               4, 0x0361, 0, "#"}, // chosen: width, comment
    {"clr_bar_reserved_0",                 4, 0x0361, 4, "#"}, // chosen: width, comment
    {"ttx_font_1bpp_st_",                 11, 0x0362, 0, "#1bpp fond start point,                   "},
    {"ttx_tst_sel_",                       4, 0x0363, 3, "#test bus select"},
    {"clr_bar_reserved_1",                 1, 0x0363, 7, "#"}, // chosen: comment
    {"ttx_font_2bpp_st_",                 11, 0x0364, 0, "#2bpp fond start point,"},
    {"clr_bar_reserved_2",                 5, 0x0365, 3, "#"}, // chosen: comment
    {"ttx_font_4bpp_st_",                 11, 0x0366, 0, "#4bpp fond start point ,"},
    {"clr_bar_reserved_3",                 5, 0x0367, 3, "#"}, // chosen: comment
    {"ttx_vwin_st_",                      11, 0x0368, 0, "#V window start"},
    {"ttx_vwin_reserved_0",                5, 0x0369, 3, "# "}, // chosen: comment
    {"ttx_vwin_sp_",                      11, 0x036A, 0, "#V window stop"},
    {"ttx_vwin_reserved_1",                5, 0x036B, 3, "# "}, // chosen: comment
    {"ttx_hwin_st_",                      12, 0x036C, 0, "#H window start"},
    {"ttx_vwin_reserved_2",                4, 0x036D, 4, "# "}, // chosen: comment
    {"ttx_hwin_sp_",                      12, 0x036E, 0, "#H window stop/17c/248/"},
    {"ttx_vwin_reserved_3",                4, 0x036F, 4, "# "}, // chosen: comment
    {"ttx_c_pxlnum_",                      4, 0x0370, 0, "#"}, // chosen: width, comment
    {"ttx_c_reserved_0",                   4, 0x0370, 4, "# "}, // chosen: width, comment
    {"ttx_c_linnum_",                      4, 0x0371, 0, "#"}, // chosen: width, comment
    {"ttx_c_reserved_1",                   4, 0x0371, 4, "# "}, // chosen: width, comment
    {"r_ttx_bdx_",                         6, 0x0372, 0, "#"}, // chosen: comment
    {"r_ttx_bdy_",                         6, 0x0373, 0, "#"}, // chosen: comment
    {"ttx_hscale",                         7, 0x0374, 0, "#TTX horizontal scaling up ratio, 128/(hscale+1)"},
    {"ttx_h_phase_en",                     1, 0x0374, 7, "#"}, // chosen: comment
    {"ttx_vscale",                         7, 0x0375, 0, "#"}, // chosen: width, comment
    {"ttx_sc_reserved_0",                  1, 0x0375, 7, "#"}, // chosen: width, comment
    {"ttx_winen",                          1, 0x0376, 0, "#"}, // chosen: comment
    {"ttx_win_trigger",                    1, 0x0376, 1, "#window trigger setting enable"},
    {"ttx__owin_data_en",                  1, 0x0376, 2, "#window trigger setting enable"},
    {"ttx_cwin_data_en",                   1, 0x0376, 3, "#window trigger setting enable"},
    {"ttx_reserved_00",                    4, 0x0376, 4, "#"}, // chosen: comment
    {"ttx_shen",                           1, 0x0378, 0, "#ttx globe shadow enable"},
    {"ttx_sheawe",                         1, 0x0378, 1, "#"}, // chosen: comment
    {"ttx_box1_",                          2, 0x0378, 2, "#"}, // chosen: width, comment
    {"ttx_flrate_",                        2, 0x0378, 4, "#"}, // chosen: width, comment
    {"ttx_r6_reserved_0",                  2, 0x0378, 6, "#"}, // chosen: width, comment
    {"ttx_shcol_",                         5, 0x0379, 0, "#"}, // chosen: width, comment
    {"ttx_gddh_",                          3, 0x0379, 5, "#"}, // chosen: width, comment
    {"ttx_gddhnum_",                       4, 0x037A, 0, "#"}, // chosen: width, comment
    {"ttx_lttn_pxl",                       1, 0x037A, 4, "#"}, // chosen: width, comment
    {"ttx_lttn_pxlbt",                     3, 0x037A, 5, "#"}, // chosen: width, comment
    {"ttx_flcol_",                         5, 0x037B, 0, "#"}, // chosen: width, comment
    {"ttx_r6_reserved_1",                  3, 0x037B, 5, "#"}, // chosen: width, comment
    {"ttx_clut_byps",                      1, 0x037C, 0, "#"}, // chosen: comment
    {"ttx_shadow_trans_en",                1, 0x037C, 1, "#"}, // chosen: comment
    {"ttx_flash_trans_en",                 1, 0x037C, 2, "#"}, // chosen: comment
    {"ttx_manual_flash_rate",              1, 0x037C, 3, "#"}, // chosen: comment
    {"ttx_tst_sel",                        1, 0x037C, 4, "#test selection"},
    {"ttx_r7_reserved_0",                  3, 0x037C, 5, "#"}, // chosen: comment
    {"ttx_manual_flash_cnt",               8, 0x037D, 0, "#"}, // chosen: comment
    {"ttx_r7_reserved_1",                 16, 0x037E, 0, "#"},
    // alpha
    {"ttx_en",                             1, 0x0380, 0, "#ttx_enable"},
    {"ttx_bden",                           1, 0x0380, 1, "#ttx border enable"},
    {"ttx_bd_alf_en",                      1, 0x0380, 2, "#ttx border alpha blending enable"},
    {"ttx_alp_reserved_0",                 5, 0x0380, 3, "#"},
    {"ttx_bdbgr_",                        16, 0x0381, 0, "#ttx border background color"},
    {"ttx_bdbgr_tmp",                      8, 0x0383, 0, "#"},
    {"alf_",                               8, 0x0384, 0, "#alpha blending value"},
    {"ttx_alp_reserved_1",                16, 0x0385, 0, "#"},
    {"ttx_alp_reserved_2",                 8, 0x0387, 0, "#"},
    // colour path
    {"vds_dither_10b_en",                  1, 0x0700, 0, "#"},
    {"vds_dither_8b_en",                   1, 0x0700, 1, "#"},
    {"vds_dither_6b_en",                   1, 0x0700, 2, "#"},
    {"vds_dither_type",                    1, 0x0700, 3, "#"},
    {"vds_rgb_expan_en",                   1, 0x0702, 0, "#"},
    {"vds_range_press_sel",                1, 0x0702, 4, "#"},
    {"vds_hd_sd_sel",                      1, 0x0702, 5, "#"},
    {"vds_in_pb_cb_sel",                   1, 0x0702, 6, "#"},
    {"vds_rgb2ycbcr_en",                   1, 0x0702, 7, "#"},
    {"vds_y_offset",                      10, 0x0703, 0, "#"},
    {"vds_gamma0_",                       10, 0x0704, 2, "#"},
    {"vds_gamma1_",                       10, 0x0705, 4, "#"},
    {"vds_gamma2_",                       10, 0x0706, 6, "#"},
    {"vds_gamma3_",                       10, 0x0708, 0, "#"},
    {"vds_gamma4_",                       10, 0x0709, 2, "#"},
    {"vds_gamma5_",                       10, 0x070A, 4, "#"},
    {"vds_gamma6_",                       10, 0x070B, 6, "#"},
    {"vds_gamma7_",                       10, 0x070D, 0, "#"},
    {"vds_gamma8_",                       11, 0x070E, 2, "#max is 11'h400"},
    {"vds_y_gain_en",                      1, 0x070F, 5, "#max "},
    {"vds_uv_gain_en",                     1, 0x070F, 6, "#max "},
    {"vds_u_gain1_",                      10, 0x0710, 0, "#"},
    {"vds_u_gain2_",                      10, 0x0711, 2, "#"},
    {"vds_u_gain3_",                      10, 0x0712, 4, "#"},
    {"vds_u_gain4_",                      10, 0x0713, 6, "#"},
    {"vds_v_gain1_",                      10, 0x0715, 0, "#"},
    {"vds_v_gain2_",                      10, 0x0716, 2, "#"},
    {"vds_v_gain3_",                      10, 0x0717, 4, "#"},
    {"vds_v_gain4_",                      10, 0x0718, 6, "#"},
    {"vds_data_test_sel_",                 4, 0x071A, 0, "#"},
    {"vds_yuv_to422_cntrl_",               6, 0x071B, 0, "#"},
    {"vds_g_offset_",                     15, 0x071C, 0, "#"},
    {"vds_b_offset_",                     15, 0x071E, 0, "#"},
    {"vds_r_offset_",                     15, 0x0720, 0, "#"},
    {"vds_y_coef0_",                      12, 0x0722, 0, "#"},
    {"vds_blu_scr_gy0",                    4, 0x0723, 4, "#"},
    {"vds_u_coef0_",                      12, 0x0724, 0, "#"},
    {"vds_blu_scr_bu0",                    4, 0x0725, 4, "#"},
    {"vds_v_coef0_",                      12, 0x0726, 0, "#"},
    {"vds_blu_scr_rv0",                    4, 0x0727, 4, "#"},
    {"vds_y_coef1_",                      12, 0x0728, 0, "#"},
    {"vds_blu_scr_gy1",                    4, 0x0729, 4, "#"},
    {"vds_u_coef1_",                      12, 0x072A, 0, "#"},
    {"vds_blu_scr_bu1",                    4, 0x072B, 4, "#"},
    {"vds_v_coef1_",                      12, 0x072C, 0, "#"},
    {"vds_blu_scr_rv1",                    4, 0x072D, 4, "#"},
    {"vds_y_coef2_",                      12, 0x072E, 0, "#"},
    {"vds_u_coef2_",                      12, 0x0730, 0, "#"},
    {"vds_v_coef2_",                      12, 0x0732, 0, "#"},
    {"vds_ycbcr2rgb_byps",                 1, 0x0733, 4, "#"},
    {"vds_blue_scrn",                      1, 0x0733, 5, "#"},
    // CVBS encoder
    {"cvbs_enc_on",                        1, 0x0100, 0, "#"},
    {"cvbs_pal60",                         1, 0x0100, 1, "#"},
    {"cvbs_tv_type",                       2, 0x0100, 2, "#"}, // chosen: width
    {"cvbs_prog_in",                       1, 0x0100, 4, "#"},
    {"cvbs_rgb_in",                        1, 0x0100, 5, "#"},
    {"cvbs_color_bar_en",                  1, 0x0100, 6, "#"},
    {"cvbs_color_bar_type",                1, 0x0100, 7, "#"},
    {"cvbs_hdtv_en",                       1, 0x0101, 0, "#"},
    {"cvbs_hd720p",                        1, 0x0101, 1, "#"},
    {"cvbs_hd1250",                        1, 0x0101, 2, "#"},
    {"cvbs_cav_p2i",                       1, 0x0101, 3, "#"},
    {"cvbs_cvbs_slope_adj",                1, 0x0101, 4, "#"},
    {"cvbs_cav_slope_adj",                 1, 0x0101, 5, "#"},
    {"cvbs_sel_svideo",                    1, 0x0101, 6, "#"},
    {"cvbs_sel_int",                       1, 0x0101, 7, "#"},
    {"cvbs_hd_sd_sel",                     1, 0x0102, 0, "#"},
    {"cvbs_rgb2cbcr_byps",                 1, 0x0102, 1, "#"},
    {"cvbs_color_press_sel",               1, 0x0102, 2, "#"},
    {"cvbs_h_r_shift",                     4, 0x0103, 0, "#"},
    {"cvbs_h_w_shift",                     4, 0x0103, 4, "#"},
    {"cvbs_y_lpf_cntrl",                   3, 0x0104, 0, "#"},
    {"cvbs_uv_lpf_cntrl",                  3, 0x0104, 4, "#"},
    {"cvbs_bot_thrd",                      9, 0x0105, 0, "#"},
    {"cvbs_top_thrd",                      9, 0x0106, 4, "#"},
    {"cvbs_bright_lvl",                    9, 0x0108, 0, "#"},
    {"cvbs_syn_lvl",                      10, 0x0109, 4, "#"},
    {"cvbs_blacker",                       1, 0x010A, 7, "#"},
    {"cvbs_sy_delay",                      2, 0x010B, 0, "#"},
    {"cvbs_sc_dly_sel",                    2, 0x010B, 2, "#"},
    {"cvbs_y_offset",                     10, 0x0110, 0, "#"},
    {"cvbs_gamma0_",                      10, 0x0111, 2, "#"},
    {"cvbs_gamma1_",                      10, 0x0112, 4, "#"},
    {"cvbs_gamma2_",                      10, 0x0113, 6, "#"},
    {"cvbs_gamma3_",                      10, 0x0115, 0, "#"},
    {"cvbs_gamma4_",                      10, 0x0116, 2, "#"},
    {"cvbs_gamma5_",                      10, 0x0117, 4, "#"},
    {"cvbs_gamma6_",                      10, 0x0118, 6, "#"},
    {"cvbs_gamma7_",                      10, 0x011A, 0, "#"},
    {"cvbs_gamma8_",                      10, 0x011B, 2, "#"},
    {"cvbs_y_gain_en",                     1, 0x011C, 5, "#"},
    {"cvbs_uv_gain_en",                    1, 0x011C, 6, "#"},
    {"cvbs_u_gain0_",                     10, 0x011D, 0, "#"},
    {"cvbs_u_gain1_",                     10, 0x011E, 2, "#"},
    {"cvbs_u_gain2_",                     10, 0x011F, 4, "#"},
    {"cvbs_u_gain3_",                     10, 0x0120, 6, "#"},
    {"cvbs_v_gain0_",                     10, 0x0122, 0, "#"},
    {"cvbs_v_gain1_",                     10, 0x0123, 2, "#"},
    {"cvbs_v_gain2_",                     10, 0x0124, 4, "#"},
    {"cvbs_v_gain3_",                     10, 0x0125, 6, "#"},
    {"cvbs_burst_st",                      8, 0x0127, 0, "#"}, // chosen: width
    {"cvbs_burst_sp",                      8, 0x0128, 0, "#"}, // chosen: width
    {"cvbs_burst_u",                       8, 0x0129, 0, "#"}, // chosen: width
    {"cvbs_burst_v",                       8, 0x012A, 0, "#"},
    {"cvbs_line_total",                   11, 0x0130, 0, "#"},
    {"cvbs_line_shift",                   11, 0x0131, 4, "#"},
    {"cvbs_pix_total",                    12, 0x0133, 0, "#"},
    {"cvbs_pix_shift",                    12, 0x0134, 4, "#"},
    {"cvbs_vb_int_st",                    11, 0x0136, 0, "#"},
    {"cvbs_vb_int_sp",                    11, 0x0137, 4, "#"},
    {"cvbs_hb_int_st",                    12, 0x0139, 0, "#"},
    {"cvbs_hb_int_sp",                    12, 0x013A, 4, "#"},
    // component encoder
    {"cav_rgb_do_int",                     1, 0x0140, 5, "#"},
    {"cav_cav_rgb_out",                    1, 0x0140, 6, "#"},
    {"cav_y_lpf_cntrl",                    3, 0x0144, 0, "#"},
    {"cav_uv_lpf_cntrl",                   3, 0x0144, 4, "#"},
    {"cav_y_offset",                      10, 0x0150, 0, "#"},
    {"cav_gamma0_",                       10, 0x0151, 2, "#"},
    {"cav_gamma1_",                       10, 0x0152, 4, "#"},
    {"cav_gamma2_",                       10, 0x0153, 6, "#"},
    {"cav_gamma3_",                       10, 0x0155, 0, "#"},
    {"cav_gamma4_",                       10, 0x0156, 2, "#"},
    {"cav_gamma5_",                       10, 0x0157, 4, "#"},
    {"cav_gamma6_",                       10, 0x0158, 6, "#"},
    {"cav_gamma7_",                       10, 0x015A, 0, "#"},
    {"cav_gamma8_",                       10, 0x015B, 2, "#"},
    {"cav_y_gain_en",                      1, 0x015C, 5, "#"},
    {"cav_uv_gain_en",                     1, 0x015C, 6, "#"},
    {"cav_u_gain0_",                      10, 0x015D, 0, "#"},
    {"cav_u_gain1_",                      10, 0x015E, 2, "#"},
    {"cav_u_gain2_",                      10, 0x015F, 4, "#"},
    {"cav_u_gain3_",                      10, 0x0160, 6, "#"},
    {"cav_v_gain0_",                      10, 0x0162, 0, "#"},
    {"cav_v_gain1_",                      10, 0x0163, 2, "#"},
    {"cav_v_gain2_",                      10, 0x0164, 4, "#"},
    {"cav_v_gain3_",                      10, 0x0165, 6, "#"},
    {"cav_g_offset_",                     11, 0x0167, 0, "#"},
    {"cav_b_offset_",                     11, 0x0169, 0, "#"},
    {"cav_r_offset_",                     11, 0x016B, 0, "#"},
    {"cav_y_coef0_",                      12, 0x016D, 0, "#"},
    {"cav_blu_scr_gy0",                    4, 0x016E, 4, "#"},
    {"cav_u_coef0_",                      12, 0x016F, 0, "#"},
    {"cav_blu_scr_bu0",                    4, 0x0170, 4, "#"},
    {"cav_v_coef0_",                      12, 0x0171, 0, "#"},
    {"cav_blu_scr_rv0",                    4, 0x0172, 4, "#"},
    {"cav_y_coef1_",                      12, 0x0173, 0, "#"},
    {"cav_blu_scr_gy1",                    4, 0x0174, 4, "#"},
    {"cav_u_coef1_",                      12, 0x0175, 0, "#"},
    {"cav_blu_scr_bu1",                    4, 0x0176, 4, "#"},
    {"cav_v_coef1_",                      12, 0x0177, 0, "#"},
    {"cav_blu_scr_rv1",                    4, 0x0178, 4, "#"},
    {"cav_y_coef2_",                      12, 0x0179, 0, "#"},
    {"cav_u_coef2_",                      12, 0x017B, 0, "#"},
    {"cav_v_coef2_",                      12, 0x017D, 0, "#"},
    {"cav_ycbcr2rgb_byps",                 1, 0x017E, 4, "#"},
    {"cav_blue_scrn",                      1, 0x017E, 5, "#"},
    {"cav_matrix_reserved",                8, 0x017F, 0, "#"},
    // colour bar generator
    {"clb_gen_prog",                       1, 0x0236, 0, "#"},
    {"clb_gen_tv_625",                     1, 0x0236, 1, "#"},
    {"clb_gen_hdtv",                       1, 0x0236, 2, "#"},
    {"clb_gen_hd720p",                     1, 0x0236, 3, "#"},
    {"clb_gen_hd1250",                     1, 0x0236, 4, "#"},
    {"clb_gen_bd_en",                      1, 0x0236, 5, "#"},
    {"clb_gen_rgb_in",                     1, 0x0236, 6, "#"},
    {"clb_gen_type",                       1, 0x0236, 7, "#"},
    {"clb_gen_ptn_case",                   4, 0x0237, 0, "#"},
    // output muxes, DAC, test bus and sync out
    {"dac_out_trig_clk_mux2",              2, 0x0234, 0, "# trig_clk mux "},
    {"dac_out_mux",                        1, 0x0234, 4, "#dac output data mux"},
    {"digout_trig_clk_mux",                4, 0x0232, 0, "# trig_clk mux "},
    {"digout_trig_clk_phase",              1, 0x0232, 4, "# digout trig clk invert"},
    {"digout_mux",                         3, 0x0233, 0, "#digital output data mux"},
    {"clkout_mux",                         4, 0x0230, 0, "# clkout mux "},
    {"clkout_phase_inv",                   1, 0x0230, 4, "# clkout invert"},
    {"mbist_en",                           1, 0x023F, 0, "# mbist enable"},
    {"dac_rgbs_pwdnz",                     1, 0x0238, 0, "#0: power down all RGBS #1: enable RGBS"},
    {"dac_rgbs_rpd",                       1, 0x0238, 1, "#0: default,#1: R channel power down"},
    {"dac_rgbs_r0enz",                     1, 0x0238, 2, "#0: R channel output Min,   #1: default"},
    {"dac_rgbs_r1en",                      1, 0x0238, 3, "#0: default,#1: R channel output Max"},
    {"dac_rgbs_gpd",                       1, 0x0238, 4, "#0: default,#1: G channel power down"},
    {"dac_rgbs_g0enz",                     1, 0x0238, 5, "#0: G channel output Min,   #1: default"},
    {"dac_rgbs_g1en",                      1, 0x0238, 6, "#0: default,#1: G channel output Max"},
    {"dac_rgbs_bpd",                       1, 0x0238, 7, "#0: default,#1: B channel power down"},
    {"dac_rgbs_b0enz",                     1, 0x0239, 0, "#0: B channel output Min,   #1: default"},
    {"dac_rgbs_b1en",                      1, 0x0239, 1, "#0: default #1: B channel output Max"},
    {"dac_rgbs_spd",                       1, 0x0239, 2, "#0: default  #1: S channel power down"},
    {"dac_rgbs_s0enz",                     1, 0x0239, 3, "#0: S channel output Min,   #1: default"},
    {"dac_rgbs_s1en",                      1, 0x0239, 4, "#0: default #1: S channel output Max"},
    {"test_bus_sel",                       4, 0x023A, 0, "#  test bus sel"},
    {"test_bus_en",                        1, 0x023A, 4, "# test enable"},
    {"sync_out_mux",                       2, 0x0231, 0, "# hv sync, deout mux"},
    // LVDS
    {"lvds_intl_mode",                     1, 0x02C0, 0, "# 1: interleave mode"},
    {"lvds_data_b_on",                     1, 0x02C0, 1, "# 1: data b turn on"},
    {"lvds_ab_sync_off",                   1, 0x02C0, 2, "# 1: odd enven sync by hde"},
    {"lvds_intl_clk_inv",                  1, 0x02C0, 3, "# 1: interleave clock invert"},
    {"lvds_ab_swp",                        1, 0x02C0, 4, "# 1: AB data swap"},
    {"lvds_a_lvds_pdb",                    1, 0x02C1, 0, "# lvds Power down 0 power down"},
    {"lvds_a_lvds_r_fb",                   1, 0x02C1, 1, "# lvds input clk edge reference"},
    {"lvds_a_dispmod",                     2, 0x02C1, 2, "# lvds 365 mode select"},
    {"lvds_d2p_en",                        1, 0x02C1, 4, "# lvds pads share to digital out enable"},
    {"lvds_a_ock_off",                     1, 0x02C1, 5, "# lvds output clk off"},
    {"lvds_a_lvds_x7inv",                  1, 0x02C1, 6, "# Transmitter test7x clk invert"},
    {"lvds_a_load_ckw",                    7, 0x02C2, 0, "# clkout start h position"},
    {"lvds_a_lvds_ckv7rst",                1, 0x02C3, 0, "# CKV7X mode soft reset"},
    {"lvds_a_lvds_v7rst_sel",              1, 0x02C3, 1, "# CKV7X reset mode sel 1: auto reset"},
    {"lvds_a_lvds_v7rst_byvs",             1, 0x02C3, 2, "# CKV7X soft reset and vs reset"},
    {"lvds_a_lvds_ckv7sel",                1, 0x02C3, 3, "# CKV7X Mode 1:select auto 0:fixed 7x clock phase"},
    {"lvds_a_lvds_pststen",                1, 0x02C3, 4, "# Data parallel out test enable"},
    {"lvds_a_lvds_xtsel",                  1, 0x02C3, 5, "# Transmitter test data select 0:from XTDC 1:from CKV7X"},
    {"lvds_a_lvds_xten",                   1, 0x02C3, 6, "# Transmitter test enable"},
    {"lvds_a_lvds_xtdc",                   1, 0x02C3, 7, "# Transmitter test data input 0 or 1"},
    {"lvds_a_mode_sel",                    1, 0x02C4, 0, "# 1: MSB in LVDS High chanel"},
    {"lvds_a_m10bit",                      1, 0x02C4, 1, "# 1: MSB in LVDS High 10bit mode"},
    {"lvds_a_ch0_swp",                     1, 0x02C4, 2, "# 1: chanel 0 date invert"},
    {"lvds_a_ch1_swp",                     1, 0x02C4, 3, "# 1: chanel 1 date invert"},
    {"lvds_a_ch2_swp",                     1, 0x02C4, 4, "# 1: chanel 2 date invert"},
    {"lvds_a_ch3_swp",                     1, 0x02C4, 5, "# 1: chanel 3 date invert"},
    {"lvds_a_ch4_swp",                     1, 0x02C4, 6, "# 1: chanel 4 date invert"},
    {"lvds_a_dis_r",                       1, 0x02C4, 7, "# 1: chanel r date disable"},
    {"lvds_a_dis_g",                       1, 0x02C5, 0, "# 1: chanel g date disable"},
    {"lvds_a_dis_b",                       1, 0x02C5, 1, "# 1: chanel b date disable"},
    {"lvds_a_gray_test",                   1, 0x02C5, 2, "# grayscale test"},
    {"lvds_a_gry_tst_6bit",                1, 0x02C5, 3, "# grayscale 6bit mode test"},
    {"lvds_a_worse_test",                  1, 0x02C5, 4, "# worse case test"},
    {"lvds_a_ws_tst_sel",                  1, 0x02C5, 5, "# worse case test odd chanel invert"},
    {"lvds_a_res_val",                     1, 0x02C5, 6, "# resvebit value"},
    {"lvds_a_prd_test",                    1, 0x02C5, 7, "# for lvds test enable 1: load a 35bit register value to trasmitor"},
    {"lvds_a_watch",                       1, 0x02C6, 0, "# for test mode visable"},
    {"lvds_b_lvds_pdb",                    1, 0x02C7, 0, "# lvds Power down 0 power down"},
    {"lvds_b_lvds_r_fb",                   1, 0x02C7, 1, "# lvds input clk edge reference"},
    {"lvds_b_dispmod",                     2, 0x02C7, 2, "# lvds 365 mode select"},
    {"lvds_b_ock_off",                     1, 0x02C7, 5, "# lvds output clk off"},
    {"lvds_b_lvds_x7inv",                  1, 0x02C7, 6, "# Transmitter test7x clk invert"},
    {"lvds_b_load_ckw",                    7, 0x02C8, 0, "# clkout start h position"},
    {"lvds_b_lvds_v7rst_sel",              1, 0x02C9, 1, "# CKV7X reset mode sel 1: auto reset"},
    {"lvds_b_lvds_ckv7sel",                1, 0x02C9, 3, "# CKV7X Mode 1:select auto 0:fixed 7x clock phase"},
    {"lvds_b_lvds_pststen",                1, 0x02C9, 4, "# Data parallel out test enable"},
    {"lvds_b_lvds_xtsel",                  1, 0x02C9, 5, "# Transmitter test data select 0:from XTDC 1:from CKV7X"},
    {"lvds_b_lvds_xten",                   1, 0x02C9, 6, "# Transmitter test enable"},
    {"lvds_b_lvds_xtdc",                   1, 0x02C9, 7, "# Transmitter test data input 0 or 1"},
    {"lvds_b_mode_sel",                    1, 0x02CA, 0, "# 1: MSB in LVDS High chanel"},
    {"lvds_b_m10bit",                      1, 0x02CA, 1, "# 1: MSB in LVDS High 10bit mode"},
    {"lvds_b_ch0_swp",                     1, 0x02CA, 2, "# 1: chanel 0 date invert"},
    {"lvds_b_ch1_swp",                     1, 0x02CA, 3, "# 1: chanel 1 date invert"},
    {"lvds_b_ch2_swp",                     1, 0x02CA, 4, "# 1: chanel 2 date invert"},
    {"lvds_b_ch3_swp",                     1, 0x02CA, 5, "# 1: chanel 3 date invert"},
    {"lvds_b_ch4_swp",                     1, 0x02CA, 6, "# 1: chanel 4 date invert"},
    {"lvds_b_dis_r",                       1, 0x02CA, 7, "# 1: chanel r date disable"},
    {"lvds_b_dis_g",                       1, 0x02CB, 0, "# 1: chanel g date disable"},
    {"lvds_b_dis_b",                       1, 0x02CB, 1, "# 1: chanel b date disable"},
    {"lvds_b_gray_test",                   1, 0x02CB, 2, "# grayscale test"},
    {"lvds_b_gry_tst_6bit",                1, 0x02CB, 3, "# grayscale 6bit mode test"},
    {"lvds_b_worse_test",                  1, 0x02CB, 4, "# worse case test"},
    {"lvds_b_ws_tst_sel",                  1, 0x02CB, 5, "# worse case test odd chanel invert"},
    {"lvds_b_res_val",                     1, 0x02CB, 6, "# resvebit value"},
    {"lvds_b_prd_test",                    1, 0x02CB, 7, "# for lvds test enable 1: load a 35bit register value to trasmitor"},
    {"lvds_b_watch",                       1, 0x02CC, 0, "# for test mode visable"},
    {"lvds_prd_val",                      35, 0x02CD, 0, "# for test value load"},
    {"lvds_fun_tst_sel",                   1, 0x02D2, 0, "# test lvds sel"},
    {"lvds_tst_bus_en",                    1, 0x02D2, 1, "# test bus enable"},
    {"lvds_tst_sel",                       1, 0x02D2, 2, "# test bus sel"},
    {"lvds_sta_sel",                       1, 0x02D2, 3, "# for STA"},
    {"lvds_en",                            1, 0x02D3, 0, "# lvds enable"},
    // HDMI transmitter
    {"hdmi_tx_pdz",                        1, 0x03B1, 1, "# 0: power down, 1: work normal"},
    {"hdmi_tx_bg_pdb",                     1, 0x03B1, 2, "# 0: powre down, 1: work normal"},
    {"hdmi_tx_ckiinven2",                  1, 0x03B1, 4, "# tx_cntrl_[12];"},
    {"hdmi_tx_dccen2",                     1, 0x03B1, 5, "# tx_cntrl_[13];"},
    {"hdmi_tx_dccgains2",                  1, 0x03B1, 6, "# tx_cntrl_[14];"},
    {"hdmi_tx_dccresen2",                  1, 0x03B1, 7, "# tx_cntrl_[15];"},
    {"hdmi_tx_maindrv2",                   4, 0x03B2, 0, "# tx_cntrl_[19:16];"},
    {"hdmi_tx_postcursordrv2",             4, 0x03B2, 4, "# tx_cntrl_[23:20];"},
    {"hdmi_tx_postcursorpredrv2",          3, 0x03B3, 0, "# tx_cntrl_[26:24];"},
    {"hdmi_tx_precursorpredrv2",           3, 0x03B3, 4, "# tx_cntrl_[30:28];"},
    {"hdmi_tx_ckiinven1",                  1, 0x03B4, 0, "# tx_cntrl_[32];"},
    {"hdmi_tx_dccen1",                     1, 0x03B4, 1, "# tx_cntrl_[33];"},
    {"hdmi_tx_dccgains1",                  1, 0x03B4, 2, "# tx_cntrl_[34];"},
    {"hdmi_tx_dccresen1",                  1, 0x03B4, 3, "# tx_cntrl_[35];"},
    {"hdmi_tx_maindrv1",                   4, 0x03B5, 0, "# tx_cntrl_[43:40];"},
    {"hdmi_tx_postcursordrv1",             4, 0x03B5, 4, "# tx_cntrl_[47:44];"},
    {"hdmi_tx_postcursorpredrv1",          3, 0x03B6, 0, "# tx_cntrl_[50:48];"},
    {"hdmi_tx_precursorpredrv1",           3, 0x03B6, 4, "# tx_cntrl_[54:52];"},
    {"hdmi_tx_ckiinven0",                  1, 0x03B7, 0, "# tx_cntrl_[56];"},
    {"hdmi_tx_dccen0",                     1, 0x03B7, 1, "# tx_cntrl_[57];"},
    {"hdmi_tx_dccgains0",                  1, 0x03B7, 2, "# tx_cntrl_[58];"},
    {"hdmi_tx_dccresen0",                  1, 0x03B7, 3, "# tx_cntrl_[59];"},
    {"hdmi_tx_maindrv0",                   4, 0x03B8, 0, "# tx_cntrl_[67:64];"},
    {"hdmi_tx_postcursordrv0",             4, 0x03B8, 4, "# tx_cntrl_[71:68];"},
    {"hdmi_tx_postcursorpredrv0",          3, 0x03B9, 0, "# tx_cntrl_[74:72];"},
    {"hdmi_tx_precursorpredrv0",           3, 0x03B9, 4, "# tx_cntrl_[78:76];"},
    {"hdmi_tx_txbias_gainc",               2, 0x03BA, 0, "# tx_cntrl_[81:80];"},
    {"hdmi_tx_main_po_ckc",                4, 0x03BB, 0, "# tx_cntrl_[91:88];"},
    {"hdmi_tx_main_pre_ckc",               3, 0x03BB, 4, "# tx_cntrl_[94:92];"},
    {"hdmi_tx_vb3c",                       3, 0x03BC, 0, "# tx_cntrl_[98:96];"},
    // triggers
    {"pllv_trigger",                       1, 0x02BD, 0, "#PLLV trigger bit"},
    {"pll2x_trigger_reserved",             7, 0x02FE, 1, "#Reserved"},
}};
// clang-format on
