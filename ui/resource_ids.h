// Identifiers of the program's resources, controls and commands.
#pragma once

// Templates, menu and pictures.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDD_MAIN = 102;
inline constexpr unsigned IDR_MAINFRAME = 128;
inline constexpr unsigned IDR_MAINMENU = 129;
inline constexpr unsigned IDI_ABOUT = 131;
inline constexpr unsigned IDC_LINK_CURSOR = 133;

// Main window controls.
inline constexpr int IDC_CORE = 1000;
inline constexpr int IDC_INDUCTANCE = 1001;
inline constexpr int IDC_CAPACITANCE = 1002;
inline constexpr int IDC_FREQUENCY = 1003;
inline constexpr int IDC_TURNS = 1004;
inline constexpr int IDC_MIX = 1005;
inline constexpr int IDC_CALC_L_FROM_FC = 1007;
inline constexpr int IDC_CALC_C_FROM_FL = 1008;
inline constexpr int IDC_XL = 1009;
inline constexpr int IDC_XC = 1010;
inline constexpr int IDC_CALC_L = 1011;
inline constexpr int IDC_CALC_F = 1012;
inline constexpr int IDC_CALC_N = 1013;
inline constexpr int IDC_CALC_X = 1014;

// About box controls (their own numbers, unrelated to the main window's).
inline constexpr int IDC_LINK_MAIL = 1010;
inline constexpr int IDC_LINK_HOME = 1011;
inline constexpr int IDC_MAKER = 1012;
inline constexpr int IDC_LINK_MAKER = 1013;

// The About box as a system command (no menu item issues it).
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Menu commands.
inline constexpr unsigned ID_FILE_SAVE = 57603;
inline constexpr unsigned ID_FILE_PRINT = 57607;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_HELP_CONTENTS = 57671;
