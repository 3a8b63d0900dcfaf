// The framework's message box: modal to the main window (or, while one is open, to the pop-up
// window the main window last activated), captioned with the application's name.
#pragma once

#include "CString.h"

#include <windows.h>

// Returns the button chosen (IDOK, IDYES, ...). The help id is accepted for the customary
// signature; no help is offered.
int AfxMessageBox(LPCWSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The same with the text of string resource nIDPrompt.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
