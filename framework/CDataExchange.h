// Dialog data exchange: each DDX_ function moves one field between a dialog's member and one of
// its controls, in the direction the exchange was made for. A dialog lists its fields in
// DoDataExchange and runs the exchange with UpdateData.
#pragma once

#include "CString.h"
#include "CWnd.h"

class CDataExchange {
public:
    // bSaveAndValidate: TRUE reads the controls into the fields, FALSE fills the controls.
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The dialog's control nIDC, or nullptr after marking the exchange failed.
    HWND PrepareCtrl(int nIDC);
    void Fail() { m_bFailed = TRUE; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    // Set when a field could not be exchanged: its control is missing, or already taken.
    BOOL m_bFailed = FALSE;
};

// Attaches rControl to control nIDC at the first exchange, so its messages reach the object;
// it carries no value.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

// A check box: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);

// The control's text; a disabled control still exchanges it.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);

// A radio group: it starts at nIDC, the group's first control (the one with WS_GROUP), and runs
// up to the next control with WS_GROUP. Only radio buttons count: value is the index of the checked
// one among them, -1 when none is checked; filling the controls checks that one and clears the
// others.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
