// The shortcut list in the profile: read once at start, written once when the view goes.
#include "engine/KeyNames.h"
#include "engine/ProfileNames.h"
#include "framework/CListCtrl.h"
#include "framework/CWinApp.h"
#include "listview/WendrakeView.h"

#include <unordered_set>

void CWendrakeView::LoadShortcuts() {
    CWinApp* pApp = AfxGetApp();
    // The combinations loaded so far, as the system tells them apart (by the four modifier
    // keys): a refusal for one of these is a duplicate entry, not another program's doing.
    std::unordered_set<unsigned> loaded;
    const unsigned kModifierKeys = MOD_ALT | MOD_CONTROL | MOD_SHIFT | MOD_WIN;
    // A list control that repaints after every row makes a long list slow to load.
    SetRedraw(FALSE);
    const int nCount = static_cast<int>(pApp->GetProfileInt(kShortcutSection, kShortcutCount, 0));
    for (int i = 0; i < nCount; ++i) {
        const CString strFileName =
            pApp->GetProfileString(kShortcutSection, ShortcutValueName(i, kFileNameWord), nullptr);
        const CString strParameter =
            pApp->GetProfileString(kShortcutSection, ShortcutValueName(i, kParameterWord), nullptr);
        const int nOperation = static_cast<int>(
            pApp->GetProfileInt(kShortcutSection, ShortcutValueName(i, kOperationWord), 0));
        const unsigned nKey =
            pApp->GetProfileInt(kShortcutSection, ShortcutValueName(i, kKeyWord), 0);
        unsigned nModifiers = 0, nVirtKey = 0;
        UnpackKey(nKey, nModifiers, nVirtKey);
        const AddResult result =
            TryAddShortcut(nOperation, strFileName, strParameter, nModifiers, nVirtKey);
        const unsigned nCombination = PackKey(nModifiers & kModifierKeys, nVirtKey);
        if (result == AddResult::Added)
            loaded.insert(nCombination);
        else if (result == AddResult::RegistrationRefused && !loaded.count(nCombination))
            m_refusedAtLoad.push_back(
                {strFileName, strParameter, nOperation, PackKey(nModifiers, nVirtKey)});
    }
    SetRedraw(TRUE);
    m_bLoaded = true;
}

namespace {

void WriteShortcut(CWinApp* pApp, int nPosition, const CString& strFileName,
                   const CString& strParameter, unsigned nKey, int nOperation) {
    pApp->WriteProfileString(kShortcutSection, ShortcutValueName(nPosition, kFileNameWord),
                             strFileName);
    pApp->WriteProfileString(kShortcutSection, ShortcutValueName(nPosition, kParameterWord),
                             strParameter);
    pApp->WriteProfileInt(kShortcutSection, ShortcutValueName(nPosition, kKeyWord),
                          static_cast<int>(nKey));
    pApp->WriteProfileInt(kShortcutSection, ShortcutValueName(nPosition, kOperationWord),
                          nOperation);
}

} // namespace

void CWendrakeView::WriteShortcuts() {
    // Without a load the empty list says nothing about what is stored: keep it as it is.
    if (!m_bLoaded)
        return;
    CWinApp* pApp = AfxGetApp();
    const CListCtrl& list = GetListCtrl();
    pApp->WriteProfileInt(kShortcutSection, kShortcutCount,
                          list.GetItemCount() + static_cast<int>(m_refusedAtLoad.size()));
    int nPosition = 0;
    for (int i = list.GetNextItem(-1, LVNI_ALL); i != -1; i = list.GetNextItem(i, LVNI_ALL)) {
        const ShortcutRecord* pRecord = GetShortcutRecord(i);
        WriteShortcut(pApp, nPosition++, pRecord->m_strFileName, pRecord->m_strParameter,
                      PackKey(pRecord->m_nModifiers, pRecord->m_nVirtKey), pRecord->m_nOperation);
    }
    for (const StoredShortcut& stored : m_refusedAtLoad)
        WriteShortcut(pApp, nPosition++, stored.strFileName, stored.strParameter, stored.nKey,
                      stored.nOperation);
}

void CWendrakeView::SaveShortcuts() {
    WriteShortcuts();
    // No registration may outlive the window.
    CListCtrl& list = GetListCtrl();
    SetRedraw(FALSE);
    for (int i = list.GetNextItem(-1, LVNI_ALL); i != -1; i = list.GetNextItem(-1, LVNI_ALL))
        RemoveShortcut(i);
}
