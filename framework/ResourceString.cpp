#include "ResourceString.h"

#include <cwchar>

CString AfxLoadString(UINT nID) {
    // With a zero buffer size the system hands out the resource's own text, which is not
    // terminated: no length limit and no copy into a fixed buffer.
    const wchar_t* pText = nullptr;
    const int nLength =
        LoadStringW(GetModuleHandleW(nullptr), nID, reinterpret_cast<LPWSTR>(&pText), 0);
    return nLength > 0 ? CString(pText, nLength) : CString();
}

BOOL AfxExtractSubString(CString& rString, LPCWSTR lpszFullString, int iSubString, wchar_t chSep) {
    rString.Empty();
    const wchar_t* pField = lpszFullString ? lpszFullString : L"";
    for (; iSubString > 0; --iSubString) {
        pField = wcschr(pField, chSep);
        if (!pField)
            return FALSE;
        ++pField;
    }
    const wchar_t* pEnd = wcschr(pField, chSep);
    rString = pEnd ? CString(pField, static_cast<int>(pEnd - pField)) : CString(pField);
    return TRUE;
}
