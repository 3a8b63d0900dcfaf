// The program's profile in the registry (HKCU\Software\Orlam Software\Wendrake\ShortCuts),
// written and read directly rather than through the program, as the stored format lays it out.
#pragma once

#include <windows.h>

#include <string>

namespace StoredShortcuts {

void PutCount(DWORD nCount);
void Put(int nPosition, const wchar_t* pszFileName, const wchar_t* pszParameter, DWORD nOperation,
         DWORD nKey);
// The stored value as "dword:<decimal>" or "sz:<text>", or "absent".
std::wstring Value(const wchar_t* pszName);
std::wstring Value(int nPosition, const wchar_t* pszWord);
// One entry's FileName, Parameter, Operation and Key values so, joined by '|'.
std::wstring Entry(int nPosition);
// Removes the program's whole key.
void RemoveAll();

} // namespace StoredShortcuts
