// Names of the shortcut list's values in the profile. They are the stored format: changing one
// loses every user's shortcuts.
#pragma once

#include "../framework/CString.h"

extern const wchar_t kShortcutSection[]; // "ShortCuts"
extern const wchar_t kShortcutCount[];   // "size"
extern const wchar_t kFileNameWord[];
extern const wchar_t kParameterWord[];
extern const wchar_t kOperationWord[];
extern const wchar_t kKeyWord[];

// The value name of one shortcut's field: the position with at least two digits, one space,
// the word ("00 FileName", "100 Key").
CString ShortcutValueName(int nPosition, const wchar_t* pszWord);
