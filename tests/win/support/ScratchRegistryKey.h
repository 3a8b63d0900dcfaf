// A registry key of its own for one test, under HKCU\Software\Wendrake Tests, removed with its
// whole tree when the test ends.
#pragma once

#include <windows.h>

#include "framework/CString.h"

class ScratchRegistryKey {
public:
    ScratchRegistryKey();
    ~ScratchRegistryKey();
    ScratchRegistryKey(const ScratchRegistryKey&) = delete;
    ScratchRegistryKey& operator=(const ScratchRegistryKey&) = delete;

    HKEY Handle() const { return m_hKey; }
    // The key's path below HKEY_CURRENT_USER.
    const CString& Path() const { return m_strPath; }

private:
    CString m_strPath;
    HKEY m_hKey = nullptr;
};
