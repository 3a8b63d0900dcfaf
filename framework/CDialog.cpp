#include "CDialog.h"

#include "CWinApp.h"

#include <commctrl.h>

namespace {

// Every message reaches the dialog's message map first; only what the map leaves goes on to the
// system's dialog procedure, which calls this one. Nothing is left to do here.
INT_PTR CALLBACK AfxDlgProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

} // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

INT_PTR CDialog::DoModal() {
    // Templates may name common controls (the hot-key control); their classes must be
    // registered before the template is created.
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);

    // The dialog's window is the first one the template creates; attaching it then routes even
    // its first messages through the message map.
    AfxHookWindowCreate(this);
    const INT_PTR nResult = DialogBoxParamW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                            AfxGetModalOwner(m_pParentWnd), AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    return nResult;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::DoDataExchange(CDataExchange*) {}

HWND AfxGetModalOwner(CWnd* pParentWnd) {
    HWND hWnd = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!hWnd) {
        CWnd* pMainWnd = AfxGetMainWnd();
        hWnd = pMainWnd ? pMainWnd->GetSafeHwnd() : nullptr;
    }
    if (!hWnd)
        return nullptr;
    return GetLastActivePopup(GetAncestor(hWnd, GA_ROOT));
}
