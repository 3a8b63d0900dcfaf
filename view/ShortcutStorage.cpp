// The shortcut list in the profile: read once at start, written when the list changes, at the
// quit and at the end of the session.
#include "engine/ProfileNames.h"
#include "engine/ShortcutLoad.h"
#include "engine/ShortcutSave.h"
#include "framework/AfxMessageBox.h"
#include "framework/CWinApp.h"
#include "framework/ResourceString.h"
#include "framework/SystemErrorText.h"
#include "res/resource.h"
#include "view/WendrakeView.h"

void CWendrakeView::LoadShortcuts() {
    CWinApp* pApp = AfxGetApp();
    BeginBusy();
    // A list control that repaints after every row makes a long list slow to load.
    SetRedraw(FALSE);
    const int nCount = ShortcutLoad::PositionsToRead(
        static_cast<int>(pApp->GetProfileInt(kShortcutSection, kShortcutCount, 0)),
        pApp->GetProfileValueCount(kShortcutSection));
    ShortcutLoad load;
    for (int i = 0; i < nCount; ++i) {
        const StoredShortcut entry = {
            pApp->GetProfileString(kShortcutSection, ShortcutValueName(i, kFileNameWord)),
            pApp->GetProfileString(kShortcutSection, ShortcutValueName(i, kParameterWord)),
            static_cast<int>(
                pApp->GetProfileInt(kShortcutSection, ShortcutValueName(i, kOperationWord), 0)),
            pApp->GetProfileInt(kShortcutSection, ShortcutValueName(i, kKeyWord), 0)};
        unsigned nModifiers = 0, nVirtKey = 0;
        UnpackKey(entry.nKey, nModifiers, nVirtKey);
        const AddOutcome outcome = TryAddShortcut(entry.nOperation, entry.strFileName,
                                                  entry.strParameter, nModifiers, nVirtKey);
        // In its place, so that the stored order survives.
        if (load.Keeps(entry, outcome.refusal, outcome.nError))
            AppendKeptRow(entry);
    }
    SetRedraw(TRUE);
    m_bLoaded = true;
    EndBusy();
}

DWORD CWendrakeView::WriteShortcuts() {
    // Without a load the empty list says nothing about what is stored: keep it as it is.
    if (!m_bLoaded)
        return ERROR_SUCCESS;
    std::vector<StoredShortcut> entries;
    for (const ShortcutRecord* pRecord : Records())
        entries.push_back(StoredShortcut::From(*pRecord));
    // Out of the list only while its edit runs; stored until the edit has ended.
    if (m_editedOriginal)
        entries.push_back(*m_editedOriginal);
    CWinApp* pApp = AfxGetApp();
    for (const ProfileValue& value : PlanSave(entries)) {
        const BOOL bWritten =
            value.bText ? pApp->WriteProfileString(kShortcutSection, value.strName, value.strText)
                        : pApp->WriteProfileInt(kShortcutSection, value.strName, value.nNumber);
        if (!bWritten)
            return GetLastError();
    }
    return ERROR_SUCCESS;
}

CString CWendrakeView::WriteFailureText(DWORD dwError) {
    CString text;
    text.Format(AfxLoadString(IDS_PROFILE_NOT_WRITTEN), static_cast<int>(dwError));
    const CString reason = AfxGetSystemErrorText(dwError);
    if (!reason.IsEmpty())
        text += L"\n" + reason;
    return text;
}

void CWendrakeView::WriteAfterChange() {
    const DWORD dwError = WriteShortcuts();
    if (dwError == ERROR_SUCCESS)
        return;
    BeginBusy();
    AfxMessageBox(WriteFailureText(dwError), MB_OK, 0);
    EndBusy();
}
