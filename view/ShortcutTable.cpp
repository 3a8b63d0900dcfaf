// The shortcut table: the list's rows, each registered as a system hot key on the view.
#include "engine/KeyNames.h"
#include "engine/ShortcutOrder.h"
#include "framework/AfxMessageBox.h"
#include "framework/ResourceString.h"
#include "framework/CListCtrl.h"
#include "listview/WendrakeView.h"
#include "res/resource.h"

namespace {

// RegisterHotKey accepts application ids up to 0xBFFF.
const int kLastHotKeyId = 0xBFFF;

void ShowRegistrationFailure(DWORD dwError) {
    LPWSTR pszSystemText = nullptr;
    const DWORD nLength = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_FROM_SYSTEM,
        nullptr, dwError, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
        reinterpret_cast<LPWSTR>(&pszSystemText), 0, nullptr);
    CString text;
    if (nLength > 0 && pszSystemText) {
        text = pszSystemText;
    } else {
        // Without the system's own words the user still learns which error it was.
        text.Format(AfxLoadString(IDS_HOTKEY_REFUSED_CODE), static_cast<int>(dwError));
    }
    if (pszSystemText)
        LocalFree(pszSystemText);
    AfxMessageBox(text, MB_OK, 0);
}

} // namespace

CWendrakeView::AddResult CWendrakeView::TryAddShortcut(int nOperation, const CString& strFileName,
                                                       const CString& strParameter,
                                                       unsigned nModifiers, unsigned nVirtKey) {
    CString strKeyName;
    if (!FormatKeyText(nModifiers, nVirtKey, strKeyName)) {
        AfxMessageBox(IDS_KEY_NOT_BINDABLE, MB_OK, 0);
        return AddResult::KeyNotBindable;
    }
    if (m_nNextId > kLastHotKeyId) {
        AfxMessageBox(IDS_HOTKEY_IDS_USED_UP, MB_OK, 0);
        return AddResult::IdsUsedUp;
    }

    // From here the id stays used, whatever follows.
    auto* pRecord = new ShortcutRecord{m_nNextId++, CString(),  strKeyName, strFileName,
                                       nOperation,  nModifiers, nVirtKey,   strParameter};
    pRecord->m_strId.Format(L"%d", pRecord->m_nId);

    if (!RegisterHotKey(m_hWnd, pRecord->m_nId, pRecord->m_nModifiers, pRecord->m_nVirtKey)) {
        const DWORD dwError = GetLastError();
        delete pRecord;
        ShowRegistrationFailure(dwError);
        return AddResult::RegistrationRefused;
    }

    CListCtrl& list = GetListCtrl();
    const int nItem = list.GetItemCount();
    list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, nItem, pRecord->m_strKeyName, 0, 0,
                    pRecord->m_nOperation, reinterpret_cast<LPARAM>(pRecord));
    list.SetItemText(nItem, 1, pRecord->m_strFileName);
    list.SetItemText(nItem, 2, pRecord->m_strParameter);
    return AddResult::Added;
}

bool CWendrakeView::AddShortcut(int nOperation, CString strFileName, CString strParameter,
                                unsigned nModifiers, unsigned nVirtKey) {
    return TryAddShortcut(nOperation, strFileName, strParameter, nModifiers, nVirtKey) ==
           AddResult::Added;
}

void CWendrakeView::RemoveShortcut(int nIndex) {
    ShortcutRecord* pRecord = GetShortcutRecord(nIndex);
    if (pRecord) {
        UnregisterHotKey(m_hWnd, pRecord->m_nId);
        delete pRecord;
    }
    GetListCtrl().DeleteItem(nIndex);
}

ShortcutRecord* CWendrakeView::GetShortcutRecord(int nIndex) const {
    return reinterpret_cast<ShortcutRecord*>(GetListCtrl().GetItemData(nIndex));
}

int CWendrakeView::FindShortcutById(int nId) const {
    const CListCtrl& list = GetListCtrl();
    for (int i = list.GetNextItem(-1, LVNI_ALL); i != -1; i = list.GetNextItem(i, LVNI_ALL)) {
        const ShortcutRecord* pRecord = GetShortcutRecord(i);
        if (pRecord && pRecord->m_nId == nId)
            return i;
    }
    return -1;
}

void CWendrakeView::DeleteSelectedShortcuts() {
    CListCtrl& list = GetListCtrl();
    // After a removal the next row has moved into index i, so the search restarts before it.
    for (int i = list.GetNextItem(-1, LVNI_SELECTED); i != -1;
         i = list.GetNextItem(i - 1, LVNI_SELECTED)) {
        RemoveShortcut(i);
    }
}

void CWendrakeView::SelectAllShortcuts() {
    CListCtrl& list = GetListCtrl();
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
