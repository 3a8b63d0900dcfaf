#include "CString.h"

#include <windows.h>

bool CString::LoadString(unsigned nID) {
    // With a zero length LoadStringW hands out a pointer to the resource itself, so texts of
    // any length load without a buffer guess.
    const wchar_t* pszResource = nullptr;
    const int nLength =
        ::LoadStringW(GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&pszResource), 0);
    m_str.assign(pszResource ? pszResource : L"", nLength > 0 ? static_cast<size_t>(nLength) : 0);
    return nLength > 0;
}
