// The system's own words for an error code.
#pragma once

#include "CString.h"

#include <windows.h>

// The text in the user's default language, without the line break the system ends it with;
// empty when the system has none for the code.
CString AfxGetSystemErrorText(DWORD dwError);
