// The framework's own command, string and window ids, with their customary values. The
// program's resource header defines the same names only when this header has not.
#pragma once

// Commands the framework itself handles or issues.
#define ID_SEPARATOR 0
#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_APP_EXIT 0xE141

// Strings the program's resources provide.
#define AFX_IDS_APP_TITLE 0xE000
#define AFX_IDS_IDLEMESSAGE 0xE001

// Child windows of a frame.
#define AFX_IDW_TOOLBAR 0xE800
#define AFX_IDW_STATUS_BAR 0xE801
#define AFX_IDW_PANE_FIRST 0xE900
