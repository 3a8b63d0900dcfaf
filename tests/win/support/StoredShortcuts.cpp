#include "StoredShortcuts.h"

#include "Joined.h"
#include "engine/ProfileNames.h"

namespace {

const wchar_t kProgramKey[] = L"Software\\Orlam Software";
const wchar_t kSection[] = L"Software\\Orlam Software\\Wendrake\\ShortCuts";

void PutValue(const wchar_t* pszName, DWORD dwType, const void* pData, size_t cbData) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kSection, pszName, dwType, pData,
                    static_cast<DWORD>(cbData));
}

void PutString(const wchar_t* pszName, const wchar_t* pszValue) {
    PutValue(pszName, REG_SZ, pszValue, (wcslen(pszValue) + 1) * sizeof(wchar_t));
}

} // namespace

void StoredShortcuts::PutCount(DWORD nCount) {
    PutValue(kShortcutCount, REG_DWORD, &nCount, sizeof nCount);
}

void StoredShortcuts::Put(int nPosition, const wchar_t* pszFileName, const wchar_t* pszParameter,
                          DWORD nOperation, DWORD nKey) {
    PutString(ShortcutValueName(nPosition, kFileNameWord), pszFileName);
    PutString(ShortcutValueName(nPosition, kParameterWord), pszParameter);
    PutValue(ShortcutValueName(nPosition, kOperationWord), REG_DWORD, &nOperation, sizeof(DWORD));
    PutValue(ShortcutValueName(nPosition, kKeyWord), REG_DWORD, &nKey, sizeof(DWORD));
}

std::wstring StoredShortcuts::Value(const wchar_t* pszName) {
    BYTE data[4096] = {};
    DWORD dwType = 0, cbData = sizeof data - sizeof(wchar_t);
    if (RegGetValueW(HKEY_CURRENT_USER, kSection, pszName, RRF_RT_ANY, &dwType, data, &cbData) !=
        ERROR_SUCCESS)
        return L"absent";
    if (dwType == REG_DWORD)
        return L"dword:" + std::to_wstring(*reinterpret_cast<DWORD*>(data));
    if (dwType == REG_SZ)
        return std::wstring(L"sz:") + reinterpret_cast<wchar_t*>(data);
    return L"type:" + std::to_wstring(dwType);
}

std::wstring StoredShortcuts::Value(int nPosition, const wchar_t* pszWord) {
    return Value(ShortcutValueName(nPosition, pszWord));
}

std::wstring StoredShortcuts::Entry(int nPosition) {
    return Joined(Value(nPosition, kFileNameWord), Value(nPosition, kParameterWord),
                  Value(nPosition, kOperationWord), Value(nPosition, kKeyWord));
}

void StoredShortcuts::RemoveAll() {
    RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kProgramKey);
}
