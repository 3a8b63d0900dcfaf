#include "editor/ShortcutDlg.h"

#include "editor/FolderChooser.h"
#include "framework/AfxMessageBox.h"
#include "framework/CFileDialog.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CShortcutDlg, CDialog)
ON_BN_CLICKED(IDC_BROWSE, OnBrowse)
ON_BN_CLICKED(IDC_OP_OPENFILE, OnOpOpenFile)
ON_BN_CLICKED(IDC_OP_OPENFOLDER, OnOpOther)
ON_BN_CLICKED(IDC_OP_EXPLORE, OnOpOther)
ON_BN_CLICKED(IDC_OP_NONE, OnOpOther)
END_MESSAGE_MAP()

CShortcutDlg::CShortcutDlg(CWnd* pParentWnd) : CDialog(IDD_SHORTCUT, pParentWnd) {}

void CShortcutDlg::DoDataExchange(CDataExchange* pDX) {
    DDX_Control(pDX, IDC_HOTKEY, m_wndHotKey);
    DDX_Check(pDX, IDC_WINKEY, m_bWinKey);
    DDX_Text(pDX, IDC_FILENAME, m_strFileName);
    DDX_Radio(pDX, IDC_OP_OPENFILE, m_nOperation);
    DDX_Text(pDX, IDC_PARAMETER, m_strParameter);
}

BOOL CShortcutDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_wndHotKey.SetHotKey(m_wVirtualKeyCode, m_wModifiers);
    return TRUE;
}

void CShortcutDlg::OnOK() {
    m_wndHotKey.GetHotKey(m_wVirtualKeyCode, m_wModifiers);
    if (m_wVirtualKeyCode == 0) {
        AfxMessageBox(IDS_KEY_NOT_SET, MB_OK, 0);
        return;
    }
    UpdateData(TRUE);
    if (m_strFileName.IsEmpty() && m_nOperation != OP_NONE) {
        AfxMessageBox(IDS_TARGET_NOT_SET, MB_OK, 0);
        return;
    }
    CDialog::OnOK();
}

void CShortcutDlg::OnBrowse() {
    // The refill at the end would otherwise undo what the user typed or chose so far.
    UpdateData(TRUE);
    if (m_nOperation != OP_OPEN_FILE) {
        CFolderChooser chooser;
        if (chooser.Browse() != 1)
            return;
        m_strFileName = chooser.GetPath();
    } else {
        CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        if (dlg.DoModal() != IDOK)
            return;
        m_strFileName = dlg.GetPathName();
    }
    UpdateData(FALSE);
}

// Only a program takes arguments; a disabled edit keeps its text all the same.
void CShortcutDlg::OnOpOpenFile() {
    GetDlgItem(IDC_PARAMETER)->EnableWindow(TRUE);
}

void CShortcutDlg::OnOpOther() {
    GetDlgItem(IDC_PARAMETER)->EnableWindow(FALSE);
}
