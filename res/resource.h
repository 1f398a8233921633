#pragma once
// Resource and control identifiers.

// Dialogs, strings, icons.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_ZOLMGR_DIALOG = 102;
inline constexpr int IDR_MAINFRAME = 130;

// Window-menu command of the About item.
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;

// Main dialog controls.
inline constexpr int IDC_CONNECT = 3;
inline constexpr int IDC_BACKUP = 4;
inline constexpr int IDC_SECURITY = 5;
inline constexpr int IDC_CHECKDB = 6;
inline constexpr int IDC_REPAIRDB = 7;
inline constexpr int IDC_REINDEXDB = 8;
inline constexpr int IDC_SCHEDULE = 9;
inline constexpr int IDC_SERVERS = 1000;
inline constexpr int IDC_DISCONNECT = 1001;
inline constexpr int IDC_DATABASES = 1002;
inline constexpr int IDC_RESTORE = 1003;
inline constexpr int IDC_BACKUPFILE = 1004;
inline constexpr int IDC_BROWSE = 1005;
inline constexpr int IDC_ACTIVITYLOG = 1007;
inline constexpr int IDC_STARTSTOP = 1013;
inline constexpr int IDC_STATUS = 1014;
inline constexpr int IDC_PAUSECONTINUE = 1016;
