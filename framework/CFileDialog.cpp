#include "CFileDialog.h"

#include "CDialog.h"
#include "ShellCom.h"

#include <cwchar>

namespace {

// Room for the longest path the system handles, so that no choice is refused as too long.
const size_t kFileNameLength = 32768;

} // namespace

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCWSTR lpszDefExt, LPCWSTR lpszFileName,
                         DWORD dwFlags, LPCWSTR lpszFilter, CWnd* pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog), m_strDefExt(lpszDefExt), m_dwFlags(dwFlags),
      m_pParentWnd(pParentWnd), m_fileName(kFileNameLength) {
    if (lpszFileName)
        wcsncpy(m_fileName.data(), lpszFileName, kFileNameLength - 1);
    if (lpszFilter) {
        m_filter.assign(lpszFilter, lpszFilter + wcslen(lpszFilter));
        for (wchar_t& ch : m_filter)
            if (ch == L'|')
                ch = L'\0';
        m_filter.insert(m_filter.end(), 2, L'\0');
    }
}

INT_PTR CFileDialog::DoModal() {
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = AfxGetModalOwner(m_pParentWnd);
    ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.data();
    ofn.lpstrFile = m_fileName.data();
    ofn.nMaxFile = static_cast<DWORD>(m_fileName.size());
    ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : static_cast<LPCWSTR>(m_strDefExt);
    ofn.Flags = m_dwFlags;
    AfxStartShellCom();
    // The dialog's library is loaded only while it is shown: it brings the printing system with
    // it, which a resident program should not carry from its start for a dialog seldom opened.
    HMODULE hComDlg = LoadLibraryW(L"comdlg32.dll");
    if (!hComDlg)
        return IDCANCEL;
    using GetFileNameFn = BOOL(WINAPI*)(OPENFILENAMEW*);
    const auto pfnGetFileName = reinterpret_cast<GetFileNameFn>(reinterpret_cast<void*>(
        GetProcAddress(hComDlg, m_bOpenFileDialog ? "GetOpenFileNameW" : "GetSaveFileNameW")));
    const BOOL bChosen = pfnGetFileName && pfnGetFileName(&ofn);
    FreeLibrary(hComDlg);
    return bChosen ? IDOK : IDCANCEL;
}
