#include "AfxMessageBox.h"

#include "CWinApp.h"
#include "MessageBoxHook.h"
#include "ResourceString.h"

namespace {

AfxMessageBoxHook& Hook() {
    static AfxMessageBoxHook hook;
    return hook;
}

} // namespace

void AfxSetMessageBoxHook(AfxMessageBoxHook hook) {
    Hook() = std::move(hook);
}

int AfxMessageBox(LPCWSTR lpszText, UINT nType, UINT) {
    CWinApp* pApp = AfxGetApp();
    const CString caption(pApp ? pApp->m_pszAppName : nullptr);
    if (Hook())
        return Hook()(CString(lpszText), nType, caption);
    // Owned by a dialog the main window has open rather than by the main window beneath it,
    // so that the dialog too waits for the answer.
    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hOwner = pMainWnd && pMainWnd->m_hWnd ? GetLastActivePopup(pMainWnd->m_hWnd) : nullptr;
    return MessageBoxW(hOwner, lpszText, caption, nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp) {
    return AfxMessageBox(AfxLoadString(nIDPrompt), nType, nIDHelp);
}
