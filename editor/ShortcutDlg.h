// The editor of one shortcut: a key combination (the hot-key control, plus a check box for the
// Windows key, which the control cannot take), what the shortcut does, its target path and the
// program's arguments. It only checks that a key and, unless the shortcut does nothing, a path
// are given; whether the combination can be registered is decided when the shortcut is added.
#pragma once

#include "engine/ShortcutRecord.h"
#include "framework/CDialog.h"
#include "framework/CHotKeyCtrl.h"

class CShortcutDlg : public CDialog {
public:
    explicit CShortcutDlg(CWnd* pParentWnd = nullptr);

    // What the dialog opens with and, once DoModal returned IDOK, what the user accepted. Shown
    // again, the dialog starts from these. The modifiers are the hot-key control's HOTKEYF_
    // flags; a key code of 0 means no key. The operation is an OP_ code.
    WORD GetVirtualKeyCode() const { return m_wVirtualKeyCode; }
    void SetVirtualKeyCode(WORD wVirtualKeyCode) { m_wVirtualKeyCode = wVirtualKeyCode; }
    WORD GetModifiers() const { return m_wModifiers; }
    void SetModifiers(WORD wModifiers) { m_wModifiers = wModifiers; }
    BOOL GetWinKey() const { return m_bWinKey; }
    void SetWinKey(BOOL bWinKey) { m_bWinKey = bWinKey; }
    const CString& GetFileName() const { return m_strFileName; }
    void SetFileName(const CString& strFileName) { m_strFileName = strFileName; }
    int GetOperation() const { return m_nOperation; }
    void SetOperation(int nOperation) { m_nOperation = nOperation; }
    const CString& GetParameter() const { return m_strParameter; }
    void SetParameter(const CString& strParameter) { m_strParameter = strParameter; }

private:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    void OnOpOpenFile();
    void OnOpOther();

    // The key is read from the hot-key control only when OK is pressed, never by the exchange.
    WORD m_wVirtualKeyCode = 0;
    WORD m_wModifiers = 0;
    CHotKeyCtrl m_wndHotKey;
    BOOL m_bWinKey = FALSE;
    CString m_strFileName;
    int m_nOperation = OP_OPEN_FILE;
    CString m_strParameter;

    DECLARE_MESSAGE_MAP()
};
