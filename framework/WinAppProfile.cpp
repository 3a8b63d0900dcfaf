// The application's profile in the registry, and the recently-used-file list kept in it.
#include "CWinApp.h"

#include "CRecentFileList.h"

namespace {

const wchar_t kRecentFileSection[] = L"Recent File List";

// A write's result as the profile functions give it, with the reason of a failure kept for
// GetLastError.
BOOL WriteResult(LSTATUS status) {
    if (status == ERROR_SUCCESS)
        return TRUE;
    SetLastError(static_cast<DWORD>(status));
    return FALSE;
}

} // namespace

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) {
    CloseSectionKey();
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
}

CString CWinApp::SectionKeyPath(LPCWSTR lpszSection) const {
    return CString(L"Software\\") + m_strRegistryKey + L"\\" + m_strAppName + L"\\" + lpszSection;
}

void CWinApp::CloseSectionKey() {
    if (m_hOpenSection)
        RegCloseKey(m_hOpenSection);
    m_hOpenSection = nullptr;
    m_strOpenSection.Empty();
}

LSTATUS CWinApp::SectionKey(LPCWSTR lpszSection, bool bCreate, HKEY& hKey) {
    hKey = nullptr;
    if (!m_pszRegistryKey)
        return ERROR_FILE_NOT_FOUND;
    if (m_hOpenSection && m_strOpenSection == lpszSection) {
        hKey = m_hOpenSection;
        return ERROR_SUCCESS;
    }
    CloseSectionKey();
    const CString path = SectionKeyPath(lpszSection);
    // Reads do not create a missing key.
    const LSTATUS status =
        bCreate ? RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                  nullptr, &hKey, nullptr)
                : RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, KEY_READ | KEY_WRITE, &hKey);
    if (status != ERROR_SUCCESS) {
        hKey = nullptr;
        return status;
    }
    m_hOpenSection = hKey;
    m_strOpenSection = lpszSection;
    return ERROR_SUCCESS;
}

template <typename Access>
LSTATUS CWinApp::WithSectionKey(LPCWSTR lpszSection, bool bCreate, const Access& access) {
    HKEY hKey = nullptr;
    LSTATUS status = SectionKey(lpszSection, bCreate, hKey);
    if (status == ERROR_SUCCESS)
        status = access(hKey);
    // Someone deleted the key while we held it open: a write must not go into the void.
    if (status == ERROR_KEY_DELETED) {
        CloseSectionKey();
        status = SectionKey(lpszSection, bCreate, hKey);
        if (status == ERROR_SUCCESS)
            status = access(hKey);
    }
    return status;
}

int CWinApp::GetProfileValueCount(LPCWSTR lpszSection) {
    DWORD nValues = 0;
    WithSectionKey(lpszSection, false, [&](HKEY hKey) {
        return RegQueryInfoKeyW(hKey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                &nValues, nullptr, nullptr, nullptr, nullptr);
    });
    return static_cast<int>(nValues);
}

UINT CWinApp::GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault) {
    DWORD dwType = 0, dwValue = 0, cbData = sizeof(dwValue);
    const LSTATUS status = WithSectionKey(lpszSection, false, [&](HKEY hKey) {
        cbData = sizeof(dwValue);
        return RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType,
                                reinterpret_cast<BYTE*>(&dwValue), &cbData);
    });
    if (status != ERROR_SUCCESS || dwType != REG_DWORD || cbData != sizeof(dwValue))
        return static_cast<UINT>(nDefault);
    return dwValue;
}

CString CWinApp::GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault) {
    // Most values fit the first buffer; a longer one is read again at its size. The stored
    // data need not end with a terminator, so its length comes from the size read.
    CString value;
    DWORD dwType = 0, cbData = 0;
    const LSTATUS status = WithSectionKey(lpszSection, false, [&](HKEY hKey) {
        cbData = 260 * sizeof(wchar_t);
        LSTATUS result = RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType,
                                          reinterpret_cast<BYTE*>(value.GetBuffer(260)), &cbData);
        if (result == ERROR_MORE_DATA)
            result = RegQueryValueExW(hKey, lpszEntry, nullptr, &dwType,
                                      reinterpret_cast<BYTE*>(value.GetBuffer(
                                          static_cast<int>(cbData / sizeof(wchar_t)))),
                                      &cbData);
        return result;
    });
    if (status != ERROR_SUCCESS || (dwType != REG_SZ && dwType != REG_EXPAND_SZ))
        return CString(lpszDefault);
    value.ReleaseBuffer(static_cast<int>(cbData / sizeof(wchar_t)));
    value.ReleaseBuffer(); // and up to an embedded terminator
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue) {
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return WriteResult(WithSectionKey(lpszSection, true, [&](HKEY hKey) {
        return RegSetValueExW(hKey, lpszEntry, 0, REG_DWORD,
                              reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    }));
}

BOOL CWinApp::WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue) {
    const LSTATUS status = WithSectionKey(lpszSection, true, [&](HKEY hKey) {
        if (!lpszValue)
            return RegDeleteValueW(hKey, lpszEntry);
        const DWORD cbData = static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(wchar_t));
        return RegSetValueExW(hKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                              cbData);
    });
    // Deleting what is not there leaves the profile as asked.
    return WriteResult(!lpszValue && status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    m_pRecentFileList.reset();
    if (nMaxMRU == 0)
        return;
    m_pRecentFileList =
        std::make_unique<CRecentFileList>(kRecentFileSection, static_cast<int>(nMaxMRU));
    m_pRecentFileList->ReadList(*this);
}

void CWinApp::AddToRecentFileList(LPCWSTR lpszPathName) {
    if (m_pRecentFileList)
        m_pRecentFileList->Add(lpszPathName);
}
