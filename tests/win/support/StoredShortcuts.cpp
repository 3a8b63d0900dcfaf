#include "StoredShortcuts.h"

#include "engine/ProfileNames.h"

namespace {

void PutValue(const CString& path, const wchar_t* pszName, DWORD dwType, const void* pData,
              DWORD cbData) {
    RegSetKeyValueW(HKEY_CURRENT_USER, path, pszName, dwType, pData, cbData);
}

void PutString(const CString& path, const wchar_t* pszName, const wchar_t* pszValue) {
    PutValue(path, pszName, REG_SZ, pszValue,
             static_cast<DWORD>((wcslen(pszValue) + 1) * sizeof(wchar_t)));
}

} // namespace

void StoredShortcuts::PutCount(DWORD nCount) const {
    PutValue(m_strPath, kShortcutCount, REG_DWORD, &nCount, sizeof nCount);
}

void StoredShortcuts::Put(int nPosition, const wchar_t* pszFileName, const wchar_t* pszParameter,
                          DWORD nOperation, DWORD nKey) const {
    PutString(m_strPath, ShortcutValueName(nPosition, kFileNameWord), pszFileName);
    PutString(m_strPath, ShortcutValueName(nPosition, kParameterWord), pszParameter);
    PutValue(m_strPath, ShortcutValueName(nPosition, kOperationWord), REG_DWORD, &nOperation,
             sizeof nOperation);
    PutValue(m_strPath, ShortcutValueName(nPosition, kKeyWord), REG_DWORD, &nKey, sizeof nKey);
}

std::wstring StoredShortcuts::Value(const wchar_t* pszName) const {
    BYTE data[4096] = {};
    DWORD dwType = 0, cbData = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, m_strPath, pszName, RRF_RT_ANY, &dwType, data, &cbData) !=
        ERROR_SUCCESS)
        return L"absent";
    if (dwType == REG_DWORD)
        return L"dword:" + std::to_wstring(*reinterpret_cast<DWORD*>(data));
    if (dwType == REG_SZ)
        return std::wstring(L"sz:") + reinterpret_cast<wchar_t*>(data);
    return L"type:" + std::to_wstring(dwType);
}

std::wstring StoredShortcuts::Value(int nPosition, const wchar_t* pszWord) const {
    return Value(ShortcutValueName(nPosition, pszWord));
}

bool StoredShortcuts::Exists() const {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, m_strPath, 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return false;
    RegCloseKey(hKey);
    return true;
}

void StoredShortcuts::Remove() const {
    RegDeleteTreeW(HKEY_CURRENT_USER, m_strPath);
    RegDeleteKeyW(HKEY_CURRENT_USER, m_strPath);
}
