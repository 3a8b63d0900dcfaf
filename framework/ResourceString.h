// Strings from the module's string table, and the fields of a multi-part resource string
// (a document template's description, a command's prompt and tool tip).
#pragma once

#include "CString.h"

#include <windows.h>

// The string resource nID of the program's module; empty when there is none.
CString AfxLoadString(UINT nID);

// Field iSubString of lpszFullString, whose fields are separated by chSep; FALSE (and an
// empty rString) when there are fewer fields.
BOOL AfxExtractSubString(CString& rString, LPCWSTR lpszFullString, int iSubString,
                         wchar_t chSep = L'\n');
