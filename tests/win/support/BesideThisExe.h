// Files that lie beside the running executable: the test and benchmark programs are built into
// one folder, Wendrake.exe into the one above it.
#pragma once

#include <windows.h>

#include <string>

// The file of that name in the executable's folder, or in the folder nUp levels above it.
inline std::wstring BesideThisExe(const wchar_t* pszName, int nUp = 0) {
    wchar_t szPath[MAX_PATH];
    GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    for (int i = 0; i <= nUp; ++i)
        *wcsrchr(szPath, L'\\') = L'\0';
    return std::wstring(szPath) + L"\\" + pszName;
}
