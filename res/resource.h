// Resource ids shared by the resource script and the C++ code.
// Plain #defines only: windres reads this file too.
#ifndef WENDRAKE_RES_RESOURCE_H
#define WENDRAKE_RES_RESOURCE_H

// Dialog templates.
#define IDD_ABOUTBOX 100
#define IDD_SHORTCUT 130

// Resources of the main frame (menu, accelerators, icon, tool bar, bitmap,
// document template string) share IDR_MAINFRAME; the tray has its own menu.
#define IDR_MAINFRAME 128
#define IDR_TRAYMENU 131

// Icons besides IDR_MAINFRAME.
#define IDI_DISABLED 129

// Bitmaps besides the tool bar's IDR_MAINFRAME.
#define IDB_LISTICONS 129

// The tool bar's and the rows' pictures drawn for larger screens: the base plus the DPI they
// were drawn for (120, 144, 192, 240, 288).
#define IDB_TOOLBAR_AT 1000
#define IDB_LISTICONS_AT 2000

// Controls of the shortcut editor; the radio buttons are in operation-code
// order.
#define IDC_HOTKEY 1000
#define IDC_WINKEY 1001
#define IDC_FILENAME 1002
#define IDC_BROWSE 1003
#define IDC_OP_OPENFILE 1004
#define IDC_OP_OPENFOLDER 1005
#define IDC_OP_EXPLORE 1006
#define IDC_OP_NONE 1007
#define IDC_PARAMETER 1008

// Commands of the Edit menu, the tool bar and the tray menu.
#define ID_SHORTCUT_DELETE 0x8006
#define ID_SHORTCUT_ADD 0x8007
#define ID_SHORTCUT_SELECTALL 0x8008
#define ID_TRAY_EXIT 0x8009
#define ID_TRAY_SHOWWINDOW 0x800A
#define ID_HOTKEYS_ENABLE 0x800B
#define ID_HOTKEYS_DISABLE 0x800C
#define ID_SHORTCUT_EDIT 0x800D

// Message texts. A shell error's reason is at IDS_SHELL_ERROR_BASE plus the error code.
#define IDS_KEY_NOT_BINDABLE 2000
#define IDS_HOTKEY_IDS_USED_UP 2001
#define IDS_HOTKEY_REFUSED_CODE 2002
#define IDS_LAUNCH_FAILED 2003
#define IDS_SHELL_ERROR_BASE 2100
#define IDS_ALREADY_RUNNING 2004
#define IDS_CONFIRM_EXIT 2005
#define IDS_COLUMN_KEY 2006
#define IDS_COLUMN_TARGET 2007
#define IDS_COLUMN_ARGUMENTS 2008
#define IDS_KEY_NOT_SET 2009
#define IDS_TARGET_NOT_SET 2010
#define IDS_CHOOSE_FOLDER 2011
#define IDS_ROW_NOT_ADDED 2020
#define IDS_LIST_FULL 2021
#define IDS_PROFILE_NOT_WRITTEN 2022
#define IDS_KEY_HELD_BY_SHORTCUT 2023
#define IDS_KEY_HELD_BY_IDLE_SHORTCUT 2024
#define IDS_KEY_HELD_BY_OTHER_PROGRAM 2025
#define IDS_TARGET_TOO_LONG 2026
#define IDS_KEPT_KEY 2027
#define IDS_QUIT_UNSAVED 2028

// The framework's standard ids, with their customary values; a framework
// header may define them first.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif
#ifndef ID_FILE_NEW
#define ID_FILE_NEW 0xE100
#endif
#ifndef ID_FILE_OPEN
#define ID_FILE_OPEN 0xE101
#endif
#ifndef ID_APP_ABOUT
#define ID_APP_ABOUT 0xE140
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT 0xE141
#endif
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE 0xE000
#endif
#ifndef AFX_IDS_IDLEMESSAGE
#define AFX_IDS_IDLEMESSAGE 0xE001
#endif
#ifndef AFX_IDW_TOOLBAR
#define AFX_IDW_TOOLBAR 0xE800
#endif
#ifndef AFX_IDW_STATUS_BAR
#define AFX_IDW_STATUS_BAR 0xE801
#endif

#endif
