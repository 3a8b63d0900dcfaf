// The shortcuts section of a profile in the registry, written and read directly rather than
// through the program's profile functions, as the stored format lays it out.
#pragma once

#include <windows.h>

#include "framework/CString.h"

#include <string>

class StoredShortcuts {
public:
    // The section's key path below HKEY_CURRENT_USER.
    explicit StoredShortcuts(const CString& sectionPath) : m_strPath(sectionPath) {}

    void PutCount(DWORD nCount) const;
    void Put(int nPosition, const wchar_t* pszFileName, const wchar_t* pszParameter,
             DWORD nOperation, DWORD nKey) const;
    // The stored value as "dword:<decimal>" or "sz:<text>", or "absent".
    std::wstring Value(const wchar_t* pszName) const;
    std::wstring Value(int nPosition, const wchar_t* pszWord) const;
    bool Exists() const;
    // Removes the section with all its values.
    void Remove() const;

private:
    CString m_strPath;
};
