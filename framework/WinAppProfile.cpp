// The application's profile in the registry, and the recently-used-file list kept in it.
#include "CWinApp.h"

#include "CRecentFileList.h"

namespace {

const wchar_t kRecentFileSection[] = L"Recent File List";

} // namespace

void CWinApp::SetRegistryKey(LPCWSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
}

CString CWinApp::SectionKeyPath(LPCWSTR lpszSection) const {
    return CString(L"Software\\") + m_strRegistryKey + L"\\" + m_strAppName + L"\\" + lpszSection;
}

UINT CWinApp::GetProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nDefault) {
    DWORD dwValue = 0;
    DWORD cbData = sizeof(dwValue);
    // Reads only: a missing key is not created.
    if (!m_pszRegistryKey ||
        RegGetValueW(HKEY_CURRENT_USER, SectionKeyPath(lpszSection), lpszEntry, RRF_RT_REG_DWORD,
                     nullptr, &dwValue, &cbData) != ERROR_SUCCESS)
        return static_cast<UINT>(nDefault);
    return dwValue;
}

CString CWinApp::GetProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszDefault) {
    if (!m_pszRegistryKey)
        return CString(lpszDefault);
    const CString path = SectionKeyPath(lpszSection);
    DWORD cbData = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, path, lpszEntry, RRF_RT_REG_SZ, nullptr, nullptr,
                     &cbData) != ERROR_SUCCESS)
        return CString(lpszDefault);
    CString value;
    const int nChars = static_cast<int>(cbData / sizeof(wchar_t));
    // The size includes the terminator that RegGetValueW guarantees.
    if (RegGetValueW(HKEY_CURRENT_USER, path, lpszEntry, RRF_RT_REG_SZ, nullptr,
                     value.GetBuffer(nChars), &cbData) != ERROR_SUCCESS)
        return CString(lpszDefault);
    value.ReleaseBuffer();
    return value;
}

BOOL CWinApp::WriteProfileInt(LPCWSTR lpszSection, LPCWSTR lpszEntry, int nValue) {
    if (!m_pszRegistryKey)
        return FALSE;
    const DWORD dwValue = static_cast<DWORD>(nValue);
    return RegSetKeyValueW(HKEY_CURRENT_USER, SectionKeyPath(lpszSection), lpszEntry, REG_DWORD,
                           &dwValue, sizeof(dwValue)) == ERROR_SUCCESS;
}

BOOL CWinApp::WriteProfileString(LPCWSTR lpszSection, LPCWSTR lpszEntry, LPCWSTR lpszValue) {
    if (!m_pszRegistryKey)
        return FALSE;
    const CString path = SectionKeyPath(lpszSection);
    if (!lpszValue) {
        const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, path, lpszEntry);
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    const DWORD cbData = static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(wchar_t));
    return RegSetKeyValueW(HKEY_CURRENT_USER, path, lpszEntry, REG_SZ, lpszValue, cbData) ==
           ERROR_SUCCESS;
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
