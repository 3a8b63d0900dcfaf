#include "ScratchRegistryKey.h"

namespace {
const wchar_t kTestsRoot[] = L"Software\\Wendrake Tests";
}

ScratchRegistryKey::ScratchRegistryKey() {
    static int s_nCounter = 0;
    m_strPath.Format(L"%d", static_cast<int>(GetCurrentProcessId()));
    CString number;
    number.Format(L"%d", ++s_nCounter);
    m_strPath = CString(kTestsRoot) + L"\\" + m_strPath + L"-" + number;
    RegCreateKeyExW(HKEY_CURRENT_USER, m_strPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_hKey,
                    nullptr);
}

ScratchRegistryKey::~ScratchRegistryKey() {
    if (m_hKey)
        RegCloseKey(m_hKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, m_strPath);
    RegDeleteKeyW(HKEY_CURRENT_USER, m_strPath);
    // Leaves the common parent behind only while another test still has a key under it.
    RegDeleteKeyW(HKEY_CURRENT_USER, kTestsRoot);
}
