// The shortcut table: the list's rows, each registered as a system hot key on the view, or kept
// without one.
#include "engine/ShortcutHolder.h"
#include "engine/ShortcutOrder.h"
#include "framework/AfxMessageBox.h"
#include "framework/ResourceString.h"
#include "framework/SystemErrorText.h"
#include "res/resource.h"
#include "view/WendrakeView.h"

namespace {

// For a combination the system says is taken: which of the list's shortcuts holds it, by the
// texts its row shows, so that the user can find it among many; or that none does.
CString HolderLine(const std::vector<const ShortcutRecord*>& rows, unsigned nModifiers,
                   unsigned nVirtKey) {
    const ShortcutRecord* pHolder = FindHolder(rows, nModifiers, nVirtKey);
    if (!pHolder)
        return AfxLoadString(IDS_KEY_HELD_BY_OTHER_PROGRAM);
    const wchar_t* pszKey = pHolder->m_strKeyName;
    CString line;
    if (pHolder->m_nOperation == OP_NONE)
        line.Format(AfxLoadString(IDS_KEY_HELD_BY_IDLE_SHORTCUT), pszKey);
    else
        line.Format(AfxLoadString(IDS_KEY_HELD_BY_SHORTCUT), pszKey,
                    static_cast<const wchar_t*>(pHolder->m_strFileName));
    return line;
}

// strHolder, when there is one, follows the system's reason as a line of its own.
void ShowRefusal(const AddOutcome& outcome, const CString& strHolder) {
    switch (outcome.refusal) {
    case AddRefusal::KeyNotBindable:
        AfxMessageBox(IDS_KEY_NOT_BINDABLE, MB_OK, 0);
        break;
    case AddRefusal::IdsUsedUp:
        AfxMessageBox(IDS_HOTKEY_IDS_USED_UP, MB_OK, 0);
        break;
    case AddRefusal::RegistrationRefused: {
        CString text = AfxGetSystemErrorText(outcome.nError);
        // Without the system's own words the user still learns which error it was.
        if (text.IsEmpty())
            text.Format(AfxLoadString(IDS_HOTKEY_REFUSED_CODE), static_cast<int>(outcome.nError));
        if (!strHolder.IsEmpty())
            text += L"\n" + strHolder;
        AfxMessageBox(text, MB_OK, 0);
        break;
    }
    case AddRefusal::RowNotAdded:
        AfxMessageBox(IDS_ROW_NOT_ADDED, MB_OK, 0);
        break;
    case AddRefusal::None:
        break;
    }
}

} // namespace

AddOutcome CWendrakeView::TryAddShortcut(int nOperation, const CString& strFileName,
                                         const CString& strParameter, unsigned nModifiers,
                                         unsigned nVirtKey) {
    AddOutcome outcome = m_maker.Make(
        nOperation, strFileName, strParameter, nModifiers, nVirtKey,
        [this](const ShortcutRecord& record) -> unsigned {
            return RegisterHotKey(m_hWnd, record.m_nId, record.m_nModifiers, record.m_nVirtKey)
                       ? 0
                       : GetLastError();
        });
    if (outcome.pRecord) {
        if (AppendRow(*outcome.pRecord)) {
            outcome.pRecord.release(); // the row owns it now
            return outcome;
        }
        // A hot key without a row could be neither seen nor removed.
        UnregisterHotKey(m_hWnd, outcome.pRecord->m_nId);
        outcome = {AddRefusal::RowNotAdded, 0, nullptr};
    }
    CString strHolder;
    if (outcome.refusal == AddRefusal::RegistrationRefused && outcome.nError == kCombinationTaken)
        strHolder = HolderLine(Records(), nModifiers, nVirtKey);
    ShowRefusal(outcome, strHolder);
    return outcome;
}

bool CWendrakeView::AppendRow(const ShortcutRecord& record) {
    CListCtrl list = GetListCtrl();
    CString strKey = record.m_strKeyName;
    if (record.IsKept())
        strKey.Format(AfxLoadString(IDS_KEPT_KEY),
                      static_cast<const wchar_t*>(record.m_strKeyName));
    const int nItem =
        list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, list.GetItemCount(), strKey,
                        record.m_nOperation, reinterpret_cast<LPARAM>(&record));
    if (nItem == -1)
        return false;
    list.SetItemText(nItem, 1, record.m_strFileName);
    list.SetItemText(nItem, 2, record.m_strParameter);
    // Its operation's picture, dimmed, as the system shows what is there but not in force.
    if (record.IsKept())
        list.SetItemState(nItem, LVIS_CUT, LVIS_CUT);
    return true;
}

