#include "SystemErrorText.h"

CString AfxGetSystemErrorText(DWORD dwError) {
    wchar_t* pText = nullptr;
    const DWORD nLength = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPWSTR>(&pText), 0, nullptr);
    if (nLength == 0 || !pText)
        return CString();
    int nEnd = static_cast<int>(nLength);
    while (nEnd > 0 && (pText[nEnd - 1] == L'\r' || pText[nEnd - 1] == L'\n'))
        --nEnd;
    const CString text(pText, nEnd);
    LocalFree(pText);
    return text;
}
