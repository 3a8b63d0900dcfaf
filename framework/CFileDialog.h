// The system's dialog for choosing a file to open or a name to save under.
#pragma once

#include "CString.h"
#include "CWnd.h"

#include <commdlg.h>

#include <vector>

class CFileDialog {
public:
    // lpszFilter holds pairs of description and pattern, each part ended by '|'
    // ("Text files (*.txt)|*.txt|"); without one every file is shown. lpszDefExt is added to a
    // name typed without an extension. Without a parent the dialog is owned by the main window.
    explicit CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt = nullptr,
                         LPCWSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         LPCWSTR lpszFilter = nullptr, CWnd* pParentWnd = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK when the user chose a file; IDCANCEL when the dialog was cancelled or failed.
    INT_PTR DoModal();
    // The full path chosen; before DoModal, the initial file name.
    CString GetPathName() const { return m_fileName.data(); }

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    DWORD m_dwFlags;
    std::vector<wchar_t> m_filter; // the parts separated by zeros, two zeros at the end
    CWnd* m_pParentWnd;
    std::vector<wchar_t> m_fileName;
};
