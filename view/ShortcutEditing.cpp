// Adding, editing and dropping shortcuts: each goes through the editor and ends in AddShortcut,
// and each completed change is written to the profile at once, so that a crash or a kill
// loses nothing.
#include "editor/ShortcutDlg.h"
#include "engine/KeyNames.h"
#include "framework/AfxMessageBox.h"
#include "res/resource.h"
#include "view/WendrakeView.h"

#include <shellapi.h>

namespace {

// The add command fills the list to at most one more than this.
const int kRowsTheAddCommandTakesMore = 300;

void PresetEditor(CShortcutDlg& dlg, const ShortcutRecord& record) {
    WORD wModifiers = 0;
    BOOL bWinKey = FALSE;
    ModifiersToHotKeyFlags(record.m_nModifiers, wModifiers, bWinKey);
    dlg.SetVirtualKeyCode(static_cast<WORD>(record.m_nVirtKey));
    dlg.SetModifiers(wModifiers);
    dlg.SetWinKey(bWinKey);
    dlg.SetFileName(record.m_strFileName);
    dlg.SetOperation(record.m_nOperation);
    dlg.SetParameter(record.m_strParameter);
}

} // namespace

bool CWendrakeView::AddFromEditor(const CShortcutDlg& dlg) {
    return AddShortcut(dlg.GetOperation(), dlg.GetFileName(), dlg.GetParameter(),
                       HotKeyFlagsToModifiers(dlg.GetModifiers(), dlg.GetWinKey()),
                       dlg.GetVirtualKeyCode());
}

void CWendrakeView::OnShortcutAdd() {
    if (GetListCtrl().GetItemCount() > kRowsTheAddCommandTakesMore) {
        AfxMessageBox(IDS_LIST_FULL, MB_OK, 0);
        return;
    }
    BeginBusy();
    // After a refusal the same editor opens again with what was entered, until an add succeeds
    // or the user cancels.
    CShortcutDlg dlg;
    while (dlg.DoModal() == IDOK) {
        if (AddFromEditor(dlg)) {
            WriteAfterChange();
            break;
        }
    }
    EndBusy();
}

void CWendrakeView::OnShortcutEdit() {
    const int nItem = GetListCtrl().GetNextItem(-1, LVNI_SELECTED);
    if (nItem != -1)
        EditShortcut(nItem);
}

void CWendrakeView::OnLButtonDblClk(UINT, POINT point) {
    // At the left edge, so that a double click anywhere along a row finds it.
    const int nItem = GetListCtrl().HitTest({2, point.y});
    if (nItem == -1)
        Default();
    else
        EditShortcut(nItem);
}

void CWendrakeView::EditShortcut(int nItem) {
    // A copy: the row and its record are gone once the edit is confirmed.
    const ShortcutRecord original = *GetShortcutRecord(nItem);
    CShortcutDlg dlg;
    PresetEditor(dlg, original);
    BeginBusy();
    // Until the user confirms, the shortcut stays registered and keeps working.
    if (dlg.DoModal() == IDOK) {
        // A registered original lets go of its hot key first, so that the edit may keep its
        // combination; a kept one holds none, and stays until the edit has registered. The row
        // may have been sorted elsewhere meanwhile; gone, it was deleted on purpose.
        const int nNow = FindShortcutById(original.m_nId);
        if (nNow != -1 && !original.IsKept()) {
            RemoveShortcut(nNow);
            m_editedOriginal = StoredShortcut::From(original);
        }
        // Refused values reopen the editor, as an add does.
        bool bAdded = AddFromEditor(dlg);
        while (!bAdded && dlg.DoModal() == IDOK)
            bAdded = AddFromEditor(dlg);
        // Registered under its new values, a kept original goes; cancelled, it stays as it was.
        const int nKept = bAdded && original.IsKept() ? FindShortcutById(original.m_nId) : -1;
        if (nKept != -1)
            RemoveShortcut(nKept);
        // A cancel brings a registered original back, at the end of the list, rather than
        // losing it; when even that is refused, it is kept there, as a row that is not
        // registered.
        if (!bAdded && m_editedOriginal &&
            !AddShortcut(original.m_nOperation, original.m_strFileName, original.m_strParameter,
                         original.m_nModifiers, original.m_nVirtKey))
            AppendKeptRow(*m_editedOriginal);
        m_editedOriginal.reset();
        WriteAfterChange();
    }
    EndBusy();
}

void CWendrakeView::OnDropFiles(HDROP hDropInfo) {
    BeginBusy();
    const UINT nFiles = DragQueryFileW(hDropInfo, 0xFFFFFFFF, nullptr, 0);
    bool bCancelled = false;
    for (UINT i = 0; i < nFiles && !bCancelled; ++i) {
        // Asked for its length first: a name may be longer than MAX_PATH.
        const UINT nLength = DragQueryFileW(hDropInfo, i, nullptr, 0);
        CString strName;
        DragQueryFileW(hDropInfo, i, strName.GetBuffer(static_cast<int>(nLength)), nLength + 1);
        strName.ReleaseBuffer();
        CShortcutDlg dlg;
        dlg.SetFileName(strName);
        // A cancel ends the whole drop; a refused file is followed by the next one. Each file
        // taken is stored at once, whatever becomes of the files after it.
        if (dlg.DoModal() != IDOK)
            bCancelled = true;
        else if (AddFromEditor(dlg))
            WriteAfterChange();
    }
    if (!bCancelled)
        Default();
    DragFinish(hDropInfo);
    EndBusy();
}
