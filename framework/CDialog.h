// A modal dialog from a dialog template of the program's resources. Its window goes through
// the framework's routing like any other: WM_INITDIALOG reaches OnInitDialog, and IDOK and
// IDCANCEL (the OK button or Enter, the Cancel button, Esc or the close box) reach OnOK and
// OnCancel through the message map.
#pragma once

#include "CDataExchange.h"
#include "CWnd.h"

class CDialog : public CWnd {
public:
    // Without a parent the dialog is owned by the application's main window.
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Runs the dialog in a nested loop on this thread (posted messages to other windows keep
    // being dispatched) and returns what EndDialog was given, or -1 when it could not be
    // created.
    INT_PTR DoModal();
    void EndDialog(INT_PTR nResult) { ::EndDialog(m_hWnd, nResult); }

    // Runs DoDataExchange: TRUE reads the controls into the fields, FALSE fills the controls.
    // FALSE when a field could not be exchanged.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Fills the controls; TRUE lets the system give the focus to the first tab stop.
    virtual BOOL OnInitDialog();
    // Reads the controls and, when that succeeded, ends the dialog with IDOK.
    virtual void OnOK();
    virtual void OnCancel();

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

// The window that a modal window opened now should be owned by: the given parent or else the
// main window, taken at its top level and then at the modal window already open over it, so
// that a dialog opened from a dialog disables the one beneath. nullptr when there is none.
HWND AfxGetModalOwner(CWnd* pParentWnd);
