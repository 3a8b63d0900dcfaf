// The program's profile in the registry (HKCU\Software\Orlam Software\Wendrake\ShortCuts),
// written and read directly rather than through the program, as the stored format lays it out.
#pragma once

#include "Joined.h"
#include "engine/ProfileNames.h"
#include "engine/ShortcutRecord.h"

#include <windows.h>

#include <string>

namespace Stored {

inline const wchar_t kSection[] = L"Software\\Orlam Software\\Wendrake\\ShortCuts";

inline void PutValue(const wchar_t* pszName, DWORD dwType, const void* pData, size_t cbData) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSection, pszName, dwType, pData,
                    static_cast<DWORD>(cbData));
}
inline void PutNumber(const wchar_t* pszName, DWORD nValue) {
    PutValue(pszName, REG_DWORD, &nValue, sizeof nValue);
}
inline void PutText(const wchar_t* pszName, const wchar_t* pszValue) {
    PutValue(pszName, REG_SZ, pszValue, (wcslen(pszValue) + 1) * sizeof(wchar_t));
}
inline void PutCount(DWORD nCount) {
    PutNumber(kShortcutCount, nCount);
}
inline void Put(int nPosition, const wchar_t* pszFileName, const wchar_t* pszParameter,
                DWORD nOperation, DWORD nKey) {
    PutText(ShortcutValueName(nPosition, kFileNameWord), pszFileName);
    PutText(ShortcutValueName(nPosition, kParameterWord), pszParameter);
    PutNumber(ShortcutValueName(nPosition, kOperationWord), nOperation);
    PutNumber(ShortcutValueName(nPosition, kKeyWord), nKey);
}
// Rows doing nothing for C:\1000, C:\1001, ..., up to 338, on letters with every set of
// modifiers but Ctrl and Ctrl+Alt, which the program's own keys and the tests' use.
inline void PutRows(int nCount) {
    const DWORD modifierSets[] = {1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    PutCount(static_cast<DWORD>(nCount));
    for (int i = 0; i < nCount; ++i)
        Put(i, (L"C:\\" + std::to_wstring(1000 + i)).c_str(), L"", OP_NONE,
            ('A' + i % 26) << 8 | modifierSets[i / 26]);
}

// The stored value as "dword:<decimal>" or "sz:<text>", or "absent".
inline std::wstring Value(const wchar_t* pszName) {
    BYTE data[4096] = {};
    DWORD dwType = 0, cbData = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kSection, pszName, RRF_RT_ANY, &dwType, data, &cbData))
        return L"absent";
    if (dwType == REG_DWORD)
        return L"dword:" + std::to_wstring(*reinterpret_cast<DWORD*>(data));
    return dwType == REG_SZ ? L"sz:" + std::wstring(reinterpret_cast<wchar_t*>(data))
                            : L"type:" + std::to_wstring(dwType);
}
inline std::wstring Value(int nPosition, const wchar_t* pszWord) {
    return Value(ShortcutValueName(nPosition, pszWord));
}
// One entry's FileName, Parameter, Operation and Key values so, joined by '|'.
inline std::wstring Entry(int nPosition) {
    return Joined(Value(nPosition, kFileNameWord), Value(nPosition, kParameterWord),
                  Value(nPosition, kOperationWord), Value(nPosition, kKeyWord));
}

// Removes the program's whole key.
inline void RemoveAll() {
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Orlam Software");
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Orlam Software");
}

// The program's key deleted under it, and its parent re-created as a key that can only take
// keys that vanish at log-off: the program cannot write its profile, for a real reason.
inline void Break() {
    RemoveAll();
    HKEY hVolatile = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Orlam Software\\Wendrake", 0, nullptr,
                    REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &hVolatile, nullptr);
    RegCloseKey(hVolatile);
}

} // namespace Stored