void CWendrakeView::AppendKeptRow(const StoredShortcut& entry) {
    std::unique_ptr<ShortcutRecord> pRecord = m_maker.MakeKept(entry);
    if (AppendRow(*pRecord))
        pRecord.release(); // the row owns it now
    else
        AfxMessageBox(IDS_ROW_NOT_ADDED, MB_OK, 0);
}

bool CWendrakeView::AddShortcut(int nOperation, CString strFileName, CString strParameter,
                                unsigned nModifiers, unsigned nVirtKey) {
    return TryAddShortcut(nOperation, strFileName, strParameter, nModifiers, nVirtKey).refusal ==
           AddRefusal::None;
}

void CWendrakeView::RemoveShortcut(int nIndex) {
    ShortcutRecord* pRecord = GetShortcutRecord(nIndex);
    if (pRecord) {
        if (!pRecord->IsKept())
            UnregisterHotKey(m_hWnd, pRecord->m_nId);
        delete pRecord;
    }
    GetListCtrl().DeleteItem(nIndex);
}

void CWendrakeView::RemoveAllShortcuts() {
    const CListCtrl list = GetListCtrl();
    SetRedraw(FALSE);
    for (int i = list.GetNextItem(-1, LVNI_ALL); i != -1; i = list.GetNextItem(-1, LVNI_ALL))
        RemoveShortcut(i);
}

ShortcutRecord* CWendrakeView::GetShortcutRecord(int nIndex) const {
    return reinterpret_cast<ShortcutRecord*>(GetListCtrl().GetItemData(nIndex));
}

std::vector<const ShortcutRecord*> CWendrakeView::Records() const {
    const CListCtrl list = GetListCtrl();
    std::vector<const ShortcutRecord*> records;
    for (int i = list.GetNextItem(-1, LVNI_ALL); i != -1; i = list.GetNextItem(i, LVNI_ALL))
        records.push_back(GetShortcutRecord(i));
    return records;
}

int CWendrakeView::FindShortcutById(int nId) const {
    const CListCtrl list = GetListCtrl();
    for (int i = list.GetNextItem(-1, LVNI_ALL); i != -1; i = list.GetNextItem(i, LVNI_ALL)) {
        const ShortcutRecord* pRecord = GetShortcutRecord(i);
        if (pRecord && pRecord->m_nId == nId)
            return i;
    }
    return -1;
}

void CWendrakeView::DeleteSelectedShortcuts() {
    const CListCtrl list = GetListCtrl();
    bool bRemoved = false;
    // After a removal the next row has moved into index i, so the search restarts before it.
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1;
         i = list.GetNextItem(i - 1, LVNI_SELECTED)) {
        RemoveShortcut(i);
        bRemoved = true;
    }
    // Written at once, so that a crash or a kill loses nothing.
    if (bRemoved)
        WriteAfterChange();
}

void CWendrakeView::SelectAllShortcuts() {
    CListCtrl list = GetListCtrl();
    const int nCount = list.GetItemCount();
    for (int i = 0; i < nCount; ++i)
        list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
}

void CWendrakeView::SortShortcuts(int nColumn) {
    if (nColumn < 0 || nColumn >= static_cast<int>(sizeof m_nSortState / sizeof m_nSortState[0]))
        return;
    if (m_nSortState[nColumn] == 0) {
        m_nSortState[nColumn] = 1;
        GetListCtrl().SortItems(CompareDescending, static_cast<DWORD_PTR>(nColumn));
    } else {
        m_nSortState[nColumn] = 0;
        GetListCtrl().SortItems(CompareAscending, static_cast<DWORD_PTR>(nColumn));
    }
}

int CALLBACK CWendrakeView::CompareAscending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    return CompareShortcuts(*reinterpret_cast<const ShortcutRecord*>(lParam1),
                            *reinterpret_cast<const ShortcutRecord*>(lParam2),
                            static_cast<int>(lParamSort));
}

int CALLBACK CWendrakeView::CompareDescending(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort) {
    return -CompareAscending(lParam1, lParam2, lParamSort);
}
