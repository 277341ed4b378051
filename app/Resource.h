#pragma once

// Kovelo's resource ids: menus, icons, dialogs, controls, strings and commands.

constexpr int IDD_ABOUTBOX = 100;
constexpr int IDR_POPUP_EDIT = 119;
constexpr int IDS_TOOLBAR_STANDARD = 124;
constexpr int IDR_MAINFRAME = 128;
constexpr int IDR_MAINFRAME_256 = 129;
constexpr int IDD_KOVELO_FORM = 310;
constexpr int IDR_SESSIONFRAME = 311;
constexpr int IDD_SESSION_FORM = 312;

constexpr int IDC_SESSION_LIST = 1005;
constexpr int IDC_SAMPLE_LIST = 1006;

constexpr int ID_SESSIONS_EXPAND = 32771;
constexpr int ID_SESSION_EXPORT = 32772;
constexpr int ID_SESSION_FILTER = 32773;
constexpr int ID_SESSIONS_EXTRACT = 32774;
constexpr int ID_SESSION_CHART = 32775;

constexpr int AFX_IDS_APP_TITLE = 57344;
constexpr int AFX_IDS_IDLEMESSAGE = 57345;
