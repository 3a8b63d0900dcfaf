#include "ShellPath.h"

namespace {

bool IsSeparator(wchar_t ch) {
    return ch == L'\\' || ch == L'/';
}
wchar_t Lower(wchar_t ch) {
    return ch >= L'A' && ch <= L'Z' ? ch - L'A' + L'a' : ch;
}

// C:\ or C:/ — a path from a drive's root.
bool IsDrivePath(const wchar_t* psz) {
    return Lower(psz[0]) >= L'a' && Lower(psz[0]) <= L'z' && psz[1] == L':' && IsSeparator(psz[2]);
}

// Whether psz begins with pszStart, letters compared without their case (\\?\unc\ is \\?\UNC\).
bool StartsWith(const wchar_t* psz, const wchar_t* pszStart) {
    for (; *pszStart; ++psz, ++pszStart)
        if (Lower(*psz) != Lower(*pszStart))
            return false;
    return true;
}

} // namespace

bool IsTooLongForTheShell(const CString& strPath) {
    return strPath.GetLength() >= kShellPathLimit;
}

CString WithLongPathPrefix(const CString& strPath) {
    const wchar_t* psz = strPath;
    // \\?\ and \\.\ begin a prefixed path; two separators and a name, a network path.
    const bool bNetwork = IsSeparator(psz[0]) && IsSeparator(psz[1]) && psz[2] &&
                          !IsSeparator(psz[2]) &&
                          !((psz[2] == L'?' || psz[2] == L'.') && IsSeparator(psz[3]));
    if (!bNetwork && !IsDrivePath(psz))
        return strPath;
    CString strPrefixed(bNetwork ? L"\\\\?\\UNC" : L"\\\\?\\");
    for (const wchar_t* pch = bNetwork ? psz + 1 : psz; *pch; ++pch)
        strPrefixed += IsSeparator(*pch) ? L'\\' : *pch;
    return strPrefixed;
}

CString WithoutLongPathPrefix(const CString& strPath) {
    const wchar_t* psz = strPath;
    if (StartsWith(psz, L"\\\\?\\UNC\\"))
        return L"\\" + CString(psz + 7);
    if (StartsWith(psz, L"\\\\?\\") && IsDrivePath(psz + 4))
        return CString(psz + 4);
    return strPath;
}

bool MakeShellPath(const CString& strTarget, const ShortFormLookup& shortForm,
                   CString& strShellPath) {
    if (!IsTooLongForTheShell(strTarget)) {
        strShellPath = strTarget;
        return true;
    }
    CString strShort;
    if (!shortForm(WithLongPathPrefix(strTarget), strShort))
        return false;
    strShellPath = WithoutLongPathPrefix(strShort);
    return !IsTooLongForTheShell(strShellPath);
}
