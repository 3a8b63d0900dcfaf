#include "AfxMessageBox.h"

#include "CWinApp.h"
#include "ResourceString.h"

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
    CWinApp* pApp = AfxGetApp();
    // Owned by a dialog the main window has open rather than by the main window beneath it,
    // so that the dialog too waits for the answer.
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hOwner = pMainWnd && pMainWnd->m_hWnd ? GetLastActivePopup(pMainWnd->m_hWnd) : nullptr;
    return MessageBoxW(hOwner, lpszText, pApp ? pApp->m_pszAppName : nullptr, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType, nIDHelp);
}
